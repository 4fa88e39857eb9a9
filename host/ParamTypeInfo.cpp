#include "ParamTypeInfo.h"

#include "ofx/api/ofx_param.h"
#include "ofx/api/ofx_parametric_param.h"

namespace ofxhost {

namespace {

const ParamTypeInfo kTypes[] = {
    {kOfxParamTypeInteger, ParamValueKind::Int, 1, true},
    {kOfxParamTypeInteger2D, ParamValueKind::Int, 2, true},
    {kOfxParamTypeInteger3D, ParamValueKind::Int, 3, true},
    {kOfxParamTypeDouble, ParamValueKind::Double, 1, true},
    {kOfxParamTypeDouble2D, ParamValueKind::Double, 2, true},
    {kOfxParamTypeDouble3D, ParamValueKind::Double, 3, true},
    {kOfxParamTypeRGB, ParamValueKind::Double, 3, true},
    {kOfxParamTypeRGBA, ParamValueKind::Double, 4, true},
    {kOfxParamTypeBoolean, ParamValueKind::Int, 1, false},
    {kOfxParamTypeChoice, ParamValueKind::Int, 1, false},
    {kOfxParamTypeStrChoice, ParamValueKind::String, 1, false},
    {kOfxParamTypeString, ParamValueKind::String, 1, false},
    {kOfxParamTypeCustom, ParamValueKind::String, 1, false},
    {kOfxParamTypeBytes, ParamValueKind::Bytes, 1, false},
    {kOfxParamTypePushButton, ParamValueKind::None, 0, false},
    {kOfxParamTypeGroup, ParamValueKind::None, 0, false},
    {kOfxParamTypePage, ParamValueKind::None, 0, false},
    {kOfxParamTypeParametric, ParamValueKind::None, 0, false},
};

}  // namespace

const ParamTypeInfo* findParamType(const std::string& type) {
    for (const ParamTypeInfo& info : kTypes) {
        if (type == info.type) {
            return &info;
        }
    }
    return nullptr;
}

}  // namespace ofxhost
