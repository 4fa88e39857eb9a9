#pragma once

#include "ofx/api/ofx_image_effect.h"

namespace ofxhost {

// The host's image effect suite over ImageEffect, Clip and ImageMemory
// objects. This host attaches no images to clips yet: clipGetImage reports
// that none exists at the time asked (kOfxStatFailed).
const OfxImageEffectSuiteV1* imageEffectSuite();

}  // namespace ofxhost
