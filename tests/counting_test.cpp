#include "counting.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

#include "reference_count.h"
#include "temp_dir.h"
#include "text_file.h"

namespace {

using namespace std::string_literals;
using testing_support::ReferenceCount;
using testing_support::TextCounts;

TextCounts CountInPieces(std::string_view text, std::size_t pieceSize)
{
    WordCounter words;
    LineCounter lines;
    for (std::size_t at = 0; at < text.size(); at += pieceSize) {
        words.Feed(text.substr(at, pieceSize));
        lines.Feed(text.substr(at, pieceSize));
    }
    return {words.Count(), lines.Count()};
}

// Text as the counters see it, after the text-mode rules.
const struct {
    const char* name;
    std::string text;
    TextCounts counts;
} kCases[] = {
    {"empty", ""s, {0, 0}},
    {"three line feeds", "\n\n\n"s, {0, 3}},
    {"spaces only", "     "s, {0, 1}},
    {"final line feed", "one two\n"s, {2, 1}},
    {"no final line feed", "one two"s, {2, 1}},
    {"last line without line feed", "alpha\nbeta"s, {2, 2}},
    {"empty line in the middle", "alpha\n\nbeta\n"s, {2, 3}},
    {"blank line of spaces and tabs", "a\n \t \nb\n"s, {2, 3}},
    {"runs of whitespace", "  alpha\t\tbeta   gamma  \n"s, {3, 1}},
    {"vertical tab and form feed part words", "a\vb\fc"s, {3, 1}},
    {"NUL is part of a word", "a\0b"s, {1, 1}},
    {"bytes above 127 are not whitespace", "a\xa0" "b \x85 \xff"s, {3, 1}},
    {"one long word", std::string(100000, 'w'), {1, 1}},
    {"many short words", [] {
         std::string s;
         for (int i = 0; i < 20000; ++i)
             s += i % 7 == 0 ? "x\n" : "x ";
         return s;
     }(),
     {20000, 2858}},
};

TEST(CountingTest, CountsWordsAndLinesWhereverTheTextIsSplit)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        for (const std::size_t pieceSize : {1, 2, 3, 63, 64, 65, 16320, 16321, 1 << 20}) {
            SCOPED_TRACE(pieceSize);
            EXPECT_EQ(CountInPieces(c.text, pieceSize), c.counts);
        }
    }
}

TEST(CountingTest, AgreesWithAPlainCountOnRandomText)
{
    std::mt19937 random(20261211);
    const std::string alphabet = "ab \t\n\v\f\x80\xff"s;
    for (int round = 0; round < 20; ++round) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 70000)(random), 'x');
        for (char& byte : text)
            byte = alphabet[random() % alphabet.size()];
        const std::size_t pieceSize = std::uniform_int_distribution<std::size_t>(1, 20000)(random);
        EXPECT_EQ(CountInPieces(text, pieceSize), ReferenceCount(text)) << "round " << round;
    }
}

TEST(CountingTest, CountsWholeFilesReadAsText)
{
    const testing_support::TempDir dir;
    const auto path = dir.Write("input", "alpha beta\r\ngamma\rdelta\r\n\x1a omega\n");
    runtime::TextFile forWords(path.c_str(), 4);
    runtime::TextFile forLines(path.c_str(), 4);
    EXPECT_EQ(CountWords(forWords), 3u);
    EXPECT_EQ(CountLines(forLines), 2u);
}

// Counts past 2^32 must not wrap. Four gigabytes of line feeds take a tenth
// of a second in a plain build and a minute under a sanitizer, where this
// arithmetic has nothing to show.
TEST(CountingTest, CountsBeyondThirtyTwoBits)
{
#ifdef SANITIZED_BUILD
    GTEST_SKIP() << "too slow under a sanitizer";
#endif
    const std::string lineFeeds(1 << 24, '\n');
    LineCounter lines;
    for (int i = 0; i < 257; ++i)
        lines.Feed(lineFeeds);
    EXPECT_EQ(lines.Count(), 257ull << 24);
}

}  // namespace
