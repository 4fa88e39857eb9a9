#include "ofx/support/ExceptionBoundary.h"

#include <exception>

#include "ofx/support/SuiteError.h"
#include "util/Logger.h"

namespace OFX::Private {

namespace {

// Logging must not let a second exception out of the boundary.
void logFailure(const char* where, const char* reason) noexcept {
    try {
        Logger::getInstance()->logMessage(LogLevel::Error, "%s failed: %s", where, reason);
    } catch (...) {
    }
}

}  // namespace

OfxStatus statusOfCurrentException(const char* where) noexcept {
    try {
        throw;
    } catch (const SuiteError& error) {
        logFailure(where, error.what());
        // A failure is never reported as success.
        return error.status() == kOfxStatOK ? kOfxStatFailed : toStandardStatus(error.status());
    } catch (const std::exception& error) {
        logFailure(where, error.what());
    } catch (...) {
        logFailure(where, "unknown exception");
    }
    return kOfxStatFailed;
}

}  // namespace OFX::Private
