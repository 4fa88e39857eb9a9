// The colour syntax of overlay definitions.
#include "definition/DefinitionNumbers.h"
#include "definition/NamedColors.h"
#include "definition/XMLEffectDefinition.h"
#include "util/AsciiLower.h"
#include "util/Logger.h"

namespace {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads up to three components of at most `width` hexadecimal digits each,
// after the leading '#', and stops at the first component without a digit.
// Only digits count: no sign, white space or "0x" prefix, so a malformed
// component can never become a huge value. Returns how many were read.
int readHexComponents(const std::string& text, std::size_t width, unsigned (&components)[3]) {
    std::size_t pos = 1;
    int read = 0;
    for (; read < 3; ++read) {
        unsigned value = 0;
        std::size_t digits = 0;
        while (digits < width && pos < text.size() && hexDigitValue(text[pos]) >= 0) {
            value = value * 16 + static_cast<unsigned>(hexDigitValue(text[pos]));
            ++pos;
            ++digits;
        }
        if (digits == 0) {
            break;
        }
        components[read] = value;
    }
    return read;
}

XMLEffectDefinition::OverlayColorDef parseHexColor(const std::string& text) {
    unsigned components[3] = {255, 255, 255};
    if (text.size() == 7) {
        readHexComponents(text, 2, components);
    } else if (text.size() == 4) {
        // "#f80" is shorthand for "#ff8800".
        const int read = readHexComponents(text, 1, components);
        for (int i = 0; i < read; ++i) {
            components[i] *= 17;
        }
    }
    XMLEffectDefinition::OverlayColorDef color;
    color.isSet = true;
    color.r = static_cast<float>(components[0]) / 255.0f;
    color.g = static_cast<float>(components[1]) / 255.0f;
    color.b = static_cast<float>(components[2]) / 255.0f;
    return color;
}

}  // namespace

XMLEffectDefinition::OverlayColorDef XMLEffectDefinition::parseOverlayColor(
    const std::string& text) {
    OverlayColorDef color;
    if (text.empty()) {
        return color;
    }
    if (text[0] == '#') {
        return parseHexColor(text);
    }
    color.isSet = true;
    if (text.find(',') != std::string::npos) {
        // Components that cannot be read stay at full value.
        parseNumberTriple(text, color.r, color.g, color.b);
        return color;
    }

    const std::string lower = asciiLower(text);
    const auto& colors = namedColors();
    const auto found = colors.find(lower);
    if (found == colors.end()) {
        Logger::getInstance()->logMessage(LogLevel::Info, "Unknown overlay color '%s', using white",
                                          text.c_str());
        return color;
    }
    color.r = found->second[0];
    color.g = found->second[1];
    color.b = found->second[2];
    return color;
}
