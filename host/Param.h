#pragma once

#include <map>
#include <string>
#include <vector>

#include "LiveHandles.h"
#include "ParamTypeInfo.h"
#include "PropertySet.h"
#include "ofx/api/ofx_param.h"

namespace ofxhost {

class ParamSet;

// One control point of a parametric curve.
struct ControlPoint {
    double key;
    double value;
};

// A parameter descriptor or instance: its properties, the curves of a
// parametric parameter and, on instances, its current value.
class Param {
  public:
    // A descriptor with every property of its type at its default.
    Param(ParamSet& owner, const ParamTypeInfo& type, const std::string& name);
    // An instance of `descriptor`: its properties as described, its value
    // and curves at their defaults.
    Param(ParamSet& owner, const Param& descriptor);
    Param(const Param&) = delete;
    Param& operator=(const Param&) = delete;

    static Param* fromHandle(OfxParamHandle handle);
    OfxParamHandle handle() const;

    ParamSet& owner() const { return _owner; }
    bool isInstance() const { return _instance; }
    const std::string& name() const { return _name; }
    const ParamTypeInfo& type() const { return _type; }
    PropertySet& properties() { return _properties; }
    const PropertySet& properties() const { return _properties; }

    // Curves of a parametric parameter, by curve index, points sorted by key.
    // Null for an index outside the parameter's dimension.
    std::vector<ControlPoint>* curve(int index);
    const std::map<int, std::vector<ControlPoint>>& curves() const { return _curves; }

    // Current value of an instance: numbers for int/double kinds (ints held
    // exactly), text for string kinds, bytes for the bytes kind.
    std::vector<double>& numbers() { return _numbers; }
    const std::vector<double>& numbers() const { return _numbers; }
    std::string& text() { return _text; }
    const std::string& text() const { return _text; }
    std::vector<unsigned char>& bytes() { return _bytes; }

  private:
    void takeDefaultValue();

    ParamSet& _owner;
    const ParamTypeInfo& _type;
    bool _instance;
    std::string _name;
    PropertySet _properties;
    std::map<int, std::vector<ControlPoint>> _curves;
    std::vector<double> _numbers;
    std::string _text;
    std::vector<unsigned char> _bytes;
    HandleRegistration<Param> _registration{this};
};

}  // namespace ofxhost
