#include "ofx/support/ImageEffectDescriptor.h"

#include "ofx/api/ofx_gpu_render.h"
#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"
#include "util/Logger.h"

namespace OFX {

namespace {

OfxPropertySetHandle descriptorProperties(OfxImageEffectHandle handle) {
    if (handle == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "Null effect descriptor handle");
    }
    OfxPropertySetHandle properties = nullptr;
    throwIfFailed(Private::imageEffectSuite().getPropertySet(handle, &properties),
                  "Failed to get the effect descriptor's property set");
    if (properties == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "Host gave a null effect descriptor property set");
    }
    return properties;
}

const char* boolText(bool value) {
    return value ? "true" : "false";
}

}  // namespace

ImageEffectDescriptor::ImageEffectDescriptor(OfxImageEffectHandle handle)
    : _handle(handle), _properties(descriptorProperties(handle)) {}

void ImageEffectDescriptor::setLabel(const std::string& label) {
    _properties.setString(kOfxPropLabel, label);
}

void ImageEffectDescriptor::setPluginGrouping(const std::string& grouping) {
    _properties.setString(kOfxImageEffectPluginPropGrouping, grouping);
}

bool ImageEffectDescriptor::setPluginDescription(const std::string& description) {
    return setOptionalString(kOfxPropPluginDescription, description);
}

void ImageEffectDescriptor::setSupportedContexts(const std::vector<ContextEnum>& contexts) {
    std::vector<std::string> names;
    for (ContextEnum context : contexts) {
        names.emplace_back(contextName(context));
    }
    _properties.setStrings(kOfxImageEffectPropSupportedContexts, names);
}

void ImageEffectDescriptor::setSupportedBitDepths(const std::vector<BitDepthEnum>& depths) {
    std::vector<std::string> names;
    for (BitDepthEnum depth : depths) {
        names.emplace_back(bitDepthName(depth));
    }
    _properties.setStrings(kOfxImageEffectPropSupportedPixelDepths, names);
}

void ImageEffectDescriptor::setSingleInstance(bool enabled) {
    setFlag(kOfxImageEffectPluginPropSingleInstance, enabled);
}

void ImageEffectDescriptor::setHostFrameThreading(bool enabled) {
    setFlag(kOfxImageEffectPluginPropHostFrameThreading, enabled);
}

void ImageEffectDescriptor::setSupportsMultiResolution(bool enabled) {
    setFlag(kOfxImageEffectPropSupportsMultiResolution, enabled);
}

void ImageEffectDescriptor::setSupportsTiles(bool enabled) {
    setFlag(kOfxImageEffectPropSupportsTiles, enabled);
    _supportsTiles = enabled;
}

void ImageEffectDescriptor::setTemporalClipAccess(bool enabled) {
    setFlag(kOfxImageEffectPropTemporalClipAccess, enabled);
}

void ImageEffectDescriptor::setRenderTwiceAlways(bool enabled) {
    setFlag(kOfxImageEffectPluginPropFieldRenderTwiceAlways, enabled);
}

void ImageEffectDescriptor::setSupportsMultipleClipPARs(bool enabled) {
    setFlag(kOfxImageEffectPropSupportsMultipleClipPARs, enabled);
}

bool ImageEffectDescriptor::setNoSpatialAwareness(bool enabled) {
    // A string property, unlike the other flags.
    return setOptionalString(kOfxImageEffectPropNoSpatialAwareness, boolText(enabled));
}

bool ImageEffectDescriptor::setCudaRenderSupported(bool supported) {
    return setOptionalString(kOfxImageEffectPropCudaRenderSupported, boolText(supported));
}

bool ImageEffectDescriptor::setCudaStreamSupported(bool supported) {
    return setOptionalString(kOfxImageEffectPropCudaStreamSupported, boolText(supported));
}

bool ImageEffectDescriptor::setOpenCLRenderSupported(bool supported) {
    return setOptionalString(kOfxImageEffectPropOpenCLRenderSupported, boolText(supported));
}

void ImageEffectDescriptor::setFlag(const char* name, bool enabled) {
    _properties.setInt(name, enabled ? 1 : 0);
}

bool ImageEffectDescriptor::setOptionalString(const char* name, const std::string& value) {
    try {
        _properties.setString(name, value);
        return true;
    } catch (const SuiteError& error) {
        Logger::getInstance()->logMessage(
            LogLevel::Info, "Host refused %s; going on without it: %s", name, error.what());
        return false;
    }
}

}  // namespace OFX
