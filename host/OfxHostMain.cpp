// ofxhost: a headless OFX host for looking at a plug-in without a host
// application.

#include <CLI/CLI.hpp>
#include <iostream>
#include <map>
#include <string>

#include "DescribeCommand.h"
#include "HostError.h"
#include "InstanceCommands.h"
#include "ofx/api/ofx_core.h"

int main(int argc, char** argv) {
    CLI::App app{"ofxhost: a headless OFX host"};
    app.require_subcommand(1);

    ofxhost::DescribeRequest describe;
    std::string context;
    std::string refusedCurves;
    bool noDrawSuite = false;
    bool noParametricSuite = false;
    bool refuseOverlayV2 = false;
    CLI::App* describeCommand =
        app.add_subcommand("describe", "Describe a plug-in bundle and print it as JSON");
    describeCommand->add_option("BUNDLE", describe.bundle, "NAME.ofx.bundle directory or .ofx file")
        ->required();
    describeCommand->add_option("--context", context, "Describe only this context")
        ->check(CLI::IsMember({"filter", "general"}));
    describeCommand->add_flag("--no-draw-suite", noDrawSuite,
                              "Behave like a host without a draw suite");
    describeCommand->add_flag("--no-parametric-suite", noParametricSuite,
                              "Behave like a host without a parametric parameter suite");
    describeCommand
        ->add_option("--refuse-curves", refusedCurves,
                     "Refuse parametric curve definition with this status")
        ->check(CLI::IsMember({"unsupported", "unknown"}));
    describeCommand->add_flag("--refuse-overlay-v2", refuseOverlayV2,
                              "Reject the OFX 1.5 overlay property "
                              "OfxImageEffectPluginPropOverlayInteractV2");

    // params and identity: one instance, with the user's actions in the order given.
    ofxhost::InstanceRequest instance;
    const auto addInstanceOptions = [&instance](CLI::App* command) {
        command->add_option("BUNDLE", instance.bundle, "NAME.ofx.bundle directory or .ofx file")
            ->required();
        command->add_option("--time", instance.time, "Time of the actions, in frames");
        command
            ->add_option_function<std::string>(
                "--set",
                [&instance](const std::string& text) {
                    try {
                        instance.actions.push_back(ofxhost::parseSetAction(text));
                    } catch (const ofxhost::HostError& error) {
                        throw CLI::ValidationError("--set", error.what());
                    }
                },
                "Set a parameter as a user would: NAME=VALUE (numbers separated by commas, "
                "true/false, a text, or a choice's index)")
            ->trigger_on_parse()
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        command
            ->add_option_function<std::string>(
                "--press",
                [&instance](const std::string& name) {
                    instance.actions.push_back(
                        {ofxhost::InstanceAction::Kind::Press, name, std::string()});
                },
                "Press a push button")
            ->trigger_on_parse()
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    };
    CLI::App* paramsCommand = app.add_subcommand(
        "params", "Create an instance, apply the actions and print every parameter as JSON");
    addInstanceOptions(paramsCommand);
    CLI::App* identityCommand = app.add_subcommand(
        "identity", "Create an instance, apply the actions and print its identity answer");
    addInstanceOptions(identityCommand);

    CLI11_PARSE(app, argc, argv);

    if (paramsCommand->parsed()) {
        return ofxhost::runParams(instance, std::cout, std::cerr);
    }
    if (identityCommand->parsed()) {
        return ofxhost::runIdentity(instance, std::cout, std::cerr);
    }

    if (!context.empty()) {
        describe.context = context;
    }
    const std::map<std::string, OfxStatus> refusals = {{"unsupported", kOfxStatErrUnsupported},
                                                       {"unknown", kOfxStatErrUnknown}};
    if (!refusedCurves.empty()) {
        describe.options.curveDefinitionStatus = refusals.at(refusedCurves);
    }
    describe.options.drawSuite = !noDrawSuite;
    describe.options.parametricSuite = !noParametricSuite;
    describe.options.overlayInteractV2 = !refuseOverlayV2;
    return ofxhost::runDescribe(describe, std::cout, std::cerr);
}
