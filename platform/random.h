#pragma once

namespace runtime {

// The runtime's pseudo-random numbers, 0 to 32767. Each thread has its own
// generator, which starts from the same state in every new thread and is
// never seeded, so a thread's sequence is the same in every run:
// 346, 130, 10982, 1090, 11656, ...
// Not the C library's rand(), which is shared by all threads.
int rand();

}  // namespace runtime
