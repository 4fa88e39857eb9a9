#include "ofx/support/SuiteError.h"

#include "ofx/support/Status.h"

namespace OFX {

SuiteError::SuiteError(OfxStatus status, const std::string& what)
    : std::runtime_error(what + " (" + statusName(status) + ")"), _status(status) {}

void throwIfFailed(OfxStatus status, const std::string& what) {
    if (status != kOfxStatOK) {
        throw SuiteError(status, what);
    }
}

}  // namespace OFX
