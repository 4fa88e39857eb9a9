// Small definitions (effects/) through the real describe in context: how
// each definition type becomes an OFX parameter, how inputs become clips,
// groups and the controls page, hosts without curves, and names that clash.

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "DescribeRun.h"

namespace {

using nlohmann::json;

// Settings of one parameter of describe_types: its OFX kind and the
// properties that show how its definition was converted.
struct ParamCase {
    const char* label;
    const char* name;
    const char* type;
    json properties;
};

void PrintTo(const ParamCase& c, std::ostream* os) {
    *os << c.label;
}

class DescribeTypesTest : public testing::TestWithParam<ParamCase> {
  protected:
    static void SetUpTestSuite() {
        run = std::make_unique<DescribeRun>(describeBundle("describe_types"));
    }
    static void TearDownTestSuite() { run.reset(); }

    void SetUp() override { ASSERT_EQ(run->exitCode, 0) << run->errors; }

    static std::unique_ptr<DescribeRun> run;
};

std::unique_ptr<DescribeRun> DescribeTypesTest::run;

TEST_P(DescribeTypesTest, BecomesTheOfxParameterItsDefinitionSays) {
    const ParamCase& expected = GetParam();
    EXPECT_EQ(run->paramEntry(expected.name)["type"], expected.type);
    const json& param = run->param(expected.name);
    for (const auto& [property, values] : expected.properties.items()) {
        EXPECT_EQ(param[property], values) << property;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, DescribeTypesTest,
    testing::Values(
        ParamCase{"int_truncated_toward_zero",
                  "count",
                  "OfxParamTypeInteger",
                  {{"OfxParamPropMin", {-2}},
                   {"OfxParamPropMax", {10}},
                   {"OfxParamPropDisplayMin", {-1}},
                   {"OfxParamPropDisplayMax", {8}},
                   {"OfxParamPropDefault", {3}},
                   {"OfxParamPropHint", {"Whole number (width-dependent)"}}}},
        ParamCase{"choice_options_and_truncated_default",
                  "mode",
                  "OfxParamTypeChoice",
                  {{"OfxParamPropChoiceOption", {"Alpha", "b", "Gamma"}},
                   {"OfxParamPropDefault", {1}},
                   {"OfxParamPropHint", {"Pick one"}}}},
        ParamCase{"vec2_components_not_x_y",
                  "uv",
                  "OfxParamTypeDouble2D",
                  {{"OfxPropLabel", {"UV"}},
                   {"OfxParamPropDefault", {0.0, 0.0}},
                   {"OfxParamPropMin", {0.0, 0.0}},
                   {"OfxParamPropMax", {1.0, 1.0}},
                   {"OfxParamPropDisplayMin", {0.0, 0.0}},
                   {"OfxParamPropDisplayMax", {1.0, 1.0}},
                   {"OfxParamPropHint", {"Named u and v"}}}},
        ParamCase{"double_with_increment_and_xy_note",
                  "spread",
                  "OfxParamTypeDouble",
                  {{"OfxParamPropDefault", {0.5}},
                   {"OfxParamPropMin", {0.0}},
                   {"OfxParamPropMax", {2.0}},
                   {"OfxParamPropIncrement", {0.05}},
                   {"OfxParamPropHint", {"Spread (dimension-dependent)"}}}},
        ParamCase{"height_note_on_empty_hint",
                  "rise",
                  "OfxParamTypeDouble",
                  {{"OfxParamPropHint", {" (height-dependent)"}}, {"OfxPropLabel", {"rise"}}}},
        ParamCase{
            "no_note_for_none", "plain", "OfxParamTypeDouble", {{"OfxParamPropHint", {"No note"}}}},
        ParamCase{"vec3_from_default_list",
                  "offset",
                  "OfxParamTypeDouble3D",
                  {{"OfxParamPropDefault", {0.1, 0.2, 0.3}},
                   {"OfxParamPropMin", {-1.0, -2.0, -3.0}},
                   {"OfxParamPropMax", {1.0, 2.0, 3.0}},
                   {"OfxParamPropDisplayMin", {-1.0, -2.0, -3.0}},
                   {"OfxParamPropDisplayMax", {1.0, 2.0, 3.0}},
                   {"OfxParamPropDoubleType", {"OfxParamDoubleTypePlain"}},
                   {"OfxParamPropHint", {"Offset (width-dependent)"}}}},
        ParamCase{"bool",
                  "enabled",
                  "OfxParamTypeBoolean",
                  {{"OfxParamPropDefault", {1}}, {"OfxParamPropHint", {"Toggle"}}}},
        ParamCase{"string",
                  "title",
                  "OfxParamTypeString",
                  {{"OfxParamPropDefault", {"hello"}},
                   {"OfxParamPropStringMode", {"OfxParamStringIsSingleLine"}}}},
        ParamCase{"filepath",
                  "lut",
                  "OfxParamTypeString",
                  {{"OfxParamPropDefault", {"/tmp/look.cube"}},
                   {"OfxParamPropStringMode", {"OfxParamStringIsFilePath"}},
                   {"OfxParamPropStringFilePathExists", {1}},
                   {"OfxParamPropHint", {"File"}}}},
        ParamCase{"pushbutton_labelled_with_its_name",
                  "reset",
                  "OfxParamTypePushButton",
                  {{"OfxPropLabel", {"reset"}}, {"OfxParamPropHint", {"Press"}}}},
        ParamCase{"curve",
                  "response",
                  "OfxParamTypeParametric",
                  {{"OfxParamPropParametricDimension", {1}},
                   {"OfxParamPropParametricRange", {0.0, 1.0}},
                   {"OfxParamPropHint", {"Curve"}}}},
        ParamCase{"color_from_r_g_b_components",
                  "tint",
                  "OfxParamTypeRGB",
                  {{"OfxParamPropDefault", {0.25, 0.5, 0.75}}}},
        ParamCase{"color_rgba_starts_opaque_black",
                  "glow",
                  "OfxParamTypeRGBA",
                  {{"OfxParamPropDefault", {0.0, 0.0, 0.0, 1.0}}}}));

TEST_F(DescribeTypesTest, CurveStartsWithItsShape) {
    EXPECT_EQ(run->paramEntry("response")["curves"],
              json({{{0.0, 0.0}, {0.25, 0.1}, {0.5, 0.5}, {0.75, 0.9}, {1.0, 1.0}}}));
}

TEST_F(DescribeTypesTest, UnsupportedTypesAreReportedAndSkipped) {
    EXPECT_FALSE(run->hasParam("quad"));
    EXPECT_FALSE(run->hasParam("Weird"));
    EXPECT_TRUE(containsInOrder(run->errors, {"Warning: Unsupported parameter type: vec4\n",
                                              "Warning: Unsupported parameter type: Double\n"}));
    EXPECT_TRUE(run->hasParam("Controls_2")) << "parameters after them are still defined";
}

TEST_F(DescribeTypesTest, GroupsParentTheirParametersAndSitOnTheControlsPage) {
    const json& numbers = run->param("Numbers");
    EXPECT_EQ(numbers["OfxPropLabel"], json({"Numbers"}));
    EXPECT_EQ(numbers["OfxParamPropHint"], json({"Numeric controls"}));
    EXPECT_EQ(numbers["OfxParamPropGroupOpen"], json({0}));
    EXPECT_EQ(run->param("Others")["OfxParamPropGroupOpen"], json({1}));

    const std::vector<std::pair<const char*, const char*>> parents = {
        {"count", "Numbers"}, {"spread", "Numbers"},    {"uv", "Numbers"}, {"enabled", "Others"},
        {"title", "Others"},  {"response", "Controls"}, {"mode", ""},      {"Controls_2", ""},
    };
    for (const auto& [name, parent] : parents) {
        EXPECT_EQ(run->param(name)["OfxParamPropParent"], json({parent})) << name;
    }

    // "Controls" and "Controls_2" are taken by the definition.
    EXPECT_EQ(run->paramEntry("Controls_3")["type"], "OfxParamTypePage");
    EXPECT_EQ(run->param("Controls_3")["OfxParamPropPageChild"],
              json({"Numbers", "Others", "Controls"}));
    EXPECT_EQ(run->paramNames().front(), "Controls_3");
}

TEST_F(DescribeTypesTest, LogsSkippedReferencesAndTheGroupCount) {
    EXPECT_TRUE(
        containsInOrder(run->log, {"[DEBUG] Parameter not found: quad\n",
                                   "[DEBUG] Created 3 UI groups with 7 total parameters\n"}));
}

// A host that cannot do curves still gets everything else.
struct CurveHostCase {
    const char* label;
    const char* options;
    bool curveDefined;
    const char* warning;
};

void PrintTo(const CurveHostCase& c, std::ostream* os) {
    *os << c.label;
}

class CurveHostTest : public testing::TestWithParam<CurveHostCase> {};

TEST_P(CurveHostTest, DescribesWithoutTheCurve) {
    const CurveHostCase& host = GetParam();
    const DescribeRun run = describeBundle("describe_types", host.options);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.hasParam("response"), host.curveDefined);
    if (host.curveDefined) {
        // The host keeps its own default: none of the shape's points.
        for (const json& curve : run.paramEntry("response").value("curves", json::array())) {
            EXPECT_TRUE(curve.empty()) << curve;
        }
    }
    for (const char* name : {"count", "tint", "Numbers", "Others", "Blend"}) {
        EXPECT_TRUE(run.hasParam(name)) << name;
    }
    EXPECT_NE(run.log.find(host.warning), std::string::npos) << run.log;
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, CurveHostTest,
    testing::Values(
        CurveHostCase{"no_parametric_suite", "--no-parametric-suite", false,
                      "[ERROR] Warning: curve parameter 'response' skipped, the host cannot "
                      "define it"},
        CurveHostCase{"curves_refused", "--refuse-curves unsupported", true,
                      "[ERROR] Warning: the host refused the default shape of curve parameter "
                      "'response'"}));

// One input of describe_clips and the clip it must become.
struct ClipCase {
    const char* name;
    int optional;
    int mask;
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.name;
}

class DescribeClipsTest : public testing::TestWithParam<ClipCase> {
  protected:
    static void SetUpTestSuite() {
        run = std::make_unique<DescribeRun>(describeBundle("describe_clips"));
    }
    static void TearDownTestSuite() { run.reset(); }

