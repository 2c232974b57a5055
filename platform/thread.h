#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>

// Base class of a worker thread. A derived class keeps its inputs and results
// as fields and puts its body in Run(); Start() runs that body on a new thread.
//
//   class Worker : public Filox {
//       std::uint32_t Run() override { ...; return 0; }
//   };
//   Worker w;  w.Start();  w.WaitForExit(Filox::kNoTimeLimit);
//
// The object must outlive its thread: wait for the thread before the object
// goes out of scope, or the destructor throws DestroyBeforeExit.
class Filox {
public:
    enum class Status {
        Created = 0,    // constructed; Start() not yet called
        Running = 1,    // Start() succeeded; Run() has not returned yet
        Suspended = 2,  // kept for the numbering; nothing leads into it
        Finished = 3,   // Run() returned a result other than kStillActive
        Invalid = 4,    // Start() could not create the thread
    };

    // what() is "Error[thread]: " followed by the type's text.
    class ThreadError : public std::runtime_error {
    public:
        enum Type {
            CreationFailure = 5,
            DestroyBeforeExit = 6,
        };

        explicit ThreadError(Type type);
        Type GetErrorType() const { return type_; }

    private:
        Type type_;
    };

    // Opaque, non-zero identification of a started thread.
    using Handle = std::uint64_t;

    // WaitForExit's time limit that means "wait as long as it takes".
    static constexpr std::uint32_t kNoTimeLimit = 0xFFFFFFFF;
    // WaitForExit's results.
    static constexpr std::uint32_t kWaitEnded = 0;
    static constexpr std::uint32_t kWaitTimedOut = 258;
    static constexpr std::uint32_t kWaitNotRunning = 0xFFFFFFFF;
    // The exit code by which a thread reads as still running. A Run() that
    // returns it leaves the object Running for good.
    static constexpr std::uint32_t kStillActive = 259;

    Filox();
    Filox(const Filox&) = delete;
    Filox& operator=(const Filox&) = delete;

    // Throws DestroyBeforeExit unless the status, brought up to date, is
    // Finished: destroying an object that is Created, Running or Invalid is
    // the caller's error. Hence noexcept(false). On that path a thread that
    // exists is left to run on (detached), never joined.
    virtual ~Filox() noexcept(false);

    // Creates a thread that starts at once and calls Run(), and makes the
    // status Running. If the thread cannot be created, the status becomes
    // Invalid and CreationFailure is thrown. Only callable in the Created
    // state: in any other it throws CreationFailure and changes nothing.
    Handle Start();

    // If the object is Running, waits at most timeLimitMs milliseconds
    // (kNoTimeLimit: no limit) for Run() to return, and gives kWaitEnded or
    // kWaitTimedOut. Otherwise gives kWaitNotRunning at once. After
    // kWaitEnded, everything Run() wrote is visible to the caller.
    std::uint32_t WaitForExit(std::uint32_t timeLimitMs);

    // The recorded status, with Running brought up to date from the exit code.
    Status GetStatus();

private:
    // The worker's body; its result becomes the thread's exit code.
    virtual std::uint32_t Run() = 0;

    struct ThreadState;
    static void ThreadEntry(Filox* self, std::shared_ptr<ThreadState> state);
    void RefreshStatus();

    Status status_ = Status::Created;
    // Shared with the thread, so the thread never touches this object after
    // Run() returns, even when the object is gone before the thread is.
    std::shared_ptr<ThreadState> state_;
};
