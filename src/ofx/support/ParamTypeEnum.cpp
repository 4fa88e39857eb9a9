#include "ofx/support/ParamTypeEnum.h"

#include "ofx/api/ofx_param.h"
#include "ofx/api/ofx_parametric_param.h"

namespace OFX {

const char* paramTypeName(ParamTypeEnum type) {
    switch (type) {
        case ParamTypeEnum::Double:
            return kOfxParamTypeDouble;
        case ParamTypeEnum::Int:
            return kOfxParamTypeInteger;
        case ParamTypeEnum::Boolean:
            return kOfxParamTypeBoolean;
        case ParamTypeEnum::Choice:
            return kOfxParamTypeChoice;
        case ParamTypeEnum::RGB:
            return kOfxParamTypeRGB;
        case ParamTypeEnum::RGBA:
            return kOfxParamTypeRGBA;
        case ParamTypeEnum::Double2D:
            return kOfxParamTypeDouble2D;
        case ParamTypeEnum::Double3D:
            return kOfxParamTypeDouble3D;
        case ParamTypeEnum::String:
            return kOfxParamTypeString;
        case ParamTypeEnum::PushButton:
            return kOfxParamTypePushButton;
        case ParamTypeEnum::Parametric:
            return kOfxParamTypeParametric;
        case ParamTypeEnum::Group:
            return kOfxParamTypeGroup;
        case ParamTypeEnum::Page:
            return kOfxParamTypePage;
    }
    return kOfxParamTypeDouble;
}

}  // namespace OFX