    void SetUp() override { ASSERT_EQ(run->exitCode, 0) << run->errors; }

    static std::unique_ptr<DescribeRun> run;
};

std::unique_ptr<DescribeRun> DescribeClipsTest::run;

TEST_P(DescribeClipsTest, IsOptionalAndAMaskAsItsInputSays) {
    const ClipCase& expected = GetParam();
    const json& clip = run->clip(expected.name);
    EXPECT_EQ(clip["OfxImageClipPropOptional"], json({expected.optional}));
    EXPECT_EQ(clip["OfxImageClipPropIsMask"], json({expected.mask}));
    EXPECT_EQ(clip["OfxImageEffectPropSupportedComponents"], json({"OfxImageComponentRGBA"}));
    EXPECT_EQ(clip["OfxImageEffectPropSupportsTiles"], json({1}));
    EXPECT_EQ(clip["OfxImageEffectPropTemporalClipAccess"], json({0}));
}

INSTANTIATE_TEST_SUITE_P(Inputs, DescribeClipsTest,
                         testing::Values(ClipCase{"Source", 0, 0},
                                         // "Matte" at the start, any case.
                                         ClipCase{"MatteIn", 1, 1},
                                         // "MASK" at the end; noinput="black" makes it optional.
                                         ClipCase{"garbageMASK", 1, 1},
                                         // Named twice: the later input's flag wins.
                                         ClipCase{"Extra", 1, 0}));

TEST_F(DescribeClipsTest, DeclaresEachNameOnceThenTheOutput) {
    EXPECT_EQ(run->clipNames(),
              (std::vector<std::string>{"Source", "MatteIn", "garbageMASK", "Extra", "Output"}));
}

TEST_F(DescribeClipsTest, WithoutUiTheParametersStillComeButNoGroups) {
    const std::vector<std::string> expected = {
        "Controls",    "presetsHelp", "factory_preset_list", "preset_list", "delete_preset",
        "preset_name", "save_preset", "tutorialsButton",     "amount",      "Global Blend",
        "Blend",
    };
    EXPECT_EQ(run->paramNames(), expected);
    EXPECT_EQ(run->param("amount")["OfxParamPropParent"], json({""}));
    EXPECT_EQ(run->param("Controls")["OfxParamPropPageChild"], json::array());
}

TEST(DescribeBareTest, WithoutInputsOnlyTheOutputClipAndTheFrameworkParameters) {
    const DescribeRun run = describeBundle("describe_bare");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.clipNames(), std::vector<std::string>{"Output"});
    const std::vector<std::string> expected = {
        "Controls",    "presetsHelp", "factory_preset_list", "preset_list",  "delete_preset",
        "preset_name", "save_preset", "tutorialsButton",     "Global Blend", "Blend",
    };
    EXPECT_EQ(run.paramNames(), expected);
}

