#include "counting.h"

#include <cstddef>

#include "text_file.h"

namespace {

// Counts the positions i in [first, last) for which hit(i) is true. The hits
// are summed in byte-wide lanes, 64 positions a row and at most 255 rows
// before a lane could overflow, a shape that compilers turn into vector code
// without being asked; the rest goes one position at a time.
template <class Hit>
std::uint64_t CountPositions(std::size_t first, std::size_t last, Hit hit)
{
    constexpr std::size_t kLanes = 64;
    constexpr std::size_t kRows = 255;

    std::uint64_t total = 0;
    std::size_t i = first;
    while (last - i >= kLanes * kRows) {
        unsigned char lanes[kLanes] = {};
        for (std::size_t row = 0; row < kRows; ++row, i += kLanes)
            for (std::size_t lane = 0; lane < kLanes; ++lane)
                lanes[lane] += hit(i + lane);
        for (const unsigned char sum : lanes)
            total += sum;
    }
    for (; i < last; ++i)
        total += hit(i);
    return total;
}

const unsigned char* Bytes(std::string_view text)
{
    return reinterpret_cast<const unsigned char*>(text.data());
}

}  // namespace

void WordCounter::Feed(std::string_view text)
{
    if (text.empty())
        return;
    const unsigned char* bytes = Bytes(text);
    // A word starts at a byte outside whitespace whose predecessor, here or
    // at the end of the previous block, is whitespace or the start.
    if (!inWord_ && !IsWordSpace(bytes[0]))
        ++words_;
    words_ += CountPositions(1, text.size(), [bytes](std::size_t i) {
        // "Whitespace, then not": true > false. Written without && because
        // a short-circuit test stops the compiler from vectorising the loop.
        return static_cast<unsigned char>(IsWordSpace(bytes[i - 1]) > IsWordSpace(bytes[i]));
    });
    inWord_ = !IsWordSpace(bytes[text.size() - 1]);
}

void LineCounter::Feed(std::string_view text)
{
    if (text.empty())
        return;
    const unsigned char* bytes = Bytes(text);
    lineFeeds_ += CountPositions(0, text.size(), [bytes](std::size_t i) {
        return static_cast<unsigned char>(bytes[i] == '\n');
    });
    openLine_ = text.back() != '\n';
}

namespace {

template <class Counter>
std::uint64_t CountAll(runtime::TextFile& is)
{
    Counter counter;
    for (auto text = is.ReadBlock(); !text.empty(); text = is.ReadBlock())
        counter.Feed(text);
    return counter.Count();
}

}  // namespace

std::uint64_t CountWords(runtime::TextFile& is)
{
    return CountAll<WordCounter>(is);
}

std::uint64_t CountLines(runtime::TextFile& is)
{
    return CountAll<LineCounter>(is);
}
