// The Overlay Test effect's clips and parameters as a host sees them after
// describe in context.

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "DescribeRun.h"

namespace {

using nlohmann::json;

class OverlayTestContextTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        run = std::make_unique<DescribeRun>(describeBundle("overlay_test"));
    }
    static void TearDownTestSuite() { run.reset(); }

    void SetUp() override { ASSERT_EQ(run->exitCode, 0) << run->errors; }

    static std::unique_ptr<DescribeRun> run;
};

std::unique_ptr<DescribeRun> OverlayTestContextTest::run;

TEST_F(OverlayTestContextTest, DeclaresARequiredSourceAndTheOutput) {
    EXPECT_EQ(run->clipNames(), (std::vector<std::string>{"Source", "Output"}));
    for (const char* name : {"Source", "Output"}) {
        const json& clip = run->clip(name);
        EXPECT_EQ(clip["OfxImageEffectPropSupportedComponents"], json({"OfxImageComponentRGBA"}))
            << name;
        EXPECT_EQ(clip["OfxImageEffectPropSupportsTiles"], json({1})) << name;
        EXPECT_EQ(clip["OfxImageClipPropOptional"], json({0})) << name;
        EXPECT_EQ(clip["OfxImageClipPropIsMask"], json({0})) << name;
    }
    EXPECT_EQ(run->clip("Source")["OfxImageEffectPropTemporalClipAccess"], json({0}));
}

TEST_F(OverlayTestContextTest, DefinesThePanelTopToBottom) {
    const std::vector<std::string> expected = {
        "Controls",    "presetsHelp",     "factory_preset_list",
        "preset_list", "delete_preset",   "preset_name",
        "save_preset", "tutorialsButton", "center",
        "direction",   "strength",        "point_crosshair",
        "point_cross", "point_diamond",   "point_axis",
        "point_dot",   "point_sun",       "radius",
        "color",       "opacity",         "scale",
        "Main",        "PointStyles",     "Global Blend",
        "Blend",
    };
    EXPECT_EQ(run->paramNames(), expected);
}

TEST_F(OverlayTestContextTest, LabelsAreTheSameInEveryLength) {
    for (const std::string& name : run->paramNames()) {
        const json& param = run->param(name);
        EXPECT_EQ(param["OfxPropShortLabel"], param["OfxPropLabel"]) << name;
        EXPECT_EQ(param["OfxPropLongLabel"], param["OfxPropLabel"]) << name;
    }
}

// Kind, label, hint and parent of one parameter.
struct Placement {
    const char* name;
    const char* type;
    const char* label;
    const char* hint;
    const char* parent;
};

void PrintTo(const Placement& placement, std::ostream* os) {
    *os << placement.name;
}

class OverlayTestPlacementTest : public OverlayTestContextTest,
                                 public testing::WithParamInterface<Placement> {};

TEST_P(OverlayTestPlacementTest, HasItsKindLabelHintAndParent) {
    const Placement& expected = GetParam();
    EXPECT_EQ(run->paramEntry(expected.name)["type"], expected.type);
    const json& param = run->param(expected.name);
    EXPECT_EQ(param["OfxPropLabel"], json({expected.label}));
    EXPECT_EQ(param["OfxParamPropHint"], json({expected.hint}));
    EXPECT_EQ(param["OfxParamPropParent"], json({expected.parent}));
}

INSTANTIATE_TEST_SUITE_P(
    PresetSection, OverlayTestPlacementTest,
    testing::Values(Placement{"presetsHelp", "OfxParamTypeGroup", "Presets & Help",
                              "Save and load effect presets, access documentation", ""},
                    Placement{"factory_preset_list", "OfxParamTypeChoice", "Factory Presets",
                              "Select a factory preset to apply it immediately", "presetsHelp"},
                    Placement{"preset_list", "OfxParamTypeChoice", "My Presets",
                              "Select a user preset to apply it immediately", "presetsHelp"},
                    Placement{"delete_preset", "OfxParamTypePushButton", "Delete",
                              "Delete the selected preset", "presetsHelp"},
                    Placement{"preset_name", "OfxParamTypeString", "Save As",
                              "Enter name for new preset (e.g., frosted_glass)", "presetsHelp"},
                    Placement{"save_preset", "OfxParamTypePushButton", "Save",
                              "Save current parameters with the given name", "presetsHelp"},
                    Placement{"tutorialsButton", "OfxParamTypePushButton",
                              "Tutorials & Documentation",
                              "View tutorials, guides, and documentation for this effect",
                              "presetsHelp"}));

