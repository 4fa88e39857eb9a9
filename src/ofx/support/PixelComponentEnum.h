#pragma once

namespace OFX {

// Pixel component layouts a clip can accept.
enum class PixelComponentEnum { RGBA, RGB, Alpha };

// The property value naming `components` ("OfxImageComponentRGBA", ...).
const char* pixelComponentName(PixelComponentEnum components);

}  // namespace OFX
