#pragma once

#include <string>

#include "definition/XMLEffectDefinition.h"
#include "ofx/support/ImageEffectDescriptor.h"

// The parts of the panel that the framework adds around every definition's
// own parameters. Each define throws std::runtime_error when a name is
// already taken by a parameter of another kind, and a SuiteError when the
// host refuses a call.
namespace FrameworkParameters {

// The "Presets & Help" group and its six controls, for the preset handlers
// of the effect instance.
void definePresetSection(OFX::ImageEffectDescriptor& desc);

// The "Global Blend" group and its "Blend" amount, which mixes the effect's
// result with the source.
void defineGlobalBlend(OFX::ImageEffectDescriptor& desc);

// A name for the page holding the definition's groups that no parameter or
// group of `definition` and no framework parameter uses: "Controls", or
// "Controls_2", "Controls_3", ... when that is taken.
std::string controlsPageName(const XMLEffectDefinition& definition);

}  // namespace FrameworkParameters
