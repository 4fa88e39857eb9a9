#pragma once

#include "ofx/api/ofx_core.h"
#include "ofx/support/Status.h"

namespace OFX::Private {

// Call only inside a catch handler: logs the exception being handled, with
// `where`, and returns the status for the host: a SuiteError's own status
// (if the host knows it), kOfxStatFailed for anything else.
OfxStatus statusOfCurrentException(const char* where) noexcept;

// Runs `action` (returning OfxStatus) so that no exception leaves it; the
// result is always a standard status.
template <class Action>
OfxStatus runGuarded(const char* where, Action&& action) noexcept {
    try {
        return toStandardStatus(action());
    } catch (...) {
        return statusOfCurrentException(where);
    }
}

}  // namespace OFX::Private
