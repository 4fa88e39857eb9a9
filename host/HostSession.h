#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Host.h"
#include "HostOptions.h"
#include "ImageEffect.h"
#include "Interact.h"
#include "PluginBinary.h"
#include "ofx/api/ofx_core.h"

namespace ofxhost {

// One action the session sent and what the plug-in answered.
struct ActionRecord {
    std::string plugin;
    std::string action;
    std::string context;
    OfxStatus status;
};

// What a plug-in declared in one context.
struct ContextDescription {
    std::string context;
    std::unique_ptr<ImageEffect> descriptor;
};

// One image-effect plug-in of the binary and everything it described.
struct PluginDescription {
    OfxPlugin* plugin = nullptr;
    std::string identifier;
    unsigned int versionMajor = 0;
    unsigned int versionMinor = 0;
    std::unique_ptr<ImageEffect> descriptor;
    std::unique_ptr<Interact> overlay;
    std::vector<ContextDescription> contexts;
    // Load succeeded and Unload has not been sent yet.
    bool loaded = false;
};

// Drives a plug-in binary the way a host application does: set the host,
// load, describe, describe in context, create and destroy instances, unload.
// Every status is checked; those that make the plug-in unusable throw
// ActionError (or HostError) naming the action and the status, the others are
// kept as warnings.
class HostSession {
  public:
    explicit HostSession(HostOptions options = {});
    // Sends Unload to plug-ins still loaded (statuses ignored) and closes the binary.
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // Opens the bundle or binary, calls OfxSetHost, then setHost and Load on
    // every image-effect plug-in it holds.
    void load(const std::string& bundleOrBinary);
    // Describe, the overlay's describe, and DescribeInContext for `contexts`
    // (OFX context strings; empty: every context both sides support).
    void describe(const std::vector<std::string>& contexts = {});
    // One instance per described context: CreateInstance, then DestroyInstance.
    void createAndDestroyInstances();
    void unload();

    Host& host() { return _host; }
    const std::vector<PluginDescription>& plugins() const { return _plugins; }
    const std::vector<ActionRecord>& actions() const { return _actions; }
    const std::vector<std::string>& warnings() const { return _warnings; }

  private:
    OfxStatus send(PluginDescription& plugin, const char* action, const void* handle,
                   const std::string& context = "", OfxPropertySetHandle inArgs = nullptr);
    void describePlugin(PluginDescription& plugin, const std::vector<std::string>& contexts);
    void describeOverlay(PluginDescription& plugin);
    void describeInContext(PluginDescription& plugin, const std::string& context);
    std::vector<std::string> contextsToDescribe(const PluginDescription& plugin,
                                                const std::vector<std::string>& requested) const;

    Host _host;
    std::string _bundlePath;
    std::unique_ptr<PluginBinary> _binary;
    std::vector<PluginDescription> _plugins;
    std::vector<ActionRecord> _actions;
    std::vector<std::string> _warnings;
};

}  // namespace ofxhost
