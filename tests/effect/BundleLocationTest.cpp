#include "effect/BundleLocation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(BundleLocationTest, ResourcesLieBesideTheArchitectureFolder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/usr/OFX/Plugins/overlay_test.ofx.bundle/Contents/Linux-x86-64/overlay_test.ofx",
         "/usr/OFX/Plugins/overlay_test.ofx.bundle/Contents/Resources"},
        {"/home/me/my plugins/a.ofx.bundle/Contents/Linux-x86-64/a.ofx",
         "/home/me/my plugins/a.ofx.bundle/Contents/Resources"},
        {"/opt/build/tests/effect/some_test", ""},
        {"/Linux-x86-64/a.ofx", ""},
        {"a.ofx", ""},
        {"", ""},
    };
    for (const auto& [binary, resources] : cases) {
        EXPECT_EQ(BundleLocation::resourcesDirectoryOf(binary), resources) << binary;
    }
}

TEST(BundleLocationTest, ATestProgramIsInNoBundle) {
    EXPECT_EQ(BundleLocation::resourcesDirectory(), "");
}

TEST(BundleLocationTest, InstalledBundlesLiveInTheStandardPluginFolder) {
    EXPECT_EQ(BundleLocation::installedResourcesDirectory("overlay_test"),
              "/usr/OFX/Plugins/overlay_test.ofx.bundle/Contents/Resources");
}

}  // namespace
