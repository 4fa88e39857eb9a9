#pragma once

#include <locale.h>

// The "C" locale as an object for the *_l conversions, so that numbers read
// the same whatever locale the host process runs under. Created on first use
// and kept for the process's life.
locale_t cLocale();
