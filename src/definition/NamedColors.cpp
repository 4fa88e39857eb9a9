#include "definition/NamedColors.h"

const std::map<std::string, std::array<float, 3>>& namedColors() {
    static const std::map<std::string, std::array<float, 3>> colors = {
        {"red", {1.0f, 0.0f, 0.0f}},     {"green", {0.0f, 1.0f, 0.0f}},
        {"blue", {0.0f, 0.0f, 1.0f}},    {"cyan", {0.0f, 1.0f, 1.0f}},
        {"magenta", {1.0f, 0.0f, 1.0f}}, {"yellow", {1.0f, 1.0f, 0.0f}},
        {"white", {1.0f, 1.0f, 1.0f}},   {"black", {0.0f, 0.0f, 0.0f}},
        {"gray", {0.5f, 0.5f, 0.5f}},    {"grey", {0.5f, 0.5f, 0.5f}},
        {"orange", {1.0f, 0.5f, 0.0f}},  {"purple", {0.5f, 0.0f, 0.5f}},
        {"pink", {1.0f, 0.5f, 0.5f}},
    };
    return colors;
}