INSTANTIATE_TEST_SUITE_P(
    Definition, OverlayTestPlacementTest,
    testing::Values(
        Placement{"center", "OfxParamTypeDouble2D", "Center Position",
                  "Drag the target overlay to move the circle center", "Main"},
        Placement{"direction", "OfxParamTypeDouble", "Direction", "Vector direction in degrees",
                  "Main"},
        Placement{"strength", "OfxParamTypeDouble", "Strength", "Vector magnitude", "Main"},
        Placement{"point_crosshair", "OfxParamTypeDouble2D", "Crosshair Point",
                  "Default crosshair style - cross with circle", "PointStyles"},
        Placement{"point_cross", "OfxParamTypeDouble2D", "Cross Point",
                  "Simple cross style - no circle", "PointStyles"},
        Placement{"point_diamond", "OfxParamTypeDouble2D", "Diamond Point", "Diamond shape style",
                  "PointStyles"},
        Placement{"point_axis", "OfxParamTypeDouble2D", "Axis Point",
                  "Axis style - lines extend to frame edges", "PointStyles"},
        Placement{"point_dot", "OfxParamTypeDouble2D", "Dot Point", "Small dot style",
                  "PointStyles"},
        Placement{"point_sun", "OfxParamTypeDouble2D", "Sun Point",
                  "Light source style - circle with radiating rays", "PointStyles"},
        Placement{"radius", "OfxParamTypeDouble", "Radius",
                  "Size of the circle - drag circle edge to resize", "Main"},
        Placement{"color", "OfxParamTypeRGB", "Circle Color", "Color of the circle", "Main"},
        Placement{"opacity", "OfxParamTypeDouble", "Opacity",
                  "Circle opacity - drag vertical slider", "Main"},
        Placement{"scale", "OfxParamTypeDouble2D", "Scale", "Scale rectangle - drag corners/edges",
                  "Main"}));

INSTANTIATE_TEST_SUITE_P(
    GlobalBlend, OverlayTestPlacementTest,
    testing::Values(Placement{"Global Blend", "OfxParamTypeGroup", "Global Blend",
                              "Blend the effect with the original image", ""},
                    Placement{"Blend", "OfxParamTypeDouble", "Blend",
                              "Amount of effect to apply (0.0 = original image, 1.0 = full effect)",
                              "Global Blend"}));

TEST_F(OverlayTestContextTest, PresetListsHoldOnlyTheirPlaceholders) {
    EXPECT_EQ(run->param("factory_preset_list")["OfxParamPropChoiceOption"],
              json({"(no factory presets)"}));
    EXPECT_EQ(run->param("preset_list")["OfxParamPropChoiceOption"], json({"(no presets found)"}));
    for (const char* name : {"factory_preset_list", "preset_list"}) {
        EXPECT_EQ(run->param(name)["OfxParamPropDefault"], json({0})) << name;
    }
    EXPECT_EQ(run->param("preset_name")["OfxParamPropDefault"], json({""}));
    EXPECT_EQ(run->param("presetsHelp")["OfxParamPropGroupOpen"], json({0}));
}

// The numbers of a one-dimensional double parameter.
struct DoubleSettings {
    const char* name;
    double value;
    double min;
    double max;
    double increment;
};

void PrintTo(const DoubleSettings& settings, std::ostream* os) {
    *os << settings.name;
}

class OverlayTestDoubleTest : public OverlayTestContextTest,
                              public testing::WithParamInterface<DoubleSettings> {};

TEST_P(OverlayTestDoubleTest, HasItsRangeDefaultAndIncrement) {
    const DoubleSettings& expected = GetParam();
    const json& param = run->param(expected.name);
    EXPECT_EQ(param["OfxParamPropDefault"], json({expected.value}));
    EXPECT_EQ(param["OfxParamPropMin"], json({expected.min}));
    EXPECT_EQ(param["OfxParamPropMax"], json({expected.max}));
    EXPECT_EQ(param["OfxParamPropDisplayMin"], json({expected.min}));
    EXPECT_EQ(param["OfxParamPropDisplayMax"], json({expected.max}));
    EXPECT_EQ(param["OfxParamPropIncrement"], json({expected.increment}));
}

INSTANTIATE_TEST_SUITE_P(Sliders, OverlayTestDoubleTest,
                         testing::Values(DoubleSettings{"direction", 45.0, 0.0, 360.0, 0.1},
                                         DoubleSettings{"strength", 0.15, 0.01, 5.0, 0.1},
                                         DoubleSettings{"radius", 0.15, 0.01, 5.0, 0.1},
                                         DoubleSettings{"opacity", 0.5, 0.0, 1.0, 0.1},
                                         DoubleSettings{"Blend", 1.0, 0.0, 1.0, 0.01}));

