// The support layer's instance actions with a GenericEffect behind them:
// create, identity answers written to the host's out-arguments, destroy.

#include <gtest/gtest.h>

#include <memory>

#include "EffectInstanceHarness.h"
#include "EffectTestSupport.h"
#include "PropertySet.h"
#include "effect/GenericEffect.h"
#include "ofx/support/ExceptionBoundary.h"
#include "ofx/support/InstanceActions.h"
#include "ofx/support/PluginFactoryHelper.h"
#include "presets/PresetManager.h"
#include "presets/TempDir.h"

namespace {

class ProbeFactory : public OFX::PluginFactoryHelper<ProbeFactory> {
  public:
    ProbeFactory() : PluginFactoryHelper("org.ofxfw.test.instances", 1, 0) {}
    void describe(OFX::ImageEffectDescriptor&) override {}
    void describeInContext(OFX::ImageEffectDescriptor&, OFX::ContextEnum) override {}
    std::unique_ptr<OFX::ImageEffect> createInstance(OfxImageEffectHandle handle,
                                                     OFX::ContextEnum) override {
        return std::make_unique<GenericEffect>(handle, "/opt/effect_probe.xml");
    }
};

OfxStatus send(ProbeFactory& factory, const char* action, OfxImageEffectHandle handle,
               ofxhost::PropertySet* inArgs = nullptr, ofxhost::PropertySet* outArgs = nullptr) {
    return *OFX::Private::dispatchInstanceAction(factory, action, handle,
                                                 inArgs ? inArgs->handle() : nullptr,
                                                 outArgs ? outArgs->handle() : nullptr);
}

// IsIdentity at time 6 with level 0.5 (the probe's second condition holds).
OfxStatus askIdentity(ProbeFactory& factory, EffectInstanceHarness& host,
                      ofxhost::PropertySet& outArgs) {
    host.setNumbers("level", {0.5});
    ofxhost::PropertySet inArgs;
    inArgs.addDouble(kOfxPropTime, {6.0});
    outArgs.addString(kOfxPropName, {""}).addDouble(kOfxPropTime, {6.0});
    return send(factory, kOfxImageEffectActionIsIdentity, host.handle(), &inArgs, &outArgs);
}

// Each test gets a HOME of its own for the preset folder.
class InstanceActionsTest : public testing::Test {
  protected:
    TempDir home;
    ScopedHome scopedHome{home.path()};
    ProbeFactory factory;
};

TEST_F(InstanceActionsTest, IdentityNamesTheClipToPassThrough) {
    EffectInstanceHarness host;
    ASSERT_EQ(send(factory, kOfxActionCreateInstance, host.handle()), kOfxStatOK);
    ofxhost::PropertySet outArgs;
    EXPECT_EQ(askIdentity(factory, host, outArgs), kOfxStatOK);
    EXPECT_EQ(outArgs.getString(kOfxPropName), "Background");
    EXPECT_EQ(outArgs.getDouble(kOfxPropTime), 6.0);
    EXPECT_EQ(send(factory, kOfxActionDestroyInstance, host.handle()), kOfxStatOK);
    // Once destroyed, the handle is no instance of ours any more.
    EXPECT_EQ(askIdentity(factory, host, outArgs), kOfxStatReplyDefault);
}

TEST_F(InstanceActionsTest, IdentityWithoutAClipRendersInstead) {
    EffectInstanceHarness host({"Source", "Output"});
    ASSERT_EQ(send(factory, kOfxActionCreateInstance, host.handle()), kOfxStatOK);
    ofxhost::PropertySet outArgs;
    EXPECT_EQ(askIdentity(factory, host, outArgs), kOfxStatReplyDefault);
    EXPECT_EQ(outArgs.getString(kOfxPropName), "");
    EXPECT_NE(logText("ofxfw effect probe")
                  .find("[ERROR] Identity without a clip to pass through - rendering instead"),
              std::string::npos);
    EXPECT_EQ(send(factory, kOfxActionDestroyInstance, host.handle()), kOfxStatOK);
}

// Rendering is not there yet: the host is told the render failed, the reason
// is in the log, and the instance keeps answering.
TEST_F(InstanceActionsTest, RenderFailsWithALoggedErrorAndTheInstanceLivesOn) {
    EffectInstanceHarness host;
    ASSERT_EQ(send(factory, kOfxActionCreateInstance, host.handle()), kOfxStatOK);

    ofxhost::PropertySet renderArgs;
    renderArgs.addDouble(kOfxPropTime, {0.0});
    const OfxStatus status = OFX::Private::runGuarded(kOfxImageEffectActionRender, [&] {
        return send(factory, kOfxImageEffectActionRender, host.handle(), &renderArgs);
    });
    EXPECT_EQ(status, kOfxStatFailed);
    EXPECT_NE(logText("ofxfw effect probe")
                  .find("[ERROR] " + std::string(kOfxImageEffectActionRender) + " failed: "),
              std::string::npos);

    ofxhost::PropertySet outArgs;
    EXPECT_EQ(askIdentity(factory, host, outArgs), kOfxStatOK);
    EXPECT_EQ(send(factory, kOfxActionDestroyInstance, host.handle()), kOfxStatOK);
}

TEST_F(InstanceActionsTest, ParameterChangesReachTheInstanceAndClipChangesDoNot) {
    EffectInstanceHarness host;
    ASSERT_EQ(send(factory, kOfxActionCreateInstance, host.handle()), kOfxStatOK);

    ofxhost::PropertySet change;
    change.addString(kOfxPropType, {kOfxTypeParameter})
        .addString(kOfxPropName, {"save_preset"})
        .addString(kOfxPropChangeReason, {kOfxChangeUserEdited})
        .addDouble(kOfxPropTime, {0.0});
    host.setText("preset_name", "via_action");
    EXPECT_EQ(send(factory, kOfxActionInstanceChanged, host.handle(), &change), kOfxStatOK);
    EXPECT_TRUE(PresetManager::fileExists(
        home.path() + "/.config/corvane/presets/ofxfw effect probe/via_action.xml"));

    ofxhost::PropertySet clipChange;
    clipChange.addString(kOfxPropType, {kOfxTypeClip})
        .addString(kOfxPropName, {"Source"})
        .addString(kOfxPropChangeReason, {kOfxChangeUserEdited})
        .addDouble(kOfxPropTime, {0.0});
    EXPECT_EQ(send(factory, kOfxActionInstanceChanged, host.handle(), &clipChange),
              kOfxStatReplyDefault);
    EXPECT_EQ(send(factory, kOfxActionDestroyInstance, host.handle()), kOfxStatOK);
}

}  // namespace
