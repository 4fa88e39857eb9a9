// The plug-in spine seen from a host: the entry points, the factory built from
// the embedded definition, and the describe actions with their log lines.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "PluginFixture.h"
#include "definition/EmbeddedXml.h"
#include "definition/XMLEffectDefinition.h"
#include "gpu/CudaContext.h"
#include "ofx/api/ofx_gpu_render.h"
#include "ofx/support/OfxEntryPoints.h"
#include "plugin/EffectDefinitionRegistry.h"
#include "util/Logger.h"

namespace {

const char kLogName[] = "ofxfw_test_plugin_describe";

using Values = std::vector<FakeHost::Value>;

Values strings(std::initializer_list<const char*> texts) {
    Values values;
    for (const char* text : texts) {
        values.emplace_back(std::string(text));
    }
    return values;
}

// The definition parsed on its own, as the reference for what describe sets.
const XMLEffectDefinition& referenceDefinition() {
    static const std::unique_ptr<XMLEffectDefinition> definition = [] {
        auto parsed = std::make_unique<XMLEffectDefinition>();
        EXPECT_TRUE(parsed->parseFromEmbeddedXML(EMBEDDED_XML));
        return parsed;
    }();
    return *definition;
}

class PluginDescribeTest : public PluginFixture {
  protected:
    static void TearDownTestSuite() {
        std::remove(Logger::logPath(kLogName).c_str());
        std::remove(Logger::oldLogPath(kLogName).c_str());
    }

