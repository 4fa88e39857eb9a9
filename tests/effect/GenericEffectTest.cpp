// The effect instance's construction, parameter access and identity
// decisions, on an instance of the probe definition served in process by the
// headless host.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "EffectInstanceHarness.h"
#include "EffectTestSupport.h"
#include "effect/GenericEffect.h"
#include "ofx/support/SuiteError.h"
#include "presets/TempDir.h"

namespace {

constexpr char kDefinitionPath[] =
    "/usr/OFX/Plugins/effect_probe.ofx.bundle/Contents/effects/effect_probe.xml";
constexpr char kEffectName[] = "ofxfw effect probe";

class GenericEffectTest : public testing::Test {
  protected:
    std::string log() const { return logText(kEffectName); }

    TempDir home;
    ScopedHome scopedHome{home.path()};
    EffectInstanceHarness host;
    GenericEffect effect{host.handle(), kDefinitionPath};
};

// Lines before the log is renamed go to the log the plug-in entry opened.
TEST_F(GenericEffectTest, ConstructionParsesTheDefinitionAndNamesTheLog) {
    const std::string text = log();
    EXPECT_NE(text.find("=== ofxfw effect probe Plugin Session Started ==="), std::string::npos);
    EXPECT_NE(text.find("[DEBUG] XML debug level: debug"), std::string::npos);
    EXPECT_NE(text.find("[DEBUG] GenericEffect constructor completed: 3 clips fetched"),
              std::string::npos);
    EXPECT_EQ(Logger::getInstance()->debugLevel(), LogLevel::Debug);
}

TEST(GenericEffectClipsTest, MissingInputClipIsLoggedAndLeftOut) {
    TempDir home;
    ScopedHome scopedHome(home.path());
    EffectInstanceHarness host({"Source", "Output"});
    GenericEffect effect(host.handle(), kDefinitionPath);
    const std::string text = logText(kEffectName);
    EXPECT_NE(text.find("[ERROR] Failed to fetch clip Background: "), std::string::npos);
    EXPECT_NE(text.find("[DEBUG] GenericEffect constructor completed: 2 clips fetched"),
              std::string::npos);

    // An identity then has no clip to name.
    host.setNumbers("level", {0.5});
    OFX::Clip* clip = nullptr;
    double time = 0.0;
    EXPECT_TRUE(effect.isIdentity(OFX::IsIdentityArguments{}, clip, time));
    EXPECT_EQ(clip, nullptr);
}

struct ValueCase {
    const char* name;
    std::vector<double> numbers;
    const char* text;
    const char* kind;
    std::vector<double> expected;  // scalars: one value; vectors: x, y, z, w
};

void PrintTo(const ValueCase& c, std::ostream* out) {
    *out << c.name;
}

class ParameterValueReadTest : public GenericEffectTest,
                               public testing::WithParamInterface<ValueCase> {};

TEST_P(ParameterValueReadTest, ReadsTheHostValueAtTheTimeAsTheDefinitionTypeSays) {
    const ValueCase& c = GetParam();
    if (c.text != nullptr) {
        host.setText(c.name, c.text);
    } else {
        host.setNumbers(c.name, c.numbers);
    }
    effect.fetchParametersLazily();
    const ParameterValue value = effect.getParameterValue(c.name, 3.0);
    EXPECT_EQ(value.getType(), c.kind);
    if (c.text != nullptr) {
        EXPECT_EQ(value.asString(), c.text);
    } else if (c.expected.size() == 1) {
        EXPECT_DOUBLE_EQ(value.asDouble(), c.expected[0]);
    } else {
        float x = 0.0f, y = 0.0f, z = 0.0f, w = 0.0f;
        value.asVec4(x, y, z, w);
        const std::vector<float> got = {x, y, z, w};
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_FLOAT_EQ(got[i], static_cast<float>(c.expected[i])) << "component " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, ParameterValueReadTest,
    testing::Values(ValueCase{"amount", {0.75}, nullptr, "double", {0.75}},
                    ValueCase{"level", {0.5}, nullptr, "double", {0.5}},
                    ValueCase{"count", {7}, nullptr, "int", {7}},
                    ValueCase{"flag", {1}, nullptr, "bool", {1}},
                    ValueCase{"mode", {2}, nullptr, "int", {2}},
                    ValueCase{"tint", {0.1, 0.2, 0.3}, nullptr, "vec3", {0.1, 0.2, 0.3, 0}},
                    ValueCase{"glow", {0.1, 0.2, 0.3, 0.4}, nullptr, "vec4", {0.1, 0.2, 0.3, 0.4}},
                    ValueCase{"center", {0.5, -0.25}, nullptr, "vec2", {0.5, -0.25, 0, 0}},
                    ValueCase{"offset", {4, 5, 6}, nullptr, "vec3", {4, 5, 6, 0}},
                    ValueCase{"title", {}, "a text", "string", {}}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST_F(GenericEffectTest, FetchSkipsTypesWithoutAHostParameterAndLogsTheMissingButton) {
    effect.fetchParametersLazily();
    const std::string text = log();
    EXPECT_NE(text.find("[ERROR] Unsupported parameter type: curve"), std::string::npos);
    EXPECT_NE(text.find("[ERROR] Unsupported parameter type: vec4"), std::string::npos);
    EXPECT_NE(text.find("[ERROR] Failed to fetch load_preset: "), std::string::npos);
    // 12 of the definition's 14 parameters and 5 of the 6 framework names.
    EXPECT_NE(text.find("[DEBUG] Fetched 17 parameters (including framework params)"),
              std::string::npos);
}

TEST_F(GenericEffectTest, ParametersWithoutAValueReadAsZero) {
    effect.fetchParametersLazily();
    for (const char* name : {"falloff", "quad", "texture", "refresh_presets"}) {
        const ParameterValue value = effect.getParameterValue(name, 0.0);
        EXPECT_EQ(value.getType(), "double") << name;
        EXPECT_EQ(value.asDouble(), 0.0) << name;
    }
    const std::string text = log();
    EXPECT_NE(text.find("[ERROR] Parameter falloff not found"), std::string::npos);
    EXPECT_NE(text.find("[ERROR] Parameter quad not found"), std::string::npos);
    EXPECT_NE(text.find("[ERROR] Unsupported parameter type: filepath"), std::string::npos);
    EXPECT_NE(text.find("[ERROR] Unsupported parameter type: pushbutton"), std::string::npos);
}

TEST_F(GenericEffectTest, ParametersAreNotFetchedBeforeTheyAreNeeded) {
    EXPECT_EQ(effect.getParameterValue("amount", 0.0).getType(), "double");
    EXPECT_NE(log().find("[ERROR] Parameter amount not found"), std::string::npos);
}

struct CountCase {
    const char* name;
    double hostValue;
    int expected;
    const char* logLine;  // null: nothing to look for
};

void PrintTo(const CountCase& c, std::ostream* out) {
    *out << c.name << " = " << c.hostValue;
}

class IntParameterTest : public GenericEffectTest, public testing::WithParamInterface<CountCase> {};

TEST_P(IntParameterTest, GivesACountOfAtLeastOne) {
    const CountCase& c = GetParam();
    if (host.hasParam(c.name)) {
        host.setNumbers(c.name, {c.hostValue});
    }
    effect.fetchParametersLazily();
    EXPECT_EQ(effect.getIntParameter(c.name, 1.0), c.expected);
    if (c.logLine != nullptr) {
        EXPECT_NE(log().find(c.logLine), std::string::npos) << c.logLine;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, IntParameterTest,
    testing::Values(
        CountCase{"amount", 2.9, 2,
                  "Parameter amount is double/float (2.90), converting to int (2)"},
        CountCase{"amount", 0.4, 1, "Parameter amount has value 0 < 1, clamping to 1"},
        CountCase{"amount", -3.5, 1, "Parameter amount has value -3 < 1, clamping to 1"},
        CountCase{"count", 7, 7, nullptr},
        CountCase{"count", 0, 1, "Parameter count has value 0 < 1, clamping to 1"},
        CountCase{"missing", 0, 1,
                  "Dynamic execution parameter not found: missing, defaulting to 1"},
        CountCase{"mode", 2, 1, "Parameter mode is not int/float/double type, defaulting to 1"}));

struct ConditionCase {
    const char* label;
    const char* parameter;
    const char* op;
    double value;
    std::vector<double> hostValue;
    bool holds;
};

void PrintTo(const ConditionCase& c, std::ostream* out) {
    *out << c.label;
}

class IdentityConditionTest : public GenericEffectTest,
                              public testing::WithParamInterface<ConditionCase> {};

TEST_P(IdentityConditionTest, ComparesTheValueAsADouble) {
    const ConditionCase& c = GetParam();
    if (!c.hostValue.empty()) {
        host.setNumbers(c.parameter, c.hostValue);
    }
    effect.fetchParametersLazily();
    const XMLEffectDefinition::IdentityConditionDef condition{c.parameter, c.op, c.value};
    EXPECT_EQ(effect.evaluateIdentityCondition(condition, 2.0), c.holds);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Operators, IdentityConditionTest,
    testing::Values(ConditionCase{"lessEqual_equal", "amount", "lessEqual", 0.0, {0.0}, true},
                    ConditionCase{"lessEqual_above", "amount", "lessEqual", 0.0, {0.1}, false},
                    ConditionCase{"equal_exact", "amount", "equal", 0.25, {0.25}, true},
                    ConditionCase{"equal_near", "amount", "equal", 0.25, {0.2500001}, false},
                    ConditionCase{"lessThan_below", "amount", "lessThan", 1.0, {0.5}, true},
                    ConditionCase{"lessThan_equal", "amount", "lessThan", 1.0, {1.0}, false},
                    ConditionCase{"greaterThan_above", "amount", "greaterThan", 1.0, {2.0}, true},
                    ConditionCase{"greaterThan_equal", "amount", "greaterThan", 1.0, {1.0}, false},
                    ConditionCase{"greaterEqual_equal", "amount", "greaterEqual", 1.0, {1.0}, true},
                    ConditionCase{
                        "greaterEqual_below", "amount", "greaterEqual", 1.0, {0.99}, false},
                    ConditionCase{"notEqual_other", "amount", "notEqual", 1.0, {2.0}, true},
                    ConditionCase{"notEqual_same", "amount", "notEqual", 1.0, {1.0}, false},
                    ConditionCase{"nan_lessEqual", "amount", "lessEqual", 0.0, {kNaN}, false},
                    ConditionCase{"nan_equal", "amount", "equal", 0.0, {kNaN}, false},
                    ConditionCase{"nan_lessThan", "amount", "lessThan", 0.0, {kNaN}, false},
                    ConditionCase{"nan_greaterThan", "amount", "greaterThan", 0.0, {kNaN}, false},
                    ConditionCase{"nan_greaterEqual", "amount", "greaterEqual", 0.0, {kNaN}, false},
                    ConditionCase{"nan_notEqual", "amount", "notEqual", 0.0, {kNaN}, true},
                    ConditionCase{"capitalised_name", "amount", "Equal", 0.25, {0.25}, false},
                    ConditionCase{"symbol", "amount", "==", 0.25, {0.25}, false},
                    ConditionCase{"boolean_on", "flag", "equal", 1.0, {1}, true},
                    ConditionCase{"choice_index", "mode", "equal", 2.0, {2}, true},
                    ConditionCase{"colour_reads_zero", "tint", "equal", 0.0, {1, 1, 1}, true},
                    ConditionCase{"missing_reads_zero", "falloff", "lessEqual", 0.0, {}, true}),
    [](const testing::TestParamInfo<ConditionCase>& info) {
        return std::string(info.param.label);
    });

TEST_F(GenericEffectTest, UnknownOperatorIsLoggedAtEveryEvaluation) {
    effect.fetchParametersLazily();
    const XMLEffectDefinition::IdentityConditionDef condition{"amount", "Equal", 0.0};
    effect.evaluateIdentityCondition(condition, 0.0);
    effect.evaluateIdentityCondition(condition, 1.0);
    const std::string text = log();
    const std::string line = "[DEBUG] WARNING: Unknown identity operator: Equal";
    const std::size_t first = text.find(line);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find(line, first + 1), std::string::npos);
}

TEST_F(GenericEffectTest, NotAnIdentityLeavesTheOutArgumentsAlone) {
    host.setNumbers("amount", {0.0});
    host.setNumbers("level", {0.0});
    OFX::Clip* clip = reinterpret_cast<OFX::Clip*>(&host);
    double time = 99.0;
    OFX::IsIdentityArguments args;
    args.time = 4.0;
    EXPECT_FALSE(effect.isIdentity(args, clip, time));
    EXPECT_EQ(clip, reinterpret_cast<OFX::Clip*>(&host));
    EXPECT_EQ(time, 99.0);
}

TEST_F(GenericEffectTest, ALaterConditionMakesAnIdentityOfTheFirstInput) {
    // The first condition (amount > 100) fails, the second (level == 0.5)
    // holds, read before any render: the handles are fetched first.
    host.setNumbers("amount", {5.0});
    host.setNumbers("level", {0.5});
    OFX::Clip* clip = nullptr;
    double time = 0.0;
    OFX::IsIdentityArguments args;
    args.time = 7.5;
    ASSERT_TRUE(effect.isIdentity(args, clip, time));
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(clip->getName(), "Background");
    EXPECT_EQ(time, 7.5);
    EXPECT_NE(log().find("[DEBUG] Identity condition met"), std::string::npos);
}

TEST_F(GenericEffectTest, RenderingFailsHonestlyUntilItIsAvailable) {
    try {
        effect.render(OFX::RenderArguments{});
        FAIL() << "render returned";
    } catch (const OFX::SuiteError& error) {
        EXPECT_EQ(error.status(), kOfxStatFailed);
    }
}

TEST(GenericEffectBundleNameTest, IsTheDefinitionFileNameWithoutXml) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/usr/OFX/Plugins/overlay_test.ofx.bundle/Contents/effects/overlay_test.xml",
         "overlay_test"},
        {"C:\\effects\\glow.xml", "glow"},
        {"mixed/dir\\name.xml", "name"},
        {"a.xml", "a"},
        {".xml", ".xml"},
        {"plain", "plain"},
        {"two.dots.xml", "two.dots"},
        {"folder/", ""},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(GenericEffect::deriveBundleName(path), name) << path;
    }
}

}  // namespace