// The numbers of a position parameter.
struct PointSettings {
    const char* name;
    json value;
    json min;
    json max;
};

void PrintTo(const PointSettings& settings, std::ostream* os) {
    *os << settings.name;
}

class OverlayTestPointTest : public OverlayTestContextTest,
                             public testing::WithParamInterface<PointSettings> {};

TEST_P(OverlayTestPointTest, IsAnAbsolutePositionWithANormalisedDefault) {
    const PointSettings& expected = GetParam();
    const json& param = run->param(expected.name);
    EXPECT_EQ(param["OfxParamPropDoubleType"], json({"OfxParamDoubleTypeXYAbsolute"}));
    EXPECT_EQ(param["OfxParamPropDefaultCoordinateSystem"],
              json({"OfxParamCoordinatesNormalised"}));
    EXPECT_EQ(param["OfxParamPropDefault"], expected.value);
    EXPECT_EQ(param["OfxParamPropMin"], expected.min);
    EXPECT_EQ(param["OfxParamPropMax"], expected.max);
    EXPECT_EQ(param["OfxParamPropDisplayMin"], expected.min);
    EXPECT_EQ(param["OfxParamPropDisplayMax"], expected.max);
}

const json kFrameMin = {-1.0, -0.5};
const json kFrameMax = {1.0, 0.5};

INSTANTIATE_TEST_SUITE_P(
    Positions, OverlayTestPointTest,
    testing::Values(PointSettings{"center", {0.0, 0.0}, kFrameMin, kFrameMax},
                    PointSettings{"point_crosshair", {-0.5, 0.3}, kFrameMin, kFrameMax},
                    PointSettings{"point_cross", {-0.2, 0.3}, kFrameMin, kFrameMax},
                    PointSettings{"point_diamond", {0.2, 0.3}, kFrameMin, kFrameMax},
                    PointSettings{"point_axis", {0.5, 0.3}, kFrameMin, kFrameMax},
                    PointSettings{"point_dot", {-0.5, -0.3}, kFrameMin, kFrameMax},
                    PointSettings{"point_sun", {-0.2, -0.3}, kFrameMin, kFrameMax},
                    PointSettings{"scale", {0.2, 0.2}, {0.01, 0.01}, {1.0, 1.0}}));

TEST_F(OverlayTestContextTest, ColourStartsOrange) {
    EXPECT_EQ(run->param("color")["OfxParamPropDefault"], json({1.0, 0.5, 0.0}));
}

TEST_F(OverlayTestContextTest, GroupsAreOpenAndOnTheControlsPage) {
    for (const char* name : {"Main", "PointStyles", "Global Blend"}) {
        EXPECT_EQ(run->param(name)["OfxParamPropGroupOpen"], json({1})) << name;
    }
    EXPECT_EQ(run->param("Main")["OfxPropLabel"], json({"Main"}));
    EXPECT_EQ(run->param("PointStyles")["OfxPropLabel"], json({"PointStyles"}));
    const json& page = run->param("Controls");
    EXPECT_EQ(run->paramEntry("Controls")["type"], "OfxParamTypePage");
    EXPECT_EQ(page["OfxPropLabel"], json({"Controls"}));
    EXPECT_EQ(page["OfxParamPropPageChild"], json({"Main", "PointStyles"}));
}

TEST_F(OverlayTestContextTest, GeneralContextDeclaresTheSame) {
    const DescribeRun general = describeBundle("overlay_test", "", "general");
    ASSERT_EQ(general.exitCode, 0) << general.errors;
    EXPECT_EQ(general.described(), run->described());
}

TEST_F(OverlayTestContextTest, LogsEachStepOfDescribeInContext) {
    EXPECT_TRUE(containsInOrder(
        run->log, {
                      "[INFO] ✓ XML clips created successfully!\n",
                      "[INFO] ✓ XML clips created successfully!\n",
                      "[INFO] ✓ Presets & Help section added (hardcoded)\n",
                      "[INFO] XMLParameterManager::createParameters called\n",
                      "[INFO] XMLParameterManager::createParameters completed successfully\n",
                      "[INFO] XMLParameterManager::organizeUI called\n",
                      "[INFO] XMLParameterManager::organizeUI completed successfully\n",
                      "[INFO] ✓ XML effect parameters (middle section) added\n",
                      "[INFO] ✓ Global Blend parameter added\n",
                      "[INFO] ✓ XML parameters created successfully\n",
                      "[INFO] GenericEffectFactory::describeInContext completed successfully\n",
                  }));
}

}  // namespace
