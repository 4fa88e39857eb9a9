#pragma once

#include <memory>
#include <string>

#include "definition/XMLEffectDefinition.h"

// An effect with its required attributes and a minimal pipeline around `body`.
inline std::string effectWith(const std::string& body) {
    return "<effect name=\"Test\" category=\"Tests\">" + body +
           "<pipeline><process name=\"main\"/></pipeline></effect>";
}

// A definition together with the result of loading it.
struct LoadedDefinition {
    std::unique_ptr<XMLEffectDefinition> definition = std::make_unique<XMLEffectDefinition>();
    bool ok = false;

    const XMLEffectDefinition* operator->() const { return definition.get(); }
};

inline LoadedDefinition loadDefinition(const std::string& text) {
    LoadedDefinition loaded;
    loaded.ok = loaded.definition->parseFromEmbeddedXML(text.c_str());
    return loaded;
}
