#include "ParamSet.h"

namespace ofxhost {

ParamSet::ParamSet(Host& host, PropertySet& properties) : _host(host), _properties(properties) {}

ParamSet* ParamSet::fromHandle(OfxParamSetHandle handle) {
    return LiveHandles<ParamSet>::find(handle);
}

OfxParamSetHandle ParamSet::handle() const {
    return reinterpret_cast<OfxParamSetHandle>(const_cast<ParamSet*>(this));
}

OfxStatus ParamSet::define(const std::string& type, const std::string& name, Param*& param) {
    const ParamTypeInfo* info = findParamType(type);
    if (info == nullptr) {
        return kOfxStatErrUnknown;
    }
    if (find(name) != nullptr) {
        return kOfxStatErrExists;
    }
    _params.push_back(std::make_unique<Param>(*this, *info, name));
    param = _params.back().get();
    return kOfxStatOK;
}

Param* ParamSet::find(const std::string& name) const {
    for (const auto& param : _params) {
        if (param->name() == name) {
            return param.get();
        }
    }
    return nullptr;
}

void ParamSet::instantiate(const ParamSet& descriptors) {
    for (const auto& descriptor : descriptors._params) {
        _params.push_back(std::make_unique<Param>(*this, *descriptor));
    }
}

void ParamSet::pluginSetValue(Param& param) const noexcept {
    if (!_valueObserver) {
        return;
    }
    try {
        _valueObserver(param);
    } catch (...) {
        // The plug-in's own call succeeded; what the host did next is not its concern.
    }
}

bool ParamSet::endEdit() {
    if (_openEdits == 0) {
        return false;
    }
    --_openEdits;
    return true;
}

}  // namespace ofxhost
