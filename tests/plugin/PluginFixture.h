#pragma once

#include <gtest/gtest.h>

#include <string>

#include "FakeHost.h"
#include "ofx/api/ofx_api.h"
#include "ofx/support/OfxEntryPoints.h"

// The plug-in linked into the test, set up against a fresh fake host for each
// test and unloaded afterwards.
class PluginFixture : public testing::Test {
  protected:
    void SetUp() override {
        plugin = OfxGetPlugin(0);
        ASSERT_NE(plugin, nullptr);
        plugin->setHost(host.ofxHost());
    }

    void TearDown() override { call(kOfxActionUnload); }

    OfxStatus call(const char* action, const void* handle = nullptr,
                   OfxPropertySetHandle inArgs = nullptr) {
        return plugin->mainEntry(action, handle, inArgs, nullptr);
    }

    // The describe-in-context action on `effect` for the context named `context`.
    OfxStatus describeInContext(OfxImageEffectHandle effect, const std::string& context) {
        FakeHost::PropertySet& args = host.newPropertySet();
        args.set(kOfxImageEffectPropContext, {context});
        return call(kOfxImageEffectActionDescribeInContext, effect, args.handle());
    }

    FakeHost host;
    OfxPlugin* plugin = nullptr;
};
