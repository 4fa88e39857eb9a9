#include "HostSession.h"

#include <algorithm>
#include <cstring>

#include "BundlePath.h"
#include "ContextNames.h"
#include "HostError.h"
#include "StatusNames.h"
#include "ofx/api/ofx_image_effect.h"
#include "ofx/api/ofx_interact.h"

namespace ofxhost {

namespace {

bool acceptedOrDefault(OfxStatus status) {
    return status == kOfxStatOK || status == kOfxStatReplyDefault;
}

std::string describeAction(const PluginDescription& plugin, const char* action,
                           const std::string& context) {
    std::string text = std::string(action) + " of " + plugin.identifier;
    if (!context.empty()) {
        text += " in the " + shortContextName(context) + " context";
    }
    return text;
}

[[noreturn]] void fail(const PluginDescription& plugin, const char* action,
                       const std::string& context, OfxStatus status) {
    throw ActionError(describeAction(plugin, action, context) + " failed: " + statusName(status),
                      status);
}

}  // namespace

HostSession::HostSession(HostOptions options) : _host(options) {}

HostSession::~HostSession() {
    for (auto it = _plugins.rbegin(); it != _plugins.rend(); ++it) {
        if (it->loaded) {
            it->plugin->mainEntry(kOfxActionUnload, nullptr, nullptr, nullptr);
        }
    }
}

OfxStatus HostSession::send(PluginDescription& plugin, const char* action, const void* handle,
                            const std::string& context, OfxPropertySetHandle inArgs) {
    const OfxStatus status = plugin.plugin->mainEntry(action, handle, inArgs, nullptr);
    _actions.push_back({plugin.identifier, action, context, status});
    return status;
}

void HostSession::load(const std::string& bundleOrBinary) {
    if (_binary) {
        throw HostError("this session has already loaded " + _binary->path());
    }
    const BundlePath where = BundlePath::resolve(bundleOrBinary);
    _bundlePath = where.bundle;
    _binary = std::make_unique<PluginBinary>(where.binary);

    const OfxStatus hostStatus = _binary->setHost(_host.ofxHost());
    if (hostStatus != kOfxStatOK) {
        throw ActionError(
            where.binary + " declined the host: OfxSetHost returned " + statusName(hostStatus),
            hostStatus);
    }
    const int count = _binary->pluginCount();
    if (count <= 0) {
        throw HostError(where.binary + " holds no plug-ins (OfxGetNumberOfPlugins returned " +
                        std::to_string(count) + ")");
    }
    for (int index = 0; index < count; ++index) {
        OfxPlugin* plugin = _binary->plugin(index);
        if (plugin == nullptr) {
            _warnings.push_back("OfxGetPlugin(" + std::to_string(index) + ") returned nothing");
            continue;
        }
        const char* api = plugin->pluginApi == nullptr ? "" : plugin->pluginApi;
        const char* id = plugin->pluginIdentifier == nullptr ? "" : plugin->pluginIdentifier;
        if (std::strcmp(api, kOfxImageEffectPluginApi) != 0 ||
            plugin->apiVersion != kOfxImageEffectPluginApiVersion) {
            _warnings.push_back(std::string("skipping ") + id + ": API " + api + " version " +
                                std::to_string(plugin->apiVersion) + " is not supported");
            continue;
        }
        if (plugin->setHost == nullptr || plugin->mainEntry == nullptr) {
            throw HostError(std::string(id) + " has no setHost or mainEntry function");
        }
        PluginDescription description;
        description.plugin = plugin;
        description.identifier = id;
        description.versionMajor = plugin->pluginVersionMajor;
        description.versionMinor = plugin->pluginVersionMinor;
        _plugins.push_back(std::move(description));
    }
    if (_plugins.empty()) {
        throw HostError(where.binary + " holds no image-effect plug-in this host can use");
    }
    for (PluginDescription& plugin : _plugins) {
        plugin.plugin->setHost(_host.ofxHost());
    }
    for (PluginDescription& plugin : _plugins) {
        const OfxStatus status = send(plugin, kOfxActionLoad, nullptr);
        if (!acceptedOrDefault(status)) {
            fail(plugin, kOfxActionLoad, "", status);
        }
        plugin.loaded = true;
    }
}

void HostSession::describe(const std::vector<std::string>& contexts) {
    if (_plugins.empty() || !_plugins.front().loaded) {
        throw HostError("describe needs a loaded plug-in binary");
    }
    for (PluginDescription& plugin : _plugins) {
        describePlugin(plugin, contexts);
    }
}

void HostSession::describePlugin(PluginDescription& plugin,
                                 const std::vector<std::string>& contexts) {
    plugin.descriptor = ImageEffect::describeDescriptor(_host, _bundlePath);
    plugin.contexts.clear();
    const OfxStatus status = send(plugin, kOfxActionDescribe, plugin.descriptor->handle());
    if (status != kOfxStatOK) {
        fail(plugin, kOfxActionDescribe, "", status);
    }
    describeOverlay(plugin);
    for (const std::string& context : contextsToDescribe(plugin, contexts)) {
        describeInContext(plugin, context);
    }
    if (plugin.contexts.empty()) {
        throw HostError(plugin.identifier + " was described in no context");
    }
}

void HostSession::describeOverlay(PluginDescription& plugin) {
    const PropertySet& properties = plugin.descriptor->properties();
    // The draw-suite overlay is only usable where the draw suite exists.
    void* entry = nullptr;
    if (properties.has(kOfxImageEffectPluginPropOverlayInteractV2) && _host.options().drawSuite) {
        entry = properties.getPointer(kOfxImageEffectPluginPropOverlayInteractV2);
    }
    if (entry == nullptr) {
        entry = properties.getPointer(kOfxImageEffectPluginPropOverlayInteractV1);
    }
    if (entry == nullptr) {
        return;
    }
    plugin.overlay = std::make_unique<Interact>(reinterpret_cast<OfxPluginEntryPoint*>(entry));
    const OfxStatus status = plugin.overlay->entry()(kOfxActionDescribeInteract,
                                                     plugin.overlay->handle(), nullptr, nullptr);
    _actions.push_back(
        {plugin.identifier, "overlay " + std::string(kOfxActionDescribeInteract), "", status});
    if (!acceptedOrDefault(status)) {
        _warnings.push_back("the overlay interact of " + plugin.identifier +
                            " failed to describe: " + statusName(status));
        plugin.overlay.reset();
    }
}

std::vector<std::string> HostSession::contextsToDescribe(
    const PluginDescription& plugin, const std::vector<std::string>& requested) const {
    const std::vector<std::string> declared =
        plugin.descriptor->properties().getStrings(kOfxImageEffectPropSupportedContexts);
    const auto supportedByPlugin = [&](const std::string& context) {
        return std::find(declared.begin(), declared.end(), context) != declared.end();
    };
    std::vector<std::string> contexts;
    if (requested.empty()) {
        for (const std::string& context : Host::supportedContexts()) {
            if (supportedByPlugin(context)) {
                contexts.push_back(context);
            }
        }
        return contexts;
    }
    for (const std::string& context : requested) {
        if (!supportedByPlugin(context)) {
            throw HostError(plugin.identifier + " does not support the " +
                            shortContextName(context) + " context");
        }
        contexts.push_back(context);
    }
    return contexts;
}

void HostSession::describeInContext(PluginDescription& plugin, const std::string& context) {
    std::unique_ptr<ImageEffect> descriptor = ImageEffect::contextDescriptor(*plugin.descriptor);
    PropertySet inArgs;
    inArgs.addString(kOfxImageEffectPropContext, {context});
    const OfxStatus status = send(plugin, kOfxImageEffectActionDescribeInContext,
                                  descriptor->handle(), context, inArgs.handle());
    if (status == kOfxStatErrMissingHostFeature) {
        _warnings.push_back(
            describeAction(plugin, kOfxImageEffectActionDescribeInContext, context) +
            " needs a feature this host lacks; context skipped");
        return;
    }
    if (status != kOfxStatOK) {
        fail(plugin, kOfxImageEffectActionDescribeInContext, context, status);
    }
    plugin.contexts.push_back({context, std::move(descriptor)});
}

void HostSession::createAndDestroyInstances() {
    for (PluginDescription& plugin : _plugins) {
        for (const ContextDescription& described : plugin.contexts) {
            std::unique_ptr<ImageEffect> instance =
                ImageEffect::instance(*described.descriptor, described.context);
            const OfxStatus created =
                send(plugin, kOfxActionCreateInstance, instance->handle(), described.context);
            if (!acceptedOrDefault(created)) {
                // The host drops an instance whose creation failed without destroying it.
                _warnings.push_back(
                    describeAction(plugin, kOfxActionCreateInstance, described.context) +
                    " failed: " + statusName(created));
                continue;
            }
            const OfxStatus destroyed =
                send(plugin, kOfxActionDestroyInstance, instance->handle(), described.context);
            if (!acceptedOrDefault(destroyed)) {
                _warnings.push_back(
                    describeAction(plugin, kOfxActionDestroyInstance, described.context) +
                    " failed: " + statusName(destroyed));
            }
        }
    }
}

void HostSession::unload() {
    const PluginDescription* failed = nullptr;
    OfxStatus failure = kOfxStatOK;
    for (auto it = _plugins.rbegin(); it != _plugins.rend(); ++it) {
        if (!it->loaded) {
            continue;
        }
        it->loaded = false;
        const OfxStatus status = send(*it, kOfxActionUnload, nullptr);
        if (!acceptedOrDefault(status) && failed == nullptr) {
            failed = &*it;
            failure = status;
        }
    }
    if (failed != nullptr) {
        fail(*failed, kOfxActionUnload, "", failure);
    }
}

}  // namespace ofxhost
