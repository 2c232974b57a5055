#pragma once

#include <mutex>

// A critical section: a lock that at most one thread owns at a time.
// Entered and left only through a MutualSection::Lock:
//
//   MutualSection section;              // often a static object
//   { MutualSection::Lock lock(section); ...guarded work... }
//
// Not re-entrant: a thread that owns the section must not enter it again.
class MutualSection {
public:
    // Enters the section on construction, blocking while another thread owns
    // it, and leaves it on destruction, also when an exception unwinds.
    class Lock {
    public:
        explicit Lock(MutualSection& section);
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        ~Lock();

    private:
        MutualSection& section_;
    };

    MutualSection() = default;
    MutualSection(const MutualSection&) = delete;
    MutualSection& operator=(const MutualSection&) = delete;

private:
    std::mutex mutex_;
};
