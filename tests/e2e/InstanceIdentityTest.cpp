// Identity answers through `ofxhost identity`, for the Overlay Test effect
// (no conditions) and for a small definition with two conditions.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2ePaths.h"
#include "InstancePaths.h"
#include "ToolRun.h"

namespace {

nlohmann::json identity(const std::string& bundle, const std::vector<std::string>& arguments) {
    std::vector<std::string> all = {"identity", bundle};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const ToolRun run = runTool(all, "/tmp");
    EXPECT_EQ(run.status, 0) << run.errors;
    return run.output;
}

TEST(InstanceIdentityTest, OverlayTestIsNeverAnIdentity) {
    const nlohmann::json answer = identity(kOverlayTestBundle, {"--time", "12"});
    EXPECT_EQ(answer, (nlohmann::json{{"identity", false}, {"clip", nullptr}, {"time", 12.0}}));
}

TEST(InstanceIdentityTest, ALaterConditionPassesTheFirstInputThrough) {
    EXPECT_EQ(identity(kIdentityProbeBundle, {"--time", "3"})["identity"], false);
    const nlohmann::json answer =
        identity(kIdentityProbeBundle, {"--time", "3.5", "--set", "bypass=true"});
    EXPECT_EQ(answer, (nlohmann::json{{"identity", true}, {"clip", "Background"}, {"time", 3.5}}));
    EXPECT_EQ(identity(kIdentityProbeBundle, {"--set", "amount=11"})["clip"], "Background");
}

TEST(InstanceIdentityTest, BadValuesAreRefusedByTheHost) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--set", "bypass=maybe"},
          {"--set", "amount=1,2"},
          {"--set", "nothing=1"},
          {"--press", "amount"},
          {"--set", "novalue"}}) {
        std::vector<std::string> all = {"identity", kIdentityProbeBundle};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const ToolRun run = runTool(all, "/tmp");
        EXPECT_NE(run.status, 0) << arguments[1];
        EXPECT_FALSE(run.errors.empty()) << arguments[1];
    }
}

}  // namespace
