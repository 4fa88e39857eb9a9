// The pipeline section (processes and their kernels) and the identity conditions.
#include <pugixml.hpp>

#include <cstring>
#include <stdexcept>

#include "definition/DefinitionNumbers.h"
#include "definition/XMLEffectDefinition.h"
#include "util/Logger.h"

namespace {

bool isKernelPlatform(const char* name) {
    return std::strcmp(name, "cuda") == 0 || std::strcmp(name, "opencl") == 0 ||
           std::strcmp(name, "metal") == 0;
}

}  // namespace

void XMLEffectDefinition::parsePipeline(const pugi::xml_node& pipeline) {
    Logger* log = Logger::getInstance();
    log->logMessage(LogLevel::Info, "Parsing <pipeline> section (refactored structure)");
    _effectExecutions = pipeline.attribute("executions").as_string("1");
    if (_effectExecutions != "1") {
        log->logMessage(LogLevel::Info, "Effect executions (from <pipeline>): %s",
                        _effectExecutions.c_str());
    }

    for (const pugi::xml_node processNode : pipeline.children("process")) {
        PipelineDef process;
        process.name = processNode.attribute("name").as_string("unnamed_process");
        process.executions = processNode.attribute("executions").as_string();
        process.initialization = processNode.attribute("initialization").as_string();

        for (const pugi::xml_node kernelNode : processNode.children()) {
            if (kernelNode.type() != pugi::node_element || !isKernelPlatform(kernelNode.name())) {
                continue;
            }
            KernelDef kernel;
            kernel.platform = kernelNode.name();
            kernel.file = kernelNode.attribute("file").as_string();
            kernel.executions = kernelNode.attribute("executions").as_int(1);
            log->logMessage(LogLevel::Debug, "    Kernel: %s (platform=%s, executions=%d)",
                            kernel.file.c_str(), kernel.platform.c_str(), kernel.executions);
            process.kernels.push_back(kernel);
        }

        log->logMessage(LogLevel::Info, "  Process '%s': %zu kernels, executions=%s, init=%s",
                        process.name.c_str(), process.kernels.size(),
                        process.executions.empty() ? "1" : process.executions.c_str(),
                        process.initialization.empty() ? "none" : process.initialization.c_str());
        _pipelines.push_back(std::move(process));
    }
}

void XMLEffectDefinition::parseIdentityConditions(const pugi::xml_node& conditions) {
    for (const pugi::xml_node conditionNode : conditions.children("condition")) {
        const pugi::xml_node parameterNode = conditionNode.child("parameter");
        if (!parameterNode) {
            throw std::runtime_error("Condition must have a parameter element");
        }
        IdentityConditionDef condition;
        condition.parameter = parameterNode.attribute("name").as_string();
        if (condition.parameter.empty()) {
            throw std::runtime_error("Parameter in condition must have a name attribute");
        }
        condition.op = parameterNode.attribute("operator").as_string();
        if (condition.op.empty()) {
            throw std::runtime_error("Parameter in condition must have an operator attribute");
        }
        condition.value = attributeDouble(parameterNode.attribute("value"), 0.0);
        requireDeclaredParameter(condition.parameter);
        _identityConditions.push_back(condition);
    }
}
