#pragma once

#include <string>

#include "definition/XMLEffectDefinition.h"

// Process-wide table from effect name to that effect's parsed definition. The
// registry never owns a definition: whoever registers one keeps it alive for
// as long as it stays registered. Safe to use from any thread.
class EffectDefinitionRegistry {
  public:
    // Adds or replaces the entry for `name`; a null definition is refused
    // (logged, nothing changes).
    static void registerDefinition(const std::string& name, const XMLEffectDefinition* definition);
    // The definition registered under `name`, or null.
    static const XMLEffectDefinition* getDefinition(const std::string& name);
    static void clear();
};
