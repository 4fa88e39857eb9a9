#pragma once

#include <locale>
#include <optional>
#include <string>

// Switches the C and C++ global locales to one that writes a decimal comma,
// as a host process may run under, for one test, and restores everything.
// Uses an installed locale when there is one, otherwise the one the build
// compiled for the tests; active() is false only when neither exists.
class CommaDecimalLocale {
  public:
    CommaDecimalLocale();
    ~CommaDecimalLocale();
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool active() const { return _active; }

  private:
    bool tryInstalled();
    bool tryCompiled();
    bool use(const char* name);

    std::locale _oldGlobal;
    std::string _oldC = "C";
    std::optional<std::string> _oldLocPath;
    bool _locPathChanged = false;
    bool _active = false;
};
