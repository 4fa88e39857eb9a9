#pragma once

#include <nlohmann/json.hpp>

#include "EffectInstance.h"
#include "ImageEffect.h"

namespace ofxhost {

// {"params":{NAME:{"type":..., "value":...}}} for every parameter of an
// instance; choices add their "options" and whether they are "secret".
nlohmann::json paramsJson(const ImageEffect& instance);

// {"identity":bool, "clip":NAME or null, "time":T}.
nlohmann::json identityJson(const IdentityAnswer& answer);

}  // namespace ofxhost
