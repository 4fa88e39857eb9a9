#pragma once

#include <cstddef>
#include <memory>

#include "LiveHandles.h"
#include "ofx/api/ofx_image_effect.h"

namespace ofxhost {

// A block from imageMemoryAlloc: 16-byte aligned, locks nest, contents are
// kept across unlock and relock.
class ImageMemory {
  public:
    explicit ImageMemory(std::size_t size);
    ImageMemory(const ImageMemory&) = delete;
    ImageMemory& operator=(const ImageMemory&) = delete;

    static ImageMemory* fromHandle(OfxImageMemoryHandle handle);
    OfxImageMemoryHandle handle() const;

    void* lock();
    // False when the block was not locked.
    bool unlock();
    int lockCount() const { return _locks; }

  private:
    struct AlignedFree {
        void operator()(void* block) const;
    };

    std::unique_ptr<void, AlignedFree> _block;
    int _locks = 0;
    HandleRegistration<ImageMemory> _registration{this};
};

}  // namespace ofxhost
