#include "shared_array.h"

#include "random.h"

SharedArray _iSortedArray{345, 765, 23, 123, 465, 67, 8, 1202, 233, 654};

namespace {

constexpr int kDoublings = 100;

std::uint32_t Read(const SharedArray& array, int i)
{
    return array[static_cast<std::size_t>(i)].load(std::memory_order_relaxed);
}

void Write(SharedArray& array, int i, std::uint32_t value)
{
    array[static_cast<std::size_t>(i)].store(value, std::memory_order_relaxed);
}

}  // namespace

void PrintArray(runtime::ConsoleStream& out, const char* szPrefix, const SharedArray& array)
{
    out << szPrefix;
    for (int i = 0; i < static_cast<int>(array.size()); ++i)
        out << " " << Read(array, i);
    out << runtime::endl;
}

void SortArray(SharedArray& array)
{
    const int size = static_cast<int>(array.size());
    for (int iIndex = 0; iIndex < size; ++iIndex) {
        int iMin = iIndex;
        for (int iNext = iIndex; iNext < size; ++iNext) {
            if (Read(array, iNext) < Read(array, iMin))
                iMin = iNext;
        }
        const std::uint32_t atIndex = Read(array, iIndex);
        const std::uint32_t atMin = Read(array, iMin);
        Write(array, iIndex, atMin);
        Write(array, iMin, atIndex);
    }
}

void DoubleRandomElements(SharedArray& array)
{
    for (int i = 0; i < kDoublings; ++i) {
        const int iIndex = runtime::rand() % static_cast<int>(array.size());
        const std::uint32_t value = Read(array, iIndex);
        Write(array, iIndex, value * 2u);
    }
}
