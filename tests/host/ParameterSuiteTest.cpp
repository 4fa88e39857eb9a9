#include <gtest/gtest.h>

#include <cfloat>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Host.h"
#include "HostVariants.h"
#include "ImageEffect.h"
#include "ParameterSuite.h"
#include "ParametricParameterSuite.h"
#include "PropertySuite.h"
#include "ofx/api/ofx_api.h"

namespace {

using ofxhost::Host;
using ofxhost::HostOptions;
using ofxhost::ImageEffect;

const OfxParameterSuiteV1& params() {
    return *ofxhost::parameterSuite();
}
const OfxPropertySuiteV1& props() {
    return *ofxhost::propertySuite();
}
const OfxParametricParameterSuiteV1& curves() {
    return *ofxhost::parametricParameterSuite();
}

// A context descriptor to define parameters on, and its instance on demand.
class ParameterSuiteTest : public testing::Test {
  protected:
    explicit ParameterSuiteTest(HostOptions options = {})
        : _host(options),
          _described(ImageEffect::describeDescriptor(_host, "/bundle")),
          _descriptor(ImageEffect::contextDescriptor(*_described)) {}

    OfxParamSetHandle set() const { return _descriptor->params().handle(); }

    OfxPropertySetHandle define(const char* type, const char* name) {
        OfxPropertySetHandle properties = nullptr;
        EXPECT_EQ(params().paramDefine(set(), type, name, &properties), kOfxStatOK) << name;
        return properties;
    }

    OfxParamHandle instanceParam(const char* name) {
        _instance = ImageEffect::instance(*_descriptor, kOfxImageEffectContextFilter);
        OfxParamHandle param = nullptr;
        EXPECT_EQ(params().paramGetHandle(_instance->params().handle(), name, &param, nullptr),
                  kOfxStatOK);
        return param;
    }

