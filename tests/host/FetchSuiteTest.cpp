#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "Host.h"
#include "HostVariants.h"
#include "ImageEffect.h"
#include "ofx/api/ofx_api.h"

namespace {

using ofxhost::Host;
using ofxhost::HostOptions;

struct FetchCase {
    const char* label;
    HostOptions options;
    const char* suite;
    int version;
    bool served;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FetchCase& c, std::ostream* os) {
    *os << c.label;
}

class FetchSuiteTest : public testing::TestWithParam<FetchCase> {};

// Fetched the way a plug-in does: through the OfxHost record.
TEST_P(FetchSuiteTest, ServesByNameVersionAndSwitches) {
    Host host(GetParam().options);
    OfxHost* record = host.ofxHost();
    const void* suite = record->fetchSuite(record->host, GetParam().suite, GetParam().version);
    EXPECT_EQ(suite != nullptr, GetParam().served) << GetParam().label;
    if (suite != nullptr) {
        EXPECT_EQ(record->fetchSuite(record->host, GetParam().suite, GetParam().version), suite)
            << "repeated fetches return the same suite";
    }
}

const std::vector<FetchCase> kFetches = {
    {"property", {}, kOfxPropertySuite, 1, true},
    {"image effect", {}, kOfxImageEffectSuite, 1, true},
    {"parameter", {}, kOfxParameterSuite, 1, true},
    {"memory", {}, kOfxMemorySuite, 1, true},
    {"multi-thread", {}, kOfxMultiThreadSuite, 1, true},
    {"message v1", {}, kOfxMessageSuite, 1, true},
    {"message v2", {}, kOfxMessageSuite, 2, true},
    {"interact", {}, kOfxInteractSuite, 1, true},
    {"draw", {}, kOfxDrawSuite, 1, true},
    {"parametric", {}, kOfxParametricParameterSuite, 1, true},
    {"property v2 does not exist", {}, kOfxPropertySuite, 2, false},
    {"message v3 does not exist", {}, kOfxMessageSuite, 3, false},
    {"version 0", {}, kOfxParameterSuite, 0, false},
    {"unknown name", {}, "OfxNoSuchSuite", 1, false},
    {"progress not offered", {}, kOfxProgressSuite, 1, false},
    {"draw switched off", withoutDrawSuite(), kOfxDrawSuite, 1, false},
    {"parametric switched off", withoutParametricSuite(), kOfxParametricParameterSuite, 1, false},
    {"draw off keeps parametric", withoutDrawSuite(), kOfxParametricParameterSuite, 1, true},
};

INSTANTIATE_TEST_SUITE_P(Suites, FetchSuiteTest, testing::ValuesIn(kFetches));

TEST(FetchSuiteHostTest, ForeignHostHandleGetsNothing) {
    Host host;
    OfxHost* record = host.ofxHost();
    ofxhost::PropertySet other;
    EXPECT_EQ(record->fetchSuite(other.handle(), kOfxPropertySuite, 1), nullptr);
    EXPECT_EQ(record->fetchSuite(record->host, nullptr, 1), nullptr);
}

TEST(FetchSuiteHostTest, HostDescriptorIdentifiesAnImageEffectHost) {
    Host host;
    EXPECT_EQ(host.descriptor().getString(kOfxPropType), kOfxTypeImageEffectHost);
    EXPECT_EQ(
        host.descriptor().getStrings(kOfxImageEffectPropSupportedContexts),
        (std::vector<std::string>{kOfxImageEffectContextFilter, kOfxImageEffectContextGeneral}));
}

TEST(FetchSuiteHostTest, RefusedOverlayV2PropertyIsUnknownToDescriptors) {
    HostOptions refusing;
    refusing.overlayInteractV2 = false;
    for (const bool accepted : {true, false}) {
        Host host(accepted ? HostOptions{} : refusing);
        auto descriptor = ofxhost::ImageEffect::describeDescriptor(host, "/bundle");
        const auto* props = static_cast<const OfxPropertySuiteV1*>(
            host.ofxHost()->fetchSuite(host.ofxHost()->host, kOfxPropertySuite, 1));
        int entry = 0;
        EXPECT_EQ(props->propSetPointer(descriptor->properties().handle(),
                                        kOfxImageEffectPluginPropOverlayInteractV2, 0, &entry),
                  accepted ? kOfxStatOK : kOfxStatErrUnknown);
        EXPECT_EQ(props->propSetPointer(descriptor->properties().handle(),
                                        kOfxImageEffectPluginPropOverlayInteractV1, 0, &entry),
                  kOfxStatOK);
    }
}

}  // namespace
