#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

// A fresh directory, removed with everything in it when it goes.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& Path() const { return path_; }
    // Writes the bytes to a file in this directory and gives its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// The whole content of a file, empty if it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace testing_support
