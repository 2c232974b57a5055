#include "thread.h"

#include <chrono>
#include <cstdint>
#include <future>
#include <optional>
#include <gtest/gtest.h>

namespace {

using Status = Filox::Status;
using ThreadError = Filox::ThreadError;

// A worker whose Run() blocks until the test releases it, then records that
// it ran and returns the exit code it was given.
class GatedWorker : public Filox {
public:
    explicit GatedWorker(std::uint32_t exitCode = 0) : exitCode_(exitCode) {}
    void Release() { gate_.set_value(); }
    bool Ran() const { return ran_; }

private:
    std::uint32_t Run() override
    {
        // Bounded, so a broken test fails instead of hanging.
        if (opened_.wait_for(std::chrono::seconds(30)) != std::future_status::ready)
            return 1;
        ran_ = true;  // read by the test after WaitForExit, without a lock
        return exitCode_;
    }

    std::uint32_t exitCode_;
    std::promise<void> gate_;
    std::shared_future<void> opened_ = gate_.get_future().share();
    bool ran_ = false;
};

// Makes a worker, lets `use` work with it, and gives the type of what the
// worker's destructor threw, if anything.
template <class Use>
std::optional<ThreadError::Type> DestructionError(std::uint32_t exitCode, Use use)
{
    try {
        GatedWorker worker(exitCode);
        use(worker);
    } catch (const ThreadError& error) {
        return error.GetErrorType();
    }
    return std::nullopt;
}

TEST(FiloxTest, GoesFromCreatedThroughRunningToFinished)
{
    GatedWorker worker;
    EXPECT_EQ(worker.GetStatus(), Status::Created);

    EXPECT_NE(worker.Start(), Filox::Handle{0});
    EXPECT_EQ(worker.GetStatus(), Status::Running);
    EXPECT_EQ(worker.WaitForExit(10), Filox::kWaitTimedOut);
    EXPECT_EQ(worker.GetStatus(), Status::Running);

    worker.Release();
    EXPECT_EQ(worker.WaitForExit(Filox::kNoTimeLimit), Filox::kWaitEnded);
    EXPECT_TRUE(worker.Ran());
    EXPECT_EQ(worker.GetStatus(), Status::Finished);
    // Once the status reads Finished, there is nothing to wait for.
    EXPECT_EQ(worker.WaitForExit(Filox::kNoTimeLimit), Filox::kWaitNotRunning);
}

TEST(FiloxTest, WaitOnAWorkerNeverStartedReturnsAtOnce)
{
    GatedWorker worker;
    worker.Release();
    EXPECT_EQ(worker.WaitForExit(Filox::kNoTimeLimit), Filox::kWaitNotRunning);
    worker.Start();
    worker.WaitForExit(Filox::kNoTimeLimit);
}

TEST(FiloxTest, DestructorAcceptsOnlyAFinishedThread)
{
    const auto runToEnd = [](GatedWorker& worker) {
        worker.Start();
        worker.Release();
        EXPECT_EQ(worker.WaitForExit(Filox::kNoTimeLimit), Filox::kWaitEnded);
    };

    EXPECT_EQ(DestructionError(0, [](GatedWorker&) {}), ThreadError::DestroyBeforeExit)
        << "never started";
    EXPECT_EQ(DestructionError(7, runToEnd), std::nullopt) << "finished";

    // Run() returning the still-active code leaves the thread looking as if
    // it ran on, even after the wait has seen it end.
    EXPECT_EQ(DestructionError(Filox::kStillActive,
                               [&](GatedWorker& worker) {
                                   runToEnd(worker);
                                   EXPECT_EQ(worker.GetStatus(), Status::Running);
                               }),
              ThreadError::DestroyBeforeExit)
        << "Run() returned the still-active code";
}

TEST(FiloxTest, StartingTwiceIsRefused)
{
    GatedWorker worker;
    worker.Start();
    try {
        worker.Start();
        ADD_FAILURE() << "second Start() did not throw";
    } catch (const ThreadError& error) {
        EXPECT_EQ(error.GetErrorType(), ThreadError::CreationFailure);
    }
    EXPECT_EQ(worker.GetStatus(), Status::Running);
    worker.Release();
    worker.WaitForExit(Filox::kNoTimeLimit);
}

TEST(FiloxTest, ErrorsCarryTheirTypeAndMessage)
{
    const struct {
        ThreadError::Type type;
        int value;
        const char* message;
    } cases[] = {
        {ThreadError::CreationFailure, 5, "Error[thread]: creation failure"},
        {ThreadError::DestroyBeforeExit, 6, "Error[thread]: destroyed before Exit()"},
    };
    for (const auto& c : cases) {
        const ThreadError error(c.type);
        EXPECT_EQ(static_cast<int>(error.GetErrorType()), c.value);
        EXPECT_STREQ(error.what(), c.message);
    }
}

}  // namespace
