#pragma once

// Counting words and lines of text that arrives in blocks. A counter carries
// what it needs across block boundaries, so any split of the same text gives
// the same counts. Counts are 64-bit and do not wrap on large inputs.

#include <cstdint>
#include <string_view>

namespace runtime {
class TextFile;
}

// Whitespace for words is exactly tab, line feed, vertical tab, form feed,
// carriage return and space, whatever the locale.
constexpr bool IsWordSpace(unsigned char byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// Words: maximal runs of bytes that are not whitespace.
class WordCounter {
public:
    void Feed(std::string_view text);
    std::uint64_t Count() const { return words_; }

private:
    std::uint64_t words_ = 0;
    bool inWord_ = false;  // the last byte fed belongs to a word
};

// Lines: each line feed ends one, and text after the last line feed makes
// one more.
class LineCounter {
public:
    void Feed(std::string_view text);
    std::uint64_t Count() const { return lineFeeds_ + (openLine_ ? 1 : 0); }

private:
    std::uint64_t lineFeeds_ = 0;
    bool openLine_ = false;  // bytes have come since the last line feed
};

// Reads the file to its end and counts.
std::uint64_t CountWords(runtime::TextFile& is);
std::uint64_t CountLines(runtime::TextFile& is);
