#pragma once

#include <mutex>

#include "LiveHandles.h"
#include "ofx/api/ofx_multithread.h"

namespace ofxhost {

// A mutex of the multi-thread suite: recursive, so that the thread holding it
// may lock it again, as the suite's lock count implies.
class HostMutex {
  public:
    // Locked `lockCount` times by the creating thread (none when not positive).
    explicit HostMutex(int lockCount);
    HostMutex(const HostMutex&) = delete;
    HostMutex& operator=(const HostMutex&) = delete;

    static HostMutex* fromHandle(OfxMutexHandle handle);
    OfxMutexHandle handle() const;

    void lock() { _mutex.lock(); }
    void unlock() { _mutex.unlock(); }
    bool tryLock() { return _mutex.try_lock(); }

  private:
    std::recursive_mutex _mutex;
    HandleRegistration<HostMutex> _registration{this};
};

}  // namespace ofxhost
