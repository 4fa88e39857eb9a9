// The overlays section: on-screen controls bound to parameters.
#include <pugixml.hpp>

#include <cstring>

#include "definition/DefinitionNumbers.h"
#include "definition/XMLEffectDefinition.h"
#include "util/Logger.h"

namespace {

using OverlayDef = XMLEffectDefinition::OverlayDef;
using OverlayType = XMLEffectDefinition::OverlayType;

struct OverlayTypeName {
    const char* name;
    OverlayType type;
};

constexpr OverlayTypeName OVERLAY_TYPE_NAMES[] = {
    {"point", OverlayType::point},         {"radius", OverlayType::radius},
    {"scale2d", OverlayType::scale2d},     {"vslider", OverlayType::vslider},
    {"vector", OverlayType::vector},       {"ellipse", OverlayType::ellipse},
    {"qualifier", OverlayType::qualifier},
};

// Controls nest one level in practice (an arrow on a point); the bound keeps
// a hostile document from exhausting the stack here and in every later
// recursive walk over the records.
constexpr int MAX_OVERLAY_NESTING = 32;

bool findOverlayType(const char* name, OverlayType& type) {
    for (const OverlayTypeName& entry : OVERLAY_TYPE_NAMES) {
        if (std::strcmp(entry.name, name) == 0) {
            type = entry.type;
            return true;
        }
    }
    return false;
}

bool isNestableOverlay(const char* name) {
    return std::strcmp(name, "vector") == 0 || std::strcmp(name, "radius") == 0 ||
           std::strcmp(name, "scale2d") == 0;
}

// Fills `overlay` from `node`; an unknown element name leaves the defaults
// (and so an empty param, which keeps it out of the top-level list).
void parseOverlayDef(const pugi::xml_node& node, OverlayDef& overlay, int depth) {
    Logger* log = Logger::getInstance();
    if (!findOverlayType(node.name(), overlay.type)) {
        log->logMessage(LogLevel::Info, "Unknown overlay type '%s', skipping", node.name());
        return;
    }
    overlay.param = node.attribute("param").as_string();
    overlay.style = node.attribute("style").as_string("crosshair");
    overlay.visibleWhen = node.attribute("visible_when").as_string();
    overlay.label = node.attribute("label").as_string();
    overlay.color = XMLEffectDefinition::parseOverlayColor(node.attribute("color").as_string());
    overlay.center = node.attribute("center").as_string();
    overlay.fixedX = attributeFloat(node.attribute("fixed_x"), 0.5f);
    overlay.direction = node.attribute("direction").as_string();
    overlay.magnitude = node.attribute("magnitude").as_string();
    overlay.fixedMagnitude = attributeFloat(node.attribute("fixed_magnitude"), 0.1f);

    for (const pugi::xml_node childNode : node.children()) {
        if (childNode.type() != pugi::node_element || !isNestableOverlay(childNode.name())) {
            continue;
        }
        if (depth >= MAX_OVERLAY_NESTING) {
            log->logMessage(LogLevel::Info, "Overlay nested deeper than %d levels, skipping '%s'",
                            MAX_OVERLAY_NESTING, childNode.name());
            continue;
        }
        OverlayDef child;
        parseOverlayDef(childNode, child, depth + 1);
        overlay.children.push_back(std::move(child));
    }

    log->logMessage(LogLevel::Info, "Parsed overlay: type=%s, param=%s, style=%s", node.name(),
                    overlay.param.c_str(), overlay.style.c_str());
}

}  // namespace

const char* XMLEffectDefinition::overlayTypeName(OverlayType type) {
    for (const OverlayTypeName& entry : OVERLAY_TYPE_NAMES) {
        if (entry.type == type) {
            return entry.name;
        }
    }
    return "unknown";
}

void XMLEffectDefinition::parseOverlays(const pugi::xml_node& overlays) {
    Logger* log = Logger::getInstance();
    log->logMessage(LogLevel::Info, "Parsing <overlays> section");

    const std::string coordinates = overlays.attribute("coordinates").as_string("uv");
    if (coordinates == "centered") {
        _overlayCoordSystem = OverlayCoordSystem::centered;
        log->logMessage(LogLevel::Info, "Overlay coordinate system: centered (-0.5 to 0.5)");
    } else if (coordinates == "centered_aspect") {
        _overlayCoordSystem = OverlayCoordSystem::centered_aspect;
        log->logMessage(LogLevel::Info,
                        "Overlay coordinate system: centered_aspect (aspect-corrected)");
    } else {
        _overlayCoordSystem = OverlayCoordSystem::uv;
        log->logMessage(LogLevel::Info, "Overlay coordinate system: uv (0-1 range)");
    }

    for (const pugi::xml_node node : overlays.children()) {
        if (node.type() != pugi::node_element) {
            continue;
        }
        OverlayDef overlay;
        parseOverlayDef(node, overlay, 1);
        // A control bound to nothing is dropped without a message.
        if (!overlay.param.empty()) {
            _overlays.push_back(std::move(overlay));
        }
    }
    log->logMessage(LogLevel::Info, "Parsed %zu overlays", _overlays.size());
}
