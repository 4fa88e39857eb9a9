#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>

#include "DescribeCommand.h"
#include "FakePlugin.h"
#include "TestPaths.h"

namespace {

using ofxhost::DescribeRequest;
using ofxhost::runDescribe;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun describe(DescribeRequest request) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runDescribe(request, out, err);
    return {status, out.str(), err.str()};
}

TEST(DescribeCommandTest, PrintsEveryContextInDefinitionOrder) {
    FakePlugin fake;
    const CommandRun run = describe({kFakePluginBundle, std::nullopt, {}});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json["plugins"].size(), 1u);
    const nlohmann::json& plugin = json["plugins"][0];
    EXPECT_EQ(plugin["identifier"], "org.test.fake");
    EXPECT_EQ(plugin["version"], nlohmann::json({2, 3}));
    EXPECT_EQ(plugin["properties"]["OfxPropLabel"], nlohmann::json({"Fake Effect"}));
    EXPECT_EQ(plugin["properties"]["OfxImageEffectPropSupportsTiles"], nlohmann::json({0}));
    EXPECT_TRUE(plugin["properties"]["OfxImageEffectPluginPropOverlayInteractV1"][0].is_string());
    ASSERT_TRUE(plugin["contexts"].contains("filter"));
    ASSERT_TRUE(plugin["contexts"].contains("general"));
    const nlohmann::json& filter = plugin["contexts"]["filter"];
    EXPECT_EQ(filter["clips"][0]["name"], "Source");
    EXPECT_EQ(filter["clips"][1]["name"], "Output");
    EXPECT_EQ(filter["clips"][0]["properties"]["OfxImageEffectPropSupportedComponents"],
              nlohmann::json({"OfxImageComponentRGBA"}));
    const nlohmann::json& gain = filter["params"][2];
    EXPECT_EQ(gain["name"], "gain");
    EXPECT_EQ(gain["type"], "OfxParamTypeDouble");
    EXPECT_EQ(gain["properties"]["OfxParamPropDefault"], nlohmann::json({0.5}));
    EXPECT_EQ(gain["properties"]["OfxParamPropParent"], nlohmann::json({"grp"}));
    const nlohmann::json& curve = filter["params"].back();
    EXPECT_EQ(curve["curves"], nlohmann::json::parse("[[[0.0,0.0],[0.5,0.25],[1.0,1.0]]]"));
}

TEST(DescribeCommandTest, OneContextOnRequest) {
    FakePlugin fake;
    const CommandRun run = describe({kFakePluginBundle, std::string("general"), {}});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["plugins"][0]["contexts"].size(), 1u);
    EXPECT_TRUE(json["plugins"][0]["contexts"].contains("general"));
}

struct FailureCase {
    const char* label;
    const char* path;
    const char* failingAction;
    const char* expectedInError;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.label;
}

class DescribeFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(DescribeFailureTest, ExitsNonZeroNamingTheCause) {
    FakePlugin fake;
    if (GetParam().failingAction != nullptr) {
        fake.failAction(GetParam().failingAction, kOfxStatFailed);
    }
    const CommandRun run = describe({GetParam().path, std::nullopt, {}});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty()) << "no partial JSON";
    EXPECT_NE(run.err.find(GetParam().expectedInError), std::string::npos) << run.err;
    EXPECT_EQ(run.err.rfind("error: ", 0), 0u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Causes, DescribeFailureTest,
    testing::Values(
        FailureCase{"missing", "/no/such.ofx.bundle", nullptr, "no such bundle"},
        FailureCase{"no entry points", kNotAPluginBinary, nullptr, "OfxGetNumberOfPlugins"},
        FailureCase{"describe fails", kFakePluginBundle, "OfxActionDescribe",
                    "OfxActionDescribe of org.test.fake failed: kOfxStatFailed"},
        FailureCase{"load fails", kFakePluginBundle, "OfxActionLoad", "kOfxStatFailed"}));

TEST(DescribeCommandTest, UnknownContextIsRefused) {
    const CommandRun run = describe({kFakePluginBundle, std::string("retimer"), {}});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("unsupported context 'retimer'"), std::string::npos) << run.err;
}

}  // namespace
