#include "ImageEffectSuite.h"

#include <memory>

#include "EffectProperties.h"
#include "ImageEffect.h"
#include "ImageMemory.h"
#include "OwnedObjects.h"
#include "SuiteGuard.h"

namespace ofxhost {

namespace {

OwnedObjects<ImageMemory>& imageMemoryPool() {
    static OwnedObjects<ImageMemory> pool;
    return pool;
}

OfxStatus getPropertySet(OfxImageEffectHandle handle, OfxPropertySetHandle* properties) {
    if (properties == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ImageEffect>(handle, [&](ImageEffect& effect) {
        *properties = effect.properties().handle();
        return kOfxStatOK;
    });
}

OfxStatus getParamSet(OfxImageEffectHandle handle, OfxParamSetHandle* paramSet) {
    if (paramSet == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ImageEffect>(handle, [&](ImageEffect& effect) {
        *paramSet = effect.params().handle();
        return kOfxStatOK;
    });
}

OfxStatus clipDefine(OfxImageEffectHandle handle, const char* name,
                     OfxPropertySetHandle* properties) {
    if (name == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ImageEffect>(handle, [&](ImageEffect& effect) {
        if (effect.kind() != ImageEffect::Kind::Descriptor) {
            return kOfxStatErrUnsupported;
        }
        Clip* clip = nullptr;
        const OfxStatus status = effect.defineClip(name, clip);
        if (status == kOfxStatOK && properties != nullptr) {
            *properties = clip->properties().handle();
        }
        return status;
    });
}

OfxStatus clipGetHandle(OfxImageEffectHandle handle, const char* name, OfxImageClipHandle* clip,
                        OfxPropertySetHandle* properties) {
    if (name == nullptr || clip == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ImageEffect>(handle, [&](ImageEffect& effect) {
        if (effect.kind() != ImageEffect::Kind::Instance) {
            return kOfxStatErrUnsupported;
        }
        Clip* found = effect.findClip(name);
        if (found == nullptr) {
            return kOfxStatErrUnknown;
        }
        *clip = found->handle();
        if (properties != nullptr) {
            *properties = found->properties().handle();
        }
        return kOfxStatOK;
    });
}

OfxStatus clipGetPropertySet(OfxImageClipHandle handle, OfxPropertySetHandle* properties) {
    if (properties == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<Clip>(handle, [&](Clip& clip) {
        *properties = clip.properties().handle();
        return kOfxStatOK;
    });
}

OfxStatus clipGetImage(OfxImageClipHandle handle, OfxTime, const OfxRectD*,
                       OfxPropertySetHandle* image) {
    if (image == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<Clip>(handle, [&](Clip&) {
        *image = nullptr;
        return kOfxStatFailed;
    });
}

OfxStatus clipReleaseImage(OfxPropertySetHandle) {
    // No image was ever handed out, so nothing can be released.
    return kOfxStatErrBadHandle;
}

OfxStatus clipGetRegionOfDefinition(OfxImageClipHandle handle, OfxTime, OfxRectD* bounds) {
    if (bounds == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<Clip>(handle, [&](Clip&) {
        *bounds = projectRegion();
        return kOfxStatOK;
    });
}

int abortRender(OfxImageEffectHandle) {
    return 0;
}

OfxStatus imageMemoryAlloc(OfxImageEffectHandle instance, size_t size,
                           OfxImageMemoryHandle* memory) {
    if (memory == nullptr) {
        return kOfxStatErrValue;
    }
    *memory = nullptr;
    return guarded([&] {
        if (instance != nullptr && ImageEffect::fromHandle(instance) == nullptr) {
            return kOfxStatErrBadHandle;
        }
        *memory = imageMemoryPool().add(std::make_unique<ImageMemory>(size))->handle();
        return kOfxStatOK;
    });
}

OfxStatus imageMemoryFree(OfxImageMemoryHandle memory) {
    return guarded(
        [&] { return imageMemoryPool().remove(memory) ? kOfxStatOK : kOfxStatErrBadHandle; });
}

OfxStatus imageMemoryLock(OfxImageMemoryHandle memory, void** pointer) {
    if (pointer == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ImageMemory>(memory, [&](ImageMemory& block) {
        *pointer = block.lock();
        return kOfxStatOK;
    });
}

OfxStatus imageMemoryUnlock(OfxImageMemoryHandle memory) {
    return withLive<ImageMemory>(memory, [](ImageMemory& block) {
        // Locks never count below zero; an extra unlock changes nothing.
        block.unlock();
        return kOfxStatOK;
    });
}

const OfxImageEffectSuiteV1 kSuite = {
    getPropertySet,     getParamSet,      clipDefine,       clipGetHandle,
    clipGetPropertySet, clipGetImage,     clipReleaseImage, clipGetRegionOfDefinition,
    abortRender,        imageMemoryAlloc, imageMemoryFree,  imageMemoryLock,
    imageMemoryUnlock,
};

}  // namespace

const OfxImageEffectSuiteV1* imageEffectSuite() {
    return &kSuite;
}

}  // namespace ofxhost
