#pragma once

// Console output as the programs see it: `runtime::cout << ... << endl`.
//
// Output is text mode: every line feed goes out as CR LF. On a character
// device the stream is unit-buffered (each insertion is written at once);
// otherwise bytes collect in a 512-byte area that goes out when full, at each
// endl and at normal exit. Each insertion takes the stream's lock, so one
// insertion is never split by another thread's text, while two threads'
// lines may still mix between insertions. A failed write puts the stream in
// its bad state and later insertions are dropped.

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string_view>
#include <system_error>

namespace runtime {

// Where console bytes go, after the CR LF translation.
class OutputSink {
public:
    virtual std::error_code Write(std::string_view bytes) = 0;
    virtual bool IsCharacterDevice() const = 0;

protected:
    ~OutputSink() = default;
};

// A sink that writes to a file descriptor.
class DescriptorSink final : public OutputSink {
public:
    constexpr explicit DescriptorSink(int fd) : fd_(fd) {}
    std::error_code Write(std::string_view bytes) override;
    bool IsCharacterDevice() const override;

private:
    int fd_;
};

// The output area and its translation, without a lock of its own.
class ConsoleBuffer {
public:
    static constexpr std::size_t kAreaSize = 512;

    ConsoleBuffer(OutputSink& sink, bool unitBuffered);

    // One insertion: translated, stored, and written out when the area is
    // full or the buffer is unit-buffered. Dropped in the bad state.
    void Insert(std::string_view text);
    // A line feed, then Flush().
    void EndLine();
    void Flush();

    bool Bad() const { return static_cast<bool>(error_); }
    // The first write's error that put the buffer in its bad state.
    std::error_code Error() const { return error_; }

private:
    void Put(char byte);

    OutputSink& sink_;
    bool unitBuffered_;
    std::size_t used_ = 0;
    std::error_code error_;
    char area_[kAreaSize];
};

// The thread-safe stream over a ConsoleBuffer, unit-buffered when the sink
// is a character device.
class ConsoleStream {
public:
    explicit ConsoleStream(OutputSink& sink);
    ConsoleStream(const ConsoleStream&) = delete;
    ConsoleStream& operator=(const ConsoleStream&) = delete;
    ~ConsoleStream();

    ConsoleStream& operator<<(const char* text);
    // Decimal, no sign, no leading zeros.
    ConsoleStream& operator<<(std::uint64_t value);
    ConsoleStream& operator<<(ConsoleStream& (*manipulator)(ConsoleStream&));

    // A line feed, then the output area goes out, under one lock.
    void EndLine();
    void Flush();
    bool Bad();
    std::error_code Error();

private:
    std::mutex mutex_;
    ConsoleBuffer buffer_;
};

ConsoleStream& endl(ConsoleStream& stream);

// Standard output. At normal exit it is flushed; if any of its output was
// lost, a message goes to standard error and the exit status becomes 1.
extern ConsoleStream cout;

}  // namespace runtime
