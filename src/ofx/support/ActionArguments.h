#pragma once

#include "ofx/api/ofx_core.h"
#include "ofx/support/PropertySet.h"

namespace OFX {

// Why the host reports a change.
enum class InstanceChangeReason { UserEdit, PluginEdit, Time };

// The in-arguments of the instance-changed action.
struct InstanceChangedArgs {
    InstanceChangeReason reason = InstanceChangeReason::UserEdit;
    double time = 0.0;
    OfxPointD renderScale{1.0, 1.0};
};

// The in-arguments of the is-identity action.
struct IsIdentityArguments {
    double time = 0.0;
    OfxRectI renderWindow{0, 0, 0, 0};
    OfxPointD renderScale{1.0, 1.0};
};

// The in-arguments of the render action, GPU switches included.
struct RenderArguments {
    double time = 0.0;
    OfxRectI renderWindow{0, 0, 0, 0};
    OfxPointD renderScale{1.0, 1.0};
    bool isEnabledOpenCLRender = false;
    bool isEnabledCudaRender = false;
    bool isEnabledMetalRender = false;
    // The host's CUDA stream; null when the host passes none.
    void* pCudaStream = nullptr;
};

namespace Private {

// Read from an action's in-arguments. The time is required (a SuiteError
// without it); properties that some hosts leave out keep the defaults above.
InstanceChangedArgs readInstanceChangedArgs(const PropertySet& inArgs);
IsIdentityArguments readIsIdentityArguments(const PropertySet& inArgs);
RenderArguments readRenderArguments(const PropertySet& inArgs);

}  // namespace Private

}  // namespace OFX
