#include "Param.h"

#include "ParamProperties.h"
#include "ofx/api/ofx_parametric_param.h"

namespace ofxhost {

Param::Param(ParamSet& owner, const ParamTypeInfo& type, const std::string& name)
    : _owner(owner), _type(type), _instance(false), _name(name) {
    defineParamProperties(_properties, type, name);
}

Param::Param(ParamSet& owner, const Param& descriptor)
    : _owner(owner),
      _type(descriptor._type),
      _instance(true),
      _name(descriptor._name),
      _curves(descriptor._curves) {
    _properties.assign(descriptor._properties);
    _properties.setString(kOfxPropType, kOfxTypeParameterInstance);
    takeDefaultValue();
}

Param* Param::fromHandle(OfxParamHandle handle) {
    return LiveHandles<Param>::find(handle);
}

OfxParamHandle Param::handle() const {
    return reinterpret_cast<OfxParamHandle>(const_cast<Param*>(this));
}

std::vector<ControlPoint>* Param::curve(int index) {
    if (!_properties.has(kOfxParamPropParametricDimension) || index < 0 ||
        index >= _properties.getInt(kOfxParamPropParametricDimension)) {
        return nullptr;
    }
    return &_curves[index];
}

void Param::takeDefaultValue() {
    switch (_type.kind) {
        case ParamValueKind::Int:
            for (int value : _properties.getInts(kOfxParamPropDefault)) {
                _numbers.push_back(value);
            }
            break;
        case ParamValueKind::Double:
            _numbers = _properties.getDoubles(kOfxParamPropDefault);
            break;
        case ParamValueKind::String:
            _text = _properties.getString(kOfxParamPropDefault);
            break;
        case ParamValueKind::Bytes:
            if (const auto* bytes =
                    static_cast<const OfxBytes*>(_properties.getPointer(kOfxParamPropDefault));
                bytes != nullptr && bytes->data != nullptr) {
                _bytes.assign(bytes->data, bytes->data + bytes->length);
            }
            break;
        case ParamValueKind::None:
            break;
    }
}

}  // namespace ofxhost
