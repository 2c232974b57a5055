#include "temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace testing_support {

TempDir::TempDir()
{
    std::random_device entropy;
    for (;;) {
        path_ = std::filesystem::temp_directory_path() /
            ("suite-test-" + std::to_string(entropy()) + std::to_string(entropy()));
        if (std::filesystem::create_directory(path_))
            return;
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const
{
    const auto path = path_ / name;
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace testing_support
