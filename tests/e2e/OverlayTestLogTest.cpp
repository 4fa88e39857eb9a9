#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DescribeRun.h"
#include "E2ePaths.h"
#include "presets/FileText.h"

namespace {

constexpr char kLogPath[] = "/tmp/overlay_test_plugin_log.txt";

// Runs `ofxhost describe` in its own process, so that the plug-in's log is
// closed (and complete) when it exits.
int describeInChild() {
    const std::string command =
        std::string("'") + kOfxHostTool + "' describe '" + kOverlayTestBundle + "' >/dev/null";
    return std::system(command.c_str());
}

TEST(OverlayTestLogTest, DescribeWritesHeaderFactoryAndDescribeLines) {
    std::remove(kLogPath);
    ASSERT_EQ(describeInChild(), 0);
    const std::string log = readFileText(kLogPath);

    // Every expected line, in this order (other lines may come between).
    const std::vector<std::string> expected = {
        "=== overlay_test Plugin Session Started ===\n",
        "Session time: ",
        "Log file: /tmp/overlay_test_plugin_log.txt\n",
        "Debug level: INFO\n",
        "[INFO] Creating factory for effect: overlay_test\n",
        "[INFO] XML path: /usr/OFX/Plugins/overlay_test.ofx.bundle/Contents/effects/"
        "overlay_test.xml\n",
        "[INFO] Loaded XML from embedded binary (release build)\n",
        "[ERROR] \xF0\x9F\x94\xB5 GenericEffectFactory::describe called for 'Overlay Test'\n",
        "[INFO] GenericEffectFactory::describe completed successfully\n",
    };
    ASSERT_TRUE(containsInOrder(log, expected));
    EXPECT_EQ(log.rfind("=== overlay_test Plugin Session Started ===", 0), 0u)
        << "the header opens the log";
}

}  // namespace
