#pragma once

// The few operations whose system calls differ per operating system. Each
// system has one source file that implements them (os_posix.cpp, ...).

#include <cstddef>
#include <system_error>

namespace os {

// Whether the descriptor is a character device, such as a console.
bool IsCharacterDevice(int fd);

// Writes all size bytes, retrying short writes. Gives the error, if any.
std::error_code WriteAll(int fd, const char* data, std::size_t size);

// Opens a file by name for reading only, in binary mode, shared with other
// readers and writers. Never creates a file. Gives -1 when the name cannot
// be opened or names a directory.
int OpenForReading(const char* name);

// Reads at most size bytes. Gives the number read, 0 at the end of the file,
// or -1 on a read error.
long long Read(int fd, char* data, std::size_t size);

void Close(int fd);

}  // namespace os