    Host _host;
    std::unique_ptr<ImageEffect> _described;
    std::unique_ptr<ImageEffect> _descriptor;
    std::unique_ptr<ImageEffect> _instance;
};

// Each type's defaults are there for the plug-in to read and overwrite.
struct TypeCase {
    const char* type;
    const char* property;  // a type-specific property
    int dimension;         // its dimension
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << c.type;
}

class ParamTypeTest : public ParameterSuiteTest, public testing::WithParamInterface<TypeCase> {};

TEST_P(ParamTypeTest, DefinesTypeWithItsProperties) {
    OfxPropertySetHandle properties = define(GetParam().type, "p");
    ASSERT_NE(properties, nullptr);
    char* type = nullptr;
    ASSERT_EQ(props().propGetString(properties, kOfxParamPropType, 0, &type), kOfxStatOK);
    EXPECT_STREQ(type, GetParam().type);
    char* label = nullptr;
    ASSERT_EQ(props().propGetString(properties, kOfxPropLabel, 0, &label), kOfxStatOK);
    EXPECT_STREQ(label, "p");
    int dimension = -1;
    ASSERT_EQ(props().propGetDimension(properties, GetParam().property, &dimension), kOfxStatOK)
        << GetParam().property;
    EXPECT_EQ(dimension, GetParam().dimension);
}

const std::vector<TypeCase> kTypes = {
    {kOfxParamTypeInteger, kOfxParamPropMax, 1},
    {kOfxParamTypeInteger2D, kOfxParamPropDefault, 2},
    {kOfxParamTypeInteger3D, kOfxParamPropDimensionLabel, 3},
    {kOfxParamTypeDouble, kOfxParamPropIncrement, 1},
    {kOfxParamTypeDouble2D, kOfxParamPropDefaultCoordinateSystem, 1},
    {kOfxParamTypeDouble3D, kOfxParamPropDisplayMin, 3},
    {kOfxParamTypeRGB, kOfxParamPropDefault, 3},
    {kOfxParamTypeRGBA, kOfxParamPropDefault, 4},
    {kOfxParamTypeBoolean, kOfxParamPropAnimates, 1},
    {kOfxParamTypeChoice, kOfxParamPropChoiceOption, 0},
    {kOfxParamTypeStrChoice, kOfxParamPropChoiceEnum, 0},
    {kOfxParamTypeString, kOfxParamPropStringMode, 1},
    {kOfxParamTypeCustom, kOfxParamPropCustomInterpCallbackV1, 1},
    {kOfxParamTypeBytes, kOfxParamPropDefault, 1},
    {kOfxParamTypePushButton, kOfxParamPropInteractV1, 1},
    {kOfxParamTypeGroup, kOfxParamPropGroupOpen, 1},
    {kOfxParamTypePage, kOfxParamPropPageChild, 0},
    {kOfxParamTypeParametric, kOfxParamPropParametricRange, 2},
};

INSTANTIATE_TEST_SUITE_P(Types, ParamTypeTest, testing::ValuesIn(kTypes));

TEST_F(ParameterSuiteTest, RefusesDuplicateNamesAndUnknownTypes) {
    define(kOfxParamTypeDouble, "gain");
    OfxPropertySetHandle properties = nullptr;
    EXPECT_EQ(params().paramDefine(set(), kOfxParamTypeInteger, "gain", &properties),
              kOfxStatErrExists);
    EXPECT_EQ(params().paramDefine(set(), "OfxParamTypeNothing", "other", &properties),
              kOfxStatErrUnknown);
    EXPECT_EQ(params().paramDefine(nullptr, kOfxParamTypeDouble, "other", &properties),
              kOfxStatErrBadHandle);
}

TEST_F(ParameterSuiteTest, GroupsAndPagesHaveNoDefault) {
    for (const char* type : {kOfxParamTypeGroup, kOfxParamTypePage}) {
        OfxPropertySetHandle properties = define(type, type);
        double value = 0.0;
        EXPECT_EQ(props().propSetDouble(properties, kOfxParamPropDefault, 0, value),
                  kOfxStatErrUnknown);
    }
}

TEST_F(ParameterSuiteTest, DefaultTypeFollowsParamType) {
    OfxPropertySetHandle integer = define(kOfxParamTypeInteger, "count");
    EXPECT_EQ(props().propSetDouble(integer, kOfxParamPropDefault, 0, 1.0), kOfxStatErrUnknown);
    EXPECT_EQ(props().propSetInt(integer, kOfxParamPropDefault, 0, 1), kOfxStatOK);
    OfxPropertySetHandle text = define(kOfxParamTypeString, "text");
    EXPECT_EQ(props().propSetInt(text, kOfxParamPropDefault, 0, 1), kOfxStatErrUnknown);
}

TEST_F(ParameterSuiteTest, LabelAndRangeAlsoSetTheirFollowers) {
    OfxPropertySetHandle gain = define(kOfxParamTypeDouble2D, "gain");
    ASSERT_EQ(props().propSetString(gain, kOfxPropLabel, 0, "Gain"), kOfxStatOK);
    ASSERT_EQ(props().propSetString(gain, kOfxPropShortLabel, 0, "G"), kOfxStatOK);
    ASSERT_EQ(props().propSetDouble(gain, kOfxParamPropMin, 1, -2.0), kOfxStatOK);
    ASSERT_EQ(props().propSetDouble(gain, kOfxParamPropDisplayMin, 0, -1.0), kOfxStatOK);

    const ofxhost::PropertySet& set = _descriptor->params().find("gain")->properties();
    EXPECT_EQ(set.getString(kOfxPropShortLabel), "G");
    EXPECT_EQ(set.getString(kOfxPropLongLabel), "Gain");
    EXPECT_EQ(set.getDoubles(kOfxParamPropDisplayMin), (std::vector<double>{-1.0, -2.0}));
    EXPECT_EQ(set.getDouble(kOfxParamPropDisplayMax), DBL_MAX) << "untouched";
}

TEST_F(ParameterSuiteTest, InstancesStartAtTheDescribedDefault) {
    OfxPropertySetHandle centre = define(kOfxParamTypeDouble2D, "centre");
    props().propSetDouble(centre, kOfxParamPropDefault, 1, 0.25);
    OfxPropertySetHandle cells = define(kOfxParamTypeInteger3D, "cells");
    const int defaults[3] = {4, 5, 6};
    props().propSetIntN(cells, kOfxParamPropDefault, 3, defaults);
    OfxPropertySetHandle name = define(kOfxParamTypeString, "name");
    props().propSetString(name, kOfxParamPropDefault, 0, "start");

    double x = -1.0;
    double y = -1.0;
    ASSERT_EQ(params().paramGetValue(instanceParam("centre"), &x, &y), kOfxStatOK);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.25);
    int a = 0;
    int b = 0;
    int c = 0;
    ASSERT_EQ(params().paramGetValueAtTime(instanceParam("cells"), 3.0, &a, &b, &c), kOfxStatOK);
    EXPECT_EQ(a + b + c, 15);
    char* text = nullptr;
    ASSERT_EQ(params().paramGetValue(instanceParam("name"), &text), kOfxStatOK);
    EXPECT_STREQ(text, "start");
}

