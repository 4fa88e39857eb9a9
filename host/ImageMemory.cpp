#include "ImageMemory.h"

#include <cstdlib>
#include <limits>
#include <new>

namespace ofxhost {

namespace {

constexpr std::size_t kAlignment = 16;

}  // namespace

void ImageMemory::AlignedFree::operator()(void* block) const {
    std::free(block);
}

ImageMemory::ImageMemory(std::size_t size) {
    if (size > std::numeric_limits<std::size_t>::max() - kAlignment) {
        throw std::bad_alloc();
    }
    // aligned_alloc wants a multiple of the alignment, and at least one byte.
    const std::size_t rounded = (size / kAlignment + 1) * kAlignment;
    _block.reset(std::aligned_alloc(kAlignment, rounded));
    if (!_block) {
        throw std::bad_alloc();
    }
}

ImageMemory* ImageMemory::fromHandle(OfxImageMemoryHandle handle) {
    return LiveHandles<ImageMemory>::find(handle);
}

OfxImageMemoryHandle ImageMemory::handle() const {
    return reinterpret_cast<OfxImageMemoryHandle>(const_cast<ImageMemory*>(this));
}

void* ImageMemory::lock() {
    ++_locks;
    return _block.get();
}

bool ImageMemory::unlock() {
    if (_locks == 0) {
        return false;
    }
    --_locks;
    return true;
}

}  // namespace ofxhost
