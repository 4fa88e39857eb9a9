#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "ofx/api/ofx_image_effect.h"
#include "ofx/api/ofx_param.h"
#include "ofx/support/ActionArguments.h"
#include "ofx/support/ChoiceParam.h"
#include "ofx/support/Clip.h"
#include "ofx/support/ColourParams.h"
#include "ofx/support/Param.h"
#include "ofx/support/PropertySet.h"
#include "ofx/support/PushButtonParam.h"
#include "ofx/support/ScalarParams.h"
#include "ofx/support/StringParam.h"
#include "ofx/support/VectorParams.h"

namespace OFX {

// Base of an effect instance: one object per instance the host creates, made
// by the factory's createInstance and destroyed at the host's destroy-instance
// action. Subclasses override the actions they handle; the action dispatcher
// turns whatever they throw into a status for the host.
//
// Clips and parameters are fetched by name and owned here; a second fetch of
// the same name returns the same object. Fetching is safe from any thread.
class ImageEffect {
  public:
    // Reads the instance's property set and parameter set from the host.
    // Throws SuiteError when the host gives neither.
    explicit ImageEffect(OfxImageEffectHandle handle);
    virtual ~ImageEffect();
    ImageEffect(const ImageEffect&) = delete;
    ImageEffect& operator=(const ImageEffect&) = delete;

    OfxImageEffectHandle getHandle() const { return _handle; }
    const PropertySet& getPropertySet() const { return _properties; }

    // The render action. Without an override, rendering fails with
    // kOfxStatFailed: an effect that cannot render must not pretend it did.
    virtual void render(const RenderArguments& args);
    // True when the effect leaves the image of `identityClip` at
    // `identityTime` unchanged, so the host may skip rendering. Defaults to
    // false.
    virtual bool isIdentity(const IsIdentityArguments& args, Clip*& identityClip,
                            double& identityTime);
    // A parameter's value changed. Does nothing by default.
    virtual void changedParam(const InstanceChangedArgs& args, const std::string& paramName);

    // Each throws SuiteError when the host has no clip or parameter of that
    // name, or when the parameter is of another kind.
    Clip* fetchClip(const std::string& name);
    DoubleParam* fetchDoubleParam(const std::string& name);
    IntParam* fetchIntParam(const std::string& name);
    BooleanParam* fetchBooleanParam(const std::string& name);
    ChoiceParam* fetchChoiceParam(const std::string& name);
    RGBParam* fetchRGBParam(const std::string& name);
    RGBAParam* fetchRGBAParam(const std::string& name);
    Double2DParam* fetchDouble2DParam(const std::string& name);
    Double3DParam* fetchDouble3DParam(const std::string& name);
    StringParam* fetchStringParam(const std::string& name);
    PushButtonParam* fetchPushButtonParam(const std::string& name);

    // Groups the parameter changes between them into one undo step named
    // `name`. Only allowed where the host lets the plug-in set values.
    void beginEditBlock(const std::string& name);
    void endEditBlock();

  private:
    template <class T>
    T* fetchParam(const std::string& name);

    OfxImageEffectHandle _handle;
    PropertySet _properties;
    OfxParamSetHandle _paramSet = nullptr;

    std::mutex _fetchMutex;
    std::map<std::string, std::unique_ptr<Clip>> _clips;
    std::map<std::string, std::unique_ptr<Param>> _params;
};

}  // namespace OFX