TEST_F(ParameterSuiteTest, SetValuesAreReadBackAtAnyTime) {
    define(kOfxParamTypeRGBA, "colour");
    define(kOfxParamTypeChoice, "mode");
    _instance = ImageEffect::instance(*_descriptor, kOfxImageEffectContextFilter);
    OfxParamHandle colour = nullptr;
    OfxParamHandle mode = nullptr;
    params().paramGetHandle(_instance->params().handle(), "colour", &colour, nullptr);
    params().paramGetHandle(_instance->params().handle(), "mode", &mode, nullptr);

    ASSERT_EQ(params().paramSetValue(colour, 0.1, 0.2, 0.3, 0.4), kOfxStatOK);
    ASSERT_EQ(params().paramSetValueAtTime(mode, 5.0, 2), kOfxStatOK);
    double r = 0, g = 0, b = 0, alpha = 0;
    ASSERT_EQ(params().paramGetValueAtTime(colour, 10.0, &r, &g, &b, &alpha), kOfxStatOK);
    EXPECT_EQ(alpha, 0.4);
    int index = 0;
    ASSERT_EQ(params().paramGetValue(mode, &index), kOfxStatOK);
    EXPECT_EQ(index, 2);
    // A constant value: no keys, zero derivative, integral = value × duration.
    unsigned int keys = 9;
    EXPECT_EQ(params().paramGetNumKeys(colour, &keys), kOfxStatOK);
    EXPECT_EQ(keys, 0u);
    ASSERT_EQ(params().paramGetDerivative(colour, 1.0, &r, &g, &b, &alpha), kOfxStatOK);
    EXPECT_EQ(alpha, 0.0);
    ASSERT_EQ(params().paramGetIntegral(colour, 1.0, 3.0, &r, &g, &b, &alpha), kOfxStatOK);
    EXPECT_DOUBLE_EQ(alpha, 0.8);
    EXPECT_EQ(params().paramGetDerivative(mode, 1.0, &index), kOfxStatErrUnsupported);
}

TEST_F(ParameterSuiteTest, DescriptorsAndValuelessParamsHaveNoValue) {
    define(kOfxParamTypeDouble, "gain");
    define(kOfxParamTypePushButton, "press");
    OfxParamHandle descriptor = nullptr;
    ASSERT_EQ(params().paramGetHandle(set(), "gain", &descriptor, nullptr), kOfxStatOK);
    double value = 0.0;
    EXPECT_EQ(params().paramGetValue(descriptor, &value), kOfxStatErrBadHandle);
    EXPECT_EQ(params().paramGetValue(instanceParam("press"), &value), kOfxStatErrUnsupported);
    OfxParamHandle missing = nullptr;
    EXPECT_EQ(params().paramGetHandle(set(), "missing", &missing, nullptr), kOfxStatErrUnknown);
}

