#include "effect/ParameterValue.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CommaDecimalLocale.h"

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Equal as doubles, with NaN equal to NaN.
void expectSameDouble(double actual, double expected) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << actual;
    } else {
        EXPECT_EQ(actual, expected);
    }
}

struct Conversions {
    const char* label;
    ParameterValue value;
    const char* type;
    double asDouble;
    int asInt;
    bool asBool;
    std::string asString;
};

// Every kind read through every scalar reader.
const std::vector<Conversions>& conversionCases() {
    static const std::vector<Conversions> cases = {
        {"default", ParameterValue(), "double", 0.0, 0, false, "0.000000"},
        {"double 0.5", ParameterValue(0.5), "double", 0.5, 0, true, "0.500000"},
        {"double 2.9", ParameterValue(2.9), "double", 2.9, 2, true, "2.900000"},
        {"double -2.9", ParameterValue(-2.9), "double", -2.9, -2, true, "-2.900000"},
        {"double -0.0", ParameterValue(-0.0), "double", -0.0, 0, false, "-0.000000"},
        {"double rounds", ParameterValue(1.0 / 3.0), "double", 1.0 / 3.0, 0, true, "0.333333"},
        {"double large", ParameterValue(1e20), "double", 1e20, kIntMax, true,
         "100000000000000000000.000000"},
        {"double below int", ParameterValue(-1e10), "double", -1e10, kIntMin, true,
         "-10000000000.000000"},
        {"double NaN", ParameterValue(kNaN), "double", kNaN, 0, true, "nan"},
        {"double inf", ParameterValue(-kInf), "double", -kInf, kIntMin, true, "-inf"},
        {"int 42", ParameterValue(42), "int", 42.0, 42, true, "42"},
        {"int -7", ParameterValue(-7), "int", -7.0, -7, true, "-7"},
        {"int 0", ParameterValue(0), "int", 0.0, 0, false, "0"},
        {"int min", ParameterValue(kIntMin), "int", -2147483648.0, kIntMin, true, "-2147483648"},
        {"bool true", ParameterValue(true), "bool", 1.0, 1, true, "true"},
        {"bool false", ParameterValue(false), "bool", 0.0, 0, false, "false"},
        {"string number", ParameterValue(std::string("42")), "string", 42.0, 42, true, "42"},
        {"string literal", ParameterValue("2.5 units"), "string", 2.5, 2, true, "2.5 units"},
        {"string empty", ParameterValue(""), "string", 0.0, 0, false, ""},
        {"null text", ParameterValue(static_cast<const char*>(nullptr)), "string", 0.0, 0, false,
         ""},
        {"vec2", ParameterValue(1.0, 2.5), "vec2", 0.0, 0, false, "(1.000000, 2.500000)"},
        {"vec3", ParameterValue(1.0, 2.0, 3.0), "vec3", 0.0, 0, false,
         "(1.000000, 2.000000, 3.000000)"},
        {"vec4", ParameterValue(-1.0, 0.25, 0.0, 1.0), "vec4", 0.0, 0, false,
         "(-1.000000, 0.250000, 0.000000, 1.000000)"},
    };
    return cases;
}

void expectConversions(const ParameterValue& value, const Conversions& c) {
    EXPECT_EQ(value.getType(), c.type);
    expectSameDouble(value.asDouble(), c.asDouble);
    EXPECT_EQ(value.asInt(), c.asInt);
    EXPECT_EQ(value.asBool(), c.asBool);
    EXPECT_EQ(value.asString(), c.asString);
    const float narrowed = value.asFloat();
    if (std::isnan(c.asDouble)) {
        EXPECT_TRUE(std::isnan(narrowed));
    } else {
        EXPECT_EQ(narrowed, static_cast<float>(c.asDouble));
    }
}

TEST(ParameterValueTest, ConvertsEveryKindThroughEveryReader) {
    for (const Conversions& c : conversionCases()) {
        SCOPED_TRACE(c.label);
        expectConversions(c.value, c);
    }
}

TEST(ParameterValueTest, CopiesCarryTheKindAndItsPayload) {
    const ParameterValue differentKinds[] = {ParameterValue("previous text"),
                                             ParameterValue(9.0, 8.0, 7.0, 6.0)};
    for (const Conversions& c : conversionCases()) {
        SCOPED_TRACE(c.label);
        const ParameterValue constructed(c.value);
        expectConversions(constructed, c);
        for (const ParameterValue& before : differentKinds) {
            ParameterValue assigned = before;
            assigned = c.value;
            expectConversions(assigned, c);
        }
        ParameterValue self = c.value;
        const ParameterValue& alias = self;
        self = alias;
        expectConversions(self, c);
    }
}

TEST(ParameterValueTest, CopiedTextIsIndependentOfTheOriginal) {
    ParameterValue original("first");
    const ParameterValue copy = original;
    original = ParameterValue("second");
    EXPECT_EQ(copy.asString(), "first");
    EXPECT_EQ(original.asString(), "second");
}

