#include "ofx/support/BitDepthEnum.h"

#include "ofx/api/ofx_core.h"

namespace OFX {

const char* bitDepthName(BitDepthEnum depth) {
    switch (depth) {
        case BitDepthEnum::UByte:
            return kOfxBitDepthByte;
        case BitDepthEnum::UShort:
            return kOfxBitDepthShort;
        case BitDepthEnum::Half:
            return kOfxBitDepthHalf;
        case BitDepthEnum::Float:
            return kOfxBitDepthFloat;
    }
    return kOfxBitDepthFloat;
}

}  // namespace OFX
