#pragma once

#include "ofx/api/ofx_core.h"

namespace OFX {

// The conventional name of a status ("kOfxStatErrUnknown"), or
// "unknown status" for a value no host knows.
const char* statusName(OfxStatus status);

// `status` when every host understands it, else kOfxStatFailed: some hosts
// fail a node outright on a code outside the standard set.
OfxStatus toStandardStatus(OfxStatus status);

}  // namespace OFX
