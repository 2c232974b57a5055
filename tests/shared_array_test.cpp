#include "shared_array.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "recording_sink.h"

namespace {

using Values = std::array<std::uint32_t, 10>;

const Values kInitial{345, 765, 23, 123, 465, 67, 8, 1202, 233, 654};

void Fill(SharedArray& array, const Values& values)
{
    for (std::size_t i = 0; i < values.size(); ++i)
        array[i].store(values[i]);
}

Values Snapshot(const SharedArray& array)
{
    Values values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = array[i].load();
    return values;
}

// The random index source starts afresh on each new thread, as it does on a
// worker's.
void DoubleOnANewThread(SharedArray& array)
{
    std::thread([&array] { DoubleRandomElements(array); }).join();
}

// Runs the steps of the two workers one block after the other on an array
// that starts with the initial values, and gives what they printed.
std::string RunBlocks(bool sortFirst)
{
    SharedArray array;
    Fill(array, kInitial);
    testing_support::RecordingSink sink;
    {
        runtime::ConsoleStream out(sink);
        const auto sortBlock = [&] {
            PrintArray(out, "Unsortiertes Array: ", array);
            SortArray(array);
            PrintArray(out, "Sortiertes Array: ", array);
        };
        const auto multiplyBlock = [&] {
            DoubleOnANewThread(array);
            PrintArray(out, "Array (Multiply): ", array);
        };
        if (sortFirst) {
            sortBlock();
            multiplyBlock();
        } else {
            multiplyBlock();
            sortBlock();
        }
    }
    return sink.All();
}

TEST(SharedArrayTest, StartsWithItsInitialValues)
{
    EXPECT_EQ(Snapshot(_iSortedArray), kInitial);
}

TEST(SharedArrayTest, PrintsThePrefixThenEachValueAfterABlank)
{
    const struct {
        Values values;
        std::string expected;
    } cases[] = {
        {kInitial, "Unsortiertes Array:  345 765 23 123 465 67 8 1202 233 654\r\n"},
        {{0, 1, 0x80000000u, 0xFFFFFFFFu, 10, 100, 1000, 4294967294u, 7, 0},
         "Unsortiertes Array:  0 1 2147483648 4294967295 10 100 1000 4294967294 7 0\r\n"},
    };
    for (const auto& c : cases) {
        SharedArray array;
        Fill(array, c.values);
        testing_support::RecordingSink sink;
        {
            runtime::ConsoleStream out(sink);
            PrintArray(out, "Unsortiertes Array: ", array);
        }
        EXPECT_EQ(sink.All(), c.expected);
    }
}

TEST(SharedArrayTest, SortsAscendingAsUnsignedValues)
{
    const struct {
        const char* name;
        Values before, after;
    } cases[] = {
        {"initial values", kInitial, {8, 23, 67, 123, 233, 345, 465, 654, 765, 1202}},
        {"top bit set sorts last",
         {0x80000000u, 5, 0xFFFFFFFFu, 0, 7, 7, 1, 2, 3, 4},
         {0, 1, 2, 3, 4, 5, 7, 7, 0x80000000u, 0xFFFFFFFFu}},
        {"already sorted: every swap is with itself",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"all equal", {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SharedArray array;
        Fill(array, c.before);
        SortArray(array);
        EXPECT_EQ(Snapshot(array), c.after);
    }
}

TEST(SharedArrayTest, DoublingKeepsTheLowThirtyTwoBits)
{
    SharedArray array;
    Fill(array, {0x80000001u, 0x80000001u, 0x80000001u, 0x80000001u, 0x80000001u,
                 0x80000001u, 0x80000001u, 0x80000001u, 0x80000001u, 0x80000001u});
    DoubleOnANewThread(array);
    // Each index is drawn 6 to 13 times: the top bit goes at the first
    // doubling, and the low bit climbs one place each time.
    const std::array<int, 10> draws{12, 12, 11, 7, 6, 11, 12, 7, 9, 13};
    for (std::size_t i = 0; i < array.size(); ++i)
        EXPECT_EQ(array[i].load(), std::uint32_t{1} << draws[i]) << "index " << i;
}

TEST(SharedArrayTest, EachOrderOfTheTwoBlocksGivesItsOwnFixedLines)
{
    EXPECT_EQ(RunBlocks(true),
              "Unsortiertes Array:  345 765 23 123 465 67 8 1202 233 654\r\n"
              "Sortiertes Array:  8 23 67 123 233 345 465 654 765 1202\r\n"
              "Array (Multiply):  32768 94208 137216 15744 14912 706560 1904640 83712 391680 "
              "9846784\r\n");
    EXPECT_EQ(RunBlocks(false),
              "Array (Multiply):  1413120 3133440 47104 15744 29760 137216 32768 153856 119296 "
              "5357568\r\n"
              "Unsortiertes Array:  1413120 3133440 47104 15744 29760 137216 32768 153856 "
              "119296 5357568\r\n"
              "Sortiertes Array:  15744 29760 32768 47104 119296 137216 153856 1413120 3133440 "
              "5357568\r\n");
}

}  // namespace
