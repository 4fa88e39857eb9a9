#pragma once

#include "ofx/api/ofx_core.h"

namespace ofxhost {

// Switches that make the host behave like the different real hosts a plug-in
// meets. The defaults give a complete, accepting OFX 1.5 host.
struct HostOptions {
    // false: fetchSuite("OfxDrawSuite", 1) returns NULL, as on hosts without one.
    bool drawSuite = true;
    // false: fetchSuite("OfxParametricParameterSuite", 1) returns NULL.
    bool parametricSuite = true;
    // Anything but kOfxStatOK: the parametric suite refuses to define control
    // points (curve shapes) with this status, e.g. kOfxStatErrUnsupported.
    OfxStatus curveDefinitionStatus = kOfxStatOK;
    // false: effect descriptors do not know the OFX 1.5 property
    // "OfxImageEffectPluginPropOverlayInteractV2", so setting it fails with
    // kOfxStatErrUnknown.
    bool overlayInteractV2 = true;
};

}  // namespace ofxhost
