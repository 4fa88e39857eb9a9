#include "plugin/XMLInputManager.h"

#include <exception>
#include <vector>

#include "ofx/api/ofx_image_effect.h"
#include "util/AsciiLower.h"
#include "util/Logger.h"

namespace {

bool isMaskName(const std::string& name) {
    const std::string lower = asciiLower(name);
    return lower.find("mask") != std::string::npos || lower.find("matte") != std::string::npos;
}

OFX::ClipDescriptor& defineRgbaClip(OFX::ImageEffectDescriptor& desc, const std::string& name,
                                    bool tiles) {
    OFX::ClipDescriptor& clip = desc.defineClip(name);
    clip.addSupportedComponent(OFX::PixelComponentEnum::RGBA);
    clip.setSupportsTiles(tiles);
    return clip;
}

}  // namespace

XMLInputManager::XMLInputManager() {
    Logger::getInstance()->logMessage("XMLInputManager::constructor");
}

bool XMLInputManager::createInputs(const XMLEffectDefinition& definition,
                                   OFX::ImageEffectDescriptor& desc,
                                   BorderModeMap& borderModes) const {
    Logger* log = Logger::getInstance();
    try {
        const std::vector<XMLEffectDefinition::InputDef>& inputs = definition.getInputs();
        log->logMessage("[DEBUG] XMLInputManager: Creating %d input clips from XML",
                        static_cast<int>(inputs.size()));
        for (const XMLEffectDefinition::InputDef& input : inputs) {
            if (createClip(input, desc) == nullptr) {
                log->logMessage("XMLInputManager: ERROR - createClip returned null for '%s'",
                                input.name.c_str());
                return false;
            }
            borderModes[input.name] = input.borderMode;
        }
        defineRgbaClip(desc, kOfxImageEffectOutputClipName, true);
        log->logMessage(LogLevel::Info, "✓ XML clips created successfully!");
        return true;
    } catch (const std::exception& error) {
        log->logMessage("XMLInputManager: EXCEPTION in createInputs: %s", error.what());
    } catch (...) {
        log->logMessage("XMLInputManager: UNKNOWN EXCEPTION in createInputs");
    }
    return false;
}

OFX::ClipDescriptor* XMLInputManager::createClip(const XMLEffectDefinition::InputDef& input,
                                                 OFX::ImageEffectDescriptor& desc) const {
    Logger* log = Logger::getInstance();
    try {
        OFX::ClipDescriptor& clip = defineRgbaClip(desc, input.name, true);
        clip.setTemporalClipAccess(false);
        clip.setOptional(input.optional);
        if (isMaskName(input.name)) {
            clip.setIsMask(true);
        }
        return &clip;
    } catch (const std::exception& error) {
        log->logMessage("XMLInputManager: EXCEPTION in createClip for '%s': %s", input.name.c_str(),
                        error.what());
    } catch (...) {
        log->logMessage("XMLInputManager: UNKNOWN EXCEPTION in createClip for '%s'",
                        input.name.c_str());
    }
    return nullptr;
}

void XMLInputManager::createFallbackClips(OFX::ImageEffectDescriptor& desc) const {
    defineRgbaClip(desc, kOfxImageEffectSimpleSourceClipName, false);
    defineRgbaClip(desc, kOfxImageEffectOutputClipName, false);
    OFX::ClipDescriptor& mask = defineRgbaClip(desc, "mask", false);
    mask.setOptional(true);
    mask.setIsMask(true);
}
