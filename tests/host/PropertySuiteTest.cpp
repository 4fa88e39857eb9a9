#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "PropertySet.h"
#include "PropertySuite.h"

namespace {

using ofxhost::Property;
using ofxhost::PropertySet;

const OfxPropertySuiteV1& suite() {
    return *ofxhost::propertySuite();
}

// A set with one property of each type, fixed and variable.
class PropertySuiteTest : public testing::Test {
  protected:
    PropertySuiteTest() {
        _set.addInt("int2", {1, 2})
            .addDouble("double1", {0.5})
            .addString("string1", {"text"})
            .addPointer("pointer1", {nullptr})
            .addString("strings", {}, Property::kVariable)
            .addInt("ints", {7}, Property::kVariable);
    }

    OfxPropertySetHandle handle() const { return _set.handle(); }

    PropertySet _set;
};

TEST_F(PropertySuiteTest, SetThenGetEveryType) {
    int marker = 0;
    ASSERT_EQ(suite().propSetInt(handle(), "int2", 1, 42), kOfxStatOK);
    ASSERT_EQ(suite().propSetDouble(handle(), "double1", 0, 2.25), kOfxStatOK);
    ASSERT_EQ(suite().propSetString(handle(), "string1", 0, "changed"), kOfxStatOK);
    ASSERT_EQ(suite().propSetPointer(handle(), "pointer1", 0, &marker), kOfxStatOK);

    int i = 0;
    double d = 0.0;
    char* s = nullptr;
    void* p = nullptr;
    EXPECT_EQ(suite().propGetInt(handle(), "int2", 0, &i), kOfxStatOK);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(suite().propGetInt(handle(), "int2", 1, &i), kOfxStatOK);
    EXPECT_EQ(i, 42);
    EXPECT_EQ(suite().propGetDouble(handle(), "double1", 0, &d), kOfxStatOK);
    EXPECT_EQ(d, 2.25);
    EXPECT_EQ(suite().propGetString(handle(), "string1", 0, &s), kOfxStatOK);
    EXPECT_STREQ(s, "changed");
    EXPECT_EQ(suite().propGetPointer(handle(), "pointer1", 0, &p), kOfxStatOK);
    EXPECT_EQ(p, &marker);
}

TEST_F(PropertySuiteTest, StringsAreCopiedOnSet) {
    std::string value = "original";
    ASSERT_EQ(suite().propSetString(handle(), "string1", 0, value.c_str()), kOfxStatOK);
    value = "modified";
    EXPECT_EQ(_set.getString("string1"), "original");
}

// Every misuse gives its documented status and never touches memory it should not.
struct MisuseCase {
    const char* name;
    std::function<OfxStatus(OfxPropertySetHandle)> call;
    OfxStatus expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MisuseCase& c, std::ostream* os) {
    *os << c.name;
}

class PropertySuiteMisuseTest : public PropertySuiteTest,
                                public testing::WithParamInterface<MisuseCase> {};

TEST_P(PropertySuiteMisuseTest, ReportsStatus) {
    EXPECT_EQ(GetParam().call(handle()), GetParam().expected) << GetParam().name;
}

const std::vector<MisuseCase> kMisuses = {
    {"unknown property set",
     [](OfxPropertySetHandle h) { return suite().propSetInt(h, "nothing", 0, 1); },
     kOfxStatErrUnknown},
    {"unknown property get",
     [](OfxPropertySetHandle h) {
         int v = 0;
         return suite().propGetInt(h, "nothing", 0, &v);
     },
     kOfxStatErrUnknown},
    {"unknown property dimension",
     [](OfxPropertySetHandle h) {
         int v = 0;
         return suite().propGetDimension(h, "nothing", &v);
     },
     kOfxStatErrUnknown},
    {"null property name",
     [](OfxPropertySetHandle h) { return suite().propSetInt(h, nullptr, 0, 1); },
     kOfxStatErrUnknown},
    {"int setter on string",
     [](OfxPropertySetHandle h) { return suite().propSetInt(h, "string1", 0, 1); },
     kOfxStatErrUnknown},
    {"string getter on double",
     [](OfxPropertySetHandle h) {
         char* v = nullptr;
         return suite().propGetString(h, "double1", 0, &v);
     },
     kOfxStatErrUnknown},
    {"index past fixed dimension",
     [](OfxPropertySetHandle h) { return suite().propSetInt(h, "int2", 2, 1); },
     kOfxStatErrBadIndex},
    {"negative index",
     [](OfxPropertySetHandle h) { return suite().propSetDouble(h, "double1", -1, 1.0); },
     kOfxStatErrBadIndex},
    {"get past variable end",
     [](OfxPropertySetHandle h) {
         int v = 0;
         return suite().propGetInt(h, "ints", 1, &v);
     },
     kOfxStatErrBadIndex},
    {"setN past fixed dimension",
     [](OfxPropertySetHandle h) {
         const int v[3] = {1, 2, 3};
         return suite().propSetIntN(h, "int2", 3, v);
     },
     kOfxStatErrBadIndex},
    {"getN past dimension",
     [](OfxPropertySetHandle h) {
         double v[2] = {};
         return suite().propGetDoubleN(h, "double1", 2, v);
     },
     kOfxStatErrBadIndex},
    {"null string value",
     [](OfxPropertySetHandle h) { return suite().propSetString(h, "string1", 0, nullptr); },
     kOfxStatErrValue},
    {"null output",
     [](OfxPropertySetHandle h) { return suite().propGetInt(h, "int2", 0, nullptr); },
     kOfxStatErrValue},
    {"null handle", [](OfxPropertySetHandle) { return suite().propSetInt(nullptr, "int2", 0, 1); },
     kOfxStatErrBadHandle},
    {"foreign handle",
     [](OfxPropertySetHandle) {
         int notASet = 0;
         return suite().propSetInt(reinterpret_cast<OfxPropertySetHandle>(&notASet), "int2", 0, 1);
     },
     kOfxStatErrBadHandle},
};

INSTANTIATE_TEST_SUITE_P(Misuses, PropertySuiteMisuseTest, testing::ValuesIn(kMisuses),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST_F(PropertySuiteTest, VariablePropertiesGrowAndTakeTheCountOfSetN) {
    ASSERT_EQ(suite().propSetString(handle(), "strings", 0, "a"), kOfxStatOK);
    ASSERT_EQ(suite().propSetString(handle(), "strings", 2, "c"), kOfxStatOK);
    EXPECT_EQ(_set.getStrings("strings"), (std::vector<std::string>{"a", "", "c"}));

    const char* const two[] = {"x", "y"};
    ASSERT_EQ(suite().propSetStringN(handle(), "strings", 2, two), kOfxStatOK);
    int dimension = 0;
    ASSERT_EQ(suite().propGetDimension(handle(), "strings", &dimension), kOfxStatOK);
    EXPECT_EQ(dimension, 2);

    char* values[2] = {};
    ASSERT_EQ(suite().propGetStringN(handle(), "strings", 2, values), kOfxStatOK);
    EXPECT_STREQ(values[0], "x");
    EXPECT_STREQ(values[1], "y");
}

TEST_F(PropertySuiteTest, ResetRestoresEveryDimension) {
    const int values[2] = {8, 9};
    ASSERT_EQ(suite().propSetIntN(handle(), "int2", 2, values), kOfxStatOK);
    ASSERT_EQ(suite().propSetInt(handle(), "ints", 3, 1), kOfxStatOK);
    ASSERT_EQ(suite().propReset(handle(), "int2"), kOfxStatOK);
    ASSERT_EQ(suite().propReset(handle(), "ints"), kOfxStatOK);
    EXPECT_EQ(_set.getInts("int2"), (std::vector<int>{1, 2}));
    EXPECT_EQ(_set.getInts("ints"), (std::vector<int>{7}));
}

TEST(PropertySetLifetimeTest, DestroyedSetIsABadHandle) {
    OfxPropertySetHandle stale = nullptr;
    {
        PropertySet set;
        set.addInt("value", {0});
        stale = set.handle();
        ASSERT_EQ(suite().propSetInt(stale, "value", 0, 1), kOfxStatOK);
    }
    EXPECT_EQ(suite().propSetInt(stale, "value", 0, 1), kOfxStatErrBadHandle);
}

}  // namespace
