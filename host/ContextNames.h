#pragma once

#include <string>

namespace ofxhost {

// The short names people use for contexts ("filter", "general") and the OFX
// context strings they stand for. Throws HostError for a name this host does
// not support.
std::string contextFromShortName(const std::string& shortName);
// The short name of an OFX context string ("OfxImageEffectContextFilter" →
// "filter"); other strings come back unchanged.
std::string shortContextName(const std::string& context);

}  // namespace ofxhost
