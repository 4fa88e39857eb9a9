#pragma once

#include "ofx/api/ofx_core.h"

namespace OFX {

class PluginFactory;

namespace Private {

// Runs one host action on `factory`: load, unload, describe, describe in
// context and the instance actions (InstanceActions.h); everything else gets
// kOfxStatReplyDefault. Never throws: every exception becomes a standard
// status.
OfxStatus dispatchAction(PluginFactory* factory, const char* action, const void* handle,
                         OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs) noexcept;

}  // namespace Private

}  // namespace OFX
