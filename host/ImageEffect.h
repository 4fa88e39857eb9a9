#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Clip.h"
#include "LiveHandles.h"
#include "ParamSet.h"
#include "PropertySet.h"
#include "ofx/api/ofx_image_effect.h"

namespace ofxhost {

class Host;

// An effect descriptor (for Describe, or one per context for
// DescribeInContext) or an effect instance: the object behind an
// OfxImageEffectHandle, owning its clips and parameters.
class ImageEffect {
  public:
    enum class Kind { Descriptor, Instance };

    // The descriptor handed to Describe.
    static std::unique_ptr<ImageEffect> describeDescriptor(Host& host,
                                                           const std::string& bundlePath);
    // A descriptor for DescribeInContext, starting from what Describe set.
    static std::unique_ptr<ImageEffect> contextDescriptor(const ImageEffect& described);
    // An instance of a context descriptor, with its clips and parameters.
    static std::unique_ptr<ImageEffect> instance(const ImageEffect& contextDescriptor,
                                                 const std::string& context);

    ImageEffect(const ImageEffect&) = delete;
    ImageEffect& operator=(const ImageEffect&) = delete;

    static ImageEffect* fromHandle(OfxImageEffectHandle handle);
    OfxImageEffectHandle handle() const;

    Kind kind() const { return _kind; }
    Host& host() const { return _host; }
    PropertySet& properties() { return _properties; }
    const PropertySet& properties() const { return _properties; }
    ParamSet& params() { return _params; }
    const ParamSet& params() const { return _params; }

    // clipDefine: kOfxStatErrExists for a name already defined.
    OfxStatus defineClip(const std::string& name, Clip*& clip);
    Clip* findClip(const std::string& name) const;
    const std::vector<std::unique_ptr<Clip>>& clips() const { return _clips; }

  private:
    // Keeps construction to the factory functions above.
    struct Key {
        explicit Key() = default;
    };

  public:
    ImageEffect(Key, Host& host, Kind kind);

  private:
    Host& _host;
    Kind _kind;
    PropertySet _properties;
    // Descriptors keep a separate parameter-set property set; instances use
    // _properties for it.
    PropertySet _paramSetProperties;
    ParamSet _params;
    std::vector<std::unique_ptr<Clip>> _clips;
    HandleRegistration<ImageEffect> _registration{this};
};

}  // namespace ofxhost
