#include "definition/DefinitionNumbers.h"

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

#include "util/CLocale.h"

double attributeDouble(const pugi::xml_attribute& attribute, double fallback) {
    if (!attribute) {
        return fallback;
    }
    return ::strtod_l(attribute.value(), nullptr, cLocale());
}

float attributeFloat(const pugi::xml_attribute& attribute, float fallback) {
    if (!attribute) {
        return fallback;
    }
    return static_cast<float>(::strtod_l(attribute.value(), nullptr, cLocale()));
}

double parseDefinitionNumber(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    const double value = ::strtod_l(text.c_str(), &end, cLocale());
    if (end == text.c_str()) {
        throw std::invalid_argument("stod");
    }
    if (errno == ERANGE) {
        throw std::out_of_range("stod");
    }
    return value;
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
