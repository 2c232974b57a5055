// Feeds random bytes through the text-mode reader and both counters, reading
// the file in blocks of a size the input chooses, mostly tiny so that every
// block boundary is crossed, and compares with a plain count of the bytes.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

#include "counting.h"
#include "reference_count.h"
#include "text_file.h"

namespace {

// The file each input is written to, one per fuzzing process, removed when
// the process exits.
class ScratchFile {
public:
    ScratchFile() : path_("/tmp/counting-fuzz-" + std::to_string(::getpid())) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // Mostly 1 to 32 bytes; now and then blocks big enough for the wide path.
    const unsigned selector = data[0];
    const std::size_t blockSize = selector < 224 ? 1 + selector % 32 : 16000 + 100 * (selector - 224);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    static const ScratchFile scratch;
    const std::string& path = scratch.Path();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    runtime::TextFile forWords(path.c_str(), blockSize);
    runtime::TextFile forLines(path.c_str(), blockSize);
    const testing_support::TextCounts counted{CountWords(forWords), CountLines(forLines)};
    if (counted != testing_support::ReferenceCount(bytes))
        std::abort();
    return 0;
}
