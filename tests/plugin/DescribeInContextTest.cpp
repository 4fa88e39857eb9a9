// Describe in context against the in-process fake host: what the headless
// host cannot be made to do (refuse one clip setting, refuse curves as a
// parameter type), and the parameter manager's paths one at a time.

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "FakeHost.h"
#include "PluginFixture.h"
#include "definition/XMLEffectDefinition.h"
#include "ofx/api/ofx_api.h"
#include "ofx/support/ImageEffectDescriptor.h"
#include "ofx/support/OfxEntryPoints.h"
#include "plugin/XMLParameterManager.h"

namespace {

using Values = std::vector<FakeHost::Value>;

class DescribeInContextTest : public PluginFixture {
  protected:
    OfxStatus describeInFilter(OfxImageEffectHandle effect) {
        return describeInContext(effect, kOfxImageEffectContextFilter);
    }
};

TEST_F(DescribeInContextTest, RefusedInputClipFallsBackToTheFixedClips) {
    // Only the definition's input clips set temporal access.
    host.refuseProperty(kOfxImageEffectPropTemporalClipAccess, kOfxStatErrUnsupported);
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    const OfxImageEffectHandle effect = host.newEffect();
    ASSERT_EQ(describeInFilter(effect), kOfxStatOK);

    EXPECT_EQ(host.clipNames(effect), (std::vector<std::string>{"Source", "Output", "mask"}));
    for (const char* name : {"Source", "Output", "mask"}) {
        const FakeHost::PropertySet& clip = host.clipProperties(effect, name);
        EXPECT_EQ(clip.values(kOfxImageEffectPropSupportedComponents),
                  Values{std::string(kOfxImageComponentRGBA)})
            << name;
        EXPECT_EQ(clip.values(kOfxImageEffectPropSupportsTiles), Values{0}) << name;
    }
    const FakeHost::PropertySet& mask = host.clipProperties(effect, "mask");
    EXPECT_EQ(mask.values(kOfxImageClipPropOptional), Values{1});
    EXPECT_EQ(mask.values(kOfxImageClipPropIsMask), Values{1});
    // The parameters are declared as usual.
    EXPECT_EQ(host.param(effect, "Blend").type, kOfxParamTypeDouble);
}

TEST_F(DescribeInContextTest, RefusedFallbackClipFailsTheAction) {
    host.refuseProperty(kOfxImageEffectPropTemporalClipAccess, kOfxStatErrUnsupported);
    host.refuseClip("mask", kOfxStatErrUnsupported);
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    EXPECT_EQ(describeInFilter(host.newEffect()), kOfxStatErrUnsupported);
}

// The parameter manager on a descriptor of the fake host, with the suites
// the load action fetched.
class ParameterManagerTest : public DescribeInContextTest {
  protected:
    void SetUp() override {
        DescribeInContextTest::SetUp();
        ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
        effect = host.newEffect();
        desc = std::make_unique<OFX::ImageEffectDescriptor>(effect);
    }

