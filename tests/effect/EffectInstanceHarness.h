#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Host.h"
#include "ImageEffect.h"
#include "ofx/api/ofx_image_effect.h"

// One effect instance served in process by the headless host, for testing
// GenericEffect directly: the host's suites are handed to the support layer,
// and the instance has the clips given and the parameters that describe
// declares for this test's embedded definition (its own parameters in their
// OFX kinds, plus the preset section). Values are read and written on the
// host side, as a user would change them.
class EffectInstanceHarness {
  public:
    explicit EffectInstanceHarness(const std::vector<std::string>& clips = {"Background", "Source",
                                                                            "Output"});
    ~EffectInstanceHarness();
    EffectInstanceHarness(const EffectInstanceHarness&) = delete;
    EffectInstanceHarness& operator=(const EffectInstanceHarness&) = delete;

    OfxImageEffectHandle handle() const { return _instance->handle(); }

    bool hasParam(const std::string& name) const;
    std::vector<double> numbers(const std::string& name) const;
    void setNumbers(const std::string& name, const std::vector<double>& values);
    std::string text(const std::string& name) const;
    void setText(const std::string& name, const std::string& value);
    std::vector<std::string> options(const std::string& name) const;
    bool secret(const std::string& name) const;

  private:
    ofxhost::Param& param(const std::string& name) const;

    ofxhost::Host _host;
    std::unique_ptr<ofxhost::ImageEffect> _described;
    std::unique_ptr<ofxhost::ImageEffect> _descriptor;
    std::unique_ptr<ofxhost::ImageEffect> _instance;
};
