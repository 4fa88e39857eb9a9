#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ofx/api/ofx_image_effect.h"
#include "ofx/api/ofx_param.h"
#include "ofx/support/BitDepthEnum.h"
#include "ofx/support/ClipDescriptor.h"
#include "ofx/support/ContextEnum.h"
#include "ofx/support/ParamDescriptor.h"
#include "ofx/support/PropertySet.h"

namespace OFX {

class BooleanParamDescriptor;
class ChoiceParamDescriptor;
class Double2DParamDescriptor;
class Double3DParamDescriptor;
class DoubleParamDescriptor;
class GroupParamDescriptor;
class IntParamDescriptor;
class PageParamDescriptor;
class ParametricParamDescriptor;
class PushButtonParamDescriptor;
class RGBAParamDescriptor;
class RGBParamDescriptor;
class StringParamDescriptor;

// The effect descriptor handed to the describe actions: typed setters for the
// effect-level properties. Properties every host knows are essential, and a
// refusal throws a SuiteError that fails the action. Newer or optional ones
// (description, spatial awareness, GPU flags) may be refused by some hosts:
// their setters log the refusal and return false instead.
// In describe-in-context it also defines the clips and parameters, and owns
// their descriptors for as long as it lives.
class ImageEffectDescriptor {
  public:
    // Throws a SuiteError when the host gives no property set for `handle`.
    explicit ImageEffectDescriptor(OfxImageEffectHandle handle);
    ImageEffectDescriptor(const ImageEffectDescriptor&) = delete;
    ImageEffectDescriptor& operator=(const ImageEffectDescriptor&) = delete;

    OfxImageEffectHandle getHandle() const { return _handle; }
    const PropertySet& getPropertySet() const { return _properties; }

    void setLabel(const std::string& label);
    void setPluginGrouping(const std::string& grouping);
    bool setPluginDescription(const std::string& description);

    void setSupportedContexts(const std::vector<ContextEnum>& contexts);
    void setSupportedBitDepths(const std::vector<BitDepthEnum>& depths);

    void setSingleInstance(bool enabled);
    void setHostFrameThreading(bool enabled);
    void setSupportsMultiResolution(bool enabled);
    void setSupportsTiles(bool enabled);
    void setTemporalClipAccess(bool enabled);
    void setRenderTwiceAlways(bool enabled);
    void setSupportsMultipleClipPARs(bool enabled);
    bool setNoSpatialAwareness(bool enabled);

    bool setCudaRenderSupported(bool supported);
    bool setCudaStreamSupported(bool supported);
    bool setOpenCLRenderSupported(bool supported);

    // The tiles value set through this descriptor, if any; the dispatcher
    // repeats it on the describe-in-context descriptor.
    std::optional<bool> getSupportsTilesSet() const { return _supportsTiles; }

    // The clip `name`; a name that comes again gives the clip already defined.
    // A host refusal throws a SuiteError.
    ClipDescriptor& defineClip(const std::string& name);

    // The parameter `name` of each kind: a name that comes again gives the
    // parameter already defined when it is of the same kind, and null when it
    // is of another kind. A host refusal throws a SuiteError.
    DoubleParamDescriptor* defineDoubleParam(const std::string& name);
    IntParamDescriptor* defineIntParam(const std::string& name);
    BooleanParamDescriptor* defineBooleanParam(const std::string& name);
    ChoiceParamDescriptor* defineChoiceParam(const std::string& name);
    RGBParamDescriptor* defineRGBParam(const std::string& name);
    RGBAParamDescriptor* defineRGBAParam(const std::string& name);
    Double2DParamDescriptor* defineDouble2DParam(const std::string& name);
    Double3DParamDescriptor* defineDouble3DParam(const std::string& name);
    StringParamDescriptor* defineStringParam(const std::string& name);
    PushButtonParamDescriptor* definePushButtonParam(const std::string& name);
    GroupParamDescriptor* defineGroupParam(const std::string& name);
    PageParamDescriptor* definePageParam(const std::string& name);
    // Also throws a SuiteError (kOfxStatErrMissingHostFeature), defining
    // nothing, on a host without the parametric parameter suite: the plug-in
    // could neither shape nor read the curves.
    ParametricParamDescriptor* defineParametricParam(const std::string& name);

    // The parameter defined under `name`, of any kind, or null.
    ParamDescriptor* getParamDescriptor(const std::string& name);

  private:
    void setFlag(const char* name, bool enabled);
    bool setOptionalString(const char* name, const std::string& value);

    template <class Descriptor, class... Extra>
    Descriptor* defineParam(const std::string& name, Extra... extra);
    OfxParamSetHandle paramSet();

    OfxImageEffectHandle _handle;
    PropertySet _properties;
    std::optional<bool> _supportsTiles;
    OfxParamSetHandle _paramSet = nullptr;
    std::map<std::string, std::unique_ptr<ClipDescriptor>> _clips;
    std::map<std::string, std::unique_ptr<ParamDescriptor>> _params;
};

}  // namespace OFX
