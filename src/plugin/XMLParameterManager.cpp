#include "plugin/XMLParameterManager.h"

#include <exception>
#include <iostream>
#include <vector>

#include "ofx/support/GroupParamDescriptor.h"
#include "plugin/RequireDescriptor.h"
#include "util/Logger.h"

namespace {

const char MAIN_PAGE[] = "Main";

}  // namespace

bool XMLParameterManager::createParameters(const XMLEffectDefinition& definition,
                                           OFX::ImageEffectDescriptor& desc, PageMap& pages) const {
    Logger* log = Logger::getInstance();
    log->logMessage(LogLevel::Info, "XMLParameterManager::createParameters called");
    try {
        if (pages.empty()) {
            pages[MAIN_PAGE] = &createPage(MAIN_PAGE, desc);
        }
        for (const ParameterDef& param : definition.getParameters()) {
            createParameter(param, desc);
        }
    } catch (const std::exception& error) {
        std::cerr << "Error creating parameters: " << error.what() << '\n';
        log->logMessage(LogLevel::Error, "Error creating parameters: %s", error.what());
        return false;
    }
    log->logMessage(LogLevel::Info, "XMLParameterManager::createParameters completed successfully");
    return true;
}

void XMLParameterManager::createParameter(const ParameterDef& param,
                                          OFX::ImageEffectDescriptor& desc) const {
    const std::string& type = param.type;
    if (type == "double" || type == "float") {
        createDoubleParam(param, desc);
    } else if (type == "int") {
        createIntParam(param, desc);
    } else if (type == "bool") {
        createBooleanParam(param, desc);
    } else if (type == "choice") {
        createChoiceParam(param, desc);
    } else if (type == "color") {
        createColorParam(param, desc);
    } else if (type == "vec2") {
        createVec2Param(param, desc);
    } else if (type == "vec3") {
        createVec3Param(param, desc);
    } else if (type == "color_rgba") {
        createColorRGBAParam(param, desc);
    } else if (type == "string") {
        createStringParam(param, desc);
    } else if (type == "filepath") {
        createFilePathParam(param, desc);
    } else if (type == "pushbutton") {
        createPushButtonParam(param, desc);
    } else if (type == "curve") {
        createCurveParam(param, desc);
    } else {
        std::cerr << "Warning: Unsupported parameter type: " << type << '\n';
    }
}

bool XMLParameterManager::organizeUI(const XMLEffectDefinition& definition,
                                     OFX::ImageEffectDescriptor& desc, PageMap& pages) const {
    Logger* log = Logger::getInstance();
    log->logMessage(LogLevel::Info, "XMLParameterManager::organizeUI called");
    try {
        if (pages.empty()) {
            pages[MAIN_PAGE] = &createPage(MAIN_PAGE, desc);
        }
        OFX::PageParamDescriptor& page = *pages.begin()->second;

        int groupCount = 0;
        int parentedCount = 0;
        for (const XMLEffectDefinition::UIGroupDef& groupDef : definition.getUIGroups()) {
            OFX::GroupParamDescriptor& group =
                requireDescriptor(desc.defineGroupParam(groupDef.name), groupDef.name);
            group.setLabels(groupDef.name, groupDef.name, groupDef.name);
            group.setOpen(groupDef.open);
            if (!groupDef.tooltip.empty()) {
                group.setHint(groupDef.tooltip);
            }
            page.addChild(group);
            ++groupCount;

            // Columns have no OFX counterpart: their parameters join the
            // group in column order, before its direct references.
            std::vector<XMLEffectDefinition::UIParameterDef> references;
            for (const XMLEffectDefinition::UIColumnDef& column : groupDef.columns) {
                references.insert(references.end(), column.parameters.begin(),
                                  column.parameters.end());
            }
            references.insert(references.end(), groupDef.parameters.begin(),
                              groupDef.parameters.end());
            for (const XMLEffectDefinition::UIParameterDef& reference : references) {
                OFX::ParamDescriptor* param = desc.getParamDescriptor(reference.name);
                if (param == nullptr) {
                    log->logMessage(LogLevel::Debug, "Parameter not found: %s",
                                    reference.name.c_str());
                    continue;
                }
                param->setParent(group);
                ++parentedCount;
            }
        }
        log->logMessage(LogLevel::Debug, "Created %d UI groups with %d total parameters",
                        groupCount, parentedCount);
    } catch (const std::exception& error) {
        log->logMessage(LogLevel::Error, "ERROR in organizeUI: %s", error.what());
        return false;
    }
    log->logMessage(LogLevel::Info, "XMLParameterManager::organizeUI completed successfully");
    return true;
}

OFX::PageParamDescriptor& XMLParameterManager::createPage(const std::string& name,
                                                          OFX::ImageEffectDescriptor& desc) const {
    OFX::PageParamDescriptor& page = requireDescriptor(desc.definePageParam(name), name);
    page.setLabels(name, name, name);
    return page;
}

void XMLParameterManager::applyResolutionDependency(OFX::ParamDescriptor& param,
                                                    const std::string& resDependent,
                                                    const std::string& hint) const {
    std::string note;
    if (resDependent == "width") {
        note = " (width-dependent)";
    } else if (resDependent == "height") {
        note = " (height-dependent)";
    } else if (resDependent == "xy") {
        note = " (dimension-dependent)";
    }
    param.setHint(hint + note);
}
