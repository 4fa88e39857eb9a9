#include "ToolRun.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "E2ePaths.h"
#include "presets/FileText.h"

namespace {

// `text` as one word for the shell.
std::string quoted(const std::string& text) {
    std::string result = "'";
    for (const char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

}  // namespace

ToolRun runTool(const std::vector<std::string>& arguments, const std::string& home) {
    char errorsPath[] = "/tmp/ofxfw_tool_errors_XXXXXX";
    const int errorsFile = ::mkstemp(errorsPath);
    if (errorsFile >= 0) {
        ::close(errorsFile);
    }
    std::string command = "HOME=" + quoted(home) + " " + quoted(kOfxHostTool);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    command += " 2>" + quoted(errorsPath);

    ToolRun run;
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, count);
        }
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    run.output = nlohmann::json::parse(output, nullptr, false);
    if (run.output.is_discarded()) {
        run.output = nullptr;
    }
    run.errors = readFileText(errorsPath);
    std::remove(errorsPath);
    return run;
}
