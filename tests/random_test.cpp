#include "random.h"

#include <array>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

// The first `count` results of runtime::rand() on a thread of their own.
std::vector<int> FirstResultsOnANewThread(int count)
{
    std::vector<int> results;
    std::thread([&] {
        for (int i = 0; i < count; ++i)
            results.push_back(runtime::rand());
    }).join();
    return results;
}

TEST(RandomTest, EveryNewThreadStartsTheSameSequence)
{
    const std::vector<int> expected{346, 130, 10982, 1090, 11656};
    EXPECT_EQ(FirstResultsOnANewThread(5), expected);

    // Draws on this thread neither move nor are moved by another thread's.
    const int mine = runtime::rand();
    EXPECT_EQ(FirstResultsOnANewThread(5), expected);
    EXPECT_NE(runtime::rand(), mine) << "this thread's generator went on";
}

TEST(RandomTest, HundredIndicesFallAsTheyAlwaysDo)
{
    std::array<int, 10> counts{};
    for (const int result : FirstResultsOnANewThread(100)) {
        ASSERT_GE(result, 0);
        ASSERT_LE(result, 32767);
        ++counts[static_cast<std::size_t>(result % 10)];
    }
    EXPECT_EQ(counts, (std::array<int, 10>{12, 12, 11, 7, 6, 11, 12, 7, 9, 13}));
}

}  // namespace
