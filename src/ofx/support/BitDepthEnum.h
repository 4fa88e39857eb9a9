#pragma once

namespace OFX {

// Pixel component types an effect can declare support for.
enum class BitDepthEnum { UByte, UShort, Half, Float };

// The property value naming `depth` ("OfxBitDepthFloat", ...).
const char* bitDepthName(BitDepthEnum depth);

}  // namespace OFX
