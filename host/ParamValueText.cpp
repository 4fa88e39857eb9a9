#include "ParamValueText.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "HostError.h"
#include "ofx/api/ofx_param.h"

namespace ofxhost {

namespace {

[[noreturn]] void reject(const Param& param, const std::string& text, const std::string& why) {
    throw HostError("cannot set " + param.name() + " to '" + text + "': " + why);
}

std::vector<std::string> pieces(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        result.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) {
            return result;
        }
        start = comma + 1;
    }
}

// The whole piece as a number, blanks around it allowed.
bool readNumber(const std::string& piece, double& number) {
    const char* begin = piece.c_str();
    char* end = nullptr;
    errno = 0;
    number = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE) {
        return false;
    }
    while (*end == ' ') {
        ++end;
    }
    return *end == '\0';
}

std::vector<double> numbersOf(const Param& param, const std::string& text) {
    const std::vector<std::string> parts = pieces(text);
    const int dimension = param.type().dimension;
    if (static_cast<int>(parts.size()) != dimension) {
        reject(param, text, "expected " + std::to_string(dimension) + " comma-separated numbers");
    }
    std::vector<double> numbers;
    for (const std::string& part : parts) {
        double number = 0.0;
        if (!readNumber(part, number)) {
            reject(param, text, "'" + part + "' is not a number");
        }
        numbers.push_back(number);
    }
    return numbers;
}

std::vector<double> integersOf(const Param& param, const std::string& text) {
    std::vector<double> numbers = numbersOf(param, text);
    for (double number : numbers) {
        if (number != static_cast<double>(static_cast<long long>(number)) ||
            number > 2147483647.0 || number < -2147483648.0) {
            reject(param, text, "expected whole numbers");
        }
    }
    return numbers;
}

}  // namespace

void assignValueText(Param& param, const std::string& text) {
    if (!param.isInstance()) {
        throw HostError(param.name() + " is a descriptor and holds no value");
    }
    if (param.type().is(kOfxParamTypeBoolean)) {
        if (text != "true" && text != "false") {
            reject(param, text, "expected true or false");
        }
        param.numbers() = {text == "true" ? 1.0 : 0.0};
        return;
    }
    if (param.type().is(kOfxParamTypeChoice)) {
        const std::vector<double> index = integersOf(param, text);
        const std::size_t options = param.properties().getStrings(kOfxParamPropChoiceOption).size();
        if (index[0] < 0 || index[0] >= static_cast<double>(options)) {
            reject(param, text, "the choice has " + std::to_string(options) + " options");
        }
        param.numbers() = index;
        return;
    }
    switch (param.type().kind) {
        case ParamValueKind::Int:
            param.numbers() = integersOf(param, text);
            return;
        case ParamValueKind::Double:
            param.numbers() = numbersOf(param, text);
            return;
        case ParamValueKind::String:
            param.text() = text;
            return;
        case ParamValueKind::Bytes:
        case ParamValueKind::None:
            break;
    }
    reject(param, text, std::string(param.type().type) + " has no value to set");
}

nlohmann::json valueJson(const Param& param) {
    if (param.type().is(kOfxParamTypeBoolean)) {
        return !param.numbers().empty() && param.numbers()[0] != 0.0;
    }
    switch (param.type().kind) {
        case ParamValueKind::Int:
        case ParamValueKind::Double: {
            nlohmann::json numbers = nlohmann::json::array();
            for (double number : param.numbers()) {
                if (param.type().kind == ParamValueKind::Int) {
                    numbers.push_back(static_cast<long long>(number));
                } else {
                    numbers.push_back(number);
                }
            }
            return numbers.size() == 1 ? numbers[0] : numbers;
        }
        case ParamValueKind::String:
            return param.text();
        case ParamValueKind::Bytes:
        case ParamValueKind::None:
            break;
    }
    return nullptr;
}

}  // namespace ofxhost
