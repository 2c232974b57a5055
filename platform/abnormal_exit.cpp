// An exception that leaves main(), or a worker's Run() on its thread, ends
// the process here: a fixed message on standard error and exit status 3.
// Nothing else runs: no static destructors, no functions registered with
// atexit, no flush of cout. The exception's own text is not shown.

#include <cstdlib>
#include <exception>

#include "os.h"

namespace {

[[noreturn]] void AbnormalProgramTermination() noexcept
{
    static constexpr char message[] = "\r\nAbnormal program termination\r\n";
    (void)os::WriteAll(2, message, sizeof message - 1);
    std::_Exit(3);
}

[[maybe_unused]] const std::terminate_handler previousHandler =
    std::set_terminate(AbnormalProgramTermination);

}  // namespace
