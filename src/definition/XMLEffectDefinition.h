#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pugi {
class xml_document;
class xml_node;
}  // namespace pugi

// The parsed XML effect definition: everything that makes an effect what it is
// (metadata, inputs, texture resources, parameters, UI groups, processes,
// identity conditions and overlays). Built once by its owner through
// parseFromEmbeddedXML and read-only afterwards, so concurrent readers need no
// lock. A failed load leaves a half-built definition that the owner discards.
class XMLEffectDefinition {
  public:
    // One source clip.
    struct InputDef {
        std::string name;
        std::string label;
        bool optional = false;
        std::string borderMode = "clamp";
        std::string noInputMode = "error";
    };

    // One texture shipped with the effect.
    struct ResourceDef {
        std::string name;
        std::string file;
        std::int32_t channels = 4;
        std::string sampler = "linear";
        std::string wrap = "mirror";
    };

    // One entry of a choice parameter.
    struct ParameterOptionDef {
        std::string value;
        std::string label;
    };

    // One component of a color or vector parameter.
    struct ParameterComponentDef {
        std::string name;
        double defaultValue = 0.0;
        double minValue = 0.0;
        double maxValue = 1.0;
        double increment = 0.01;
    };

    // One user control. The parser sets the fields its type uses; the others
    // keep the values below.
    struct ParameterDef {
        std::string name;
        std::string type;
        std::string label;
        std::string hint;
        double defaultValue = 0.0;
        double minValue = 0.0;
        double maxValue = 0.0;
        double displayMin = 0.0;
        double displayMax = 0.0;
        double increment = 0.0;
        std::string defaultShape;
        std::vector<ParameterOptionDef> options;
        std::vector<ParameterComponentDef> components;
        std::string defaultString;
        bool mustExist = true;
        bool defaultBool = false;
        std::string resDependent;
        std::int32_t curveBackground = 0;
    };

    // A reference from the UI to a declared parameter.
    struct UIParameterDef {
        std::string name;
    };

    struct UIColumnDef {
        std::string name;
        std::string tooltip;
        std::vector<UIParameterDef> parameters;
    };

    struct UIGroupDef {
        std::string name;
        std::string tooltip;
        bool open = true;
        std::vector<UIColumnDef> columns;
        // The group's direct references, after its columns' references.
        std::vector<UIParameterDef> parameters;
    };

    // One kernel of one platform ("cuda", "opencl" or "metal").
    struct KernelDef {
        std::string platform;
        std::string file;
        std::int32_t executions = 1;
    };

    // One process: its kernels of all platforms and how often it runs.
    struct PipelineDef {
        std::string name = "unnamed_process";
        std::vector<KernelDef> kernels;
        // A count or "param:<name>", resolved at render time; empty counts as 1.
        std::string executions;
        std::string initialization;
    };

    struct IdentityConditionDef {
        std::string parameter;
        std::string op;
        double value = 0.0;
    };

    // Space of the values of 2D position parameters; the enumerators are the
    // `coordinates` keywords and the values are what the log shows.
    enum class OverlayCoordSystem : std::int32_t { uv = 0, centered = 1, centered_aspect = 2 };

    // Kind of on-screen control; the enumerators are the element names.
    enum class OverlayType : std::int32_t {
        point = 0,
        radius = 1,
        scale2d = 2,
        vslider = 3,
        vector = 4,
        ellipse = 5,
        qualifier = 6
    };

    // A colour as written in the definition; components are never clamped.
    struct OverlayColorDef {
        float r = 1.0f;
        float g = 1.0f;
        float b = 1.0f;
        bool isSet = false;
    };

    // One declared control. Every attribute is stored whatever the type; the
    // overlay framework uses those that the type needs.
    struct OverlayDef {
        OverlayType type = OverlayType::point;
        std::string param;
        std::string style = "crosshair";
        std::string center;
        float fixedX = 0.5f;
        std::string visibleWhen;
        OverlayColorDef color;
        std::string label;
        std::string direction;
        std::string magnitude;
        float fixedMagnitude = 0.1f;
        std::vector<OverlayDef> children;
    };

    XMLEffectDefinition();
    ~XMLEffectDefinition();
    XMLEffectDefinition(const XMLEffectDefinition&) = delete;
    XMLEffectDefinition& operator=(const XMLEffectDefinition&) = delete;

