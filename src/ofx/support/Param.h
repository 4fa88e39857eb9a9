#pragma once

#include <string>

#include "ofx/api/ofx_param.h"
#include "ofx/support/PropertySet.h"
#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"

namespace OFX {

// A parameter of an effect instance, fetched by name from the host. The host
// owns the parameter; this object only wraps its handle and properties and is
// owned by the ImageEffect that fetched it. The typed subclasses read and
// write the value; their run-time class tells the parameter's kind.
class Param {
  public:
    Param(OfxParamHandle handle, std::string name, OfxPropertySetHandle properties);
    virtual ~Param() = default;
    Param(const Param&) = delete;
    Param& operator=(const Param&) = delete;

    OfxParamHandle getHandle() const { return _handle; }
    const std::string& getName() const { return _name; }
    const PropertySet& getPropertySet() const { return _properties; }

    // Hides the parameter from the user (it keeps its value).
    void setIsSecret(bool secret);

  protected:
    // The current value (valid in instance-changed and interact actions),
    // through pointers of the kind the parameter's type takes.
    template <class... Out>
    void getValues(Out*... out) const {
        const auto& get =
            Private::suiteFunction(Private::parameterSuite().paramGetValue, "paramGetValue");
        throwIfFailed(get(_handle, out...), "Failed to get the value of " + _name);
    }

    // The value at `time` (what render and identity decisions must use).
    template <class... Out>
    void getValuesAtTime(double time, Out*... out) const {
        const auto& get = Private::suiteFunction(Private::parameterSuite().paramGetValueAtTime,
                                                 "paramGetValueAtTime");
        throwIfFailed(get(_handle, time, out...), "Failed to get the value of " + _name);
    }

    template <class... In>
    void setValues(In... in) const {
        const auto& set =
            Private::suiteFunction(Private::parameterSuite().paramSetValue, "paramSetValue");
        throwIfFailed(set(_handle, in...), "Failed to set the value of " + _name);
    }

  private:
    OfxParamHandle _handle;
    std::string _name;
    PropertySet _properties;
};

}  // namespace OFX
