#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// One `ofxhost describe` of a bundle built beside the real effect's, in one
// context, run in a child process so that the plug-in's log is complete when
// it is read. Clips and parameters come from the JSON it prints.
struct DescribeRun {
    // "filter" or "general".
    std::string context;
    int exitCode = -1;
    // The printed description; null when the describe failed.
    nlohmann::json output;
    // What the tool and the plug-in wrote to the standard error stream.
    std::string errors;
    // The plug-in's log, /tmp/<bundle>_plugin_log.txt.
    std::string log;

    std::vector<std::string> clipNames() const;
    std::vector<std::string> paramNames() const;
    bool hasParam(const std::string& name) const;
    // The "properties" object of a clip or parameter; fails the test (and
    // throws) when there is none of that name.
    const nlohmann::json& clip(const std::string& name) const;
    const nlohmann::json& param(const std::string& name) const;
    // The whole entry of a parameter: "name", "type", "properties", "curves".
    const nlohmann::json& paramEntry(const std::string& name) const;
    // The clips and parameters of the context.
    const nlohmann::json& described() const;
};

// Describes the bundle <bundle>.ofx.bundle in `context` with the extra
// ofxhost `options` (for example "--no-parametric-suite"), starting from an
// empty log.
DescribeRun describeBundle(const std::string& bundle, const std::string& options = "",
                           const std::string& context = "filter");

// Whether `lines` all occur in `text`, in this order; names the first one
// missing otherwise.
testing::AssertionResult containsInOrder(const std::string& text,
                                         const std::vector<std::string>& lines);
