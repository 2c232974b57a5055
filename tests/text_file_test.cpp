#include "text_file.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "temp_dir.h"

namespace {

using runtime::TextFile;
using namespace std::string_literals;

std::string ReadAll(TextFile& file)
{
    std::string text;
    for (auto block = file.ReadBlock(); !block.empty(); block = file.ReadBlock())
        text += block;
    return text;
}

const struct {
    const char* name;
    std::string raw;
    std::string text;
    bool ended;  // a byte 26 was met
} kTextModeCases[] = {
    {"plain bytes pass unchanged", "a b\tc\n\v\f"s, "a b\tc\n\v\f"s, false},
    {"CR LF pairs lose the CR", "one\r\ntwo\r\n"s, "one\ntwo\n"s, false},
    {"a lone CR vanishes", "al\rpha\r"s, "alpha"s, false},
    {"nothing but CRs", "\r\r\r"s, ""s, false},
    {"byte 26 ends the text", "one\x1atwo \r\n"s, "one"s, true},
    {"a CR before byte 26", "a\r\x1a\r"s, "a"s, true},
    {"NUL and bytes above 127 pass", "\0\x80\xa0\xff"s, "\0\x80\xa0\xff"s, false},
};

TEST(TextModeTest, DropsCarriageReturnsAndEndsAtByte26)
{
    for (const auto& c : kTextModeCases) {
        SCOPED_TRACE(c.name);
        std::string block = c.raw;
        bool ended = false;
        block.resize(runtime::ApplyTextMode(block.data(), block.size(), ended));
        EXPECT_EQ(block, c.text);
        EXPECT_EQ(ended, c.ended);
    }
}

TEST(TextFileTest, DeliversTheSameTextWhateverTheBlockSize)
{
    const testing_support::TempDir dir;
    for (const auto& c : kTextModeCases) {
        SCOPED_TRACE(c.name);
        // Text after byte 26 must stay unread even when later blocks hold it.
        const auto path = dir.Write("input", c.raw + "\r\nafter");
        for (const std::size_t blockSize : {1, 2, 3, 7, 4096}) {
            SCOPED_TRACE(blockSize);
            TextFile file(path.c_str(), blockSize);
            ASSERT_TRUE(file.IsOpen());
            EXPECT_EQ(ReadAll(file), c.ended ? c.text : c.text + "\nafter");
            EXPECT_TRUE(file.ReadBlock().empty()) << "the end stays the end";
        }
    }
}

TEST(TextFileTest, ANameThatCannotBeOpenedReadsAsEmpty)
{
    const testing_support::TempDir dir;
    const std::string missing = (dir.Path() / "missing.txt").string();
    const std::string directory = dir.Path().string();
    for (const std::string& name : {missing, directory}) {
        SCOPED_TRACE(name);
        TextFile file(name.c_str());
        EXPECT_FALSE(file.IsOpen());
        EXPECT_TRUE(file.ReadBlock().empty());
    }
    EXPECT_FALSE(std::filesystem::exists(missing)) << "opening never creates a file";
}

TEST(TextFileTest, SharesTheFileWithOtherReadersAndWriters)
{
    const testing_support::TempDir dir;
    const auto path = dir.Write("shared", "alpha\r\nbeta\r\n");
    TextFile first(path.c_str(), 3);
    TextFile second(path.c_str(), 5);
    ASSERT_TRUE(first.IsOpen());
    ASSERT_TRUE(second.IsOpen());
    std::ofstream writer(path, std::ios::binary | std::ios::app);
    EXPECT_TRUE(writer.is_open()) << "the readers must not lock writers out";
    EXPECT_EQ(ReadAll(first), "alpha\nbeta\n");
    EXPECT_EQ(ReadAll(second), "alpha\nbeta\n");
}

}  // namespace