    // Loads and describes on a fresh descriptor; returns the describe status.
    OfxStatus loadAndDescribe(OfxImageEffectHandle effect) {
        EXPECT_EQ(call(kOfxActionLoad), kOfxStatOK);
        return call(kOfxActionDescribe, effect);
    }
};

TEST_F(PluginDescribeTest, OffersOneEffectNamedAfterTheDefinitionFile) {
    EXPECT_EQ(OfxGetNumberOfPlugins(), 1);
    EXPECT_STREQ(plugin->pluginIdentifier, "org.ofxfw.probe.v2");
    EXPECT_EQ(plugin->pluginVersionMajor, 1u);
    EXPECT_EQ(plugin->pluginVersionMinor, 0u);
    EXPECT_NE(EffectDefinitionRegistry::getDefinition(referenceDefinition().getName()), nullptr);
}

TEST_F(PluginDescribeTest, DescribeDeclaresTheEffect) {
    const OfxImageEffectHandle effect = host.newEffect();
    ASSERT_EQ(loadAndDescribe(effect), kOfxStatOK);
    const FakeHost::PropertySet& props = host.effectProperties(effect);
    const XMLEffectDefinition& definition = referenceDefinition();
    const char* cuda = cudaBackendCompiledIn() ? "true" : "false";

    const std::vector<std::pair<const char*, Values>> expected = {
        {kOfxImageEffectPropSupportedContexts,
         strings({"OfxImageEffectContextFilter", "OfxImageEffectContextGeneral"})},
        {kOfxImageEffectPropSupportedPixelDepths, strings({"OfxBitDepthFloat"})},
        {kOfxImageEffectPluginPropSingleInstance, {0}},
        {kOfxImageEffectPluginPropHostFrameThreading, {0}},
        {kOfxImageEffectPropSupportsMultiResolution, {0}},
        {kOfxImageEffectPropSupportsTiles, {0}},
        {kOfxImageEffectPropTemporalClipAccess, {0}},
        {kOfxImageEffectPluginPropFieldRenderTwiceAlways, {0}},
        {kOfxImageEffectPropSupportsMultipleClipPARs, {0}},
        {kOfxImageEffectPropNoSpatialAwareness, strings({"false"})},
        {kOfxPropPluginDescription, {definition.getDescription()}},
        {kOfxImageEffectPluginPropGrouping, {definition.getCategory()}},
        {kOfxPropLabel, {definition.getName()}},
        {kOfxImageEffectPropCudaRenderSupported, strings({cuda})},
        {kOfxImageEffectPropCudaStreamSupported, strings({cuda})},
        {kOfxImageEffectPropOpenCLRenderSupported, strings({"false"})},
    };
    for (const auto& [name, values] : expected) {
        EXPECT_EQ(props.values(name), values) << name;
    }
    EXPECT_FALSE(props.has(kOfxImageEffectPropMetalRenderSupported));
    // Describe may come again: the second one succeeds the same way.
    EXPECT_EQ(call(kOfxActionDescribe, host.newEffect()), kOfxStatOK);
}

TEST_F(PluginDescribeTest, RefusedGpuAndNewerFlagsDoNotFailDescribe) {
    for (const char* name :
         {kOfxImageEffectPropCudaRenderSupported, kOfxImageEffectPropCudaStreamSupported,
          kOfxImageEffectPropOpenCLRenderSupported, kOfxImageEffectPropNoSpatialAwareness}) {
        host.refuseProperty(name, kOfxStatErrUnknown);
    }
    const OfxImageEffectHandle effect = host.newEffect();
    EXPECT_EQ(loadAndDescribe(effect), kOfxStatOK);
    EXPECT_EQ(host.effectProperties(effect).values(kOfxPropLabel),
              Values{referenceDefinition().getName()});
}

TEST_F(PluginDescribeTest, RefusedEssentialPropertyFailsDescribeWithTheHostsStatus) {
    host.refuseProperty(kOfxImageEffectPropSupportedPixelDepths, kOfxStatErrValue);
    EXPECT_EQ(loadAndDescribe(host.newEffect()), kOfxStatErrValue);
}

TEST_F(PluginDescribeTest, DescribeInContextSucceedsWithTheSameTiles) {
    ASSERT_EQ(loadAndDescribe(host.newEffect()), kOfxStatOK);
    for (const char* context : {kOfxImageEffectContextFilter, kOfxImageEffectContextGeneral}) {
        const OfxImageEffectHandle effect = host.newEffect();
        EXPECT_EQ(describeInContext(effect, context), kOfxStatOK) << context;
        EXPECT_EQ(host.effectProperties(effect).values(kOfxImageEffectPropSupportsTiles), Values{0})
            << context;
    }
}

TEST_F(PluginDescribeTest, CreatesAndDestroysAnInstance) {
    ASSERT_EQ(loadAndDescribe(host.newEffect()), kOfxStatOK);
    const OfxImageEffectHandle instance = host.newEffect();
    EXPECT_EQ(call(kOfxActionCreateInstance, instance), kOfxStatOK);
    EXPECT_EQ(call(kOfxActionDestroyInstance, instance), kOfxStatOK);
}

TEST_F(PluginDescribeTest, LogRecordsFactoryAndDescribeInOrder) {
    ASSERT_EQ(loadAndDescribe(host.newEffect()), kOfxStatOK);
    Logger::getInstance()->flush();
    std::ifstream file(Logger::logPath(kLogName));
    std::stringstream stream;
    stream << file.rdbuf();
    const std::string log = stream.str();

    const XMLEffectDefinition& definition = referenceDefinition();
    std::vector<std::string> lines = {
        "=== ofxfw_test_plugin_describe Plugin Session Started ===",
        "Debug level: INFO",
        "[INFO] Creating factory for effect: ofxfw_test_plugin_describe",
        "[INFO] XML path: /opt/ofx/probe.ofx.bundle/Contents/effects/probe.v2.xml",
        "[INFO] Loaded XML from embedded binary (release build)",
    };
    const std::string level = definition.getDebugLevel();
    if (!level.empty() && level != "none") {
        lines.push_back("[INFO] Debug level set from XML: " + level);
    }
    lines.push_back("[ERROR] 🔵 GenericEffectFactory::describe called for '" + definition.getName() +
                    "'");
    lines.push_back("[INFO] GenericEffectFactory::describe completed successfully");

    std::size_t position = 0;
    for (const std::string& line : lines) {
        const std::size_t found = log.find(line + "\n", position);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line;
        position = found + line.size();
    }
}

}  // namespace
