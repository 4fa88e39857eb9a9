#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "DrawContext.h"
#include "DrawSuite.h"

namespace {

using ofxhost::DrawCall;
using ofxhost::DrawContext;

const OfxDrawSuiteV1& draw() {
    return *ofxhost::drawSuite();
}

class DrawSuiteTest : public testing::Test {
  protected:
    DrawSuiteTest() { _context.setActive(true); }
    OfxDrawContextHandle handle() const { return _context.handle(); }
    DrawContext _context;
};

TEST_F(DrawSuiteTest, RecordsEveryCallWithItsArguments) {
    const OfxRGBAColourF red{1.0f, 0.0f, 0.0f, 1.0f};
    const OfxPointD corners[2] = {{0.0, 0.0}, {10.0, 5.0}};
    const OfxPointD at{3.0, 4.0};
    OfxRGBAColourF standard{};
    ASSERT_EQ(draw().getColour(handle(), kOfxStandardColourOverlayText, &standard), kOfxStatOK);
    ASSERT_EQ(draw().setColour(handle(), &red), kOfxStatOK);
    ASSERT_EQ(draw().setLineWidth(handle(), 2.5f), kOfxStatOK);
    ASSERT_EQ(draw().setLineStipple(handle(), kOfxDrawLineStipplePatternDash), kOfxStatOK);
    ASSERT_EQ(draw().draw(handle(), kOfxDrawPrimitiveEllipse, corners, 2), kOfxStatOK);
    ASSERT_EQ(draw().drawText(handle(), "label", &at, kOfxDrawTextAlignmentCenterH), kOfxStatOK);

    const std::vector<DrawCall>& calls = _context.calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].kind, DrawCall::Kind::GetColour);
    EXPECT_EQ(calls[1].colour.r, 1.0f);
    EXPECT_EQ(calls[2].lineWidth, 2.5f);
    EXPECT_EQ(calls[3].stipple, kOfxDrawLineStipplePatternDash);
    EXPECT_EQ(calls[4].primitive, kOfxDrawPrimitiveEllipse);
    ASSERT_EQ(calls[4].points.size(), 2u);
    EXPECT_EQ(calls[4].points[1].x, 10.0);
    EXPECT_EQ(calls[5].text, "label");
    EXPECT_EQ(calls[5].alignment, kOfxDrawTextAlignmentCenterH);
}

TEST_F(DrawSuiteTest, CallsOutsideDrawFailAndRecordNothing) {
    _context.setActive(false);
    EXPECT_EQ(draw().setLineWidth(handle(), 1.0f), kOfxStatFailed);
    EXPECT_TRUE(_context.calls().empty());
    EXPECT_EQ(draw().setLineWidth(nullptr, 1.0f), kOfxStatErrBadHandle);
}

struct PrimitiveCase {
    OfxDrawPrimitive primitive;
    int points;
    OfxStatus expected;
};

void PrintTo(const PrimitiveCase& c, std::ostream* os) {
    *os << "primitive " << c.primitive << " with " << c.points << " points";
}

class DrawPrimitiveTest : public DrawSuiteTest,
                          public testing::WithParamInterface<PrimitiveCase> {};

TEST_P(DrawPrimitiveTest, ChecksThePointCount) {
    const std::vector<OfxPointD> points(8, OfxPointD{1.0, 1.0});
    EXPECT_EQ(draw().draw(handle(), GetParam().primitive, points.data(), GetParam().points),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Primitives, DrawPrimitiveTest,
    testing::Values(PrimitiveCase{kOfxDrawPrimitiveLines, 4, kOfxStatOK},
                    PrimitiveCase{kOfxDrawPrimitiveLines, 3, kOfxStatErrValue},
                    PrimitiveCase{kOfxDrawPrimitiveLineStrip, 2, kOfxStatOK},
                    PrimitiveCase{kOfxDrawPrimitiveLineLoop, 1, kOfxStatErrValue},
                    PrimitiveCase{kOfxDrawPrimitiveRectangle, 2, kOfxStatOK},
                    PrimitiveCase{kOfxDrawPrimitiveRectangle, 3, kOfxStatErrValue},
                    PrimitiveCase{kOfxDrawPrimitivePolygon, 3, kOfxStatOK},
                    PrimitiveCase{kOfxDrawPrimitivePolygon, 2, kOfxStatErrValue},
                    PrimitiveCase{kOfxDrawPrimitiveEllipse, 0, kOfxStatErrValue},
                    // The largest value the enumeration can hold that names no primitive.
                    PrimitiveCase{static_cast<OfxDrawPrimitive>(7), 2, kOfxStatErrValue}));

TEST_F(DrawSuiteTest, UnknownStandardColourIsAnError) {
    OfxRGBAColourF colour{};
    EXPECT_EQ(draw().getColour(handle(), static_cast<OfxStandardColour>(7), &colour),
              kOfxStatErrValue);
}

}  // namespace
