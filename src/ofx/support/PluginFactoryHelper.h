#pragma once

#include <string>
#include <utility>

#include "ofx/support/ActionDispatcher.h"
#include "ofx/support/PluginFactory.h"

namespace OFX {

// Keeps the identifier and version of a factory and gives each factory class
// `T` its own host entry point. One factory object per class `T`: the entry
// point reaches the most recently constructed one.
template <class T>
class PluginFactoryHelper : public PluginFactory {
  public:
    PluginFactoryHelper(std::string identifier, unsigned int majorVersion,
                        unsigned int minorVersion)
        : _identifier(std::move(identifier)),
          _uid(_identifier + " " + std::to_string(majorVersion) + "." +
               std::to_string(minorVersion)),
          _majorVersion(majorVersion),
          _minorVersion(minorVersion) {
        s_factory = this;
    }

    ~PluginFactoryHelper() override {
        if (s_factory == this) {
            s_factory = nullptr;
        }
    }

    const std::string& getID() const override { return _identifier; }
    const std::string& getUID() const override { return _uid; }
    unsigned int getMajorVersion() const override { return _majorVersion; }
    unsigned int getMinorVersion() const override { return _minorVersion; }
    OfxPluginEntryPoint* getMainEntry() const override { return &mainEntry; }

  private:
    static OfxStatus mainEntry(const char* action, const void* handle, OfxPropertySetHandle inArgs,
                               OfxPropertySetHandle outArgs) {
        return Private::dispatchAction(s_factory, action, handle, inArgs, outArgs);
    }

    inline static PluginFactory* s_factory = nullptr;

    std::string _identifier;
    std::string _uid;
    unsigned int _majorVersion;
    unsigned int _minorVersion;
};

}  // namespace OFX
