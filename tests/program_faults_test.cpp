// What each program does when the system fails it: a thread that cannot be
// created, and standard output that cannot be written.

#include <gtest/gtest.h>
#include <string>

#include "run_program.h"
#include "temp_dir.h"

namespace {

using namespace std::string_literals;
using testing_support::ProgramResult;
using testing_support::RunProgram;
using testing_support::StandardOutput;

struct Program {
    const char* path;
    // Whether a worker prints, so that the first worker may have written
    // before the second cannot be created.
    bool workersPrint;
};

const Program kPrograms[] = {
    {FILOX_PROGRAM, false},
    {MUTU_PROGRAM, true},
    {GALMEE_PROGRAM, true},
};

TEST(ProgramFaultsTest, AThreadThatCannotBeCreatedEndsTheProgramAbnormally)
{
#ifdef FAIL_THREAD_CREATE_LIBRARY
    const testing_support::TempDir dir;
    dir.Write("FILOX", "one two\n");
    for (const Program& program : kPrograms) {
        for (const char* failAt : {"1", "2"}) {
            SCOPED_TRACE(program.path + " with thread creation "s + failAt + " failing"s);
            const ProgramResult result = RunProgram(
                {program.path,
                 {},
                 dir.Path(),
                 {"LD_PRELOAD="s + FAIL_THREAD_CREATE_LIBRARY, "FAIL_THREAD_CREATE_AT="s + failAt}});
            EXPECT_EQ(result.exitStatus, 3);
            EXPECT_EQ(result.standardError, "\r\nAbnormal program termination\r\n");
            if (failAt == "1"s || !program.workersPrint) {
                EXPECT_EQ(result.standardOutput, "");
            }
        }
    }
#else
    GTEST_SKIP() << "thread creation cannot be made to fail in this build";
#endif
}

TEST(ProgramFaultsTest, AFailedWriteIsReported)
{
    if (!testing_support::FullDeviceAvailable())
        GTEST_SKIP() << "no device here on which writes fail";
    const testing_support::TempDir dir;
    dir.Write("FILOX", "one two\n");
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.path);
        const ProgramResult result = RunProgram({program.path, {}, dir.Path(), {}, StandardOutput::DevFull});
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.standardError,
                  "Write error on standard output: No space left on device\r\n");
    }
}

}  // namespace
