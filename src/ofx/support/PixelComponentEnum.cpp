#include "ofx/support/PixelComponentEnum.h"

#include "ofx/api/ofx_image_effect.h"

namespace OFX {

const char* pixelComponentName(PixelComponentEnum components) {
    switch (components) {
        case PixelComponentEnum::RGBA:
            return kOfxImageComponentRGBA;
        case PixelComponentEnum::RGB:
            return kOfxImageComponentRGB;
        case PixelComponentEnum::Alpha:
            return kOfxImageComponentAlpha;
    }
    return kOfxImageComponentRGBA;
}

}  // namespace OFX
