#include "console.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "recording_sink.h"

namespace {

using runtime::ConsoleBuffer;
using runtime::ConsoleStream;
using testing_support::RecordingSink;

constexpr const char* kEndLine = nullptr;  // stands for endl in a script

TEST(ConsoleBufferTest, WritesAtTheRightMoments)
{
    const std::string fill510(510, 'x');
    const struct {
        const char* name;
        bool unitBuffered;
        std::vector<const char*> script;
        std::vector<std::string> writes;
    } cases[] = {
        {"a line goes out whole at endl", false, {"7", "\tWorte", kEndLine}, {"7\tWorte\r\n"}},
        {"nothing goes out before endl", false, {"abc", "def"}, {}},
        {"a line feed in text becomes CR LF", false, {"a\nb", kEndLine}, {"a\r\nb\r\n"}},
        {"unit-buffered: each insertion at once", true, {"ab", "cd", kEndLine},
         {"ab", "cd", "\r\n"}},
        {"a full area goes out before it overflows", false,
         {fill510.c_str(), "yz", "!", kEndLine}, {fill510 + "yz", "!\r\n"}},
        {"the CR of a line end can fill the area", false, {fill510.c_str(), "y\n", kEndLine},
         {fill510 + "y\r", "\n\r\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSink sink;
        ConsoleBuffer buffer(sink, c.unitBuffered);
        for (const char* step : c.script) {
            if (step == kEndLine)
                buffer.EndLine();
            else
                buffer.Insert(step);
        }
        EXPECT_EQ(sink.writes, c.writes);
    }
}

TEST(ConsoleBufferTest, AFailedWriteDropsEverythingAfterIt)
{
    RecordingSink sink(false, 1);
    ConsoleBuffer buffer(sink, false);
    buffer.Insert("first");
    buffer.EndLine();
    EXPECT_FALSE(buffer.Bad());

    buffer.Insert("second");
    buffer.EndLine();
    EXPECT_TRUE(buffer.Bad());
    EXPECT_EQ(buffer.Error(), std::errc::no_space_on_device);

    buffer.Insert("third");
    buffer.EndLine();
    buffer.Flush();
    EXPECT_EQ(sink.failedWrites, 1) << "no write is tried in the bad state";
    EXPECT_EQ(sink.writes, std::vector<std::string>{"first\r\n"});
}

TEST(ConsoleStreamTest, FormatsNumbersAndTextAndAsksTheSinkForItsMode)
{
    RecordingSink sink(true);
    {
        ConsoleStream stream(sink);
        stream << std::uint64_t{0} << " " << std::uint32_t{4294967295} << " "
               << std::uint64_t{18446744073709551615u} << runtime::endl;
    }
    EXPECT_EQ(sink.All(), "0 4294967295 18446744073709551615\r\n");
    EXPECT_EQ(sink.writes.size(), 6u) << "unit-buffered on a character device";
}

TEST(ConsoleStreamTest, KeepsEachInsertionWholeWhenTwoThreadsWrite)
{
    const std::string a = "(" + std::string(50, 'a') + ")";
    const std::string b = "<" + std::string(50, 'b') + ">";
    constexpr int kInsertions = 2000;

    RecordingSink sink;
    {
        ConsoleStream stream(sink);
        const auto writer = [&stream](const std::string& text) {
            for (int i = 0; i < kInsertions; ++i)
                stream << text.c_str();
        };
        std::thread first(writer, a);
        std::thread second(writer, b);
        first.join();
        second.join();
    }

    const std::string all = sink.All();
    ASSERT_EQ(all.size(), 2 * kInsertions * a.size());
    for (std::size_t at = 0; at < all.size(); at += a.size()) {
        const std::string piece = all.substr(at, a.size());
        ASSERT_TRUE(piece == a || piece == b) << "split insertion at byte " << at << ": " << piece;
    }
}

}  // namespace
