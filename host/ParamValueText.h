#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "Param.h"

namespace ofxhost {

// Sets the value of a parameter instance from the text a user gives on the
// command line: numbers separated by commas (as many as the type has values),
// true or false for a boolean, the option index for a choice, any text for a
// string. Throws HostError naming the parameter for a text that does not fit.
void assignValueText(Param& param, const std::string& text);

// The current value of a parameter instance as JSON: a number or an array of
// numbers, a boolean, a text, or null for a type without a value.
nlohmann::json valueJson(const Param& param);

}  // namespace ofxhost
