// The support layer between the host and a factory: entry points, suite
// loading, action dispatch and the conversion of exceptions to statuses.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "PluginFixture.h"
#include "ofx/api/ofx_gpu_render.h"
#include "ofx/support/ExceptionBoundary.h"
#include "ofx/support/ImageEffectHostDescription.h"
#include "ofx/support/OfxEntryPoints.h"
#include "ofx/support/Plugin.h"
#include "ofx/support/PluginFactoryHelper.h"
#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"

namespace {

// A factory whose describe actions run what the test puts in.
class ProbeFactory : public OFX::PluginFactoryHelper<ProbeFactory> {
  public:
    ProbeFactory() : PluginFactoryHelper("org.ofxfw.test.probe", 2, 3) {}

    void describe(OFX::ImageEffectDescriptor& desc) override {
        if (onDescribe) {
            onDescribe(desc);
        }
    }
    void describeInContext(OFX::ImageEffectDescriptor& desc, OFX::ContextEnum context) override {
        contexts.push_back(context);
        if (onDescribeInContext) {
            onDescribeInContext(desc);
        }
    }

    std::function<void(OFX::ImageEffectDescriptor&)> onDescribe;
    std::function<void(OFX::ImageEffectDescriptor&)> onDescribeInContext;
    std::vector<OFX::ContextEnum> contexts;
};

ProbeFactory& probe() {
    static ProbeFactory factory;
    return factory;
}

}  // namespace

// A repeated factory and a null entry are not offered twice or at all.
void OFX::Plugin::getPluginIDs(OFX::PluginFactoryArray& ids) {
    ids.push_back(&probe());
    ids.push_back(&probe());
    ids.push_back(nullptr);
}

