#pragma once

#include <nlohmann/json.hpp>

#include "definition/XMLEffectDefinition.h"

// Summary of a parsed definition, keyed by the record field names.
nlohmann::ordered_json definitionToJson(const XMLEffectDefinition& definition);
