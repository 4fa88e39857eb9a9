#pragma once

#include <map>
#include <string>

#include "definition/XMLEffectDefinition.h"
#include "ofx/support/BooleanParamDescriptor.h"
#include "ofx/support/ChoiceParamDescriptor.h"
#include "ofx/support/ColourParamDescriptors.h"
#include "ofx/support/ImageEffectDescriptor.h"
#include "ofx/support/NumericParamDescriptors.h"
#include "ofx/support/PageParamDescriptor.h"
#include "ofx/support/ParametricParamDescriptor.h"
#include "ofx/support/PushButtonParamDescriptor.h"
#include "ofx/support/StringParamDescriptor.h"

// Turns the definition's parameters and UI groups into OFX parameter, group
// and page descriptors in describe-in-context. Holds no state.
//
// Every create*Param throws std::runtime_error when the name is already taken
// by a parameter of another kind, and a SuiteError when the host refuses a
// call; createParameters and organizeUI turn both into a false result.
class XMLParameterManager {
  public:
    using ParameterDef = XMLEffectDefinition::ParameterDef;
    // Page name to page, ordered by name.
    using PageMap = std::map<std::string, OFX::PageParamDescriptor*>;

    // Defines every parameter of the definition, in order, creating the page
    // "Main" first when `pages` is empty. An unsupported type is reported on
    // the standard error stream and skipped. False when a definition fails;
    // the parameters before it stay defined.
    bool createParameters(const XMLEffectDefinition& definition, OFX::ImageEffectDescriptor& desc,
                          PageMap& pages) const;

    // Defines one group per UI group of the definition, on the first page of
    // `pages` (a new page "Main" when it is empty), and makes each group the
    // parent of the parameters it references. False on failure.
    bool organizeUI(const XMLEffectDefinition& definition, OFX::ImageEffectDescriptor& desc,
                    PageMap& pages) const;

    OFX::DoubleParamDescriptor& createDoubleParam(const ParameterDef& param,
                                                  OFX::ImageEffectDescriptor& desc) const;
    OFX::IntParamDescriptor& createIntParam(const ParameterDef& param,
                                            OFX::ImageEffectDescriptor& desc) const;
    OFX::BooleanParamDescriptor& createBooleanParam(const ParameterDef& param,
                                                    OFX::ImageEffectDescriptor& desc) const;
    OFX::ChoiceParamDescriptor& createChoiceParam(const ParameterDef& param,
                                                  OFX::ImageEffectDescriptor& desc) const;
    OFX::RGBParamDescriptor& createColorParam(const ParameterDef& param,
                                              OFX::ImageEffectDescriptor& desc) const;
    OFX::Double2DParamDescriptor& createVec2Param(const ParameterDef& param,
                                                  OFX::ImageEffectDescriptor& desc) const;
    OFX::Double3DParamDescriptor& createVec3Param(const ParameterDef& param,
                                                  OFX::ImageEffectDescriptor& desc) const;
    OFX::RGBAParamDescriptor& createColorRGBAParam(const ParameterDef& param,
                                                   OFX::ImageEffectDescriptor& desc) const;
    OFX::StringParamDescriptor& createStringParam(const ParameterDef& param,
                                                  OFX::ImageEffectDescriptor& desc) const;
    OFX::StringParamDescriptor& createFilePathParam(const ParameterDef& param,
                                                    OFX::ImageEffectDescriptor& desc) const;
    OFX::PushButtonParamDescriptor& createPushButtonParam(const ParameterDef& param,
                                                          OFX::ImageEffectDescriptor& desc) const;
    // Null, with a logged warning, when the host cannot define curves (no
    // parametric suite, or a refusal): the effect then describes without it.
    // A host refusing the default shape keeps the parameter with its own
    // default curve, also with a warning.
    OFX::ParametricParamDescriptor* createCurveParam(const ParameterDef& param,
                                                     OFX::ImageEffectDescriptor& desc) const;

    // A page named and labelled `name`.
    OFX::PageParamDescriptor& createPage(const std::string& name,
                                         OFX::ImageEffectDescriptor& desc) const;

    // Sets `hint` followed by the note for values that scale with the image
    // ("width", "height" or "xy" in `resDependent`) as the parameter's hint.
    void applyResolutionDependency(OFX::ParamDescriptor& param, const std::string& resDependent,
                                   const std::string& hint) const;

  private:
    void createParameter(const ParameterDef& param, OFX::ImageEffectDescriptor& desc) const;
};
