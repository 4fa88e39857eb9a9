// A plug-in whose factory cannot be built: the entry points must offer no
// plug-ins, say why in the log, and let no exception out of the library.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "ofx/support/OfxEntryPoints.h"
#include "ofx/support/Plugin.h"
#include "util/Logger.h"

namespace {

const char kLogName[] = "ofxfw_test_support_factory_failure";
int g_hookCalls = 0;

std::string readLog() {
    Logger::getInstance()->flush();
    std::ifstream file(Logger::logPath(kLogName));
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

void OFX::Plugin::getPluginIDs(OFX::PluginFactoryArray&) {
    ++g_hookCalls;
    throw std::runtime_error("Failed to parse embedded XML");
}

TEST(SupportFactoryFailureTest, NoPluginsAndTheLogSaysWhy) {
    Logger::getInstance()->setEffectName(kLogName);

    EXPECT_EQ(OfxGetNumberOfPlugins(), 0);
    EXPECT_EQ(OfxGetPlugin(0), nullptr);
    // The failure is remembered, not retried on every query.
    EXPECT_EQ(OfxGetNumberOfPlugins(), 0);
    EXPECT_EQ(g_hookCalls, 1);

    EXPECT_NE(readLog().find("[ERROR] Creating the plug-in factories failed: Failed to parse "
                             "embedded XML"),
              std::string::npos);

    std::remove(Logger::logPath(kLogName).c_str());
    std::remove(Logger::oldLogPath(kLogName).c_str());
}