    OfxImageEffectHandle effect = nullptr;
    std::unique_ptr<OFX::ImageEffectDescriptor> desc;
    const XMLParameterManager manager{};
};

// A colour whose default is given as text (which only code, not the
// definition format, can supply) and components.
struct ColourCase {
    const char* label;
    std::string text;
    std::vector<XMLEffectDefinition::ParameterComponentDef> components;
    Values rgb;
    Values rgba;
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << c.label;
}

class ColourDefaultTest : public ParameterManagerTest,
                          public testing::WithParamInterface<ColourCase> {};

TEST_P(ColourDefaultTest, ComesFromTheTextThenTheComponents) {
    XMLEffectDefinition::ParameterDef def;
    def.type = "color";
    def.defaultString = GetParam().text;
    def.components = GetParam().components;
    def.name = "rgb";
    manager.createColorParam(def, *desc);
    def.name = "rgba";
    manager.createColorRGBAParam(def, *desc);
    EXPECT_EQ(host.param(effect, "rgb").properties.values(kOfxParamPropDefault), GetParam().rgb);
    EXPECT_EQ(host.param(effect, "rgba").properties.values(kOfxParamPropDefault), GetParam().rgba);
}

XMLEffectDefinition::ParameterComponentDef component(const char* name, double value) {
    XMLEffectDefinition::ParameterComponentDef def;
    def.name = name;
    def.defaultValue = value;
    return def;
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ColourDefaultTest,
    testing::Values(
        ColourCase{"nothing", "", {}, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 1.0}},
        ColourCase{
            "bad_piece_counts_as_zero", "0.2,bad,0.6", {}, {0.2, 0.0, 0.6}, {0.2, 0.0, 0.6, 1.0}},
        ColourCase{
            "fourth_piece_is_alpha", "0.1,0.2,0.3,0.4", {}, {0.1, 0.2, 0.3}, {0.1, 0.2, 0.3, 0.4}},
        ColourCase{"fewer_than_three_pieces_ignored",
                   "0.5,0.5",
                   {},
                   {0.0, 0.0, 0.0},
                   {0.0, 0.0, 0.0, 1.0}},
        ColourCase{"components_override_the_text",
                   "0.1,0.2,0.3",
                   {component("g", 0.9), component("a", 0.5), component("x", 7.0)},
                   {0.1, 0.9, 0.3},
                   {0.1, 0.9, 0.3, 0.5}}));

// A host answering the definition of a curve parameter with `status`.
struct CurveRefusalCase {
    const char* label;
    OfxStatus status;
    bool describes;
};

void PrintTo(const CurveRefusalCase& c, std::ostream* os) {
    *os << c.label;
}

class CurveRefusalTest : public ParameterManagerTest,
                         public testing::WithParamInterface<CurveRefusalCase> {};

