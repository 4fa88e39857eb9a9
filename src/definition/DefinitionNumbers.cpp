#include "definition/DefinitionNumbers.h"

#include <cstdlib>

#include "util/CLocale.h"

double attributeDouble(const pugi::xml_attribute& attribute, double fallback) {
    if (!attribute) {
        return fallback;
    }
    return ::strtod_l(attribute.value(), nullptr, cLocale());
}

float attributeFloat(const pugi::xml_attribute& attribute, float fallback) {
    return static_cast<float>(attributeDouble(attribute, fallback));
}

void parseNumberTriple(const std::string& text, float& first, float& second, float& third) {
    float* const targets[] = {&first, &second, &third};
    const char* cursor = text.c_str();
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0) {
            if (*cursor != ',') {
                return;
            }
            ++cursor;
        }
        char* end = nullptr;
        const float value = ::strtof_l(cursor, &end, cLocale());
        if (end == cursor) {
            return;
        }
        *targets[i] = value;
        cursor = end;
    }
}
