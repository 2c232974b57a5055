#include "os.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os {

bool IsCharacterDevice(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISCHR(info.st_mode);
}

std::error_code WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return {errno, std::generic_category()};
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return {};
}

int OpenForReading(const char* name)
{
    const int fd = ::open(name, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

long long Read(int fd, char* data, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd, data, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

void Close(int fd)
{
    ::close(fd);
}

}  // namespace os
