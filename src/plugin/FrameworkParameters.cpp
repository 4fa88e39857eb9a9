#include "plugin/FrameworkParameters.h"

#include <iterator>
#include <set>
#include <string>

#include "ofx/support/ChoiceParamDescriptor.h"
#include "ofx/support/GroupParamDescriptor.h"
#include "ofx/support/NumericParamDescriptors.h"
#include "ofx/support/PushButtonParamDescriptor.h"
#include "ofx/support/StringParamDescriptor.h"
#include "plugin/FrameworkParameterNames.h"
#include "plugin/RequireDescriptor.h"

namespace FrameworkParameters {

namespace {

using namespace FrameworkParameterNames;

void describe(OFX::ParamDescriptor& param, const std::string& label, const std::string& hint) {
    param.setLabels(label, label, label);
    param.setHint(hint);
}

// A preset list holding only its placeholder until the instance fills it.
void definePresetList(OFX::ImageEffectDescriptor& desc, const OFX::GroupParamDescriptor& group,
                      const char* name, const std::string& label, const std::string& hint,
                      const std::string& placeholder) {
    OFX::ChoiceParamDescriptor& list = requireDescriptor(desc.defineChoiceParam(name), name);
    describe(list, label, hint);
    list.appendOption(placeholder);
    list.setDefault(0);
    list.setParent(group);
}

void defineButton(OFX::ImageEffectDescriptor& desc, const OFX::GroupParamDescriptor& group,
                  const char* name, const std::string& label, const std::string& hint) {
    OFX::PushButtonParamDescriptor& button =
        requireDescriptor(desc.definePushButtonParam(name), name);
    describe(button, label, hint);
    button.setParent(group);
}

}  // namespace

void definePresetSection(OFX::ImageEffectDescriptor& desc) {
    OFX::GroupParamDescriptor& group =
        requireDescriptor(desc.defineGroupParam(PRESETS_HELP), PRESETS_HELP);
    describe(group, "Presets & Help", "Save and load effect presets, access documentation");
    group.setOpen(false);

    definePresetList(desc, group, FACTORY_PRESET_LIST, "Factory Presets",
                     "Select a factory preset to apply it immediately", "(no factory presets)");
    definePresetList(desc, group, PRESET_LIST, "My Presets",
                     "Select a user preset to apply it immediately", "(no presets found)");
    defineButton(desc, group, DELETE_PRESET, "Delete", "Delete the selected preset");

    OFX::StringParamDescriptor& presetName =
        requireDescriptor(desc.defineStringParam(PRESET_NAME), PRESET_NAME);
    describe(presetName, "Save As", "Enter name for new preset (e.g., frosted_glass)");
    presetName.setDefault("");
    presetName.setParent(group);

    defineButton(desc, group, SAVE_PRESET, "Save", "Save current parameters with the given name");
    defineButton(desc, group, TUTORIALS_BUTTON, "Tutorials & Documentation",
                 "View tutorials, guides, and documentation for this effect");
}

void defineGlobalBlend(OFX::ImageEffectDescriptor& desc) {
    OFX::GroupParamDescriptor& group =
        requireDescriptor(desc.defineGroupParam(GLOBAL_BLEND_GROUP), GLOBAL_BLEND_GROUP);
    describe(group, "Global Blend", "Blend the effect with the original image");
    group.setOpen(true);

    OFX::DoubleParamDescriptor& blend = requireDescriptor(desc.defineDoubleParam(BLEND), BLEND);
    describe(blend, "Blend", "Amount of effect to apply (0.0 = original image, 1.0 = full effect)");
    blend.setRange(0.0, 1.0);
    blend.setDisplayRange(0.0, 1.0);
    blend.setDefault(1.0);
    blend.setIncrement(0.01);
    blend.setParent(group);
}

std::string controlsPageName(const XMLEffectDefinition& definition) {
    std::set<std::string> taken(std::begin(ALL), std::end(ALL));
    for (const XMLEffectDefinition::ParameterDef& param : definition.getParameters()) {
        taken.insert(param.name);
    }
    for (const XMLEffectDefinition::UIGroupDef& group : definition.getUIGroups()) {
        taken.insert(group.name);
    }
    const std::string base = "Controls";
    std::string name = base;
    for (int suffix = 2; taken.count(name) != 0; ++suffix) {
        name = base + "_" + std::to_string(suffix);
    }
    return name;
}

}  // namespace FrameworkParameters
