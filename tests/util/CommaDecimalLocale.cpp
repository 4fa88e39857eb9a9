#include "CommaDecimalLocale.h"

#include <clocale>
#include <cstdlib>
#include <stdexcept>

#include "TestLocaleDir.h"

CommaDecimalLocale::CommaDecimalLocale() : _oldGlobal(std::locale()) {
    if (const char* old = std::setlocale(LC_ALL, nullptr)) {
        _oldC = old;
    }
    if (const char* old = std::getenv("LOCPATH")) {
        _oldLocPath = old;
    }
    _active = tryInstalled() || tryCompiled();
}

CommaDecimalLocale::~CommaDecimalLocale() {
    std::locale::global(_oldGlobal);
    std::setlocale(LC_ALL, _oldC.c_str());
    if (_locPathChanged) {
        if (_oldLocPath) {
            ::setenv("LOCPATH", _oldLocPath->c_str(), 1);
        } else {
            ::unsetenv("LOCPATH");
        }
    }
}

bool CommaDecimalLocale::tryInstalled() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (use(name)) {
            return true;
        }
    }
    return false;
}

// glibc reads LOCPATH on every setlocale call, so pointing it at the build's
// own locale folder works inside a running test.
bool CommaDecimalLocale::tryCompiled() {
    const std::string folder = kTestLocaleDir;
    if (folder.empty()) {
        return false;
    }
    ::setenv("LOCPATH", folder.c_str(), 1);
    _locPathChanged = true;
    return use("de_DE.UTF-8");
}

bool CommaDecimalLocale::use(const char* name) {
    if (std::setlocale(LC_ALL, name) == nullptr ||
        std::localeconv()->decimal_point != std::string(",")) {
        return false;
    }
    try {
        std::locale::global(std::locale(name));
    } catch (const std::runtime_error&) {
        std::setlocale(LC_ALL, _oldC.c_str());
        return false;
    }
    return true;
}
