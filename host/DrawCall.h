#pragma once

#include <string>
#include <vector>

#include "ofx/api/ofx_draw.h"

namespace ofxhost {

// One call a plug-in made on the draw suite, with its arguments.
struct DrawCall {
    enum class Kind { GetColour, SetColour, SetLineWidth, SetLineStipple, Draw, DrawText };

    explicit DrawCall(Kind callKind) : kind(callKind) {}

    Kind kind;
    OfxStandardColour standardColour = kOfxStandardColourOverlayBackground;
    OfxRGBAColourF colour{0.0f, 0.0f, 0.0f, 0.0f};
    float lineWidth = 0.0f;
    OfxDrawLineStipplePattern stipple = kOfxDrawLineStipplePatternSolid;
    OfxDrawPrimitive primitive = kOfxDrawPrimitiveLines;
    std::vector<OfxPointD> points;
    std::string text;
    int alignment = 0;
};

}  // namespace ofxhost
