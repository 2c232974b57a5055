#pragma once

// An independent count of what the word and line counters must give for a
// file's raw bytes: a plain byte-at-a-time walk that applies the text-mode
// rules (carriage returns vanish, byte 26 ends the input) as it goes.

#include <cstdint>
#include <string_view>

namespace testing_support {

struct TextCounts {
    std::uint64_t words = 0;
    std::uint64_t lines = 0;
    bool operator==(const TextCounts&) const = default;
};

inline TextCounts ReferenceCount(std::string_view fileBytes)
{
    TextCounts counts;
    bool inWord = false;
    bool lineOpen = false;
    for (const char byte : fileBytes) {
        if (byte == '\x1a')
            break;
        if (byte == '\r')
            continue;
        const bool space = byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' ||
            byte == '\f';
        if (!space && !inWord)
            ++counts.words;
        inWord = !space;
        lineOpen = byte != '\n';
        if (byte == '\n')
            ++counts.lines;
    }
    if (lineOpen)
        ++counts.lines;
    return counts;
}

}  // namespace testing_support
