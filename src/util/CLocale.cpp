#include "util/CLocale.h"

locale_t cLocale() {
    // glibc serves "C" from a built-in object: the call cannot fail and
    // allocates nothing, so the result is never null and never freed.
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}
