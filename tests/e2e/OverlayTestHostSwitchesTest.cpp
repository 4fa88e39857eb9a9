#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "E2ePaths.h"
#include "HostSession.h"
#include "host/HostVariants.h"
#include "ofx/api/ofx_api.h"

namespace {

using ofxhost::HostOptions;
using ofxhost::HostSession;

// The ways real hosts differ that the plug-in must survive.
struct HostCase {
    const char* label;
    HostOptions options;
};

void PrintTo(const HostCase& c, std::ostream* os) {
    *os << c.label;
}

class OverlayTestHostSwitchesTest : public testing::TestWithParam<HostCase> {};

TEST_P(OverlayTestHostSwitchesTest, DescribesCompletely) {
    HostSession session(GetParam().options);
    session.load(kOverlayTestBundle);
    session.describe();
    session.createAndDestroyInstances();
    session.unload();
    ASSERT_EQ(session.plugins().size(), 1u);
    EXPECT_EQ(session.plugins()[0].contexts.size(), 2u);
    for (const ofxhost::ActionRecord& record : session.actions()) {
        if (record.action == kOfxActionCreateInstance ||
            record.action == kOfxActionDestroyInstance) {
            continue;  // instances are checked by their own tests
        }
        EXPECT_TRUE(record.status == kOfxStatOK || record.status == kOfxStatReplyDefault)
            << record.action << " " << record.context << " returned " << record.status;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, OverlayTestHostSwitchesTest,
    testing::Values(HostCase{"complete", {}}, HostCase{"no_draw_suite", withoutDrawSuite()},
                    HostCase{"no_parametric_suite", withoutParametricSuite()},
                    HostCase{"curves_unsupported", refusingCurves(kOfxStatErrUnsupported)},
                    HostCase{"curves_unknown", refusingCurves(kOfxStatErrUnknown)},
                    HostCase{"overlay_v2_refused", refusingOverlayV2()}));

}  // namespace
