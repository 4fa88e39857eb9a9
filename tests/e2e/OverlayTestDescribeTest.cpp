#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "E2ePaths.h"
#include "HostSession.h"
#include "ofx/api/ofx_api.h"

namespace {

using ofxhost::HostSession;

// The plug-in's identifier: the framework's prefix and the definition file's stem.
constexpr char kIdentifier[] = "org.ofxfw.overlay_test";

// What the definition says about the effect, read independently of the plug-in.
struct Definition {
    std::string name;
    std::string category;
    std::string description;
};

Definition readDefinition() {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_file(kOverlayTestDefinition)) << kOverlayTestDefinition;
    const pugi::xml_node effect = document.child("effect");
    return {effect.attribute("name").value(), effect.attribute("category").value(),
            effect.child("description").text().get()};
}

// One describe of the real bundle, shared by the checks below.
class OverlayTestDescribeTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        session = std::make_unique<HostSession>();
        session->load(kOverlayTestBundle);
        session->describe();
        session->unload();
    }
    static void TearDownTestSuite() { session.reset(); }

    static const ofxhost::PluginDescription& plugin() { return session->plugins().at(0); }
    static const ofxhost::PropertySet& properties() { return plugin().descriptor->properties(); }

    static std::unique_ptr<HostSession> session;
};

std::unique_ptr<HostSession> OverlayTestDescribeTest::session;

TEST_F(OverlayTestDescribeTest, IsOneEffectWithTheFrameworkIdentifierAndVersion) {
    ASSERT_EQ(session->plugins().size(), 1u);
    EXPECT_EQ(plugin().identifier, kIdentifier);
    EXPECT_EQ(plugin().versionMajor, 1u);
    EXPECT_EQ(plugin().versionMinor, 0u);
}

TEST_F(OverlayTestDescribeTest, TakesLabelGroupingAndDescriptionFromTheDefinition) {
    const Definition definition = readDefinition();
    EXPECT_EQ(properties().getString(kOfxPropLabel), definition.name);
    EXPECT_EQ(properties().getString(kOfxImageEffectPluginPropGrouping), definition.category);
    EXPECT_EQ(properties().getString(kOfxPropPluginDescription), definition.description);
}

TEST_F(OverlayTestDescribeTest, SupportsFilterAndGeneralInFloatOnly) {
    EXPECT_EQ(
        properties().getStrings(kOfxImageEffectPropSupportedContexts),
        (std::vector<std::string>{kOfxImageEffectContextFilter, kOfxImageEffectContextGeneral}));
    EXPECT_EQ(properties().getStrings(kOfxImageEffectPropSupportedPixelDepths),
              (std::vector<std::string>{kOfxBitDepthFloat}));
    ASSERT_EQ(plugin().contexts.size(), 2u);
    EXPECT_EQ(plugin().contexts[0].context, kOfxImageEffectContextFilter);
    EXPECT_EQ(plugin().contexts[1].context, kOfxImageEffectContextGeneral);
}

struct FlagCase {
    const char* property;
    int expected;
};

void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << c.property;
}

class OverlayTestFlagTest : public OverlayTestDescribeTest,
                            public testing::WithParamInterface<FlagCase> {};

TEST_P(OverlayTestFlagTest, IsSetAsDescribed) {
    EXPECT_EQ(properties().getInt(GetParam().property), GetParam().expected) << GetParam().property;
}

INSTANTIATE_TEST_SUITE_P(BasicProperties, OverlayTestFlagTest,
                         testing::Values(FlagCase{kOfxImageEffectPluginPropSingleInstance, 0},
                                         FlagCase{kOfxImageEffectPluginPropHostFrameThreading, 0},
                                         FlagCase{kOfxImageEffectPropSupportsMultiResolution, 0},
                                         FlagCase{kOfxImageEffectPropSupportsTiles, 0},
                                         FlagCase{kOfxImageEffectPropTemporalClipAccess, 0},
                                         FlagCase{kOfxImageEffectPluginPropFieldRenderTwiceAlways,
                                                  0},
                                         FlagCase{kOfxImageEffectPropSupportsMultipleClipPARs, 0}));

TEST_F(OverlayTestDescribeTest, DeclaresNoSpatialAwarenessAsFalse) {
    EXPECT_EQ(properties().getString(kOfxImageEffectPropNoSpatialAwareness), "false");
}

TEST_F(OverlayTestDescribeTest, AdvertisesCudaOnlyWhenBuiltAndNeverOpenCL) {
    const std::string cuda = kCudaBackendBuilt ? "true" : "false";
    EXPECT_EQ(properties().getString(kOfxImageEffectPropCudaRenderSupported), cuda);
    EXPECT_EQ(properties().getString(kOfxImageEffectPropCudaStreamSupported), cuda);
    EXPECT_EQ(properties().getString(kOfxImageEffectPropOpenCLRenderSupported), "false");
    EXPECT_EQ(properties().getString(kOfxImageEffectPropMetalRenderSupported), "false");
}

TEST_F(OverlayTestDescribeTest, EveryActionSucceeded) {
    for (const ofxhost::ActionRecord& record : session->actions()) {
        EXPECT_TRUE(record.status == kOfxStatOK || record.status == kOfxStatReplyDefault)
            << record.action << " " << record.context << " returned " << record.status;
    }
    EXPECT_TRUE(session->warnings().empty());
}

}  // namespace
