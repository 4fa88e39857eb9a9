#include "MemorySuite.h"

#include <cstdlib>
#include <memory>

#include "OwnedObjects.h"
#include "SuiteGuard.h"

namespace ofxhost {

namespace {

struct FreeBlock {
    void operator()(void* data) const { std::free(data); }
};

// Blocks by the address the plug-in holds.
using Blocks = OwnedObjects<void, FreeBlock>;

Blocks& blocks() {
    static Blocks all;
    return all;
}

OfxStatus memoryAlloc(void*, size_t size, void** data) {
    if (data == nullptr) {
        return kOfxStatErrValue;
    }
    return guarded([&] {
        // malloc's alignment suits every fundamental type; never hand out null for 0 bytes.
        Blocks::Owner block(std::malloc(size == 0 ? 1 : size));
        if (!block) {
            *data = nullptr;
            return kOfxStatErrMemory;
        }
        *data = blocks().add(std::move(block));
        return kOfxStatOK;
    });
}

OfxStatus memoryFree(void* data) {
    return guarded([&] { return blocks().remove(data) ? kOfxStatOK : kOfxStatErrBadHandle; });
}

const OfxMemorySuiteV1 kSuite = {memoryAlloc, memoryFree};

}  // namespace

const OfxMemorySuiteV1* memorySuite() {
    return &kSuite;
}

}  // namespace ofxhost