TEST_F(ParameterSuiteTest, EditBlocksMustBeBalanced) {
    EXPECT_EQ(params().paramEditEnd(set()), kOfxStatFailed);
    EXPECT_EQ(params().paramEditBegin(set(), "drag"), kOfxStatOK);
    EXPECT_EQ(params().paramEditEnd(set()), kOfxStatOK);
}

TEST_F(ParameterSuiteTest, CurvesDefinedOnDescriptorsReachInstances) {
    OfxPropertySetHandle properties = define(kOfxParamTypeParametric, "curve");
    props().propSetInt(properties, kOfxParamPropParametricDimension, 0, 2);
    OfxParamHandle curve = nullptr;
    ASSERT_EQ(params().paramGetHandle(set(), "curve", &curve, nullptr), kOfxStatOK);
    ASSERT_EQ(curves().parametricParamAddControlPoint(curve, 1, 0.0, 1.0, 0.0, false), kOfxStatOK);
    ASSERT_EQ(curves().parametricParamAddControlPoint(curve, 1, 0.0, 0.0, 1.0, false), kOfxStatOK);
    EXPECT_EQ(curves().parametricParamAddControlPoint(curve, 2, 0.0, 0.0, 1.0, false),
              kOfxStatErrBadIndex);

    OfxParamHandle instance = instanceParam("curve");
    int count = 0;
    ASSERT_EQ(curves().parametricParamGetNControlPoints(instance, 1, 0.0, &count), kOfxStatOK);
    EXPECT_EQ(count, 2);
    double key = -1.0;
    double value = -1.0;
    ASSERT_EQ(curves().parametricParamGetNthControlPoint(instance, 1, 0.0, 0, &key, &value),
              kOfxStatOK);
    EXPECT_EQ(key, 0.0) << "points are kept in key order";
    EXPECT_EQ(value, 1.0);
    double middle = 0.0;
    ASSERT_EQ(curves().parametricParamGetValue(instance, 1, 0.0, 0.25, &middle), kOfxStatOK);
    EXPECT_DOUBLE_EQ(middle, 0.75);
    ASSERT_EQ(curves().parametricParamGetValue(instance, 0, 0.0, 0.25, &middle), kOfxStatOK);
    EXPECT_DOUBLE_EQ(middle, 0.25) << "a curve without points is the identity";
}

class RefusingCurvesTest : public ParameterSuiteTest,
                           public testing::WithParamInterface<OfxStatus> {
  protected:
    RefusingCurvesTest() : ParameterSuiteTest(refusingCurves(GetParam())) {}
};

TEST_P(RefusingCurvesTest, RefusesControlPointsWithTheConfiguredStatus) {
    define(kOfxParamTypeParametric, "curve");
    OfxParamHandle curve = nullptr;
    ASSERT_EQ(params().paramGetHandle(set(), "curve", &curve, nullptr), kOfxStatOK);
    EXPECT_EQ(curves().parametricParamAddControlPoint(curve, 0, 0.0, 0.5, 0.5, false), GetParam());
    EXPECT_EQ(curves().parametricParamSetNthControlPoint(curve, 0, 0.0, 0, 0.5, 0.5, false),
              GetParam());
    int count = -1;
    ASSERT_EQ(curves().parametricParamGetNControlPoints(curve, 0, 0.0, &count), kOfxStatOK);
    EXPECT_EQ(count, 0);
}

INSTANTIATE_TEST_SUITE_P(Statuses, RefusingCurvesTest,
                         testing::Values(kOfxStatErrUnsupported, kOfxStatErrUnknown));

}  // namespace
