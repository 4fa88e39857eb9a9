#include "Host.h"

#include <mutex>
#include <unordered_map>

#include "DrawSuite.h"
#include "ImageEffectSuite.h"
#include "InteractSuite.h"
#include "MemorySuite.h"
#include "MessageSuite.h"
#include "MultiThreadSuite.h"
#include "ParameterSuite.h"
#include "ParametricParameterSuite.h"
#include "PropertySuite.h"
#include "ofx/api/ofx_api.h"

namespace ofxhost {

namespace {

constexpr int kVariable = Property::kVariable;

// fetchSuite only receives the host descriptor handle; this finds its Host.
class HostDirectory {
  public:
    static void add(OfxPropertySetHandle handle, const Host* host) {
        std::lock_guard<std::mutex> lock(mutex());
        hosts()[handle] = host;
    }
    static void remove(OfxPropertySetHandle handle) {
        std::lock_guard<std::mutex> lock(mutex());
        hosts().erase(handle);
    }
    static const Host* find(OfxPropertySetHandle handle) {
        std::lock_guard<std::mutex> lock(mutex());
        auto it = hosts().find(handle);
        return it == hosts().end() ? nullptr : it->second;
    }

  private:
    static std::unordered_map<OfxPropertySetHandle, const Host*>& hosts() {
        static std::unordered_map<OfxPropertySetHandle, const Host*> all;
        return all;
    }
    static std::mutex& mutex() {
        static std::mutex lock;
        return lock;
    }
};

const void* fetchSuiteEntry(OfxPropertySetHandle handle, const char* name, int version) {
    if (name == nullptr) {
        return nullptr;
    }
    try {
        const Host* host = HostDirectory::find(handle);
        return host == nullptr ? nullptr : host->fetchSuite(name, version);
    } catch (...) {
        return nullptr;
    }
}

void defineHostDescriptor(PropertySet& set) {
    set.addInt(kOfxPropAPIVersion, {1, 5}, kVariable)
        .addString(kOfxPropType, {kOfxTypeImageEffectHost})
        .addString(kOfxPropName, {"org.ofxfw.ofxhost"})
        .addString(kOfxPropLabel, {"ofxhost"})
        .addInt(kOfxPropVersion, {1, 0, 0}, kVariable)
        .addString(kOfxPropVersionLabel, {"1.0.0"})
        .addInt(kOfxImageEffectHostPropIsBackground, {1})
        .addInt(kOfxImageEffectPropSupportsOverlays, {1})
        .addInt(kOfxImageEffectPropSupportsMultiResolution, {1})
        .addInt(kOfxImageEffectPropSupportsTiles, {1})
        .addInt(kOfxImageEffectPropTemporalClipAccess, {1})
        .addString(kOfxImageEffectPropSupportedComponents,
                   {kOfxImageComponentRGBA, kOfxImageComponentRGB, kOfxImageComponentAlpha},
                   kVariable)
        .addString(kOfxImageEffectPropSupportedContexts, Host::supportedContexts(), kVariable)
        .addString(kOfxImageEffectPropSupportedPixelDepths, {kOfxBitDepthFloat}, kVariable)
        .addInt(kOfxImageEffectPropSupportsMultipleClipDepths, {0})
        .addInt(kOfxImageEffectPropSupportsMultipleClipPARs, {0})
        .addInt(kOfxImageEffectPropSetableFrameRate, {0})
        .addInt(kOfxImageEffectPropSetableFielding, {0})
        .addInt(kOfxParamHostPropSupportsCustomInteract, {0})
        .addInt(kOfxParamHostPropSupportsStringAnimation, {0})
        .addInt(kOfxParamHostPropSupportsChoiceAnimation, {0})
        .addInt(kOfxParamHostPropSupportsBooleanAnimation, {0})
        .addInt(kOfxParamHostPropSupportsCustomAnimation, {0})
        .addInt(kOfxParamHostPropSupportsStrChoice, {1})
        .addInt(kOfxParamHostPropSupportsStrChoiceAnimation, {0})
        .addInt(kOfxParamHostPropSupportsParametricAnimation, {0})
        .addInt(kOfxParamHostPropMaxParameters, {-1})
        .addInt(kOfxParamHostPropMaxPages, {-1})
        .addInt(kOfxParamHostPropPageRowColumnCount, {2, 20})
        .addPointer(kOfxPropHostOSHandle, {nullptr})
        .addInt(kOfxImageEffectInstancePropSequentialRender, {0})
        .addString(kOfxImageEffectPropOpenGLRenderSupported, {"false"})
        .addString(kOfxImageEffectPropCPURenderSupported, {"true"})
        .addString(kOfxImageEffectPropCudaRenderSupported, {"false"})
        .addString(kOfxImageEffectPropCudaStreamSupported, {"false"})
        .addString(kOfxImageEffectPropMetalRenderSupported, {"false"})
        .addString(kOfxImageEffectPropOpenCLRenderSupported, {"false"})
        .addString(kOfxImageEffectPropOpenCLSupported, {"false"})
        .addInt(kOfxImageEffectPropRenderQualityDraft, {0})
        .addString(kOfxImageEffectHostPropNativeOrigin, {kOfxHostNativeOriginBottomLeft})
        .addString(kOfxImageEffectPropColourManagementAvailableConfigs, {}, kVariable)
        .addString(kOfxImageEffectPropColourManagementStyle, {kOfxImageEffectColourManagementNone});
}

}  // namespace

Host::Host(HostOptions options)
    : _options(options), _ofxHost{_descriptor.handle(), fetchSuiteEntry} {
    defineHostDescriptor(_descriptor);
    HostDirectory::add(_descriptor.handle(), this);
}

Host::~Host() {
    HostDirectory::remove(_descriptor.handle());
}

std::vector<std::string> Host::supportedContexts() {
    return {kOfxImageEffectContextFilter, kOfxImageEffectContextGeneral};
}

const void* Host::fetchSuite(const std::string& name, int version) const {
    if (version == 1) {
        if (name == kOfxPropertySuite) {
            return propertySuite();
        }
        if (name == kOfxImageEffectSuite) {
            return imageEffectSuite();
        }
        if (name == kOfxParameterSuite) {
            return parameterSuite();
        }
        if (name == kOfxMemorySuite) {
            return memorySuite();
        }
        if (name == kOfxMultiThreadSuite) {
            return multiThreadSuite();
        }
        if (name == kOfxInteractSuite) {
            return interactSuite();
        }
        if (name == kOfxDrawSuite && _options.drawSuite) {
            return drawSuite();
        }
        if (name == kOfxParametricParameterSuite && _options.parametricSuite) {
            return parametricParameterSuite();
        }
    }
    // Version 2 of the message suite extends version 1, so one table serves both.
    if (name == kOfxMessageSuite && (version == 1 || version == 2)) {
        return messageSuite();
    }
    return nullptr;
}

}  // namespace ofxhost
