// Identity decisions: the definition's identity conditions, each a test of one
// parameter against a constant; the first that holds passes the first input
// through unchanged.

#include "effect/GenericEffect.h"
#include "util/Logger.h"

void GenericEffect::fetchParametersAndPresetListsOnce() {
    fetchParametersIfNone();
    // Checked on its own: a preset action before the first request may have
    // fetched the handles already, and the lists must still be filled once.
    if (!_presetListsRefreshed.exchange(true)) {
        refreshPresetList();
        refreshFactoryPresetList();
    }
}

bool GenericEffect::isIdentity(const OFX::IsIdentityArguments& args, OFX::Clip*& identityClip,
                               double& identityTime) {
    fetchParametersAndPresetListsOnce();
    const std::vector<XMLEffectDefinition::InputDef>& inputs = _definition.getInputs();
    for (const XMLEffectDefinition::IdentityConditionDef& condition :
         _definition.getIdentityConditions()) {
        // Without an input there is nothing to pass through.
        if (!evaluateIdentityCondition(condition, args.time) || inputs.empty()) {
            continue;
        }
        {
            std::lock_guard<std::mutex> lock(_paramMutex);
            const auto clip = _clips.find(inputs.front().name);
            identityClip = clip == _clips.end() ? nullptr : clip->second;
        }
        identityTime = args.time;
        Logger::getInstance()->logMessage(LogLevel::Debug, "Identity condition met");
        return true;
    }
    return false;
}

bool GenericEffect::evaluateIdentityCondition(
    const XMLEffectDefinition::IdentityConditionDef& condition, double time) {
    const double v = getParameterValue(condition.parameter, time).asDouble();
    const double c = condition.value;
    const std::string& op = condition.op;
    if (op == "lessEqual") {
        return v <= c;
    }
    if (op == "equal") {
        return v == c;
    }
    if (op == "lessThan") {
        return v < c;
    }
    if (op == "greaterThan") {
        return v > c;
    }
    if (op == "greaterEqual") {
        return v >= c;
    }
    if (op == "notEqual") {
        return v != c;
    }
    Logger::getInstance()->logMessage(LogLevel::Debug, "WARNING: Unknown identity operator: %s",
                                      op.c_str());
    return false;
}
