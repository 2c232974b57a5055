#include "text_file.h"

#include <cstring>

#include "os.h"

namespace runtime {

namespace {

constexpr char kEndOfText = 26;

char* Find(char* from, const char* end, char byte)
{
    return static_cast<char*>(std::memchr(from, byte, static_cast<std::size_t>(end - from)));
}

}  // namespace

std::size_t ApplyTextMode(char* block, std::size_t size, bool& ended)
{
    if (const char* stop = Find(block, block + size, kEndOfText)) {
        size = static_cast<std::size_t>(stop - block);
        ended = true;
    }

    char* const end = block + size;
    char* out = Find(block, end, '\r');
    if (out == nullptr)
        return size;
    // Close each gap left by a carriage return; memchr and memmove keep this
    // fast for CR LF text, where there is one gap a line.
    for (char* in = out + 1; in < end;) {
        char* next = Find(in, end, '\r');
        if (next == nullptr)
            next = end;
        const auto length = static_cast<std::size_t>(next - in);
        std::memmove(out, in, length);
        out += length;
        in = next + 1;
    }
    return static_cast<std::size_t>(out - block);
}

TextFile::TextFile(const char* name, std::size_t blockSize)
    : fd_(os::OpenForReading(name)), blockSize_(blockSize)
{
    if (IsOpen())
        block_ = std::make_unique_for_overwrite<char[]>(blockSize_);
}

TextFile::~TextFile()
{
    if (IsOpen())
        os::Close(fd_);
}

std::string_view TextFile::ReadBlock()
{
    // A block may hold nothing but carriage returns; read on until there is
    // text or the input has ended.
    while (IsOpen() && !ended_) {
        const long long got = os::Read(fd_, block_.get(), blockSize_);
        if (got <= 0) {
            ended_ = true;  // the end of the file, or a read error taken as it
            break;
        }
        const std::size_t kept = ApplyTextMode(block_.get(), static_cast<std::size_t>(got), ended_);
        if (kept > 0)
            return {block_.get(), kept};
    }
    return {};
}

}  // namespace runtime
