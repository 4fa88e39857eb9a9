#include "DescribeCommand.h"

#include <vector>

#include "ContextNames.h"
#include "DescriptionJson.h"
#include "SessionCommand.h"

namespace ofxhost {

int runDescribe(const DescribeRequest& request, std::ostream& out, std::ostream& err) {
    const auto steps = [&](HostSession& session, std::vector<std::string>&) {
        std::vector<std::string> contexts;
        if (request.context) {
            contexts.push_back(contextFromShortName(*request.context));
        }
        session.load(request.bundle);
        session.describe(contexts);
        session.createAndDestroyInstances();
        session.unload();
        return descriptionJson(session.plugins());
    };
    return runSessionCommand(request.options, out, err, steps);
}

}  // namespace ofxhost
