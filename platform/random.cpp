#include "random.h"

#include <cstdint>

namespace runtime {

int rand()
{
    // A linear congruential generator modulo 2^32; the result is bits 16 to
    // 30 of the new state.
    thread_local std::uint32_t state = 1;
    state = state * 22695477u + 1u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

}  // namespace runtime
