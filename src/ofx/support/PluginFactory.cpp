#include "ofx/support/PluginFactory.h"

#include "ofx/support/ImageEffect.h"
#include "ofx/support/SuiteError.h"

namespace OFX {

std::unique_ptr<ImageEffect> PluginFactory::createInstance(OfxImageEffectHandle, ContextEnum) {
    throw SuiteError(kOfxStatFailed, getID() + ": effect instances are not available");
}

}  // namespace OFX
