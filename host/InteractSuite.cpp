#include "InteractSuite.h"

#include "Interact.h"
#include "SuiteGuard.h"

namespace ofxhost {

namespace {

OfxStatus swapBuffers(OfxInteractHandle handle) {
    return withLive<Interact>(handle, [](Interact&) { return kOfxStatOK; });
}

OfxStatus redraw(OfxInteractHandle handle) {
    return withLive<Interact>(handle, [](Interact& interact) {
        interact.requestRedraw();
        return kOfxStatOK;
    });
}

OfxStatus getPropertySet(OfxInteractHandle handle, OfxPropertySetHandle* properties) {
    if (properties == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<Interact>(handle, [&](Interact& interact) {
        *properties = interact.properties().handle();
        return kOfxStatOK;
    });
}

const OfxInteractSuiteV1 kSuite = {swapBuffers, redraw, getPropertySet};

}  // namespace

const OfxInteractSuiteV1* interactSuite() {
    return &kSuite;
}

}  // namespace ofxhost
