#pragma once

#include <locale.h>

#include <string>

// The "C" locale as an object for the *_l conversions, so that numbers read
// the same whatever locale the host process runs under. Created on first use
// and kept for the process's life.
locale_t cLocale();

// std::stod in the "C" locale: the same prefix rules (leading white space
// skipped, text after the number ignored) and the same exceptions, with the
// text "stod", whatever LC_NUMERIC the process runs under.
double stodInCLocale(const std::string& text);
