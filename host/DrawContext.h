#pragma once

#include <vector>

#include "DrawCall.h"
#include "LiveHandles.h"
#include "ofx/api/ofx_draw.h"

namespace ofxhost {

// The context of one Draw action: the draw suite works only while it is
// active and records every call made through it.
class DrawContext {
  public:
    DrawContext();
    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;

    static DrawContext* fromHandle(OfxDrawContextHandle handle);
    OfxDrawContextHandle handle() const;

    bool active() const { return _active; }
    void setActive(bool active) { _active = active; }

    void record(DrawCall call) { _calls.push_back(std::move(call)); }
    const std::vector<DrawCall>& calls() const { return _calls; }

    // The host's colour for a standard overlay role; false for an unknown role.
    static bool standardColour(OfxStandardColour role, OfxRGBAColourF& colour);

  private:
    bool _active = false;
    std::vector<DrawCall> _calls;
    HandleRegistration<DrawContext> _registration{this};
};

}  // namespace ofxhost
