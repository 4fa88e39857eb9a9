#include "util/CLocale.h"

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

locale_t cLocale() {
    // glibc serves "C" from a built-in object: the call cannot fail and
    // allocates nothing, so the result is never null and never freed.
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

double stodInCLocale(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = ::strtod_l(begin, &end, cLocale());
    if (end == begin) {
        throw std::invalid_argument("stod");
    }
    if (errno == ERANGE) {
        throw std::out_of_range("stod");
    }
    return value;
}
