#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "definition/XMLEffectDefinition.h"
#include "effect/DocumentationOpener.h"
#include "effect/ParameterValue.h"
#include "ofx/support/ImageEffect.h"

// The plug-in's effect instance: everything it does comes from its own parsed
// copy of the embedded effect definition. It fetches its clips at
// construction and its parameter handles lazily, reads parameter values for
// the render path and identity decisions, answers identity requests from the
// definition's identity conditions, and drives the preset controls of the
// panel (save, load, delete, factory presets, defaults, documentation).
//
// Threads: parameter changes arrive on the host's interface thread, identity
// requests on render threads. `_paramMutex` guards the handle maps and the
// preset name lists. It is never held while a value is set in the host: a
// host may report the change back at once, on the same thread, through
// changedParam, whose handlers take the mutex themselves.
class GenericEffect : public OFX::ImageEffect {
  public:
    // Parses the embedded definition and fetches the clips its inputs name.
    // Throws std::runtime_error "Failed to parse embedded XML" when the
    // definition does not parse.
    GenericEffect(OfxImageEffectHandle handle, const std::string& definitionPath);

    bool isIdentity(const OFX::IsIdentityArguments& args, OFX::Clip*& identityClip,
                    double& identityTime) override;
    void changedParam(const OFX::InstanceChangedArgs& args, const std::string& paramName) override;

    // Parameter access.
    // Fetches the handle of every definition parameter and of the preset
    // section's parameters; failures are logged and leave the name out.
    void fetchParametersLazily();
    // The value at `time`; Double 0.0 when the parameter has no handle or a
    // type without a value.
    ParameterValue getParameterValue(const std::string& name, double time);
    // An execution count of at least 1 from an integer or double parameter.
    int getIntParameter(const std::string& name, double time);

    // Identity.
    bool evaluateIdentityCondition(const XMLEffectDefinition::IdentityConditionDef& condition,
                                   double time);

    // Presets.
    // The definition file's name without its directory and ".xml".
    static std::string deriveBundleName(const std::string& path);
    std::map<std::string, ParameterValue> collectAllParameterValues();
    void applyParameterValues(const std::map<std::string, ParameterValue>& values);
    void loadDefaultValues();
    void refreshPresetList();
    void refreshFactoryPresetList();
    // Each handler logs why it failed and returns false; none throws.
    bool handlePresetSave();
    bool handlePresetLoad();
    bool handleFactoryPresetLoad();
    bool handlePresetDelete();

    // The factory preset folder of the bundle this binary was loaded from.
    std::string factoryPresetDirectory() const;
    // The documentation page shipped in that bundle, as a file:// address.
    std::string documentationAddress() const;
    // What the documentation button starts; tests substitute a harmless program.
    void setDocumentationOpener(DocumentationOpener opener);

  private:
    // What render and identity decisions do first: fetch the handles while
    // none are held, and fill both preset lists once per instance.
    void fetchParametersAndPresetListsOnce();
    bool hasParams();
    // Preset controls used before the first render or identity request still
    // find their handles.
    void fetchParametersIfNone();
    // Fetches `name` as the host parameter kind of definition type `type`;
    // null, without fetching, for a type that has none. Throws what the fetch
    // throws.
    OFX::Param* fetchParamOfType(const std::string& type, const std::string& name);
    // The handle stored under `name`, or null. The caller holds `_paramMutex`.
    OFX::Param* paramLocked(const std::string& name) const;
    template <class T>
    T* findParamAs(const std::string& name);

    // The host's value of a parameter of the definition, at `time` or the
    // current one; empty for a type that has no value to read.
    static std::optional<ParameterValue> readValue(const XMLEffectDefinition::ParameterDef& def,
                                                   const OFX::Param& param,
                                                   std::optional<double> time);
    // Sets the host's value by the definition's type; other types are left.
    static void writeValue(const XMLEffectDefinition::ParameterDef& def, OFX::Param& param,
                           const ParameterValue& value);

    // The index selected in a preset list, fetched afresh; 0 (the
    // placeholder) when the host has no such list.
    int selectedIndex(const std::string& listName);
    // Selects `index` of a preset list; failures are logged, never thrown.
    void selectListEntry(const std::string& listName, int index);
    static void fillChoice(OFX::ChoiceParam& list, const std::vector<std::string>& entries);
    // The names of the ".xml" files of `directory`, without the suffix, sorted.
    static std::vector<std::string> listPresetNames(const std::string& directory);
    std::string userPresetDirectory() const;
    void openDocumentation();

    XMLEffectDefinition _definition;
    std::map<std::string, OFX::Param*> _params;
    std::map<std::string, OFX::Clip*> _clips;
    std::mutex _paramMutex;
    std::vector<std::string> _presetFiles;
    std::vector<std::string> _factoryPresetFiles;
    std::string _bundleName;
    std::atomic<bool> _presetListsRefreshed{false};
    DocumentationOpener _documentationOpener;
};

template <class T>
T* GenericEffect::findParamAs(const std::string& name) {
    std::lock_guard<std::mutex> lock(_paramMutex);
    return dynamic_cast<T*>(paramLocked(name));
}
