// The plug-in's answer to the support layer's first question: which effects
// does this binary offer? Exactly one, the GenericEffectFactory of the effect
// it was built for.

#include <memory>
#include <string>

#include "ofx/support/Plugin.h"
#include "plugin/GenericEffectFactory.h"
#include "plugin/PluginBuildInfo.h"
#include "util/Logger.h"

namespace {

// Never freed: the definition registry and the host's plug-in records point
// into the factory until the process ends.
GenericEffectFactory* s_factory = nullptr;

std::string buildEffectName() {
    std::string name = PLUGIN_EFFECT_NAME;
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
        name = name.substr(1, name.size() - 2);
    }
    return name;
}

}  // namespace

void OFX::Plugin::getPluginIDs(OFX::PluginFactoryArray& ids) {
    const std::string effectName = buildEffectName();
    Logger* log = Logger::getInstance();
    log->setDebugLevel(LogLevel::Info);
    log->setEffectName(effectName);
    log->logMessage(LogLevel::Info, "Creating factory for effect: %s", effectName.c_str());
    log->logMessage(LogLevel::Info, "XML path: %s", PLUGIN_DEFINITION_PATH);

    if (s_factory == nullptr) {
        s_factory = std::make_unique<GenericEffectFactory>(PLUGIN_DEFINITION_PATH).release();
    }
    ids.push_back(s_factory);
}
