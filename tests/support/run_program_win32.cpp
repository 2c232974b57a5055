#include "run_program.h"

#include <cstring>
#include <stdexcept>
#include <windows.h>

#include "temp_dir.h"

namespace testing_support {

namespace {

// Wine shows the Unix root as drive Z:, the full device included.
constexpr const char* kFullDevice = "Z:\\dev\\full";

// Quotes one argument so that the C runtime's command-line parser gives it
// back unchanged.
std::string Quote(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    for (std::size_t i = 0;; ++i) {
        std::size_t backslashes = 0;
        for (; i < argument.size() && argument[i] == '\\'; ++i)
            ++backslashes;
        if (i == argument.size()) {
            quoted.append(2 * backslashes, '\\');
            break;
        }
        quoted.append(argument[i] == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted.push_back(argument[i]);
    }
    return quoted + "\"";
}

// A cross build names the programs by their Unix paths.
std::string WindowsPath(const std::filesystem::path& path)
{
    std::string text = path.string();
    if (!text.empty() && text[0] == '/')
        text = "Z:" + text;
    for (char& c : text)
        if (c == '/')
            c = '\\';
    return text;
}

// A handle that closes itself.
class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Close(); }
    HANDLE Get() const { return handle_; }
    HANDLE* Out() { return &handle_; }
    void Close()
    {
        if (handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr)
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

HANDLE OpenInheritable(const std::string& path, DWORD access, DWORD disposition)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE handle = CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + path);
    return handle;
}

}  // namespace

ProgramResult RunProgram(const Launch& launch)
{
    TempDir capture;
    const auto outPath = capture.Path() / "stdout";
    const auto errPath = capture.Path() / "stderr";

    std::string commandLine = Quote(WindowsPath(launch.program));
    for (const auto& argument : launch.arguments) {
        commandLine += ' ';
        commandLine += Quote(argument);
    }

    // The environment block: this process's, then the extra entries.
    std::string environment;
    if (!launch.extraEnvironment.empty()) {
        char* strings = GetEnvironmentStringsA();
        for (const char* entry = strings; *entry != '\0'; entry += std::strlen(entry) + 1)
            environment.append(entry, std::strlen(entry) + 1);
        FreeEnvironmentStringsA(strings);
        for (const auto& entry : launch.extraEnvironment)
            environment.append(entry.c_str(), entry.size() + 1);
        environment.push_back('\0');
    }

    Handle input(OpenInheritable("NUL", GENERIC_READ, OPEN_EXISTING));
    Handle error(OpenInheritable(errPath.string(), GENERIC_WRITE, CREATE_ALWAYS));
    Handle output;
    Handle pipeRead;
    switch (launch.output) {
    case StandardOutput::File:
        *output.Out() = OpenInheritable(outPath.string(), GENERIC_WRITE, CREATE_ALWAYS);
        break;
    case StandardOutput::DevFull:
        *output.Out() = OpenInheritable(kFullDevice, GENERIC_WRITE, OPEN_EXISTING);
        break;
    case StandardOutput::Pipe: {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        if (!CreatePipe(pipeRead.Out(), output.Out(), &inherit, 0))
            throw std::runtime_error("cannot make a pipe");
        SetHandleInformation(pipeRead.Get(), HANDLE_FLAG_INHERIT, 0);
        break;
    }
    }

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.Get();
    startup.hStdOutput = output.Get();
    startup.hStdError = error.Get();
    PROCESS_INFORMATION process{};
    const std::string workDir = launch.workingDirectory.string();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                        environment.empty() ? nullptr : environment.data(), workDir.c_str(),
                        &startup, &process))
        throw std::runtime_error("cannot start " + commandLine);
    Handle processHandle(process.hProcess);
    Handle threadHandle(process.hThread);
    // Only the child may hold the write ends now, so that reading the pipe
    // ends when the child is done.
    output.Close();
    error.Close();
    input.Close();

    ProgramResult result;
    if (launch.output == StandardOutput::Pipe) {
        char chunk[4096];
        DWORD got = 0;
        while (ReadFile(pipeRead.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
            result.standardOutput.append(chunk, got);
    }
    WaitForSingleObject(processHandle.Get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(processHandle.Get(), &exitCode);
    result.exitStatus = static_cast<int>(exitCode);
    if (launch.output == StandardOutput::File)
        result.standardOutput = ReadWholeFile(outPath);
    result.standardError = ReadWholeFile(errPath);
    return result;
}

bool FullDeviceAvailable()
{
    const Handle device(CreateFileA(kFullDevice, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return device.Get() != INVALID_HANDLE_VALUE;
}

}  // namespace testing_support
