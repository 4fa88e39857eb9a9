#include "ofx/support/ImageEffectHostDescription.h"

#include <functional>

#include "ofx/api/ofx_gpu_render.h"
#include "ofx/api/ofx_image_effect.h"
#include "ofx/support/PropertySet.h"
#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"
#include "util/Logger.h"

namespace OFX {

namespace {

ImageEffectHostDescription gHostDescription;

// Runs one read; a host that lacks the property leaves the default in place.
void readOptional(const char* name, const std::function<void()>& read) {
    try {
        read();
    } catch (const SuiteError& error) {
        Logger::getInstance()->logMessage("Host property %s not read: %s", name, error.what());
    }
}

bool isSupportedText(const std::string& value) {
    return value == "true" || value == "needed";
}

}  // namespace

const ImageEffectHostDescription& getImageEffectHostDescription() {
    return gHostDescription;
}

namespace Private {

void readHostDescription() {
    ImageEffectHostDescription description;
    const PropertySet host(gHost->host);
    readOptional(kOfxPropName, [&] { description.hostName = host.getString(kOfxPropName); });
    readOptional(kOfxPropLabel, [&] { description.hostLabel = host.getString(kOfxPropLabel); });
    readOptional(kOfxPropAPIVersion, [&] {
        const int dimension = host.getDimension(kOfxPropAPIVersion);
        if (dimension > 0) {
            description.apiVersionMajor = host.getInt(kOfxPropAPIVersion, 0);
            description.apiVersionMinor = dimension > 1 ? host.getInt(kOfxPropAPIVersion, 1) : 0;
        }
    });
    readOptional(kOfxImageEffectHostPropIsBackground, [&] {
        description.hostIsBackground = host.getInt(kOfxImageEffectHostPropIsBackground) != 0;
    });
    readOptional(kOfxImageEffectPropSupportsOverlays, [&] {
        description.supportsOverlays = host.getInt(kOfxImageEffectPropSupportsOverlays) != 0;
    });
    readOptional(kOfxImageEffectPropSupportedContexts, [&] {
        const int count = host.getDimension(kOfxImageEffectPropSupportedContexts);
        for (int i = 0; i < count; ++i) {
            if (auto context =
                    contextFromName(host.getString(kOfxImageEffectPropSupportedContexts, i))) {
                description.supportedContexts.push_back(*context);
            }
        }
    });
    readOptional(kOfxImageEffectPropCudaRenderSupported, [&] {
        description.supportsCudaRender =
            isSupportedText(host.getString(kOfxImageEffectPropCudaRenderSupported));
    });
    readOptional(kOfxImageEffectPropCudaStreamSupported, [&] {
        description.supportsCudaStream =
            isSupportedText(host.getString(kOfxImageEffectPropCudaStreamSupported));
    });
    gHostDescription = description;
    Logger::getInstance()->logMessage(LogLevel::Info, "Host: %s (%s), OFX API %d.%d",
                                      description.hostLabel.c_str(), description.hostName.c_str(),
                                      description.apiVersionMajor, description.apiVersionMinor);
}

}  // namespace Private

}  // namespace OFX
