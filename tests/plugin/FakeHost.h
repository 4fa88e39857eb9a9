#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "ofx/api/ofx_core.h"
#include "ofx/api/ofx_image_effect.h"
#include "ofx/api/ofx_param.h"

// A minimal in-process OFX host for unit tests: typed property sets, the
// property suite, the descriptor side of the image effect, parameter and
// parametric suites (clips, parameters and curve points are recorded), and
// placeholder tables for the other required suites. Suites can be withheld,
// and properties, clips and parameter types refused, to play the hosts a
// plug-in must survive. One host exists at a time, because the suite
// functions have no context argument.
class FakeHost {
  public:
    using Value = std::variant<int, double, std::string, void*>;

    class PropertySet {
      public:
        OfxPropertySetHandle handle() { return reinterpret_cast<OfxPropertySetHandle>(this); }
        bool has(const std::string& name) const { return _values.count(name) != 0; }
        // The property's values; empty when it was never set.
        std::vector<Value> values(const std::string& name) const;
        void set(const std::string& name, std::vector<Value> values);

      private:
        friend class FakeHost;
        std::map<std::string, std::vector<Value>> _values;
    };

    // A parameter the plug-in defined on an effect descriptor.
    struct Param {
        std::string type;
        PropertySet properties;
        // Control points (x, y) by curve index, in the order they were added.
        std::map<int, std::vector<std::pair<double, double>>> curves;
    };

    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    OfxHost* ofxHost() { return &_host; }
    PropertySet& hostProperties() { return _hostProperties; }

    // fetchSuite answers null for this suite and version from now on.
    void withholdSuite(const std::string& name, int version);
    // Every setter of this property answers `status`.
    void refuseProperty(const std::string& name, OfxStatus status);
    // clipDefine answers `status` for a clip of this name from now on.
    void refuseClip(const std::string& name, OfxStatus status);
    // paramDefine answers `status` for a parameter of this type from now on.
    void refuseParamType(const std::string& type, OfxStatus status);

    // A new effect descriptor and its properties, owned by the host.
    OfxImageEffectHandle newEffect();
    PropertySet& effectProperties(OfxImageEffectHandle effect);
    // What the plug-in defined on `effect`, in definition order. Looking up a
    // name that was not defined throws std::out_of_range.
    std::vector<std::string> clipNames(OfxImageEffectHandle effect) const;
    PropertySet& clipProperties(OfxImageEffectHandle effect, const std::string& name);
    std::vector<std::string> paramNames(OfxImageEffectHandle effect) const;
    Param& param(OfxImageEffectHandle effect, const std::string& name);
    // A new set for action arguments, owned by the host.
    PropertySet& newPropertySet();

  private:
    struct Effect {
        PropertySet properties;
        std::vector<std::pair<std::string, std::unique_ptr<PropertySet>>> clips;
        std::vector<std::pair<std::string, std::unique_ptr<Param>>> params;

        Param* findParam(const std::string& name) const;
    };

    static FakeHost* current();
    static const void* fetchSuite(OfxPropertySetHandle host, const char* name, int version);
    static OfxStatus getPropertySet(OfxImageEffectHandle effect, OfxPropertySetHandle* properties);
    static OfxStatus getParamSet(OfxImageEffectHandle effect, OfxParamSetHandle* paramSet);
    static OfxStatus clipDefine(OfxImageEffectHandle effect, const char* name,
                                OfxPropertySetHandle* properties);
    static OfxStatus paramDefine(OfxParamSetHandle paramSet, const char* type, const char* name,
                                 OfxPropertySetHandle* properties);
    static OfxStatus paramGetHandle(OfxParamSetHandle paramSet, const char* name,
                                    OfxParamHandle* param, OfxPropertySetHandle* properties);
    static OfxStatus addControlPoint(OfxParamHandle param, int curveIndex, double time, double key,
                                     double value, bool addAnimationKey);
    template <class T>
    static OfxStatus setValue(OfxPropertySetHandle set, const char* name, int index, T value);
    template <class T>
    static OfxStatus getValue(OfxPropertySetHandle set, const char* name, int index, T* value);
    static OfxStatus setStringN(OfxPropertySetHandle set, const char* name, int count,
                                const char* const* values);
    static OfxStatus getString(OfxPropertySetHandle set, const char* name, int index, char** value);
    static OfxStatus getDimension(OfxPropertySetHandle set, const char* name, int* count);

    OfxHost _host{};
    PropertySet _hostProperties;
    std::set<std::pair<std::string, int>> _withheld;
    std::map<std::string, OfxStatus> _refused;
    std::map<std::string, OfxStatus> _refusedClips;
    std::map<std::string, OfxStatus> _refusedParamTypes;
    std::vector<std::unique_ptr<Effect>> _effects;
    std::vector<std::unique_ptr<PropertySet>> _sets;
};
