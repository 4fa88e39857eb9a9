#pragma once

#include <stdexcept>
#include <string>

#include "ofx/api/ofx_core.h"

namespace OFX {

// A host call that did not succeed, carrying the host's status so that the
// action dispatcher can hand that status back to the host.
class SuiteError : public std::runtime_error {
  public:
    SuiteError(OfxStatus status, const std::string& what);

    OfxStatus status() const { return _status; }

  private:
    OfxStatus _status;
};

// Throws a SuiteError naming `what` unless `status` is kOfxStatOK.
void throwIfFailed(OfxStatus status, const std::string& what);

}  // namespace OFX