TEST(ParameterValueTest, AssignmentSwitchesBetweenTextAndVector) {
    const ParameterValue vector(1.0, 2.0, 3.0);
    ParameterValue value = vector;
    value = ParameterValue("now text");
    EXPECT_EQ(value.getType(), "string");
    EXPECT_EQ(value.asString(), "now text");
    float x = -1.0f, y = -1.0f, z = -1.0f;
    value.asVec3(x, y, z);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
    EXPECT_EQ(z, 0.0f);

    value = vector;
    EXPECT_EQ(value.getType(), "vec3");
    value.asVec3(x, y, z);
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(y, 2.0f);
    EXPECT_EQ(z, 3.0f);
}

TEST(ParameterValueTest, ReadsTextAsDouble) {
    struct Case {
        const char* text;
        double expected;
    };
    const std::vector<Case> cases = {
        {"1e3", 1000.0}, {"abc", 0.0},         {" 2.5xyz", 2.5}, {"\t-0.125", -0.125},
        {".5", 0.5},     {"+7", 7.0},          {"0x1p4", 16.0},  {"", 0.0},
        {"-", 0.0},      {"1e999", 0.0},       {"-1e999", 0.0},  {"1e-400", 0.0},
        {"inf", kInf},   {"-Infinity", -kInf}, {"nan", kNaN},    {"1,5", 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        expectSameDouble(ParameterValue(c.text).asDouble(), c.expected);
    }
}

TEST(ParameterValueTest, ReadsTextAsInt) {
    struct Case {
        const char* text;
        int expected;
    };
    const std::vector<Case> cases = {
        {" 42px", 42},
        {"px42", 0},
        {"12abc", 12},
        {"99999999999", 0},
        {"-99999999999", 0},
        {"99999999999999999999999", 0},
        {"2147483647", kIntMax},
        {"2147483648", 0},
        {"-2147483648", kIntMin},
        {"-2147483649", 0},
        {"+15", 15},
        {"-0", 0},
        {"3.9", 3},
        {"0x10", 0},
        {"1e3", 1},
        {"\n\t 8", 8},
        {"", 0},
        {" -", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(ParameterValue(c.text).asInt(), c.expected);
    }
}

TEST(ParameterValueTest, ReadsTextAsBool) {
    struct Case {
        const char* text;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"true", true},   {"True", true},   {"TRUE", true},   {"1", true},
        {"false", false}, {"False", false}, {"FALSE", false}, {"0", false},
        {"", false},      {"yes", true},    {"no", true},     {"False ", true},
        {" 0", true},     {"0.0", true},    {"fAlSe", true},  {"off", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(ParameterValue(c.text).asBool(), c.expected);
    }
}

TEST(ParameterValueTest, HandsOutComponentsNarrowedToFloat) {
    float x = -1.0f, y = -1.0f, z = -1.0f, w = -1.0f;
    ParameterValue(1.0, 2.0, 3.0).asVec4(x, y, z, w);
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(y, 2.0f);
    EXPECT_EQ(z, 3.0f);
    EXPECT_EQ(w, 0.0f);

    ParameterValue(1.0, 2.5).asVec3(x, y, z);
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(y, 2.5f);
    EXPECT_EQ(z, 0.0f);

    ParameterValue(0.1, -1e40, 0.2, 0.3).asVec4(x, y, z, w);
    EXPECT_EQ(x, 0.1f);
    EXPECT_EQ(y, -std::numeric_limits<float>::infinity());
    EXPECT_EQ(z, 0.2f);
    EXPECT_EQ(w, 0.3f);

    ParameterValue(0.25, 0.5, 0.75, 1.0).asVec2(x, y);
    EXPECT_EQ(x, 0.25f);
    EXPECT_EQ(y, 0.5f);
}

TEST(ParameterValueTest, ScalarAndTextKindsHaveZeroComponents) {
    const std::vector<ParameterValue> values = {ParameterValue(), ParameterValue(5.0),
                                                ParameterValue(7), ParameterValue(true),
                                                ParameterValue("1, 2, 3")};
    for (const ParameterValue& value : values) {
        SCOPED_TRACE(value.getType());
        float x = -1.0f, y = -1.0f, z = -1.0f, w = -1.0f;
        value.asVec4(x, y, z, w);
        EXPECT_EQ(x, 0.0f);
        EXPECT_EQ(y, 0.0f);
        EXPECT_EQ(z, 0.0f);
        EXPECT_EQ(w, 0.0f);
    }
}

// Hosts may run with a comma as their decimal separator; values must still
// read and print with a point.
TEST(ParameterValueTest, TextConversionsIgnoreTheProcessLocale) {
    std::string doubleText;
    std::string vectorText;
    double parsed = 0.0;
    {
        CommaDecimalLocale locale;
        if (!locale.active()) {
            GTEST_SKIP() << "no locale with a decimal comma is available";
        }
        doubleText = ParameterValue(0.5).asString();
        vectorText = ParameterValue(1.5, -2.25).asString();
        parsed = ParameterValue("2.75").asDouble();
    }

    EXPECT_EQ(doubleText, "0.500000");
    EXPECT_EQ(vectorText, "(1.500000, -2.250000)");
    EXPECT_EQ(parsed, 2.75);
}

}  // namespace
