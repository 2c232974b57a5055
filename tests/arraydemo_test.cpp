// Runs the built mutu and galmee many times and checks that every output is
// one the program allows.

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

using testing_support::ProgramResult;
using testing_support::RunProgram;
using testing_support::StandardOutput;

#ifdef SANITIZED_BUILD
constexpr int kRuns = 40;
#else
constexpr int kRuns = 250;
#endif

const std::string kUnsorted = "Unsortiertes Array: ";
const std::string kSorted = "Sortiertes Array: ";
const std::string kStarted = "MultiplyThread gestartet: ";
const std::string kMultiplied = "Array (Multiply): ";
const std::string kLineEnd = "\r\n";

using Values = std::array<std::uint32_t, 10>;
const Values kInitial{345, 765, 23, 123, 465, 67, 8, 1202, 233, 654};

// One printed array line as its insertions: prefix, then " " and a value
// each, then the line end.
std::vector<std::string> ArrayLine(const std::string& prefix, const Values& values)
{
    std::vector<std::string> insertions{prefix};
    for (const std::uint32_t value : values) {
        insertions.push_back(" ");
        insertions.push_back(std::to_string(value));
    }
    insertions.push_back(kLineEnd);
    return insertions;
}

std::vector<std::string> Join(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::string Concatenate(const std::vector<std::string>& insertions)
{
    std::string text;
    for (const auto& insertion : insertions)
        text += insertion;
    return text;
}

// The blocks each worker prints while it owns the array, for each order.
const std::vector<std::string> kSortBlockFirst =
    Join(ArrayLine(kUnsorted, kInitial),
         ArrayLine(kSorted, {8, 23, 67, 123, 233, 345, 465, 654, 765, 1202}));
const std::vector<std::string> kMultiplyBlockSecond = ArrayLine(
    kMultiplied, {32768, 94208, 137216, 15744, 14912, 706560, 1904640, 83712, 391680, 9846784});
const Values kMultipliedFirst{1413120, 3133440, 47104, 15744, 29760,
                              137216,  32768,   153856, 119296, 5357568};
const std::string kMultiplyFirstOutput =
    kStarted + kLineEnd +
    Concatenate(Join(Join(ArrayLine(kMultiplied, kMultipliedFirst),
                          ArrayLine(kUnsorted, kMultipliedFirst)),
                     ArrayLine(kSorted, {15744, 29760, 32768, 47104, 119296, 137216, 153856,
                                         1413120, 3133440, 5357568})));
const std::string kSortFirstWholeLines = Concatenate(kSortBlockFirst) + kStarted + kLineEnd +
    Concatenate(kMultiplyBlockSecond);

// Every output mutu may print: with the multiply block first, one; with the
// sort block first, the sort block with the "started" text and its line end
// falling between any two of its insertions (or after it), then the multiply
// block.
std::set<std::string> MutuOutputs()
{
    std::set<std::string> outputs{kMultiplyFirstOutput};
    const std::size_t n = kSortBlockFirst.size();
    for (std::size_t started = 0; started <= n; ++started) {
        for (std::size_t lineEnd = started; lineEnd <= n; ++lineEnd) {
            std::vector<std::string> insertions = kSortBlockFirst;
            insertions.insert(insertions.begin() + static_cast<std::ptrdiff_t>(lineEnd), kLineEnd);
            insertions.insert(insertions.begin() + static_cast<std::ptrdiff_t>(started), kStarted);
            outputs.insert(Concatenate(Join(insertions, kMultiplyBlockSecond)));
        }
    }
    return outputs;
}

std::size_t Occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// All values an element can hold in galmee: an initial value doubled 0 to
// 100 times, modulo 2^32.
std::set<std::uint64_t> PossibleValues()
{
    std::set<std::uint64_t> values;
    for (std::uint32_t value : kInitial) {
        for (int doublings = 0; doublings <= 100; ++doublings, value *= 2u)
            values.insert(value);
    }
    return values;
}

bool IsPossible(const std::string& digits)
{
    static const std::set<std::uint64_t> possible = PossibleValues();
    return !digits.empty() && digits.size() <= 10 && (digits == "0" || digits[0] != '0') &&
        possible.count(std::stoull(digits)) > 0;
}

// Checks galmee's output where whole lines need not come whole. Each
// insertion comes whole, so a run of digits holds one value, or two when
// the other thread's value fell between a blank and its own.
void ExpectGalmeeOutput(const std::string& output)
{
    SCOPED_TRACE(output);
    EXPECT_EQ(Occurrences(output, kLineEnd), 4u);
    std::string rest = output;
    for (const std::string& prefix : {kUnsorted, kSorted, kStarted, kMultiplied}) {
        ASSERT_EQ(Occurrences(rest, prefix), 1u) << prefix;
        rest.erase(rest.find(prefix), prefix.size());
    }
    std::erase(rest, '\r');
    std::erase(rest, '\n');
    EXPECT_EQ(std::count(rest.begin(), rest.end(), ' '), 30) << "a blank before each value";

    std::size_t fewestValues = 0;
    std::size_t mostValues = 0;
    for (std::size_t at = rest.find_first_of("0123456789"); at != std::string::npos;) {
        const std::size_t end = std::min(rest.find(' ', at), rest.size());
        const std::string run = rest.substr(at, end - at);
        bool single = IsPossible(run);
        bool pair = false;
        for (std::size_t cut = 1; cut < run.size() && !pair; ++cut)
            pair = IsPossible(run.substr(0, cut)) && IsPossible(run.substr(cut));
        EXPECT_TRUE(single || pair) << "not made of possible values: " << run;
        fewestValues += single || !pair ? 1 : 2;
        mostValues += pair ? 2 : 1;
        at = rest.find_first_of("0123456789", end);
    }
    EXPECT_LE(fewestValues, 30u);
    EXPECT_GE(mostValues, 30u);

    // When the lines come whole in an order where one worker's array work
    // ends before the other's begins, the values are the fixed ones.
    std::vector<std::string> prefixes;
    for (std::size_t start = 0, end; (end = output.find(kLineEnd, start)) != std::string::npos;
         start = end + kLineEnd.size()) {
        const std::string line = output.substr(start, end - start);
        for (const std::string& prefix : {kUnsorted, kSorted, kStarted, kMultiplied})
            if (line.rfind(prefix, 0) == 0 && Occurrences(line, ":") == 1)
                prefixes.push_back(prefix);
    }
    if (prefixes == std::vector<std::string>{kUnsorted, kSorted, kStarted, kMultiplied}) {
        EXPECT_EQ(output, kSortFirstWholeLines);
    } else if (prefixes == std::vector<std::string>{kStarted, kMultiplied, kUnsorted, kSorted}) {
        EXPECT_EQ(output, kMultiplyFirstOutput);
    }
}

// Runs the program kRuns times through a file and kRuns times through a
// pipe, with and without arguments, and checks each run.
template <class Check>
void RunManyTimes(const char* program, Check check)
{
    for (const auto output : {StandardOutput::File, StandardOutput::Pipe}) {
        for (int run = 0; run < kRuns; ++run) {
            std::vector<std::string> arguments;
            if (run % 2 == 1)
                arguments = {"ignored", "-x"};
            const ProgramResult result = RunProgram({program, arguments, ".", {}, output});
            ASSERT_EQ(result.exitStatus, 0);
            ASSERT_EQ(result.standardError, "");
            check(result.standardOutput);
            if (testing::Test::HasFailure())
                return;
        }
    }
}

TEST(MutuProgramTest, PrintsOnlyWhatTheCriticalSectionAllows)
{
    const std::set<std::string> allowed = MutuOutputs();
    ASSERT_TRUE(allowed.count(kSortFirstWholeLines));
    RunManyTimes(MUTU_PROGRAM, [&](const std::string& output) {
        EXPECT_TRUE(allowed.count(output)) << output;
    });
}

TEST(GalmeeProgramTest, PrintsFourLinesOfPossibleValues)
{
    RunManyTimes(GALMEE_PROGRAM, ExpectGalmeeOutput);
}

// The checker itself, on outputs that the race can produce.
TEST(GalmeeProgramTest, CheckerAcceptsRacedOutputs)
{
    // Captured from real runs: a split line, and a "sorted" line printed
    // after the doublings.
    ExpectGalmeeOutput(
        "Unsortiertes Array:  MultiplyThread gestartet: 345\r\n"
        "Array (Multiply):  1413120 3133440 47104 15744 29760 137216 32768 153856 119296 "
        "5357568\r\n"
        " 3133440 47104 15744 29760 137216 32768 153856 119296 5357568\r\n"
        "Sortiertes Array:  15744 29760 32768 47104 119296 137216 153856 1413120 3133440 "
        "5357568\r\n");
    ExpectGalmeeOutput(
        "Unsortiertes Array:  345 765 23 123 465 67 8 1202 233 654\r\n"
        "MultiplyThread gestartet: \r\n"
        "Array (Multiply):  32768 94208 137216 15744 14912 706560 1904640 83712 391680 "
        "9846784\r\n"
        "Sortiertes Array:  32768 94208 137216 15744 14912 706560 1904640 83712 391680 "
        "9846784\r\n");
    // Two values run together when one thread's value falls between the
    // other's blank and value.
    ExpectGalmeeOutput(
        "Unsortiertes Array:  345 765 23 123 465 67 8 1202 233 654\r\n"
        "Sortiertes Array:  8 23 67 123 233 345 465 654 765MultiplyThread gestartet: \r\n"
        "Array (Multiply):  32768 94208 137216 15744 14912 706560 1904640 83712 391680  "
        "12029846784\r\n\r\n");
}

const std::string kImpossibleValue =
    "MultiplyThread gestartet: \r\n"
    "Unsortiertes Array:  345 765 23 123 465 67 8 1202 233 654\r\n"
    "Sortiertes Array:  8 23 67 123 233 345 465 654 765 1202\r\n"
    "Array (Multiply):  32768 94208 137216 15744 14912 706560 1904640 83712 391680 346\r\n";

TEST(GalmeeProgramTest, CheckerRejectsAValueNoDoublingMakes)
{
    EXPECT_NONFATAL_FAILURE(ExpectGalmeeOutput(kImpossibleValue), "not made of possible values");
}

}  // namespace
