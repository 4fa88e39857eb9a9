#include "PluginBinary.h"

#include <dlfcn.h>

#include "HostError.h"

namespace ofxhost {

namespace {

template <typename Function>
Function lookUp(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

}  // namespace

void PluginBinary::Closer::operator()(void* library) const {
    dlclose(library);
}

PluginBinary::PluginBinary(const std::string& path) : _path(path) {
    _library.reset(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!_library) {
        const char* reason = dlerror();
        throw HostError("cannot load " + path + ": " + (reason ? reason : "unknown reason"));
    }
    _getNumberOfPlugins = lookUp<int (*)()>(_library.get(), "OfxGetNumberOfPlugins");
    _getPlugin = lookUp<OfxPlugin* (*)(int)>(_library.get(), "OfxGetPlugin");
    _setHost = lookUp<OfxStatus (*)(const OfxHost*)>(_library.get(), "OfxSetHost");
    if (_getNumberOfPlugins == nullptr || _getPlugin == nullptr) {
        throw HostError(path + " does not export the OFX entry points " +
                        "OfxGetNumberOfPlugins and OfxGetPlugin");
    }
}

PluginBinary::~PluginBinary() = default;

OfxStatus PluginBinary::setHost(const OfxHost* host) const {
    return _setHost == nullptr ? kOfxStatOK : _setHost(host);
}

int PluginBinary::pluginCount() const {
    return _getNumberOfPlugins();
}

OfxPlugin* PluginBinary::plugin(int index) const {
    return _getPlugin(index);
}

}  // namespace ofxhost
