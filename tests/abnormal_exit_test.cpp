// The exit through an uncaught exception, on a program made to throw.

#include <gtest/gtest.h>
#include <string>

#include "run_program.h"

namespace {

TEST(AbnormalExitTest, WritesTheMessageAndNothingElseAndEndsWithThree)
{
    for (const char* thrower : {"main", "worker"}) {
        SCOPED_TRACE(std::string("thrown from ") + thrower);
        const auto result =
            testing_support::RunProgram({.program = ABNORMAL_EXIT_PROBE, .arguments = {thrower}});
        EXPECT_EQ(result.exitStatus, 3);
        EXPECT_EQ(result.standardError, "\r\nAbnormal program termination\r\n");
        EXPECT_EQ(result.standardOutput, "") << "cout's buffer must not be flushed";
    }
}

}  // namespace
