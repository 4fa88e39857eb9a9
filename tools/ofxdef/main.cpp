// ofxdef: checks effect definitions with the plug-in's own parser and prints
// what the plug-in would see, as JSON.
#include <CLI/CLI.hpp>

#include <string>

#include "DefinitionCheck.h"

int main(int argc, char** argv) {
    CLI::App app{"Effect definition tool"};
    app.require_subcommand(1);

    std::string inputPath;
    std::string outputPath;
    CLI::App* check =
        app.add_subcommand("check", "Parse a definition and print its summary as JSON");
    check->add_option("file", inputPath, "Effect definition (XML)")->required();
    check->add_option("-o,--output", outputPath, "Write the summary to this file");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    }
    return checkDefinition(inputPath, outputPath);
}
