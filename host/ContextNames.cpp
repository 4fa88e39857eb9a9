#include "ContextNames.h"

#include "Host.h"
#include "HostError.h"
#include "ofx/api/ofx_image_effect.h"

namespace ofxhost {

namespace {

constexpr char kContextPrefix[] = "OfxImageEffectContext";

}  // namespace

std::string shortContextName(const std::string& context) {
    const std::string prefix = kContextPrefix;
    if (context.compare(0, prefix.size(), prefix) != 0 || context.size() == prefix.size()) {
        return context;
    }
    std::string name = context.substr(prefix.size());
    name[0] = static_cast<char>(name[0] - 'A' + 'a');
    return name;
}

std::string contextFromShortName(const std::string& shortName) {
    std::string known;
    for (const std::string& context : Host::supportedContexts()) {
        if (shortContextName(context) == shortName) {
            return context;
        }
        known += (known.empty() ? "" : ", ") + shortContextName(context);
    }
    throw HostError("unsupported context '" + shortName + "' (this host knows: " + known + ")");
}

}  // namespace ofxhost
