#pragma once

#include <optional>
#include <string>

#include "ofx/api/ofx_image_effect.h"

namespace OFX {

class PluginFactory;

namespace Private {

// Runs one action on an effect instance of `factory`: create and destroy it,
// the instance-changed family, is-identity and render. Empty when `action` is
// none of these. Instances are owned here from create to destroy; actions on a
// handle that is no live instance get kOfxStatReplyDefault (destroy: OK).
// Throws what the instance throws.
std::optional<OfxStatus> dispatchInstanceAction(PluginFactory& factory, const std::string& action,
                                                OfxImageEffectHandle handle,
                                                OfxPropertySetHandle inArgs,
                                                OfxPropertySetHandle outArgs);

}  // namespace Private

}  // namespace OFX
