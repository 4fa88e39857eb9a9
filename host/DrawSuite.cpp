#include "DrawSuite.h"

#include "DrawContext.h"
#include "SuiteGuard.h"

namespace ofxhost {

namespace {

template <typename Use>
OfxStatus withContext(OfxDrawContextHandle handle, Use&& use) {
    return withLive<DrawContext>(handle, [&](DrawContext& context) {
        return context.active() ? use(context) : kOfxStatFailed;
    });
}

bool validPointCount(OfxDrawPrimitive primitive, int count) {
    switch (primitive) {
        case kOfxDrawPrimitiveLines:
            return count >= 2 && count % 2 == 0;
        case kOfxDrawPrimitiveLineStrip:
        case kOfxDrawPrimitiveLineLoop:
            return count >= 2;
        case kOfxDrawPrimitiveRectangle:
        case kOfxDrawPrimitiveEllipse:
            return count == 2;
        case kOfxDrawPrimitivePolygon:
            return count >= 3;
    }
    return false;
}

OfxStatus getColour(OfxDrawContextHandle handle, OfxStandardColour role, OfxRGBAColourF* colour) {
    if (colour == nullptr) {
        return kOfxStatErrValue;
    }
    return withContext(handle, [&](DrawContext& context) {
        if (!DrawContext::standardColour(role, *colour)) {
            return kOfxStatErrValue;
        }
        DrawCall call{DrawCall::Kind::GetColour};
        call.standardColour = role;
        call.colour = *colour;
        context.record(std::move(call));
        return kOfxStatOK;
    });
}

OfxStatus setColour(OfxDrawContextHandle handle, const OfxRGBAColourF* colour) {
    if (colour == nullptr) {
        return kOfxStatErrValue;
    }
    return withContext(handle, [&](DrawContext& context) {
        DrawCall call{DrawCall::Kind::SetColour};
        call.colour = *colour;
        context.record(std::move(call));
        return kOfxStatOK;
    });
}

OfxStatus setLineWidth(OfxDrawContextHandle handle, float width) {
    return withContext(handle, [&](DrawContext& context) {
        if (!(width >= 0.0f)) {
            return kOfxStatErrValue;
        }
        DrawCall call{DrawCall::Kind::SetLineWidth};
        call.lineWidth = width;
        context.record(std::move(call));
        return kOfxStatOK;
    });
}

OfxStatus setLineStipple(OfxDrawContextHandle handle, OfxDrawLineStipplePattern pattern) {
    return withContext(handle, [&](DrawContext& context) {
        if (pattern < kOfxDrawLineStipplePatternSolid ||
            pattern > kOfxDrawLineStipplePatternDotDash) {
            return kOfxStatErrValue;
        }
        DrawCall call{DrawCall::Kind::SetLineStipple};
        call.stipple = pattern;
        context.record(std::move(call));
        return kOfxStatOK;
    });
}

OfxStatus draw(OfxDrawContextHandle handle, OfxDrawPrimitive primitive, const OfxPointD* points,
               int count) {
    return withContext(handle, [&](DrawContext& context) {
        if (points == nullptr || !validPointCount(primitive, count)) {
            return kOfxStatErrValue;
        }
        DrawCall call{DrawCall::Kind::Draw};
        call.primitive = primitive;
        call.points.assign(points, points + count);
        context.record(std::move(call));
        return kOfxStatOK;
    });
}

OfxStatus drawText(OfxDrawContextHandle handle, const char* text, const OfxPointD* pos,
                   int alignment) {
    if (text == nullptr || pos == nullptr) {
        return kOfxStatErrValue;
    }
    return withContext(handle, [&](DrawContext& context) {
        DrawCall call{DrawCall::Kind::DrawText};
        call.text = text;
        call.points.push_back(*pos);
        call.alignment = alignment;
        context.record(std::move(call));
        return kOfxStatOK;
    });
}

const OfxDrawSuiteV1 kSuite = {getColour, setColour, setLineWidth, setLineStipple, draw, drawText};

}  // namespace

const OfxDrawSuiteV1* drawSuite() {
    return &kSuite;
}

}  // namespace ofxhost
