#pragma once

// The two workers of mutu and galmee. Each holds a Guard, as a scoped local,
// over its whole work on _iSortedArray: in mutu a lock on one critical
// section, so that the two blocks never overlap; in galmee nothing, so that
// they may.

#include <cstdint>

#include "console.h"
#include "shared_array.h"
#include "thread.h"

// Prints the array, sorts it and prints it again.
template <class Guard>
class SorFilox : public Filox {
private:
    std::uint32_t Run() override
    {
        [[maybe_unused]] const Guard lock;
        PrintArray(runtime::cout, "Unsortiertes Array: ", _iSortedArray);
        SortArray(_iSortedArray);
        PrintArray(runtime::cout, "Sortiertes Array: ", _iSortedArray);
        return 0;
    }
};

// Announces itself, then doubles random elements and prints the array. The
// announcement comes before the guard is taken.
template <class Guard>
class MultiplyThread : public Filox {
private:
    std::uint32_t Run() override
    {
        runtime::cout << "MultiplyThread gestartet: " << runtime::endl;
        [[maybe_unused]] const Guard lock;
        DoubleRandomElements(_iSortedArray);
        PrintArray(runtime::cout, "Array (Multiply): ", _iSortedArray);
        return 0;
    }
};
