#include "os.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

// The C runtime would expand wildcards in the command line before main();
// the programs take their arguments as given.
extern "C" {
int _dowildcard = 0;
}

namespace {

// The console output buffer writes its own CR LF pairs, and the abnormal
// exit its own message: the C runtime must not translate line feeds again.
struct BinaryStandardStreams {
    BinaryStandardStreams()
    {
        _setmode(1, _O_BINARY);
        _setmode(2, _O_BINARY);
    }
} binaryStandardStreams;

// The C runtime's read and write take at most INT_MAX bytes at a time.
unsigned ChunkSize(std::size_t size)
{
    return size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
}

}  // namespace

namespace os {

bool IsCharacterDevice(int fd)
{
    return _isatty(fd) != 0;
}

std::error_code WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const int written = _write(fd, data, ChunkSize(size));
        if (written < 0)
            return {errno, std::generic_category()};
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return {};
}

int OpenForReading(const char* name)
{
    int fd = -1;
    if (_sopen_s(&fd, name, _O_RDONLY | _O_BINARY, _SH_DENYNO, 0) != 0)
        return -1;
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) == _S_IFDIR) {
        _close(fd);
        return -1;
    }
    return fd;
}

long long Read(int fd, char* data, std::size_t size)
{
    return _read(fd, data, ChunkSize(size));
}

void Close(int fd)
{
    _close(fd);
}

}  // namespace os
