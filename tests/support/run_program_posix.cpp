#include "run_program.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_dir.h"

extern char** environ;

namespace testing_support {

namespace {

int OpenOrThrow(const std::filesystem::path& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0600);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path.string());
    return fd;
}

}  // namespace

ProgramResult RunProgram(const Launch& launch)
{
    TempDir capture;
    const auto outPath = capture.Path() / "stdout";
    const auto errPath = capture.Path() / "stderr";

    // Everything the child needs is made before fork(): after it, the child
    // of a threaded process may only make async-signal-safe calls.
    std::vector<std::string> argStrings{launch.program.string()};
    argStrings.insert(argStrings.end(), launch.arguments.begin(), launch.arguments.end());
    std::vector<char*> argv;
    for (auto& arg : argStrings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStrings;
    for (char** entry = environ; *entry != nullptr; ++entry)
        envStrings.emplace_back(*entry);
    envStrings.insert(envStrings.end(), launch.extraEnvironment.begin(),
                      launch.extraEnvironment.end());
    std::vector<char*> envp;
    for (auto& entry : envStrings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const int errFd = OpenOrThrow(errPath, O_WRONLY | O_CREAT | O_TRUNC);
    int outFd = -1;
    int pipeEnds[2] = {-1, -1};
    switch (launch.output) {
    case StandardOutput::File:
        outFd = OpenOrThrow(outPath, O_WRONLY | O_CREAT | O_TRUNC);
        break;
    case StandardOutput::DevFull:
        outFd = OpenOrThrow("/dev/full", O_WRONLY);
        break;
    case StandardOutput::Pipe:
        if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
            throw std::runtime_error("cannot make a pipe");
        outFd = pipeEnds[1];
        break;
    }
    const std::string workDir = launch.workingDirectory.string();

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("cannot fork");
    if (pid == 0) {
        if (::chdir(workDir.c_str()) != 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0)
            ::_exit(125);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(126);
    }

    ::close(outFd);
    ::close(errFd);
    ProgramResult result;
    if (launch.output == StandardOutput::Pipe) {
        char chunk[4096];
        for (;;) {
            const ssize_t got = ::read(pipeEnds[0], chunk, sizeof chunk);
            if (got > 0)
                result.standardOutput.append(chunk, static_cast<std::size_t>(got));
            else if (got == 0 || errno != EINTR)
                break;
        }
        ::close(pipeEnds[0]);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (launch.output == StandardOutput::File)
        result.standardOutput = ReadWholeFile(outPath);
    result.standardError = ReadWholeFile(errPath);
    return result;
}

bool FullDeviceAvailable()
{
    return ::access("/dev/full", W_OK) == 0;
}

}  // namespace testing_support
