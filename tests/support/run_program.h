#pragma once

// Runs a built program the way a user would and captures what it did.

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

enum class StandardOutput {
    File,     // a regular file: the program's output is fully buffered
    Pipe,     // a pipe, read while the program runs
    DevFull,  // a device on which every write fails for lack of space
};

struct Launch {
    std::filesystem::path program;
    std::vector<std::string> arguments{};
    std::filesystem::path workingDirectory = ".";
    std::vector<std::string> extraEnvironment{};  // "NAME=value"
    StandardOutput output = StandardOutput::File;
};

struct ProgramResult {
    int exitStatus = -1;  // 128 + signal number when ended by a signal
    std::string standardOutput;
    std::string standardError;
};

ProgramResult RunProgram(const Launch& launch);

// Whether StandardOutput::DevFull can be had on this system.
bool FullDeviceAvailable();

}  // namespace testing_support