namespace {

class SupportDispatchTest : public PluginFixture {
  protected:
    void SetUp() override {
        probe().onDescribe = nullptr;
        probe().onDescribeInContext = nullptr;
        probe().contexts.clear();
        PluginFixture::SetUp();
    }
};

TEST_F(SupportDispatchTest, EntryPointsOfferOneRecordPerDistinctFactory) {
    EXPECT_EQ(OfxGetNumberOfPlugins(), 1);
    EXPECT_STREQ(plugin->pluginApi, "OfxImageEffectPluginAPI");
    EXPECT_EQ(plugin->apiVersion, 1);
    EXPECT_STREQ(plugin->pluginIdentifier, "org.ofxfw.test.probe");
    EXPECT_EQ(plugin->pluginVersionMajor, 2u);
    EXPECT_EQ(plugin->pluginVersionMinor, 3u);
    EXPECT_NE(plugin->mainEntry, nullptr);
    EXPECT_EQ(OfxGetPlugin(1), nullptr);
    EXPECT_EQ(OfxGetPlugin(-1), nullptr);
    // The records are built once: the same record comes back.
    EXPECT_EQ(OfxGetPlugin(0), plugin);
}

TEST_F(SupportDispatchTest, LoadFetchesSuitesAndReadsTheHost) {
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    EXPECT_NE(OFX::Private::gPropSuite, nullptr);
    EXPECT_NE(OFX::Private::gMessageSuite, nullptr);
    EXPECT_NE(OFX::Private::gDrawSuite, nullptr);
    const OFX::ImageEffectHostDescription& description = OFX::getImageEffectHostDescription();
    EXPECT_EQ(description.hostLabel, "Fake Host");
    EXPECT_EQ(description.apiVersionMajor, 1);
    EXPECT_EQ(description.apiVersionMinor, 4);

    ASSERT_EQ(call(kOfxActionUnload), kOfxStatOK);
    EXPECT_EQ(OFX::Private::gPropSuite, nullptr);
}

struct SuiteCase {
    const char* name;
    int version;
};

void PrintTo(const SuiteCase& suite, std::ostream* out) {
    *out << suite.name << " v" << suite.version;
}

class RequiredSuiteTest : public SupportDispatchTest,
                          public ::testing::WithParamInterface<SuiteCase> {};

TEST_P(RequiredSuiteTest, MissingRequiredSuiteFailsLoadAndKeepsNothing) {
    host.withholdSuite(GetParam().name, GetParam().version);
    EXPECT_EQ(call(kOfxActionLoad), kOfxStatErrMissingHostFeature);
    EXPECT_EQ(OFX::Private::gPropSuite, nullptr);
    EXPECT_EQ(OFX::Private::gEffectSuite, nullptr);
    // Without suites a describe fails cleanly instead of crashing.
    EXPECT_EQ(call(kOfxActionDescribe, host.newEffect()), kOfxStatFailed);
}

INSTANTIATE_TEST_SUITE_P(
    Suites, RequiredSuiteTest,
    ::testing::Values(SuiteCase{kOfxPropertySuite, 1}, SuiteCase{kOfxImageEffectSuite, 1},
                      SuiteCase{kOfxParameterSuite, 1}, SuiteCase{kOfxMemorySuite, 1},
                      SuiteCase{kOfxMultiThreadSuite, 1}, SuiteCase{kOfxMessageSuite, 1}));

class OptionalSuiteTest : public SupportDispatchTest,
                          public ::testing::WithParamInterface<SuiteCase> {};

TEST_P(OptionalSuiteTest, MissingOptionalSuiteIsNullAndLoadSucceeds) {
    host.withholdSuite(GetParam().name, GetParam().version);
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    const std::vector<const void*> optional = {
        OFX::Private::gMessageSuiteV2, OFX::Private::gInteractSuite, OFX::Private::gDrawSuite,
        OFX::Private::gParametricParameterSuite};
    int missing = 0;
    for (const void* suite : optional) {
        missing += suite == nullptr ? 1 : 0;
    }
    EXPECT_EQ(missing, 1);
    EXPECT_EQ(call(kOfxActionDescribe, host.newEffect()), kOfxStatOK);
}

INSTANTIATE_TEST_SUITE_P(Suites, OptionalSuiteTest,
                         ::testing::Values(SuiteCase{kOfxMessageSuite, 2},
                                           SuiteCase{kOfxInteractSuite, 1},
                                           SuiteCase{kOfxDrawSuite, 1},
                                           SuiteCase{kOfxParametricParameterSuite, 1}));

TEST_F(SupportDispatchTest, LoadWithoutHostFails) {
    plugin->setHost(nullptr);
    EXPECT_EQ(call(kOfxActionLoad), kOfxStatErrMissingHostFeature);
}

struct ThrowCase {
    const char* label;
    std::function<void()> raise;
    OfxStatus expected;
};

const std::vector<ThrowCase>& throwCases() {
    static const std::vector<ThrowCase> cases = {
        {"nothing", [] {}, kOfxStatOK},
        {"suite error keeps its status",
         [] { throw OFX::SuiteError(kOfxStatErrValue, "bad value"); }, kOfxStatErrValue},
        {"GPU status is standard",
         [] { throw OFX::SuiteError(kOfxStatGPUOutOfMemory, "no memory"); },
         kOfxStatGPUOutOfMemory},
        {"non-standard status", [] { throw OFX::SuiteError(4242, "odd"); }, kOfxStatFailed},
        {"newer status unknown to hosts",
         [] { throw OFX::SuiteError(kOfxStatUnlicensed, "unlicensed"); }, kOfxStatFailed},
        {"error claiming success", [] { throw OFX::SuiteError(kOfxStatOK, "odd"); },
         kOfxStatFailed},
        {"standard exception", [] { throw std::runtime_error("boom"); }, kOfxStatFailed},
        {"allocation failure", [] { throw std::bad_alloc(); }, kOfxStatFailed},
        {"not an exception class", [] { throw 7; }, kOfxStatFailed},
    };
    return cases;
}

TEST(ExceptionBoundaryTest, EveryExceptionBecomesAStandardStatus) {
    for (const ThrowCase& c : throwCases()) {
        const OfxStatus status = OFX::Private::runGuarded("test", [&] {
            c.raise();
            return kOfxStatOK;
        });
        EXPECT_EQ(status, c.expected) << c.label;
    }
}

TEST(ExceptionBoundaryTest, NonStandardReturnedStatusBecomesFailed) {
    EXPECT_EQ(OFX::Private::runGuarded("test", [] { return 77; }), kOfxStatFailed);
    EXPECT_EQ(OFX::Private::runGuarded("test", [] { return kOfxStatReplyDefault; }),
              kOfxStatReplyDefault);
}

TEST_F(SupportDispatchTest, ExceptionsFromDescribeReachTheHostAsStatuses) {
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    for (const ThrowCase& c : throwCases()) {
        probe().onDescribe = [&](OFX::ImageEffectDescriptor&) { c.raise(); };
        EXPECT_EQ(call(kOfxActionDescribe, host.newEffect()), c.expected) << c.label;
    }
}

TEST_F(SupportDispatchTest, ActionsWithoutHandlersAnswerPlainly) {
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    EXPECT_EQ(call(kOfxImageEffectActionRender, host.newEffect()), kOfxStatReplyDefault);
    EXPECT_EQ(call("SomeFutureAction"), kOfxStatReplyDefault);
    EXPECT_EQ(call(kOfxActionCreateInstance, host.newEffect()), kOfxStatFailed);
    EXPECT_EQ(call(kOfxActionDestroyInstance, host.newEffect()), kOfxStatOK);
    EXPECT_EQ(call(nullptr), kOfxStatErrValue);
    EXPECT_EQ(call(kOfxActionDescribe, nullptr), kOfxStatErrBadHandle);
}

TEST_F(SupportDispatchTest, DescribeInContextPassesTheHostsContext) {
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    EXPECT_EQ(describeInContext(host.newEffect(), kOfxImageEffectContextFilter), kOfxStatOK);
    EXPECT_EQ(describeInContext(host.newEffect(), kOfxImageEffectContextGeneral), kOfxStatOK);
    EXPECT_EQ(probe().contexts,
              (std::vector<OFX::ContextEnum>{OFX::ContextEnum::Filter, OFX::ContextEnum::General}));

    EXPECT_EQ(describeInContext(host.newEffect(), "OfxImageEffectContextFuture"),
              kOfxStatErrMissingHostFeature);
    EXPECT_EQ(call(kOfxImageEffectActionDescribeInContext, host.newEffect(), nullptr),
              kOfxStatErrBadHandle);
    EXPECT_EQ(probe().contexts.size(), 2u);
}

TEST_F(SupportDispatchTest, TilesFromDescribeAreRepeatedInEveryContext) {
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    probe().onDescribe = [](OFX::ImageEffectDescriptor& desc) { desc.setSupportsTiles(false); };
    ASSERT_EQ(call(kOfxActionDescribe, host.newEffect()), kOfxStatOK);

    const OfxImageEffectHandle contextEffect = host.newEffect();
    ASSERT_EQ(describeInContext(contextEffect, kOfxImageEffectContextFilter), kOfxStatOK);
    EXPECT_EQ(host.effectProperties(contextEffect).values(kOfxImageEffectPropSupportsTiles),
              std::vector<FakeHost::Value>{0});

    // A describe that leaves tiles alone leaves the context descriptor alone too.
    probe().onDescribe = nullptr;
    ASSERT_EQ(call(kOfxActionDescribe, host.newEffect()), kOfxStatOK);
    const OfxImageEffectHandle untouched = host.newEffect();
    ASSERT_EQ(describeInContext(untouched, kOfxImageEffectContextFilter), kOfxStatOK);
    EXPECT_FALSE(host.effectProperties(untouched).has(kOfxImageEffectPropSupportsTiles));
}

TEST_F(SupportDispatchTest, EssentialPropertyRefusalFailsDescribe) {
    host.refuseProperty(kOfxImageEffectPropSupportedContexts, kOfxStatErrUnknown);
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    probe().onDescribe = [](OFX::ImageEffectDescriptor& desc) {
        desc.setSupportedContexts({OFX::ContextEnum::Filter});
    };
    EXPECT_EQ(call(kOfxActionDescribe, host.newEffect()), kOfxStatErrUnknown);
}

TEST_F(SupportDispatchTest, OptionalPropertyRefusalIsReportedNotFatal) {
    for (const char* name :
         {kOfxImageEffectPropCudaRenderSupported, kOfxImageEffectPropCudaStreamSupported,
          kOfxImageEffectPropOpenCLRenderSupported, kOfxImageEffectPropNoSpatialAwareness,
          kOfxPropPluginDescription}) {
        host.refuseProperty(name, kOfxStatErrUnknown);
    }
    ASSERT_EQ(call(kOfxActionLoad), kOfxStatOK);
    std::vector<bool> accepted;
    probe().onDescribe = [&](OFX::ImageEffectDescriptor& desc) {
        accepted = {desc.setCudaRenderSupported(true), desc.setCudaStreamSupported(true),
                    desc.setOpenCLRenderSupported(false), desc.setNoSpatialAwareness(false),
                    desc.setPluginDescription("text")};
        desc.setLabel("still described");
    };
    const OfxImageEffectHandle effect = host.newEffect();
    EXPECT_EQ(call(kOfxActionDescribe, effect), kOfxStatOK);
    EXPECT_EQ(accepted, std::vector<bool>(5, false));
    EXPECT_EQ(host.effectProperties(effect).values(kOfxPropLabel),
              std::vector<FakeHost::Value>{std::string("still described")});
}

}  // namespace
