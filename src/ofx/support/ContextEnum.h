#pragma once

#include <optional>
#include <string>

namespace OFX {

// The contexts an image effect can be described and instantiated in.
enum class ContextEnum { Generator, Filter, Transition, Paint, General, Retimer };

// The property value naming `context` ("OfxImageEffectContextFilter", ...).
const char* contextName(ContextEnum context);

// The context a property value names; empty for a name this layer does not know.
std::optional<ContextEnum> contextFromName(const std::string& name);

}  // namespace OFX
