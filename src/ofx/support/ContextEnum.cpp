#include "ofx/support/ContextEnum.h"

#include <utility>

#include "ofx/api/ofx_image_effect.h"

namespace OFX {

namespace {

constexpr std::pair<ContextEnum, const char*> kContextNames[] = {
    {ContextEnum::Generator, kOfxImageEffectContextGenerator},
    {ContextEnum::Filter, kOfxImageEffectContextFilter},
    {ContextEnum::Transition, kOfxImageEffectContextTransition},
    {ContextEnum::Paint, kOfxImageEffectContextPaint},
    {ContextEnum::General, kOfxImageEffectContextGeneral},
    {ContextEnum::Retimer, kOfxImageEffectContextRetimer},
};

}  // namespace

const char* contextName(ContextEnum context) {
    for (const auto& [value, name] : kContextNames) {
        if (value == context) {
            return name;
        }
    }
    return kOfxImageEffectContextGeneral;
}

std::optional<ContextEnum> contextFromName(const std::string& name) {
    for (const auto& [value, text] : kContextNames) {
        if (name == text) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace OFX
