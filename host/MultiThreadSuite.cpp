#include "MultiThreadSuite.h"

#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#include "HostMutex.h"
#include "OwnedObjects.h"
#include "SuiteGuard.h"

namespace ofxhost {

namespace {

// Index of the current thread within its multiThread call; only threads the
// suite started are marked as spawned.
thread_local unsigned int t_threadIndex = 0;
thread_local bool t_spawned = false;

OwnedObjects<HostMutex>& mutexes() {
    static OwnedObjects<HostMutex> all;
    return all;
}

// Runs share `index` of the work as the suite's thread of that index; the
// marks are cleared afterwards, also when the share throws.
void runShare(OfxThreadFunctionV1 function, unsigned int index, unsigned int threadMax,
              void* argument) {
    struct Mark {
        explicit Mark(unsigned int index) {
            t_threadIndex = index;
            t_spawned = true;
        }
        ~Mark() {
            t_spawned = false;
            t_threadIndex = 0;
        }
    } mark(index);
    function(index, threadMax, argument);
}

// The threads of one multiThread call, joined however the call ends.
struct JoinedThreads {
    std::vector<std::thread> threads;
    ~JoinedThreads() {
        for (std::thread& thread : threads) {
            thread.join();
        }
    }
};

OfxStatus multiThread(OfxThreadFunctionV1 function, unsigned int count, void* argument) {
    if (function == nullptr) {
        return kOfxStatErrValue;
    }
    if (t_spawned) {
        return kOfxStatErrExists;
    }
    return guarded([&] {
        const unsigned int threadMax = count == 0 ? 1 : count;
        JoinedThreads started;
        started.threads.reserve(threadMax);
        for (unsigned int index = 0; index < threadMax; ++index) {
            try {
                started.threads.emplace_back(runShare, function, index, threadMax, argument);
            } catch (const std::system_error&) {
                // Without this thread the split of the work is wrong: run its
                // share here on the calling thread so that every index runs once.
                runShare(function, index, threadMax, argument);
            }
        }
        return kOfxStatOK;
    });
}

OfxStatus numCPUs(unsigned int* count) {
    if (count == nullptr) {
        return kOfxStatErrValue;
    }
    const unsigned int cpus = std::thread::hardware_concurrency();
    *count = cpus == 0 ? 1 : cpus;
    return kOfxStatOK;
}

OfxStatus threadIndex(unsigned int* index) {
    if (index == nullptr) {
        return kOfxStatErrValue;
    }
    *index = t_threadIndex;
    return kOfxStatOK;
}

int isSpawnedThread() {
    return t_spawned ? 1 : 0;
}

OfxStatus mutexCreate(OfxMutexHandle* mutex, int lockCount) {
    if (mutex == nullptr) {
        return kOfxStatErrValue;
    }
    return guarded([&] {
        *mutex = mutexes().add(std::make_unique<HostMutex>(lockCount))->handle();
        return kOfxStatOK;
    });
}

OfxStatus mutexDestroy(const OfxMutexHandle mutex) {
    return guarded([&] { return mutexes().remove(mutex) ? kOfxStatOK : kOfxStatErrBadHandle; });
}

OfxStatus mutexLock(const OfxMutexHandle mutex) {
    return withLive<HostMutex>(mutex, [](HostMutex& m) {
        m.lock();
        return kOfxStatOK;
    });
}

OfxStatus mutexUnLock(const OfxMutexHandle mutex) {
    return withLive<HostMutex>(mutex, [](HostMutex& m) {
        m.unlock();
        return kOfxStatOK;
    });
}

OfxStatus mutexTryLock(const OfxMutexHandle mutex) {
    return withLive<HostMutex>(
        mutex, [](HostMutex& m) { return m.tryLock() ? kOfxStatOK : kOfxStatFailed; });
}

const OfxMultiThreadSuiteV1 kSuite = {
    multiThread,  numCPUs,   threadIndex, isSpawnedThread, mutexCreate,
    mutexDestroy, mutexLock, mutexUnLock, mutexTryLock,
};

}  // namespace

const OfxMultiThreadSuiteV1* multiThreadSuite() {
    return &kSuite;
}

}  // namespace ofxhost