    // Parses a NUL-terminated document held in memory. Never throws: every
    // failure is logged and gives false. Each call starts from an empty
    // definition.
    bool parseFromEmbeddedXML(const char* text);

    // Text of the last failed load (empty after a success), without the log's
    // prefix, for tools that report it themselves.
    const std::string& lastError() const { return _lastError; }
    // Byte offset of the last failure in the text when it was an XML syntax
    // error; -1 otherwise.
    std::ptrdiff_t lastErrorOffset() const { return _lastErrorOffset; }

    std::string getName() const { return _name; }
    std::string getCategory() const { return _category; }
    std::string getDescription() const { return _description; }
    std::string getVersion() const { return _version; }
    std::string getDebugLevel() const { return _debugLevel; }
    bool supportsTimeline() const { return _supportsTimeline; }
    bool supportsMatte() const { return _supportsMatte; }

    const std::vector<InputDef>& getInputs() const { return _inputs; }
    const std::vector<ResourceDef>& getBundledResources() const { return _resources; }

    const std::vector<ParameterDef>& getParameters() const { return _parameters; }
    // Throws std::out_of_range "Parameter not found: <name>". With a repeated
    // name the later declaration wins.
    const ParameterDef& getParameter(const std::string& name) const;
    const std::vector<UIGroupDef>& getUIGroups() const { return _uiGroups; }

    // The flat kernel list of the single-pipeline form. No section of the
    // document fills it; processes carry their own kernels.
    const std::vector<KernelDef>& getKernels() const { return _kernels; }
    std::vector<KernelDef> getKernelsForPlatform(const std::string& platform) const;
    int getTotalPasses(const std::string& platform) const;
    int getTotalKernels(const std::string& platform) const;

    const std::vector<IdentityConditionDef>& getIdentityConditions() const {
        return _identityConditions;
    }
    const std::vector<PipelineDef>& getPipelines() const { return _pipelines; }
    bool hasMultiPipeline() const { return !_pipelines.empty(); }
    std::string getEffectExecutions() const { return _effectExecutions; }

    const std::vector<OverlayDef>& getOverlays() const { return _overlays; }
    bool hasOverlays() const { return !_overlays.empty(); }
    OverlayCoordSystem getOverlayCoordSystem() const { return _overlayCoordSystem; }

    // Code of a no-input mode for the kernels: error 0, black 1, white 2,
    // transparent 3; anything else 2.
    static int noInputModeToInt(const std::string& mode);
    // "#rrggbb", "#rgb", "r,g,b" or one of the named colours (any case).
    static OverlayColorDef parseOverlayColor(const std::string& text);
    // The element name of an overlay type.
    static const char* overlayTypeName(OverlayType type);

  private:
    void reset();
    void fail(const std::string& message, std::ptrdiff_t offset = -1);

    // Section parsers; each throws std::runtime_error with a fixed text.
    void parseMetadata(const pugi::xml_node& effect);
    void parseInputs(const pugi::xml_node& inputs);
    void parseResources(const pugi::xml_node& resources);
    void parseParameters(const pugi::xml_node& parameters);
    void parseUI(const pugi::xml_node& ui);
    void parsePipeline(const pugi::xml_node& pipeline);
    void parseIdentityConditions(const pugi::xml_node& conditions);
    void parseOverlays(const pugi::xml_node& overlays);

    UIParameterDef parseParameterReference(const pugi::xml_node& reference) const;
    void requireDeclaredParameter(const std::string& name) const;

    std::unique_ptr<pugi::xml_document> _document;
    std::string _name;
    std::string _category;
    std::string _description;
    std::string _version;
    std::string _debugLevel;
    bool _supportsTimeline = false;
    bool _supportsMatte = false;
    std::vector<InputDef> _inputs;
    std::vector<ResourceDef> _resources;
    std::vector<ParameterDef> _parameters;
    std::map<std::string, std::size_t> _parameterIndex;
    std::vector<UIGroupDef> _uiGroups;
    std::vector<KernelDef> _kernels;
    std::vector<IdentityConditionDef> _identityConditions;
    std::vector<PipelineDef> _pipelines;
    std::string _effectExecutions;
    std::vector<OverlayDef> _overlays;
    OverlayCoordSystem _overlayCoordSystem = OverlayCoordSystem::uv;

    std::string _lastError;
    std::ptrdiff_t _lastErrorOffset = -1;
};
