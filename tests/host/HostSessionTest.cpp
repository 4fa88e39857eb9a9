#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "FakePlugin.h"
#include "HostError.h"
#include "HostSession.h"
#include "HostVariants.h"
#include "TestPaths.h"
#include "ofx/api/ofx_api.h"

namespace {

using ofxhost::ActionError;
using ofxhost::HostError;
using ofxhost::HostOptions;
using ofxhost::HostSession;

std::vector<std::string> paramNames(const ofxhost::ImageEffect& descriptor) {
    std::vector<std::string> names;
    for (const auto& param : descriptor.params().params()) {
        names.push_back(param->name());
    }
    return names;
}

class HostSessionTest : public testing::Test {
  protected:
    FakePlugin _fake;
};

TEST_F(HostSessionTest, DrivesTheWholeSequence) {
    {
        HostSession session;
        session.load(kFakePluginBundle);
        session.describe();
        session.createAndDestroyInstances();
        session.unload();

        ASSERT_EQ(session.plugins().size(), 1u);
        const auto& plugin = session.plugins()[0];
        EXPECT_EQ(plugin.identifier, "org.test.fake");
        EXPECT_EQ(plugin.versionMajor, 2u);
        EXPECT_EQ(plugin.versionMinor, 3u);
        EXPECT_EQ(plugin.descriptor->properties().getString(kOfxPropLabel), "Fake Effect");
        EXPECT_EQ(plugin.descriptor->properties().getString(kOfxPluginPropFilePath),
                  kFakePluginBundle);
        ASSERT_EQ(plugin.contexts.size(), 2u);
        EXPECT_EQ(plugin.contexts[0].context, kOfxImageEffectContextFilter);
        EXPECT_EQ(plugin.contexts[1].context, kOfxImageEffectContextGeneral);
        const auto& filter = *plugin.contexts[0].descriptor;
        ASSERT_EQ(filter.clips().size(), 2u);
        EXPECT_EQ(filter.clips()[0]->name(), "Source");
        EXPECT_EQ(paramNames(filter),
                  (std::vector<std::string>{"Controls", "grp", "gain", "centre", "colour", "mode",
                                            "name", "cells", "enabled", "press", "curve"}));
        EXPECT_EQ(filter.params().properties().getStrings(kOfxPluginPropParamPageOrder),
                  (std::vector<std::string>{"Controls"}));
        EXPECT_EQ(filter.params().find("curve")->curves().at(0).size(), 3u);
        EXPECT_NE(plugin.overlay, nullptr);

        std::vector<std::string> actions;
        for (const auto& record : session.actions()) {
            EXPECT_TRUE(record.status == kOfxStatOK || record.status == kOfxStatReplyDefault)
                << record.action;
            actions.push_back(record.action);
        }
        EXPECT_EQ(actions, (std::vector<std::string>{
                               kOfxActionLoad, kOfxActionDescribe, "overlay OfxActionDescribe",
                               kOfxImageEffectActionDescribeInContext,
                               kOfxImageEffectActionDescribeInContext, kOfxActionCreateInstance,
                               kOfxActionDestroyInstance, kOfxActionCreateInstance,
                               kOfxActionDestroyInstance, kOfxActionUnload}));
        EXPECT_TRUE(session.warnings().empty());
    }
    const FakePluginReport& report = _fake.report();
    EXPECT_EQ(report.unexpectedFailures, 0) << report.firstFailure;
    EXPECT_EQ(report.overlayV2Status, kOfxStatOK);
    EXPECT_EQ(report.curveStatus, kOfxStatOK);
    EXPECT_EQ(report.instancesCreated, 2);
    EXPECT_EQ(report.instancesDestroyed, 2);
    EXPECT_EQ(report.gainAtCreation, 0.5);
    EXPECT_EQ(report.unloads, 1) << "unloaded once, not again by the destructor";
}

TEST_F(HostSessionTest, DescribesOnlyTheRequestedContext) {
    HostSession session;
    session.load(kFakePluginBinary);
    session.describe({kOfxImageEffectContextGeneral});
    ASSERT_EQ(session.plugins()[0].contexts.size(), 1u);
    const auto& general = *session.plugins()[0].contexts[0].descriptor;
    ASSERT_EQ(general.clips().size(), 1u);
    EXPECT_EQ(general.clips()[0]->name(), "Output");
}

// A failing action stops the session with the action and the status named.
struct FailureCase {
    const char* action;
    OfxStatus status;
    const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.action << " " << c.status;
}

class HostSessionFailureTest : public HostSessionTest,
                               public testing::WithParamInterface<FailureCase> {};

TEST_P(HostSessionFailureTest, NamesActionAndStatus) {
    _fake.failAction(GetParam().action, GetParam().status);
    HostSession session;
    try {
        session.load(kFakePluginBundle);
        session.describe();
        session.createAndDestroyInstances();
        session.unload();
        FAIL() << "expected a failure";
    } catch (const ActionError& error) {
        EXPECT_EQ(error.status(), GetParam().status);
        EXPECT_EQ(std::string(error.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, HostSessionFailureTest,
    testing::Values(
        FailureCase{kOfxActionLoad, kOfxStatFailed,
                    "OfxActionLoad of org.test.fake failed: kOfxStatFailed"},
        FailureCase{kOfxActionDescribe, kOfxStatErrMissingHostFeature,
                    "OfxActionDescribe of org.test.fake failed: kOfxStatErrMissingHostFeature"},
        FailureCase{kOfxActionDescribe, kOfxStatReplyDefault,
                    "OfxActionDescribe of org.test.fake failed: kOfxStatReplyDefault"},
        FailureCase{kOfxImageEffectActionDescribeInContext, kOfxStatErrFatal,
                    "OfxImageEffectActionDescribeInContext of org.test.fake in the filter "
                    "context failed: kOfxStatErrFatal"},
        FailureCase{kOfxActionUnload, kOfxStatErrMemory,
                    "OfxActionUnload of org.test.fake failed: kOfxStatErrMemory"}));

TEST_F(HostSessionTest, FailedInstanceCreationIsAWarningAndIsNotDestroyed) {
    _fake.failAction(kOfxActionCreateInstance, kOfxStatFailed);
    HostSession session;
    session.load(kFakePluginBundle);
    session.describe();
    session.createAndDestroyInstances();
    session.unload();
    ASSERT_EQ(session.warnings().size(), 2u);
    EXPECT_EQ(session.warnings()[0],
              "OfxActionCreateInstance of org.test.fake in the filter context failed: "
              "kOfxStatFailed");
    EXPECT_EQ(_fake.report().instancesDestroyed, 0);
}

TEST_F(HostSessionTest, ContextNeedingAMissingFeatureIsSkipped) {
    _fake.failAction(kOfxImageEffectActionDescribeInContext, kOfxStatErrMissingHostFeature);
    HostSession session;
    session.load(kFakePluginBundle);
    EXPECT_THROW(session.describe(), HostError) << "no context left";
    EXPECT_EQ(session.warnings().size(), 2u);
}

TEST_F(HostSessionTest, UnusableBinariesAreRefusedWithTheirCause) {
    const auto messageOf = [](const std::string& path) {
        try {
            HostSession session;
            session.load(path);
        } catch (const HostError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_NE(messageOf("/nonexistent/thing.ofx.bundle").find("no such bundle"), std::string::npos);
    EXPECT_NE(messageOf(kNotAPluginBinary).find("does not export the OFX entry points"),
              std::string::npos);
    const std::string notABundle = std::string(kFakePluginBundle) + "/Contents";
    EXPECT_NE(messageOf(notABundle).find("not an OFX bundle"), std::string::npos);

    _fake.control().pluginCount = 0;
    EXPECT_NE(messageOf(kFakePluginBundle).find("holds no plug-ins"), std::string::npos);
    _fake.control().pluginCount = 1;
    _fake.control().setHostStatus = kOfxStatFailed;
    EXPECT_NE(messageOf(kFakePluginBundle).find("OfxSetHost returned kOfxStatFailed"),
              std::string::npos);
}

TEST_F(HostSessionTest, MissingPluginEntriesAreWarnings) {
    _fake.control().pluginCount = 2;
    HostSession session;
    session.load(kFakePluginBundle);
    ASSERT_EQ(session.warnings().size(), 1u);
    EXPECT_EQ(session.warnings()[0], "OfxGetPlugin(1) returned nothing");
    EXPECT_EQ(session.plugins().size(), 1u);
}

// The switches of real hosts: the plug-in must still describe completely.
struct SwitchCase {
    const char* label;
    HostOptions options;
    bool drawSuite;
    bool parametricSuite;
    OfxStatus curveStatus;
    OfxStatus overlayV2Status;
    size_t curvePoints;  // points on the described curve (none without the suite)
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SwitchCase& c, std::ostream* os) {
    *os << c.label;
}

class HostSwitchTest : public HostSessionTest, public testing::WithParamInterface<SwitchCase> {};

TEST_P(HostSwitchTest, DescribeStillSucceeds) {
    const SwitchCase& c = GetParam();
    HostSession session(c.options);
    session.load(kFakePluginBundle);
    session.describe();
    session.createAndDestroyInstances();
    session.unload();
    const FakePluginReport& report = _fake.report();
    EXPECT_EQ(report.unexpectedFailures, 0) << report.firstFailure;
    EXPECT_EQ(report.drawSuiteFetched != 0, c.drawSuite);
    EXPECT_EQ(report.parametricSuiteFetched != 0, c.parametricSuite);
    EXPECT_EQ(report.curveStatus, c.curveStatus);
    EXPECT_EQ(report.overlayV2Status, c.overlayV2Status);
    const auto& filter = *session.plugins()[0].contexts[0].descriptor;
    const ofxhost::Param* curve = filter.params().find("curve");
    EXPECT_EQ(curve == nullptr          ? 0u
              : curve->curves().empty() ? 0u
                                        : curve->curves().at(0).size(),
              c.curvePoints);
    EXPECT_EQ(report.overlayDescribes, 1) << "the V1 overlay still registers";
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, HostSwitchTest,
    testing::Values(SwitchCase{"complete", {}, true, true, kOfxStatOK, kOfxStatOK, 3},
                    SwitchCase{"no draw suite", withoutDrawSuite(), false, true, kOfxStatOK,
                               kOfxStatOK, 3},
                    SwitchCase{"no parametric suite", withoutParametricSuite(), true, false,
                               kOfxStatOK, kOfxStatOK, 0},
                    SwitchCase{"curves unsupported", refusingCurves(kOfxStatErrUnsupported), true,
                               true, kOfxStatErrUnsupported, kOfxStatOK, 0},
                    SwitchCase{"curves unknown", refusingCurves(kOfxStatErrUnknown), true, true,
                               kOfxStatErrUnknown, kOfxStatOK, 0},
                    SwitchCase{"overlay V2 refused", refusingOverlayV2(), true, true, kOfxStatOK,
                               kOfxStatErrUnknown, 3}),
    [](const auto& info) {
        std::string name = info.param.label;
        for (char& c : name) {
            c = c == ' ' ? '_' : c;
        }
        return name;
    });

}  // namespace
