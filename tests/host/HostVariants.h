#pragma once

#include "HostOptions.h"

// The headless host set up like the less complete hosts a plug-in meets.

inline ofxhost::HostOptions withoutDrawSuite() {
    ofxhost::HostOptions options;
    options.drawSuite = false;
    return options;
}

inline ofxhost::HostOptions withoutParametricSuite() {
    ofxhost::HostOptions options;
    options.parametricSuite = false;
    return options;
}

// Control points of curves are refused with `status`.
inline ofxhost::HostOptions refusingCurves(OfxStatus status) {
    ofxhost::HostOptions options;
    options.curveDefinitionStatus = status;
    return options;
}

// The OFX 1.5 overlay property is unknown to effect descriptors.
inline ofxhost::HostOptions refusingOverlayV2() {
    ofxhost::HostOptions options;
    options.overlayInteractV2 = false;
    return options;
}
