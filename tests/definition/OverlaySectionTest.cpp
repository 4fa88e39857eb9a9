// The overlays section and its colour syntax.
#include <gtest/gtest.h>

#include <ostream>

#include "DefinitionDocuments.h"
#include "LogCapture.h"

namespace {

using OverlayDef = XMLEffectDefinition::OverlayDef;
using OverlayType = XMLEffectDefinition::OverlayType;
using CoordSystem = XMLEffectDefinition::OverlayCoordSystem;

LoadedDefinition loadOverlays(const std::string& overlays) {
    return loadDefinition(effectWith(overlays));
}

TEST(OverlaySectionTest, WithoutOverlaysTheListIsEmptyAndUV) {
    const auto loaded = loadOverlays("");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_FALSE(loaded->hasOverlays());
    EXPECT_TRUE(loaded->getOverlays().empty());
    EXPECT_EQ(loaded->getOverlayCoordSystem(), CoordSystem::uv);
}

struct CoordinatesCase {
    const char* what;
    std::string attribute;
    CoordSystem system;
    std::string logLine;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CoordinatesCase& c, std::ostream* os) {
    *os << c.what;
}

class CoordinatesTest : public ::testing::TestWithParam<CoordinatesCase> {};

TEST_P(CoordinatesTest, MatchesTheKeywordExactly) {
    LogCapture log;
    const auto loaded = loadOverlays("<overlays " + GetParam().attribute + "/>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_EQ(loaded->getOverlayCoordSystem(), GetParam().system);
    EXPECT_TRUE(log.hasLine(GetParam().logLine));
    EXPECT_TRUE(log.hasLine("[INFO] Parsed 0 overlays"));
}

const std::string UV_LINE = "[INFO] Overlay coordinate system: uv (0-1 range)";

INSTANTIATE_TEST_SUITE_P(
    Overlays, CoordinatesTest,
    ::testing::Values(
        CoordinatesCase{"absent", "", CoordSystem::uv, UV_LINE},
        CoordinatesCase{"uv", "coordinates=\"uv\"", CoordSystem::uv, UV_LINE},
        CoordinatesCase{"centered", "coordinates=\"centered\"", CoordSystem::centered,
                        "[INFO] Overlay coordinate system: centered (-0.5 to 0.5)"},
        CoordinatesCase{"centered_aspect", "coordinates=\"centered_aspect\"",
                        CoordSystem::centered_aspect,
                        "[INFO] Overlay coordinate system: centered_aspect (aspect-corrected)"},
        CoordinatesCase{"capitalised", "coordinates=\"Centered\"", CoordSystem::uv, UV_LINE},
        CoordinatesCase{"unknown", "coordinates=\"pixels\"", CoordSystem::uv, UV_LINE}),
    [](const ::testing::TestParamInfo<CoordinatesCase>& info) { return info.param.what; });

TEST(OverlaySectionTest, CoordinateSystemNumbers) {
    EXPECT_EQ(static_cast<int>(CoordSystem::uv), 0);
    EXPECT_EQ(static_cast<int>(CoordSystem::centered), 1);
    EXPECT_EQ(static_cast<int>(CoordSystem::centered_aspect), 2);
}

TEST(OverlaySectionTest, ElementNamesGiveTypes) {
    const auto loaded = loadOverlays(
        "<overlays><point param=\"a\"/><radius param=\"a\"/><scale2d param=\"a\"/>"
        "<vslider param=\"a\"/><vector param=\"a\"/><ellipse param=\"a\"/>"
        "<qualifier param=\"a\"/></overlays>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    const OverlayType expected[] = {
        OverlayType::point,  OverlayType::radius,  OverlayType::scale2d,  OverlayType::vslider,
        OverlayType::vector, OverlayType::ellipse, OverlayType::qualifier};
    const char* names[] = {"point",  "radius",  "scale2d",  "vslider",
                           "vector", "ellipse", "qualifier"};
    ASSERT_EQ(loaded->getOverlays().size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(loaded->getOverlays()[i].type, expected[i]) << i;
        EXPECT_EQ(static_cast<int>(expected[i]), static_cast<int>(i));
        EXPECT_STREQ(XMLEffectDefinition::overlayTypeName(expected[i]), names[i]);
    }
}

TEST(OverlaySectionTest, EveryAttributeIsStored) {
    const auto loaded = loadOverlays(
        "<overlays><vslider param=\"opacity\" style=\"TARGET\" visible_when=\"show\" "
        "label=\"Opacity\" color=\"#00ff00\" center=\"pos\" fixed_x=\"0.08\" direction=\"dir\" "
        "magnitude=\"mag\" fixed_magnitude=\"0.3\"/></overlays>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    ASSERT_EQ(loaded->getOverlays().size(), 1u);
    const OverlayDef& overlay = loaded->getOverlays()[0];
    EXPECT_EQ(overlay.type, OverlayType::vslider);
    EXPECT_EQ(overlay.param, "opacity");
    EXPECT_EQ(overlay.style, "TARGET");
    EXPECT_EQ(overlay.visibleWhen, "show");
    EXPECT_EQ(overlay.label, "Opacity");
    EXPECT_TRUE(overlay.color.isSet);
    EXPECT_FLOAT_EQ(overlay.color.r, 0.0f);
    EXPECT_FLOAT_EQ(overlay.color.g, 1.0f);
    EXPECT_FLOAT_EQ(overlay.color.b, 0.0f);
    EXPECT_EQ(overlay.center, "pos");
    EXPECT_FLOAT_EQ(overlay.fixedX, 0.08f);
    EXPECT_EQ(overlay.direction, "dir");
    EXPECT_EQ(overlay.magnitude, "mag");
    EXPECT_FLOAT_EQ(overlay.fixedMagnitude, 0.3f);
    EXPECT_TRUE(overlay.children.empty());
}

TEST(OverlaySectionTest, MissingAttributesKeepDefaults) {
    const auto loaded = loadOverlays("<overlays><radius param=\"radius\"/></overlays>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    ASSERT_EQ(loaded->getOverlays().size(), 1u);
    const OverlayDef& overlay = loaded->getOverlays()[0];
    EXPECT_EQ(overlay.center, "");
    EXPECT_EQ(overlay.style, "crosshair");
    EXPECT_FLOAT_EQ(overlay.fixedX, 0.5f);
    EXPECT_FLOAT_EQ(overlay.fixedMagnitude, 0.1f);
    EXPECT_FALSE(overlay.color.isSet);
    EXPECT_FLOAT_EQ(overlay.color.r, 1.0f);
    EXPECT_EQ(overlay.label, "");
    EXPECT_EQ(overlay.visibleWhen, "");
}

TEST(OverlaySectionTest, DropsUnknownElementsAndControlsWithoutParam) {
    LogCapture log;
    const auto loaded = loadOverlays(
        "<overlays>text<slider param=\"a\"/>"
        "<vector direction=\"dir\" center=\"pos\"/>"
        "<vector direction=\"dir\" center=\"pos\" param=\"x\"/>"
        "<point param=\"\"/><Point param=\"b\"/></overlays>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    ASSERT_EQ(loaded->getOverlays().size(), 1u);
    EXPECT_EQ(loaded->getOverlays()[0].type, OverlayType::vector);
    EXPECT_EQ(loaded->getOverlays()[0].direction, "dir");
    EXPECT_TRUE(log.hasLine("[INFO] Unknown overlay type 'slider', skipping"));
    EXPECT_TRUE(log.hasLine("[INFO] Unknown overlay type 'Point', skipping"));
    EXPECT_TRUE(log.hasLine("[INFO] Parsed 1 overlays"));
}

TEST(OverlaySectionTest, NestedControls) {
    LogCapture log;
    const auto loaded = loadOverlays(
        "<overlays><point param=\"center\" style=\"target\">"
        "<vector direction=\"first\" color=\"magenta\" label=\"Dir\"/>"
        "<ellipse param=\"ignored\"/>"
        "<vector direction=\"second\"><radius param=\"deep\"/></vector>"
        "<radius param=\"r\" center=\"c\"/>"
        "<scale2d/>"
        "</point></overlays>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    ASSERT_EQ(loaded->getOverlays().size(), 1u);
    const OverlayDef& point = loaded->getOverlays()[0];
    ASSERT_EQ(point.children.size(), 4u);
    EXPECT_EQ(point.children[0].type, OverlayType::vector);
    EXPECT_EQ(point.children[0].direction, "first");
    EXPECT_EQ(point.children[0].param, "");
    EXPECT_TRUE(point.children[0].color.isSet);
    EXPECT_FLOAT_EQ(point.children[0].color.g, 0.0f);
    EXPECT_EQ(point.children[0].label, "Dir");
    EXPECT_EQ(point.children[1].direction, "second");
    ASSERT_EQ(point.children[1].children.size(), 1u);
    EXPECT_EQ(point.children[1].children[0].param, "deep");
    EXPECT_EQ(point.children[2].type, OverlayType::radius);
    EXPECT_EQ(point.children[2].center, "c");
    EXPECT_EQ(point.children[3].type, OverlayType::scale2d);

    // Copies are deep.
    const OverlayDef copy = point;
    EXPECT_EQ(copy.children[1].children[0].param, "deep");

    // A parent's line follows those of its children.
    const std::size_t child =
        log.find("[INFO] Parsed overlay: type=vector, param=, style=crosshair");
    const std::size_t parent =
        log.find("[INFO] Parsed overlay: type=point, param=center, style=target");
    ASSERT_NE(child, std::string::npos);
    ASSERT_NE(parent, std::string::npos);
    EXPECT_LT(child, parent);
}

TEST(OverlaySectionTest, DeepNestingIsBounded) {
    std::string nested;
    const int levels = 5000;
    for (int i = 0; i < levels; ++i) {
        nested += "<vector direction=\"d\">";
    }
    for (int i = 0; i < levels; ++i) {
        nested += "</vector>";
    }
    const auto loaded =
        loadOverlays("<overlays><point param=\"p\">" + nested + "</point></overlays>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    ASSERT_EQ(loaded->getOverlays().size(), 1u);
    int depth = 1;
    for (const OverlayDef* overlay = &loaded->getOverlays()[0]; !overlay->children.empty();
         overlay = &overlay->children[0]) {
        ++depth;
    }
    EXPECT_EQ(depth, 32);
}

struct ColorCase {
    const char* what;
    std::string text;
    float r, g, b;
    bool isSet;
};

void PrintTo(const ColorCase& c, std::ostream* os) {
    *os << c.what;
}

class ColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorTest, Parses) {
    const ColorCase& expected = GetParam();
    const auto color = XMLEffectDefinition::parseOverlayColor(expected.text);
    EXPECT_FLOAT_EQ(color.r, expected.r);
    EXPECT_FLOAT_EQ(color.g, expected.g);
    EXPECT_FLOAT_EQ(color.b, expected.b);
    EXPECT_EQ(color.isSet, expected.isSet);
}

INSTANTIATE_TEST_SUITE_P(
    Overlays, ColorTest,
    ::testing::Values(ColorCase{"empty", "", 1, 1, 1, false},
                      ColorCase{"hex6", "#ff8000", 1, 128 / 255.0f, 0, true},
                      ColorCase{"hex6_upper", "#00FF7f", 0, 1, 127 / 255.0f, true},
                      ColorCase{"hex3", "#ABC", 0xAA / 255.0f, 0xBB / 255.0f, 0xCC / 255.0f, true},
                      ColorCase{"hex3_f80", "#f80", 1, 136 / 255.0f, 0, true},
                      ColorCase{"hex_other_length", "#12345", 1, 1, 1, true},
                      ColorCase{"hex_unreadable_tail", "#12zz56", 0x12 / 255.0f, 1, 1, true},
                      ColorCase{"hex_short_component", "#1g2345", 1 / 255.0f, 1, 1, true},
                      ColorCase{"hex_sign_is_not_a_digit", "#-1ffff", 1, 1, 1, true},
                      ColorCase{"list_two", "0.5,0.2", 0.5f, 0.2f, 1, true},
                      ColorCase{"list_unclamped", "2,0,0", 2, 0, 0, true},
                      ColorCase{"list_negative", "-1, 0.5 ,0", -1, 0.5f, 1, true},
                      ColorCase{"list_unreadable", "x,0,0", 1, 1, 1, true},
                      ColorCase{"name_any_case", "Orange", 1, 0.5f, 0, true},
                      ColorCase{"name_upper", "GREY", 0.5f, 0.5f, 0.5f, true},
                      ColorCase{"unknown_name", "chartreuse", 1, 1, 1, true}),
    [](const ::testing::TestParamInfo<ColorCase>& info) { return info.param.what; });

TEST(OverlaySectionTest, NamedColors) {
    const ColorCase cases[] = {
        {"", "red", 1, 0, 0, true},           {"", "green", 0, 1, 0, true},
        {"", "blue", 0, 0, 1, true},          {"", "cyan", 0, 1, 1, true},
        {"", "magenta", 1, 0, 1, true},       {"", "yellow", 1, 1, 0, true},
        {"", "white", 1, 1, 1, true},         {"", "black", 0, 0, 0, true},
        {"", "gray", 0.5f, 0.5f, 0.5f, true}, {"", "grey", 0.5f, 0.5f, 0.5f, true},
        {"", "orange", 1, 0.5f, 0, true},     {"", "purple", 0.5f, 0, 0.5f, true},
        {"", "pink", 1, 0.5f, 0.5f, true},
    };
    LogCapture log;
    for (const ColorCase& expected : cases) {
        const auto color = XMLEffectDefinition::parseOverlayColor(expected.text);
        EXPECT_FLOAT_EQ(color.r, expected.r) << expected.text;
        EXPECT_FLOAT_EQ(color.g, expected.g) << expected.text;
        EXPECT_FLOAT_EQ(color.b, expected.b) << expected.text;
        EXPECT_TRUE(color.isSet) << expected.text;
    }
    EXPECT_EQ(log.text().find("Unknown overlay color"), std::string::npos);
}

TEST(OverlaySectionTest, UnknownColorNameIsLoggedAsWritten) {
    LogCapture log;
    XMLEffectDefinition::parseOverlayColor("Chartreuse");
    EXPECT_TRUE(log.hasLine("[INFO] Unknown overlay color 'Chartreuse', using white"));
}

}  // namespace
