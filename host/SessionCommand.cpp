#include "SessionCommand.h"

#include <exception>
#include <ostream>

namespace ofxhost {

namespace {

void printWarnings(const std::vector<std::string>& warnings, std::ostream& err) {
    for (const std::string& warning : warnings) {
        err << "warning: " << warning << '\n';
    }
}

}  // namespace

int runSessionCommand(const HostOptions& options, std::ostream& out, std::ostream& err,
                      const SessionSteps& steps) {
    try {
        HostSession session(options);
        std::vector<std::string> warnings;
        nlohmann::json result;
        try {
            result = steps(session, warnings);
        } catch (const std::exception&) {
            printWarnings(session.warnings(), err);
            printWarnings(warnings, err);
            throw;
        }
        printWarnings(session.warnings(), err);
        printWarnings(warnings, err);
        out << result.dump(2) << '\n';
        return 0;
    } catch (const std::exception& error) {
        err << "error: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace ofxhost
