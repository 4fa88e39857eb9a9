#include "EffectInstanceHarness.h"

#include <map>
#include <stdexcept>

#include "Param.h"
#include "definition/EmbeddedXml.h"
#include "definition/XMLEffectDefinition.h"
#include "ofx/api/ofx_param.h"
#include "ofx/support/Suites.h"

namespace {

// The OFX kind describe gives each definition type; types it leaves out
// (curves here, unknown types) are absent from the instance.
const std::map<std::string, const char*> kKinds = {
    {"double", kOfxParamTypeDouble},   {"float", kOfxParamTypeDouble},
    {"int", kOfxParamTypeInteger},     {"bool", kOfxParamTypeBoolean},
    {"choice", kOfxParamTypeChoice},   {"color", kOfxParamTypeRGB},
    {"color_rgba", kOfxParamTypeRGBA}, {"vec2", kOfxParamTypeDouble2D},
    {"vec3", kOfxParamTypeDouble3D},   {"string", kOfxParamTypeString},
    {"filepath", kOfxParamTypeString}, {"pushbutton", kOfxParamTypePushButton},
};

ofxhost::Param& define(ofxhost::ImageEffect& descriptor, const char* kind,
                       const std::string& name) {
    ofxhost::Param* param = nullptr;
    if (descriptor.params().define(kind, name, param) != kOfxStatOK) {
        throw std::logic_error("cannot define " + name);
    }
    return *param;
}

}  // namespace

EffectInstanceHarness::EffectInstanceHarness(const std::vector<std::string>& clips) {
    _described = ofxhost::ImageEffect::describeDescriptor(_host, "/tmp/harness.ofx.bundle");
    _descriptor = ofxhost::ImageEffect::contextDescriptor(*_described);
    for (const std::string& name : clips) {
        ofxhost::Clip* clip = nullptr;
        _descriptor->defineClip(name, clip);
    }

    // The preset section, as describe declares it.
    define(*_descriptor, kOfxParamTypeChoice, "factory_preset_list")
        .properties()
        .setStrings(kOfxParamPropChoiceOption, {"(no factory presets)"});
    define(*_descriptor, kOfxParamTypeChoice, "preset_list")
        .properties()
        .setStrings(kOfxParamPropChoiceOption, {"(no presets found)"});
    define(*_descriptor, kOfxParamTypePushButton, "delete_preset");
    define(*_descriptor, kOfxParamTypeString, "preset_name");
    define(*_descriptor, kOfxParamTypePushButton, "save_preset");
    define(*_descriptor, kOfxParamTypePushButton, "tutorialsButton");

    XMLEffectDefinition definition;
    if (!definition.parseFromEmbeddedXML(EMBEDDED_XML)) {
        throw std::logic_error("the test definition does not parse");
    }
    for (const XMLEffectDefinition::ParameterDef& def : definition.getParameters()) {
        const auto kind = kKinds.find(def.type);
        if (kind != kKinds.end()) {
            define(*_descriptor, kind->second, def.name);
        }
    }
    _instance = ofxhost::ImageEffect::instance(*_descriptor, kOfxImageEffectContextFilter);

    OFX::Private::gHost = _host.ofxHost();
    OFX::Private::fetchSuites();
}

EffectInstanceHarness::~EffectInstanceHarness() {
    OFX::Private::releaseSuites();
    OFX::Private::gHost = nullptr;
}

ofxhost::Param& EffectInstanceHarness::param(const std::string& name) const {
    ofxhost::Param* found = _instance->params().find(name);
    if (found == nullptr) {
        throw std::logic_error("no parameter " + name);
    }
    return *found;
}

bool EffectInstanceHarness::hasParam(const std::string& name) const {
    return _instance->params().find(name) != nullptr;
}

std::vector<double> EffectInstanceHarness::numbers(const std::string& name) const {
    return param(name).numbers();
}

void EffectInstanceHarness::setNumbers(const std::string& name, const std::vector<double>& values) {
    param(name).numbers() = values;
}

std::string EffectInstanceHarness::text(const std::string& name) const {
    return param(name).text();
}

void EffectInstanceHarness::setText(const std::string& name, const std::string& value) {
    param(name).text() = value;
}

std::vector<std::string> EffectInstanceHarness::options(const std::string& name) const {
    return param(name).properties().getStrings(kOfxParamPropChoiceOption);
}

bool EffectInstanceHarness::secret(const std::string& name) const {
    return param(name).properties().getInt(kOfxParamPropSecret) != 0;
}
