// A program that ends through an uncaught exception, thrown from main() or,
// with the argument "worker", from a worker's Run() on its own thread. Before
// that it leaves text in cout's buffer and registers an exit function, and
// neither may show in its output.

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "console.h"
#include "os.h"
#include "thread.h"

namespace {

class ThrowingWorker : public Filox {
    std::uint32_t Run() override { throw std::runtime_error("from a worker"); }
};

void SayExitFunctionsRan()
{
    static constexpr char message[] = "exit functions ran";
    (void)os::WriteAll(2, message, sizeof message - 1);
}

}  // namespace

int main(int argc, char* argv[])
{
    std::atexit(SayExitFunctionsRan);
    runtime::cout << "buffered, never written";

    if (argc > 1 && std::string_view(argv[1]) == "worker") {
        ThrowingWorker worker;
        worker.Start();
        worker.WaitForExit(Filox::kNoTimeLimit);
        return 0;
    }
    throw std::runtime_error("from main");
}
