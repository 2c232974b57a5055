// galmee: mutu without the lock. The two workers' steps on the shared array
// and their output interleave as the scheduler pleases, and the printed
// values show the race.

#include "thread.h"
#include "workers.h"

namespace {

// Guards nothing.
struct NoLock {};

}  // namespace

int main()
{
    SorFilox<NoLock> sort;
    MultiplyThread<NoLock> multiply;

    sort.Start();
    multiply.Start();

    sort.WaitForExit(Filox::kNoTimeLimit);
    multiply.WaitForExit(Filox::kNoTimeLimit);
    return 0;
}
