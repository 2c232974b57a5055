#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "console.h"

namespace testing_support {

// Records each write as one string; fails every write from failFrom on.
class RecordingSink final : public runtime::OutputSink {
public:
    explicit RecordingSink(bool characterDevice = false, std::size_t failFrom = SIZE_MAX)
        : characterDevice_(characterDevice), failFrom_(failFrom)
    {
    }

    std::error_code Write(std::string_view bytes) override
    {
        if (writes.size() >= failFrom_) {
            ++failedWrites;
            return std::make_error_code(std::errc::no_space_on_device);
        }
        writes.emplace_back(bytes);
        return {};
    }
    bool IsCharacterDevice() const override { return characterDevice_; }

    std::string All() const
    {
        std::string all;
        for (const auto& w : writes)
            all += w;
        return all;
    }

    std::vector<std::string> writes;
    int failedWrites = 0;

private:
    bool characterDevice_;
    std::size_t failFrom_;
};

}  // namespace testing_support