TEST_P(CurveRefusalTest, SkipsTheCurveOnlyWhenTheHostCannotDoCurves) {
    host.refuseParamType(kOfxParamTypeParametric, GetParam().status);
    XMLEffectDefinition definition;
    ASSERT_TRUE(definition.parseFromEmbeddedXML(
        R"(<effect name="Curves" category="Test">
             <parameters>
               <parameter name="before" type="float"/>
               <parameter name="response" type="curve" default_shape="ease_in"/>
               <parameter name="after" type="float"/>
             </parameters>
             <pipeline><process name="main"/></pipeline>
           </effect>)"));
    XMLParameterManager::PageMap pages;
    EXPECT_EQ(manager.createParameters(definition, *desc, pages), GetParam().describes);
    const std::vector<std::string> defined =
        GetParam().describes ? std::vector<std::string>{"Main", "before", "after"}
                             : std::vector<std::string>{"Main", "before"};
    EXPECT_EQ(host.paramNames(effect), defined);
}

INSTANTIATE_TEST_SUITE_P(
    HostAnswers, CurveRefusalTest,
    testing::Values(CurveRefusalCase{"unsupported", kOfxStatErrUnsupported, true},
                    CurveRefusalCase{"unknown_type", kOfxStatErrUnknown, true},
                    // Not a statement about curves: the describe must fail.
                    CurveRefusalCase{"out_of_memory", kOfxStatErrMemory, false}));

// A curve's default shape and the control points it must start with.
struct CurveShapeCase {
    const char* shape;
    std::vector<std::pair<double, double>> points;
};

void PrintTo(const CurveShapeCase& c, std::ostream* os) {
    *os << '"' << c.shape << '"';
}

class CurveShapeTest : public ParameterManagerTest,
                       public testing::WithParamInterface<CurveShapeCase> {};

TEST_P(CurveShapeTest, StartsWithTheShapesControlPoints) {
    XMLEffectDefinition::ParameterDef def;
    def.name = "response";
    def.type = "curve";
    def.defaultShape = GetParam().shape;
    ASSERT_NE(manager.createCurveParam(def, *desc), nullptr);
    const FakeHost::Param& curve = host.param(effect, "response");
    EXPECT_EQ(curve.curves,
              (std::map<int, std::vector<std::pair<double, double>>>{{0, GetParam().points}}));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CurveShapeTest,
    testing::Values(CurveShapeCase{"linear", {{0.0, 0.0}, {1.0, 1.0}}},
                    CurveShapeCase{"ease_in", {{0.0, 0.0}, {0.5, 0.25}, {1.0, 1.0}}},
                    CurveShapeCase{"ease_out", {{0.0, 0.0}, {0.5, 0.75}, {1.0, 1.0}}},
                    CurveShapeCase{"ease_in_out",
                                   {{0.0, 0.0}, {0.25, 0.1}, {0.5, 0.5}, {0.75, 0.9}, {1.0, 1.0}}},
                    CurveShapeCase{"s_curve", {{0.0, 0.0}, {1.0, 1.0}}}));

TEST_F(ParameterManagerTest, EmptyPageMapGetsAMainPage) {
    XMLEffectDefinition definition;
    ASSERT_TRUE(definition.parseFromEmbeddedXML(
        R"(<effect name="Pages" category="Test">
             <parameters><parameter name="gain" type="float"/></parameters>
             <ui><group name="Look"><parameter>gain</parameter></group></ui>
             <pipeline><process name="main"/></pipeline>
           </effect>)"));
    XMLParameterManager::PageMap pages;
    ASSERT_TRUE(manager.createParameters(definition, *desc, pages));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages.begin()->first, "Main");
    ASSERT_TRUE(manager.organizeUI(definition, *desc, pages));

    EXPECT_EQ(host.paramNames(effect), (std::vector<std::string>{"Main", "gain", "Look"}));
    const FakeHost::PropertySet& page = host.param(effect, "Main").properties;
    EXPECT_EQ(host.param(effect, "Main").type, kOfxParamTypePage);
    EXPECT_EQ(page.values(kOfxPropLabel), Values{std::string("Main")});
    EXPECT_EQ(page.values(kOfxParamPropPageChild), Values{std::string("Look")});
    EXPECT_EQ(host.param(effect, "gain").properties.values(kOfxParamPropParent),
              Values{std::string("Look")});
}

TEST_F(ParameterManagerTest, OrganizeUiAloneAlsoMakesTheMainPage) {
    XMLEffectDefinition definition;
    ASSERT_TRUE(definition.parseFromEmbeddedXML(
        R"(<effect name="Pages" category="Test">
             <parameters><parameter name="gain" type="float"/></parameters>
             <ui><group name="Look"><parameter>gain</parameter></group></ui>
             <pipeline><process name="main"/></pipeline>
           </effect>)"));
    XMLParameterManager::PageMap pages;
    ASSERT_TRUE(manager.organizeUI(definition, *desc, pages));
    EXPECT_EQ(pages.count("Main"), 1u);
    // "gain" was never defined: the group is made, the reference skipped.
    EXPECT_EQ(host.paramNames(effect), (std::vector<std::string>{"Main", "Look"}));
}

TEST_F(ParameterManagerTest, GroupNamedTwiceIsOnThePageOnce) {
    XMLEffectDefinition definition;
    ASSERT_TRUE(definition.parseFromEmbeddedXML(
        R"(<effect name="Pages" category="Test">
             <parameters>
               <parameter name="gain" type="float"/>
               <parameter name="lift" type="float"/>
             </parameters>
             <ui>
               <group name="Look"><parameter>gain</parameter></group>
               <group name="Look"><parameter>lift</parameter></group>
             </ui>
             <pipeline><process name="main"/></pipeline>
           </effect>)"));
    XMLParameterManager::PageMap pages;
    ASSERT_TRUE(manager.createParameters(definition, *desc, pages));
    ASSERT_TRUE(manager.organizeUI(definition, *desc, pages));
    EXPECT_EQ(host.param(effect, "Main").properties.values(kOfxParamPropPageChild),
              Values{std::string("Look")});
    for (const char* name : {"gain", "lift"}) {
        EXPECT_EQ(host.param(effect, name).properties.values(kOfxParamPropParent),
                  Values{std::string("Look")})
            << name;
    }
}

}  // namespace
