#pragma once

namespace OFX {

// The parameter kinds the plug-in declares.
enum class ParamTypeEnum {
    Double,
    Int,
    Boolean,
    Choice,
    RGB,
    RGBA,
    Double2D,
    Double3D,
    String,
    PushButton,
    Parametric,
    Group,
    Page
};

// The OFX type string of `type` ("OfxParamTypeDouble", ...), as paramDefine takes it.
const char* paramTypeName(ParamTypeEnum type);

}  // namespace OFX
