#pragma once

#include <stdexcept>
#include <string>

// The descriptor a define call returned for `name`. The support layer returns
// none when the name is already taken by a parameter of another kind; that
// must stop the describe, not be used.
template <class Descriptor>
Descriptor& requireDescriptor(Descriptor* descriptor, const std::string& name) {
    if (descriptor == nullptr) {
        throw std::runtime_error("Parameter name '" + name +
                                 "' is already used by a parameter of another kind");
    }
    return *descriptor;
}
