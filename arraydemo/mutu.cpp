// mutu: two workers on one shared array, each holding a critical section for
// its whole work on it, so that one worker's block is done before the other's
// begins.

#include "mutual_section.h"
#include "thread.h"
#include "workers.h"

MutualSection _SortedArrayCriticalSection;

namespace {

// Owns _SortedArrayCriticalSection while it lives.
class SortedArrayLock {
public:
    SortedArrayLock() : lock_(_SortedArrayCriticalSection) {}

private:
    MutualSection::Lock lock_;
};

}  // namespace

int main()
{
    SorFilox<SortedArrayLock> sort;
    MultiplyThread<SortedArrayLock> multiply;

    sort.Start();
    multiply.Start();

    sort.WaitForExit(Filox::kNoTimeLimit);
    multiply.WaitForExit(Filox::kNoTimeLimit);
    return 0;
}
