#include "EffectInstance.h"

#include "ContextNames.h"
#include "EffectProperties.h"
#include "HostError.h"
#include "ParamValueText.h"
#include "StatusNames.h"
#include "ofx/api/ofx_image_effect.h"
#include "ofx/api/ofx_param.h"

namespace ofxhost {

namespace {

// Plug-in edits that keep causing further edits are cut off here.
constexpr int kMaxNesting = 16;

bool accepted(OfxStatus status) {
    return status == kOfxStatOK || status == kOfxStatReplyDefault;
}

}  // namespace

EffectInstance::EffectInstance(const PluginDescription& plugin, const ContextDescription& context)
    : _plugin(plugin),
      _context(context.context),
      _effect(ImageEffect::instance(*context.descriptor, context.context)) {
    const OfxStatus status = send(kOfxActionCreateInstance, nullptr);
    if (!accepted(status)) {
        throw ActionError(std::string(kOfxActionCreateInstance) + " of " + _plugin.identifier +
                              " in the " + shortContextName(_context) +
                              " context failed: " + statusName(status),
                          status);
    }
    _effect->params().setValueObserver([this](Param& param) { pluginChanged(param); });
}

EffectInstance::~EffectInstance() {
    _effect->params().setValueObserver(nullptr);
    send(kOfxActionDestroyInstance, nullptr);
}

Param& EffectInstance::param(const std::string& name) const {
    Param* found = _effect->params().find(name);
    if (found == nullptr) {
        throw HostError(_plugin.identifier + " has no parameter " + name);
    }
    return *found;
}

OfxStatus EffectInstance::send(const char* action, const PropertySet* inArgs,
                               PropertySet* outArgs) {
    return _plugin.plugin->mainEntry(action, _effect->handle(),
                                     inArgs != nullptr ? inArgs->handle() : nullptr,
                                     outArgs != nullptr ? outArgs->handle() : nullptr);
}

void EffectInstance::check(const char* action, OfxStatus status, bool userEdit) {
    if (accepted(status)) {
        return;
    }
    const std::string message =
        std::string(action) + " of " + _plugin.identifier + " failed: " + statusName(status);
    if (userEdit) {
        throw ActionError(message, status);
    }
    _warnings.push_back(message);
}

void EffectInstance::reportChange(const Param& param, const char* reason, double time) {
    const bool userEdit = !_inChange;
    const bool outerChange = _inChange;
    const double outerTime = _changeTime;
    _inChange = true;
    _changeTime = time;

    PropertySet reasonArgs;
    reasonArgs.addString(kOfxPropChangeReason, {reason});
    PropertySet changeArgs;
    changeArgs.addString(kOfxPropType, {kOfxTypeParameter})
        .addString(kOfxPropName, {param.name()})
        .addString(kOfxPropChangeReason, {reason})
        .addDouble(kOfxPropTime, {time})
        .addDouble(kOfxImageEffectPropRenderScale, {1.0, 1.0});
    try {
        check(kOfxActionBeginInstanceChanged, send(kOfxActionBeginInstanceChanged, &reasonArgs),
              userEdit);
        check(kOfxActionInstanceChanged, send(kOfxActionInstanceChanged, &changeArgs), userEdit);
        check(kOfxActionEndInstanceChanged, send(kOfxActionEndInstanceChanged, &reasonArgs),
              userEdit);
    } catch (...) {
        _inChange = outerChange;
        _changeTime = outerTime;
        throw;
    }
    _inChange = outerChange;
    _changeTime = outerTime;
    if (userEdit && _effect->params().openEdits() != 0) {
        _warnings.push_back(_plugin.identifier + " left " +
                            std::to_string(_effect->params().openEdits()) +
                            " edit block(s) open after the change of " + param.name());
    }
}

void EffectInstance::pluginChanged(Param& param) {
    // Only edits made while handling a change are reported back; values set
    // in other actions (creation, identity) are taken as they are.
    if (!_inChange) {
        return;
    }
    if (_nesting >= kMaxNesting) {
        _warnings.push_back("plug-in edits nest deeper than " + std::to_string(kMaxNesting) +
                            " changes; the change of " + param.name() + " was not reported");
        return;
    }
    ++_nesting;
    reportChange(param, kOfxChangePluginEdited, _changeTime);
    --_nesting;
}

void EffectInstance::setValue(const std::string& name, const std::string& text, double time) {
    Param& target = param(name);
    assignValueText(target, text);
    reportChange(target, kOfxChangeUserEdited, time);
}

void EffectInstance::press(const std::string& name, double time) {
    Param& target = param(name);
    if (!target.type().is(kOfxParamTypePushButton)) {
        throw HostError(name + " is not a push button");
    }
    reportChange(target, kOfxChangeUserEdited, time);
}

IdentityAnswer EffectInstance::isIdentity(double time) {
    const OfxRectD region = projectRegion();
    PropertySet inArgs;
    inArgs.addDouble(kOfxPropTime, {time})
        .addString(kOfxImageEffectPropFieldToRender, {kOfxImageFieldNone})
        .addInt(kOfxImageEffectPropRenderWindow,
                {static_cast<int>(region.x1), static_cast<int>(region.y1),
                 static_cast<int>(region.x2), static_cast<int>(region.y2)})
        .addDouble(kOfxImageEffectPropRenderScale, {1.0, 1.0});
    PropertySet outArgs;
    outArgs.addString(kOfxPropName, {""}).addDouble(kOfxPropTime, {time});

    const OfxStatus status = send(kOfxImageEffectActionIsIdentity, &inArgs, &outArgs);
    IdentityAnswer answer;
    answer.time = time;
    if (status == kOfxStatOK) {
        answer.identity = true;
        answer.clip = outArgs.getString(kOfxPropName);
        answer.time = outArgs.getDouble(kOfxPropTime);
    } else if (status != kOfxStatReplyDefault) {
        throw ActionError(std::string(kOfxImageEffectActionIsIdentity) + " of " +
                              _plugin.identifier + " failed: " + statusName(status),
                          status);
    }
    return answer;
}

}  // namespace ofxhost
