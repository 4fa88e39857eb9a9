#pragma once

#include <memory>
#include <string>
#include <vector>

#include "HostSession.h"
#include "ImageEffect.h"
#include "Param.h"
#include "PropertySet.h"
#include "ofx/api/ofx_core.h"

namespace ofxhost {

// What a plug-in answered to IsIdentity.
struct IdentityAnswer {
    bool identity = false;
    // The clip to pass through, when it is an identity.
    std::string clip;
    double time = 0.0;
};

// One live instance of a described plug-in, driven the way a host application
// drives the instance a user works with: CreateInstance when made,
// DestroyInstance when gone, and every change of a parameter reported with
// BeginInstanceChanged, InstanceChanged and EndInstanceChanged. A value the
// plug-in sets while it handles such a change is reported back to it at once
// as its own edit (a nested InstanceChanged), as the standard describes.
class EffectInstance {
  public:
    // Throws ActionError when the plug-in fails CreateInstance.
    EffectInstance(const PluginDescription& plugin, const ContextDescription& context);
    // Sends DestroyInstance.
    ~EffectInstance();
    EffectInstance(const EffectInstance&) = delete;
    EffectInstance& operator=(const EffectInstance&) = delete;

    const ImageEffect& effect() const { return *_effect; }

    // A user's edit: sets the parameter from its text form (see
    // ParamValueText.h) and reports the change at `time`.
    void setValue(const std::string& name, const std::string& text, double time);
    // A user's click on a push button.
    void press(const std::string& name, double time);
    // Asks whether the effect would leave its input unchanged at `time`.
    IdentityAnswer isIdentity(double time);

    // What went wrong in nested actions, which cannot fail the user's edit.
    const std::vector<std::string>& warnings() const { return _warnings; }

  private:
    Param& param(const std::string& name) const;
    // Sends the three actions of one change; a status other than OK or
    // ReplyDefault throws ActionError for a user's edit and is a warning for
    // the plug-in's own.
    void reportChange(const Param& param, const char* reason, double time);
    void pluginChanged(Param& param);
    OfxStatus send(const char* action, const PropertySet* inArgs, PropertySet* outArgs = nullptr);
    void check(const char* action, OfxStatus status, bool userEdit);

    const PluginDescription& _plugin;
    std::string _context;
    std::unique_ptr<ImageEffect> _effect;
    // Inside a change group: the time reported, and how deep plug-in edits nest.
    bool _inChange = false;
    double _changeTime = 0.0;
    int _nesting = 0;
    std::vector<std::string> _warnings;
};

}  // namespace ofxhost
