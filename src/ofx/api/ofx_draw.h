#pragma once

// The draw suite (OFX 1.5): host-side drawing for overlay interacts.

#include "ofx/api/ofx_core.h"
#include "ofx/api/ofx_pixels.h"

inline constexpr char kOfxDrawSuite[] = "OfxDrawSuite";

// In-argument of the Draw action carrying the context for the suite's calls.
inline constexpr char kOfxInteractPropDrawContext[] = "OfxInteractPropDrawContext";

extern "C" {

typedef struct OfxDrawContext* OfxDrawContextHandle;

typedef enum OfxStandardColour {
    kOfxStandardColourOverlayBackground = 0,
    kOfxStandardColourOverlayActive = 1,
    kOfxStandardColourOverlaySelected = 2,
    kOfxStandardColourOverlayDeselected = 3,
    kOfxStandardColourOverlayMarqueeFG = 4,
    kOfxStandardColourOverlayMarqueeBG = 5,
    kOfxStandardColourOverlayText = 6
} OfxStandardColour;

typedef enum OfxDrawLineStipplePattern {
    kOfxDrawLineStipplePatternSolid = 0,
    kOfxDrawLineStipplePatternDot = 1,
    kOfxDrawLineStipplePatternDash = 2,
    kOfxDrawLineStipplePatternAltDash = 3,
    kOfxDrawLineStipplePatternDotDash = 4
} OfxDrawLineStipplePattern;

typedef enum OfxDrawPrimitive {
    kOfxDrawPrimitiveLines = 0,
    kOfxDrawPrimitiveLineStrip = 1,
    kOfxDrawPrimitiveLineLoop = 2,
    kOfxDrawPrimitiveRectangle = 3,
    kOfxDrawPrimitivePolygon = 4,
    kOfxDrawPrimitiveEllipse = 5
} OfxDrawPrimitive;

// Bit flags, OR-ed into the int alignment of drawText.
typedef enum OfxDrawTextAlignment {
    kOfxDrawTextAlignmentLeft = 0x0001,
    kOfxDrawTextAlignmentRight = 0x0002,
    kOfxDrawTextAlignmentTop = 0x0004,
    kOfxDrawTextAlignmentBottom = 0x0008,
    kOfxDrawTextAlignmentBaseline = 0x0010,
    kOfxDrawTextAlignmentCenterH = kOfxDrawTextAlignmentLeft | kOfxDrawTextAlignmentRight,
    kOfxDrawTextAlignmentCenterV = kOfxDrawTextAlignmentTop | kOfxDrawTextAlignmentBaseline
} OfxDrawTextAlignment;

typedef struct OfxDrawSuiteV1 {
    OfxStatus (*getColour)(OfxDrawContextHandle context, OfxStandardColour std_colour,
                           OfxRGBAColourF* colour);
    OfxStatus (*setColour)(OfxDrawContextHandle context, const OfxRGBAColourF* colour);
    OfxStatus (*setLineWidth)(OfxDrawContextHandle context, float width);
    OfxStatus (*setLineStipple)(OfxDrawContextHandle context, OfxDrawLineStipplePattern pattern);
    OfxStatus (*draw)(OfxDrawContextHandle context, OfxDrawPrimitive primitive,
                      const OfxPointD* points, int point_count);
    OfxStatus (*drawText)(OfxDrawContextHandle context, const char* text, const OfxPointD* pos,
                          int alignment);
} OfxDrawSuiteV1;

}  // extern "C"
