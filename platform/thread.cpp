#include "thread.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace {

const char* TypeText(Filox::ThreadError::Type type)
{
    switch (type) {
    case Filox::ThreadError::CreationFailure:
        return "creation failure";
    case Filox::ThreadError::DestroyBeforeExit:
        return "destroyed before Exit()";
    }
    return "unknown error";
}

std::atomic<Filox::Handle> lastHandle{0};

}  // namespace

Filox::ThreadError::ThreadError(Type type)
    : std::runtime_error(std::string("Error[thread]: ") + TypeText(type)), type_(type)
{
}

// What the thread and the object share. The thread writes exitCode and
// hasEnded once, under the mutex, when Run() has returned.
struct Filox::ThreadState {
    std::mutex mutex;
    std::condition_variable ended;
    bool hasEnded = false;
    std::uint32_t exitCode = kStillActive;
    // Joined or detached by the object before it lets go of this state, so
    // it is never destroyed joinable.
    std::thread thread;
};

Filox::Filox() = default;

Filox::~Filox() noexcept(false)
{
    RefreshStatus();
    if (status_ != Status::Finished) {
        if (state_ && state_->thread.joinable())
            state_->thread.detach();
        throw ThreadError(ThreadError::DestroyBeforeExit);
    }
    // Run() has returned; this only waits for the thread's last few steps.
    state_->thread.join();
}

Filox::Handle Filox::Start()
{
    if (status_ != Status::Created)
        throw ThreadError(ThreadError::CreationFailure);

    auto state = std::make_shared<ThreadState>();
    try {
        state->thread = std::thread(&Filox::ThreadEntry, this, state);
    } catch (const std::system_error&) {
        status_ = Status::Invalid;
        throw ThreadError(ThreadError::CreationFailure);
    }
    state_ = std::move(state);
    status_ = Status::Running;
    return ++lastHandle;
}

void Filox::ThreadEntry(Filox* self, std::shared_ptr<ThreadState> state)
{
    const std::uint32_t exitCode = self->Run();
    std::lock_guard lock(state->mutex);
    state->exitCode = exitCode;
    state->hasEnded = true;
    state->ended.notify_all();
}

std::uint32_t Filox::WaitForExit(std::uint32_t timeLimitMs)
{
    if (status_ != Status::Running)
        return kWaitNotRunning;

    std::unique_lock lock(state_->mutex);
    const auto hasEnded = [this] { return state_->hasEnded; };
    if (timeLimitMs == kNoTimeLimit) {
        state_->ended.wait(lock, hasEnded);
        return kWaitEnded;
    }
    return state_->ended.wait_for(lock, std::chrono::milliseconds(timeLimitMs), hasEnded)
        ? kWaitEnded
        : kWaitTimedOut;
}

Filox::Status Filox::GetStatus()
{
    RefreshStatus();
    return status_;
}

void Filox::RefreshStatus()
{
    if (status_ != Status::Running)
        return;
    std::lock_guard lock(state_->mutex);
    if (state_->exitCode != kStillActive)
        status_ = Status::Finished;
}
