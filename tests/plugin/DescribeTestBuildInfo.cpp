#include "plugin/PluginBuildInfo.h"

// Quoted on purpose: the entry hook drops one pair of surrounding quotes. The
// name keeps the test's log apart from the real effect's.
const char PLUGIN_EFFECT_NAME[] = "\"ofxfw_test_plugin_describe\"";
const char PLUGIN_DEFINITION_PATH[] = "/opt/ofx/probe.ofx.bundle/Contents/effects/probe.v2.xml";
