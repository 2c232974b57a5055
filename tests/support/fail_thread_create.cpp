// Loaded with LD_PRELOAD into a program under test: makes the Nth thread
// creation fail, N taken from FAIL_THREAD_CREATE_AT, as a system out of
// threads would. Every other creation goes through to the real one.

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <pthread.h>

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attributes,
                              void* (*start)(void*), void* argument)
{
    static std::atomic<int> calls{0};
    const char* failAt = std::getenv("FAIL_THREAD_CREATE_AT");
    if (failAt != nullptr && ++calls == std::atoi(failAt))
        return EAGAIN;

    using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
    static const auto realCreate = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
    return realCreate(thread, attributes, start, argument);
}
