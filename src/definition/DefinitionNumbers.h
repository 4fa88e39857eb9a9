#pragma once

#include <pugixml.hpp>

#include <string>

// Numbers of a definition document, read in the "C" locale: a host process
// running with a decimal comma must still read "0.15" as 0.15.

// The attribute's number, or `fallback` when the attribute is absent; text
// that does not start with a number reads as 0.
double attributeDouble(const pugi::xml_attribute& attribute, double fallback);
float attributeFloat(const pugi::xml_attribute& attribute, float fallback);

// Up to three numbers separated by single commas, as in "0.5,1,0.25"; reading
// stops at the first piece that is not a number, leaving the rest untouched.
void parseNumberTriple(const std::string& text, float& first, float& second, float& third);