// A definition whose names clash with a parameter of another kind: the
// describe fails cleanly, saying why.
struct ClashCase {
    const char* bundle;
    const char* errors;
    std::vector<std::string> logLines;
};

void PrintTo(const ClashCase& c, std::ostream* os) {
    *os << c.bundle;
}

class NameClashTest : public testing::TestWithParam<ClashCase> {};

TEST_P(NameClashTest, FailsTheDescribeWithTheReason) {
    const ClashCase& clash = GetParam();
    const DescribeRun run = describeBundle(clash.bundle);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("kOfxStatFailed"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(clash.errors), std::string::npos) << run.errors;
    EXPECT_TRUE(containsInOrder(run.log, clash.logLines));
}

INSTANTIATE_TEST_SUITE_P(
    Clashes, NameClashTest,
    testing::Values(
        ClashCase{"clash_fixed_name",
                  "Error creating parameters: Parameter name 'presetsHelp' is already used by a "
                  "parameter of another kind\n",
                  {"[DEBUG] ✗ GenericEffectFactory::describeInContext failed: Failed to create "
                   "parameters from XML\n"}},
        ClashCase{"clash_group_name",
                  "",
                  {"[ERROR] ERROR in organizeUI: Parameter name 'amount' is already used by a "
                   "parameter of another kind\n",
                   "[DEBUG] ✗ GenericEffectFactory::describeInContext failed: Failed to organize "
                   "UI from XML\n"}},
        ClashCase{"clash_global_blend",
                  "",
                  {"[INFO] ✓ XML effect parameters (middle section) added\n",
                   "[DEBUG] ✗ GenericEffectFactory::describeInContext failed: Parameter name "
                   "'Global Blend' is already used by a parameter of another kind\n"}}));

}  // namespace
