#include "DescribeRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "E2ePaths.h"
#include "presets/FileText.h"

namespace {

const nlohmann::json& entryNamed(const nlohmann::json& list, const std::string& name,
                                 const char* what) {
    for (const nlohmann::json& entry : list) {
        if (entry.at("name") == name) {
            return entry;
        }
    }
    ADD_FAILURE() << "no " << what << " named " << name;
    throw std::out_of_range(name);
}

std::vector<std::string> namesOf(const nlohmann::json& list) {
    std::vector<std::string> names;
    for (const nlohmann::json& entry : list) {
        names.push_back(entry.at("name"));
    }
    return names;
}

}  // namespace

const nlohmann::json& DescribeRun::described() const {
    return output.at("plugins").at(0).at("contexts").at(context);
}

std::vector<std::string> DescribeRun::clipNames() const {
    return namesOf(described().at("clips"));
}

std::vector<std::string> DescribeRun::paramNames() const {
    return namesOf(described().at("params"));
}

bool DescribeRun::hasParam(const std::string& name) const {
    const std::vector<std::string> names = paramNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

const nlohmann::json& DescribeRun::clip(const std::string& name) const {
    return entryNamed(described().at("clips"), name, "clip").at("properties");
}

const nlohmann::json& DescribeRun::param(const std::string& name) const {
    return paramEntry(name).at("properties");
}

const nlohmann::json& DescribeRun::paramEntry(const std::string& name) const {
    return entryNamed(described().at("params"), name, "parameter");
}

DescribeRun describeBundle(const std::string& bundle, const std::string& options,
                           const std::string& context) {
    const std::filesystem::path bundles = std::filesystem::path(kOverlayTestBundle).parent_path();
    const std::string bundlePath = (bundles / (bundle + ".ofx.bundle")).string();
    // The plug-in logs to <stem>.txt and rotates the previous log to <stem>.old.
    const std::string logStem = "/tmp/" + bundle + "_plugin_log";
    const std::string logPath = logStem + ".txt";
    const std::string stem =
        testing::TempDir() + "describe_" + bundle + "_" + std::to_string(::getpid());
    const std::string outPath = stem + ".json";
    const std::string errPath = stem + ".err";

    std::remove(logPath.c_str());
    const std::string command = std::string("'") + kOfxHostTool + "' describe '" + bundlePath +
                                "' --context " + context + " " + options + " >'" + outPath +
                                "' 2>'" + errPath + "'";
    const int status = std::system(command.c_str());

    DescribeRun run;
    run.context = context;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.errors = readFileText(errPath);
    run.log = readFileText(logPath);
    if (run.exitCode == 0) {
        run.output = nlohmann::json::parse(readFileText(outPath));
    }
    for (const std::string& path : {outPath, errPath, logPath, logStem + ".old"}) {
        std::remove(path.c_str());
    }
    return run;
}

testing::AssertionResult containsInOrder(const std::string& text,
                                         const std::vector<std::string>& lines) {
    std::size_t position = 0;
    for (const std::string& line : lines) {
        const std::size_t found = text.find(line, position);
        if (found == std::string::npos) {
            return testing::AssertionFailure() << "missing or out of order: " << line << "\nin:\n"
                                               << text;
        }
        position = found + line.size();
    }
    return testing::AssertionSuccess();
}
