#include "PluginBinary.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

#include "HostError.h"

namespace ofxhost {

namespace {

template <typename Function>
Function lookUp(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

// OFXHOST_KEEP_LOADED (set, and not "0") leaves binaries loaded, as many host
// applications do: leak checkers and debuggers can then still name the
// plug-in's functions, and memory it keeps for the process's life is not
// reported as lost.
bool keepLoaded() {
    const char* setting = std::getenv("OFXHOST_KEEP_LOADED");
    return setting != nullptr && *setting != '\0' && std::strcmp(setting, "0") != 0;
}

}  // namespace

void PluginBinary::Closer::operator()(void* library) const {
    if (!keepLoaded()) {
        dlclose(library);
    }
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
