#pragma once

#include <nlohmann/json.hpp>

#include "HostSession.h"
#include "PropertySet.h"

namespace ofxhost {

// {NAME: [values...]} for every property of the set; pointers appear as
// "0x..." text, or null when unset.
nlohmann::json propertiesJson(const PropertySet& properties);

// {"plugins": [{"identifier", "version": [major, minor], "properties",
// "contexts": {CONTEXT: {"clips": [...], "params": [...]}}}]} with clips and
// parameters in the order the plug-in defined them, contexts by short name;
// parametric parameters add their "curves" ([[key, value], ...] per curve).
nlohmann::json descriptionJson(const std::vector<PluginDescription>& plugins);

}  // namespace ofxhost
