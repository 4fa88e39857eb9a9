#include "HostMutex.h"

namespace ofxhost {

HostMutex::HostMutex(int lockCount) {
    for (int i = 0; i < lockCount; ++i) {
        _mutex.lock();
    }
}

HostMutex* HostMutex::fromHandle(OfxMutexHandle handle) {
    return LiveHandles<HostMutex>::find(handle);
}

OfxMutexHandle HostMutex::handle() const {
    return reinterpret_cast<OfxMutexHandle>(const_cast<HostMutex*>(this));
}

}  // namespace ofxhost
