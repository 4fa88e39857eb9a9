#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "plugin/GenericEffectFactory.h"

namespace {

struct IdentifierCase {
    const char* path;
    const char* expectedStem;
};

void PrintTo(const IdentifierCase& c, std::ostream* out) {
    *out << '"' << c.path << '"';
}

class PluginIdentifierTest : public ::testing::TestWithParam<IdentifierCase> {};

TEST_P(PluginIdentifierTest, PrefixFollowedByTheFileStem) {
    EXPECT_EQ(GenericEffectFactory::generatePluginIdentifier(GetParam().path),
              std::string("org.ofxfw.") + GetParam().expectedStem);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PluginIdentifierTest,
    ::testing::Values(
        IdentifierCase{"/usr/OFX/Plugins/overlay_test.ofx.bundle/Contents/effects/overlay_test.xml",
                       "overlay_test"},
        IdentifierCase{"overlay_test.xml", "overlay_test"},        // no directory
        IdentifierCase{"/effects/overlay_test", "overlay_test"},   // no extension
        IdentifierCase{"/effects/blur.v2.xml", "blur.v2"},         // only the last dot
        IdentifierCase{"C:\\OFX\\Plugins\\glow.xml", "glow"},      // backslashes
        IdentifierCase{"/mixed\\dirs/effects\\edge.xml", "edge"},  // last separator wins
        IdentifierCase{"/dotted.dir/plain", "plain"},              // dot before the name
        IdentifierCase{"", ""}));

}  // namespace
