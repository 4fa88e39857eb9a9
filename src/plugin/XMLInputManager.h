#pragma once

#include <map>
#include <string>

#include "definition/XMLEffectDefinition.h"
#include "ofx/support/ClipDescriptor.h"
#include "ofx/support/ImageEffectDescriptor.h"

// Declares the effect's clips in describe-in-context: one source clip per
// input of the definition, then the output clip. Holds no state.
class XMLInputManager {
  public:
    // Clip name to border mode of the input it came from.
    using BorderModeMap = std::map<std::string, std::string>;

    XMLInputManager();

    // Defines every input's clip, then "Output", recording each input's
    // border mode in `borderModes`. False, with a debug log line, as soon as
    // one clip fails; clips defined before stay defined. Never throws.
    bool createInputs(const XMLEffectDefinition& definition, OFX::ImageEffectDescriptor& desc,
                      BorderModeMap& borderModes) const;

    // The clip of one input: RGBA only, tiles, no temporal access, optional
    // as the input says, a mask when its name holds "mask" or "matte" in any
    // case. Null, with a debug log line, when the host refuses. Never throws.
    OFX::ClipDescriptor* createClip(const XMLEffectDefinition::InputDef& input,
                                    OFX::ImageEffectDescriptor& desc) const;

    // The clips used when the definition's cannot be made: "Source",
    // "Output" and an optional mask "mask". Throws when the host refuses.
    void createFallbackClips(OFX::ImageEffectDescriptor& desc) const;
};
