#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "LiveHandles.h"
#include "Param.h"
#include "PropertySet.h"
#include "ofx/api/ofx_param.h"

namespace ofxhost {

class Host;

// The parameters of an effect descriptor or instance, in definition order,
// with the parameter set's own properties (for an instance, those of the
// effect instance itself).
class ParamSet {
  public:
    ParamSet(Host& host, PropertySet& properties);
    ParamSet(const ParamSet&) = delete;
    ParamSet& operator=(const ParamSet&) = delete;

    static ParamSet* fromHandle(OfxParamSetHandle handle);
    OfxParamSetHandle handle() const;

    Host& host() const { return _host; }
    PropertySet& properties() const { return _properties; }

    // paramDefine: kOfxStatErrExists for a used name, kOfxStatErrUnknown for
    // a type the host does not know.
    OfxStatus define(const std::string& type, const std::string& name, Param*& param);
    Param* find(const std::string& name) const;
    const std::vector<std::unique_ptr<Param>>& params() const { return _params; }

    // Adds an instance of every parameter of `descriptors`.
    void instantiate(const ParamSet& descriptors);

    // paramEditBegin / paramEditEnd nesting.
    void beginEdit() { ++_openEdits; }
    bool endEdit();
    int openEdits() const { return _openEdits; }

    // Called after the plug-in set a value through the parameter suite, so
    // that a live instance can report the change back as a host does. The
    // observer must report its own failures: nothing it throws reaches the
    // plug-in.
    using ValueObserver = std::function<void(Param&)>;
    void setValueObserver(ValueObserver observer) { _valueObserver = std::move(observer); }
    void pluginSetValue(Param& param) const noexcept;

  private:
    Host& _host;
    PropertySet& _properties;
    std::vector<std::unique_ptr<Param>> _params;
    int _openEdits = 0;
    ValueObserver _valueObserver;
    HandleRegistration<ParamSet> _registration{this};
};

}  // namespace ofxhost
