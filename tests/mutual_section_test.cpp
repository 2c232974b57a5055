#include "mutual_section.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

namespace {

TEST(MutualSectionTest, KeepsTwoThreadsOutOfEachOther)
{
    MutualSection section;
    long counter = 0;  // plain: only the section keeps the increments apart
    const auto work = [&] {
        for (int i = 0; i < 100000; ++i) {
            MutualSection::Lock lock(section);
            const long seen = counter;
            counter = seen + 1;
        }
    };
    std::thread first(work);
    std::thread second(work);
    first.join();
    second.join();
    EXPECT_EQ(counter, 200000);
}

TEST(MutualSectionTest, AnExceptionLeavesTheSection)
{
    MutualSection section;
    try {
        MutualSection::Lock lock(section);
        throw std::runtime_error("unwind");
    } catch (const std::runtime_error&) {
    }
    // Another thread can now enter; bounded, so a section left owned fails
    // the test instead of hanging it.
    auto entered = std::async(std::launch::async, [&] { MutualSection::Lock lock(section); });
    EXPECT_EQ(entered.wait_for(std::chrono::seconds(10)), std::future_status::ready);
}

}  // namespace
