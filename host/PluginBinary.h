#pragma once

#include <memory>
#include <string>

#include "ofx/api/ofx_core.h"

namespace ofxhost {

// A loaded plug-in binary, reached only through its exported entry points:
// OfxGetNumberOfPlugins and OfxGetPlugin (required) and OfxSetHost (optional).
// Closed when destroyed, unless OFXHOST_KEEP_LOADED asks to keep it loaded.
class PluginBinary {
  public:
    // Throws HostError when the file does not load or lacks a required entry point.
    explicit PluginBinary(const std::string& path);
    ~PluginBinary();
    PluginBinary(const PluginBinary&) = delete;
    PluginBinary& operator=(const PluginBinary&) = delete;

    const std::string& path() const { return _path; }
    bool exportsSetHost() const { return _setHost != nullptr; }
    // kOfxStatOK when the binary does not export OfxSetHost.
    OfxStatus setHost(const OfxHost* host) const;
    int pluginCount() const;
    OfxPlugin* plugin(int index) const;

  private:
    struct Closer {
        void operator()(void* library) const;
    };

    std::string _path;
    std::unique_ptr<void, Closer> _library;
    int (*_getNumberOfPlugins)() = nullptr;
    OfxPlugin* (*_getPlugin)(int) = nullptr;
    OfxStatus (*_setHost)(const OfxHost*) = nullptr;
};

}  // namespace ofxhost
