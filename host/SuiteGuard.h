#pragma once

#include <new>

#include "ofx/api/ofx_core.h"

namespace ofxhost {

// Runs the body of a suite function so that no C++ exception crosses back
// into the plug-in: running out of memory reports kOfxStatErrMemory, any other
// failure kOfxStatFailed.
template <typename Body>
OfxStatus guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return kOfxStatErrMemory;
    } catch (...) {
        return kOfxStatFailed;
    }
}

// A guarded suite function body that works on the live T behind `handle`
// (found with T::fromHandle); a handle naming none is kOfxStatErrBadHandle.
template <typename T, typename Handle, typename Use>
OfxStatus withLive(Handle handle, Use&& use) noexcept {
    return guarded([&] {
        T* object = T::fromHandle(handle);
        return object == nullptr ? kOfxStatErrBadHandle : use(*object);
    });
}

}  // namespace ofxhost
