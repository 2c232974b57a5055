#include "console.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "os.h"

namespace runtime {

std::error_code DescriptorSink::Write(std::string_view bytes)
{
    return os::WriteAll(fd_, bytes.data(), bytes.size());
}

bool DescriptorSink::IsCharacterDevice() const
{
    return os::IsCharacterDevice(fd_);
}

ConsoleBuffer::ConsoleBuffer(OutputSink& sink, bool unitBuffered)
    : sink_(sink), unitBuffered_(unitBuffered)
{
}

void ConsoleBuffer::Insert(std::string_view text)
{
    if (Bad())
        return;
    for (const char byte : text) {
        if (byte == '\n')
            Put('\r');
        Put(byte);
    }
    if (unitBuffered_)
        Flush();
}

void ConsoleBuffer::EndLine()
{
    Insert("\n");
    Flush();
}

void ConsoleBuffer::Put(char byte)
{
    if (used_ == kAreaSize)
        Flush();
    area_[used_++] = byte;
}

void ConsoleBuffer::Flush()
{
    if (used_ > 0 && !Bad())
        error_ = sink_.Write({area_, used_});
    used_ = 0;
}

ConsoleStream::ConsoleStream(OutputSink& sink) : buffer_(sink, sink.IsCharacterDevice())
{
}

ConsoleStream::~ConsoleStream()
{
    Flush();
}

ConsoleStream& ConsoleStream::operator<<(const char* text)
{
    std::lock_guard lock(mutex_);
    buffer_.Insert(text);
    return *this;
}

ConsoleStream& ConsoleStream::operator<<(std::uint64_t value)
{
    char digits[20];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    std::lock_guard lock(mutex_);
    buffer_.Insert({digits, static_cast<std::size_t>(end - digits)});
    return *this;
}

ConsoleStream& ConsoleStream::operator<<(ConsoleStream& (*manipulator)(ConsoleStream&))
{
    return manipulator(*this);
}

void ConsoleStream::EndLine()
{
    std::lock_guard lock(mutex_);
    buffer_.EndLine();
}

void ConsoleStream::Flush()
{
    std::lock_guard lock(mutex_);
    buffer_.Flush();
}

bool ConsoleStream::Bad()
{
    std::lock_guard lock(mutex_);
    return buffer_.Bad();
}

std::error_code ConsoleStream::Error()
{
    std::lock_guard lock(mutex_);
    return buffer_.Error();
}

ConsoleStream& endl(ConsoleStream& stream)
{
    stream.EndLine();
    return stream;
}

namespace {

constinit DescriptorSink standardOutput{1};
constinit DescriptorSink standardError{2};

// Destroyed at normal exit, before cout (the objects of one source file are
// destroyed in reverse order of definition): the last output goes out here,
// and a lost write must not end as a silent success.
struct StandardOutputCloser {
    StandardOutputCloser() = default;
    StandardOutputCloser(const StandardOutputCloser&) = delete;
    StandardOutputCloser& operator=(const StandardOutputCloser&) = delete;

    ~StandardOutputCloser()
    {
        cout.Flush();
        if (!cout.Bad())
            return;
        const std::string message =
            "Write error on standard output: " + cout.Error().message() + "\r\n";
        standardError.Write(message);
        std::_Exit(1);
    }
};

}  // namespace

ConsoleStream cout{standardOutput};

namespace {
StandardOutputCloser closer;
}  // namespace

}  // namespace runtime
