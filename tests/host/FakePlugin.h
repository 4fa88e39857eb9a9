#pragma once

#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "TestPaths.h"
#include "fake_plugin/FakePluginControl.h"

// Keeps the fake plug-in loaded for a test, so that the host's own dlopen
// finds the same instance: the test sets its behaviour and reads its report.
class FakePlugin {
  public:
    FakePlugin() : _library(dlopen(kFakePluginBinary, RTLD_NOW | RTLD_LOCAL)) {
        if (!_library) {
            throw std::runtime_error(dlerror());
        }
        _control = lookUp<FakePluginControlFunction>("fakePluginControl")();
        _report = lookUp<FakePluginReportFunction>("fakePluginReport")();
        lookUp<FakePluginResetFunction>("fakePluginReset")();
    }
    FakePlugin(const FakePlugin&) = delete;
    FakePlugin& operator=(const FakePlugin&) = delete;

    FakePluginControl& control() { return *_control; }
    const FakePluginReport& report() const { return *_report; }

    void failAction(const char* action, OfxStatus status) {
        std::snprintf(_control->failingAction, sizeof(_control->failingAction), "%s", action);
        _control->failingStatus = status;
    }

  private:
    template <typename Function>
    Function* lookUp(const char* name) {
        auto* function = reinterpret_cast<Function*>(dlsym(_library.get(), name));
        if (function == nullptr) {
            throw std::runtime_error(name);
        }
        return function;
    }

    struct Closer {
        void operator()(void* library) const { dlclose(library); }
    };

    // Closed on every path, also when a lookup in the constructor throws.
    std::unique_ptr<void, Closer> _library;
    FakePluginControl* _control = nullptr;
    const FakePluginReport* _report = nullptr;
};
