#pragma once

#include <cstring>
#include <string>

namespace ofxhost {

// How the value of a parameter type travels through the parameter suite.
enum class ParamValueKind { None, Int, Double, String, Bytes };

// What the host knows about one parameter type string.
struct ParamTypeInfo {
    const char* type;
    ParamValueKind kind;
    int dimension;  // values per paramGetValue call; 0 for types without a value
    bool animatesByDefault;

    // Whether this is the type of that kOfxParamType* string.
    bool is(const char* name) const { return std::strcmp(type, name) == 0; }
};

// The entry for a kOfxParamType* string, or null for a type the host does not
// know.
const ParamTypeInfo* findParamType(const std::string& type);

}  // namespace ofxhost
