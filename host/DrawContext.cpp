#include "DrawContext.h"

namespace ofxhost {

DrawContext::DrawContext() = default;

DrawContext* DrawContext::fromHandle(OfxDrawContextHandle handle) {
    return LiveHandles<DrawContext>::find(handle);
}

OfxDrawContextHandle DrawContext::handle() const {
    return reinterpret_cast<OfxDrawContextHandle>(const_cast<DrawContext*>(this));
}

bool DrawContext::standardColour(OfxStandardColour role, OfxRGBAColourF& colour) {
    switch (role) {
        case kOfxStandardColourOverlayBackground:
            colour = {0.0f, 0.0f, 0.0f, 1.0f};
            return true;
        case kOfxStandardColourOverlayActive:
            colour = {1.0f, 1.0f, 0.0f, 1.0f};
            return true;
        case kOfxStandardColourOverlaySelected:
            colour = {1.0f, 0.5f, 0.0f, 1.0f};
            return true;
        case kOfxStandardColourOverlayDeselected:
            colour = {0.8f, 0.8f, 0.8f, 1.0f};
            return true;
        case kOfxStandardColourOverlayMarqueeFG:
            colour = {1.0f, 1.0f, 1.0f, 1.0f};
            return true;
        case kOfxStandardColourOverlayMarqueeBG:
            colour = {0.0f, 0.0f, 0.0f, 0.5f};
            return true;
        case kOfxStandardColourOverlayText:
            colour = {1.0f, 1.0f, 1.0f, 1.0f};
            return true;
    }
    return false;
}

}  // namespace ofxhost
