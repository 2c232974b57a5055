#pragma once

// File input in text mode: what a program reads of a file is the file's bytes
// with every carriage return (byte 13) removed wherever it stands, up to but
// not including the first byte 26, which ends the input. Every other byte is
// delivered unchanged and in order; no character set or locale is involved.

#include <cstddef>
#include <memory>
#include <string_view>

namespace runtime {

// Applies the text-mode rules to one block read from a file, in place: cuts
// the block at the first byte 26, setting `ended`, and removes every carriage
// return. Gives the number of bytes kept at the front of the block.
std::size_t ApplyTextMode(char* block, std::size_t size, bool& ended);

// A file opened by name for reading as text, shared with other readers and
// writers, never created. A name that cannot be opened, or a directory, reads
// as empty; so does everything after a read error.
class TextFile {
public:
    static constexpr std::size_t kDefaultBlockSize = 128 * 1024;

    explicit TextFile(const char* name, std::size_t blockSize = kDefaultBlockSize);
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    bool IsOpen() const { return fd_ >= 0; }

    // The next stretch of text, never empty before the end of the input;
    // empty at the end and ever after. Valid until the next call.
    std::string_view ReadBlock();

private:
    int fd_;
    bool ended_ = false;
    std::size_t blockSize_;
    std::unique_ptr<char[]> block_;
};

}  // namespace runtime
