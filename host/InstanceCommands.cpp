#include "InstanceCommands.h"

#include <exception>
#include <functional>

#include "EffectInstance.h"
#include "HostError.h"
#include "InstanceJson.h"
#include "SessionCommand.h"

namespace ofxhost {

namespace {

void applyActions(EffectInstance& instance, const InstanceRequest& request) {
    for (const InstanceAction& action : request.actions) {
        if (action.kind == InstanceAction::Kind::Set) {
            instance.setValue(action.name, action.value, request.time);
        } else {
            instance.press(action.name, request.time);
        }
    }
}

// Runs `use` on a fresh instance of the bundle's first plug-in and prints
// the JSON it returns.
int runOnInstance(const InstanceRequest& request, std::ostream& out, std::ostream& err,
                  const std::function<nlohmann::json(EffectInstance&)>& use) {
    const auto steps = [&](HostSession& session, std::vector<std::string>& warnings) {
        session.load(request.bundle);
        session.describe();
        const PluginDescription& plugin = session.plugins().front();
        nlohmann::json result;
        {
            EffectInstance instance(plugin, plugin.contexts.front());
            try {
                result = use(instance);
            } catch (const std::exception&) {
                warnings = instance.warnings();
                throw;
            }
            warnings = instance.warnings();
        }
        session.unload();
        return result;
    };
    return runSessionCommand(request.options, out, err, steps);
}

}  // namespace

InstanceAction parseSetAction(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        throw HostError("--set takes NAME=VALUE, not '" + text + "'");
    }
    return {InstanceAction::Kind::Set, text.substr(0, equals), text.substr(equals + 1)};
}

int runParams(const InstanceRequest& request, std::ostream& out, std::ostream& err) {
    return runOnInstance(request, out, err, [&](EffectInstance& instance) {
        instance.isIdentity(request.time);
        applyActions(instance, request);
        return paramsJson(instance.effect());
    });
}

int runIdentity(const InstanceRequest& request, std::ostream& out, std::ostream& err) {
    return runOnInstance(request, out, err, [&](EffectInstance& instance) {
        applyActions(instance, request);
        return identityJson(instance.isIdentity(request.time));
    });
}

}  // namespace ofxhost
