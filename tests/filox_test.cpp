// Runs the built filox on files and command lines and checks all it does.

#include <gtest/gtest.h>
#include <random>
#include <string>

#include "reference_count.h"
#include "run_program.h"
#include "temp_dir.h"

namespace {

using namespace std::string_literals;
using testing_support::ProgramResult;
using testing_support::RunProgram;
using testing_support::StandardOutput;
using testing_support::TempDir;

std::string ResultLine(std::uint64_t words, std::uint64_t lines, const std::string& name)
{
    return std::to_string(words) + "\tWorte und " + std::to_string(lines) + " Saetze in " +
        name + "\r\n";
}

ProgramResult RunFilox(const TempDir& dir, std::vector<std::string> arguments,
                       StandardOutput output = StandardOutput::File)
{
    return RunProgram({FILOX_PROGRAM, std::move(arguments), dir.Path(), {}, output});
}

void ExpectCounted(const ProgramResult& result, std::uint64_t words, std::uint64_t lines,
                   const std::string& name)
{
    EXPECT_EQ(result.standardOutput, ResultLine(words, lines, name));
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(result.exitStatus, 0);
}

TEST(FiloxProgramTest, CountsFilesByteForByte)
{
    const struct {
        const char* name;
        std::string bytes;
        std::uint64_t words, lines;
    } cases[] = {
        {"empty", ""s, 0, 0},
        {"three line feeds", "\n\n\n"s, 0, 3},
        {"spaces only", "   "s, 0, 1},
        {"final line feed", "one two\n"s, 2, 1},
        {"no final line feed", "one two"s, 2, 1},
        {"last line without line feed", "alpha\nbeta"s, 2, 2},
        {"empty line counts", "alpha\n\nbeta\n"s, 2, 3},
        {"runs of whitespace", "  alpha\t\tbeta   gamma  \n"s, 3, 1},
        {"vertical tab and form feed", "a\vb\fc\n"s, 3, 1},
        {"CR LF line ends", "alpha beta\r\ngamma\r\n"s, 3, 2},
        {"a lone CR joins two parts", "alpha\rbeta\n"s, 1, 1},
        {"CRs only", "\r\r\r\r"s, 0, 0},
        {"byte 26 ends the input", "one\x1atwo three\n"s, 1, 1},
        {"byte 160 is no whitespace", "a\xa0" "b"s, 1, 1},
        {"one word of many thousand bytes", std::string(300000, 'w'), 1, 1},
    };
    const TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write("input.txt", c.bytes);
        ExpectCounted(RunFilox(dir, {"input.txt"}), c.words, c.lines, "input.txt");
    }
}

TEST(FiloxProgramTest, TakesTheNameFromTheFirstArgumentOnly)
{
    const TempDir dir;
    dir.Write("FILOX", "default file\n");
    dir.Write("a.txt", "one two three\n");
    dir.Write("b.txt", "four\n");
    std::filesystem::create_directory(dir.Path() / "folder");
    // Longer than any fixed name buffer, and printed whole.
    std::string longName;
    for (int i = 0; i < 12; ++i)
        longName += std::string(30, 'd') + "/";
    std::filesystem::create_directories(dir.Path() / longName);
    longName += "file with spaces.txt";
    dir.Write(longName, "deep\n");

    const struct {
        const char* name;
        std::vector<std::string> arguments;
        std::string expected;
    } cases[] = {
        {"no argument counts FILOX", {}, ResultLine(2, 1, "FILOX")},
        {"further arguments are ignored", {"a.txt", "b.txt", "-x"}, ResultLine(3, 1, "a.txt")},
        {"a missing file counts nothing", {"missing.txt"}, ResultLine(0, 0, "missing.txt")},
        {"a directory counts nothing", {"folder"}, ResultLine(0, 0, "folder")},
        {"a relative path", {"./a.txt"}, ResultLine(3, 1, "./a.txt")},
        {"a name of 392 characters", {longName}, ResultLine(1, 1, longName)},
        {"a wildcard is a name like any other", {"*.txt"}, ResultLine(0, 0, "*.txt")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto output : {StandardOutput::File, StandardOutput::Pipe}) {
            const ProgramResult result = RunFilox(dir, c.arguments, output);
            EXPECT_EQ(result.standardOutput, c.expected);
            EXPECT_EQ(result.standardError, "");
            EXPECT_EQ(result.exitStatus, 0);
        }
    }
}

// Files of random bytes, weighted towards the bytes with a meaning of their
// own, against a plain count of the same bytes.
TEST(FiloxProgramTest, AgreesWithAPlainCountOnRandomFiles)
{
    const std::string special = "\r\n\x1a\t\v\f  \0\x80\xa0\xff"s;
    std::mt19937 random(1211);
    const TempDir dir;
    for (int round = 0; round < 40; ++round) {
        const bool withEndMark = round % 4 == 0;
        std::string bytes(std::uniform_int_distribution<std::size_t>(0, 400000)(random), 'x');
        for (char& byte : bytes) {
            const unsigned pick = random() % 100;
            if (pick < 35)
                byte = special[random() % special.size()];
            else if (pick < 40)
                byte = static_cast<char>(random());
            else
                byte = static_cast<char>('a' + random() % 26);
            if (byte == '\x1a' && !withEndMark)
                byte = 'z';
        }
        const auto expected = testing_support::ReferenceCount(bytes);
        dir.Write("random.bin", bytes);
        SCOPED_TRACE("round " + std::to_string(round));
        ExpectCounted(RunFilox(dir, {"random.bin"}), expected.words, expected.lines, "random.bin");
    }
}

}  // namespace
