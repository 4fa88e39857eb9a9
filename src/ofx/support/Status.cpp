#include "ofx/support/Status.h"

#include "ofx/api/ofx_gpu_render.h"
#include "ofx/api/ofx_image_effect.h"

namespace OFX {

namespace {

struct StatusEntry {
    OfxStatus status;
    const char* name;
};

// The statuses a host of the current standard knows. kOfxStatUnlicensed is left
// out on purpose: it is newer than the hosts we run in.
constexpr StatusEntry kStandardStatuses[] = {
    {kOfxStatOK, "kOfxStatOK"},
    {kOfxStatFailed, "kOfxStatFailed"},
    {kOfxStatErrFatal, "kOfxStatErrFatal"},
    {kOfxStatErrUnknown, "kOfxStatErrUnknown"},
    {kOfxStatErrMissingHostFeature, "kOfxStatErrMissingHostFeature"},
    {kOfxStatErrUnsupported, "kOfxStatErrUnsupported"},
    {kOfxStatErrExists, "kOfxStatErrExists"},
    {kOfxStatErrFormat, "kOfxStatErrFormat"},
    {kOfxStatErrMemory, "kOfxStatErrMemory"},
    {kOfxStatErrBadHandle, "kOfxStatErrBadHandle"},
    {kOfxStatErrBadIndex, "kOfxStatErrBadIndex"},
    {kOfxStatErrValue, "kOfxStatErrValue"},
    {kOfxStatReplyYes, "kOfxStatReplyYes"},
    {kOfxStatReplyNo, "kOfxStatReplyNo"},
    {kOfxStatReplyDefault, "kOfxStatReplyDefault"},
    {kOfxStatErrImageFormat, "kOfxStatErrImageFormat"},
    {kOfxStatGPUOutOfMemory, "kOfxStatGPUOutOfMemory"},
    {kOfxStatGPURenderFailed, "kOfxStatGPURenderFailed"},
};

const StatusEntry* findStandard(OfxStatus status) {
    for (const StatusEntry& entry : kStandardStatuses) {
        if (entry.status == status) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

const char* statusName(OfxStatus status) {
    if (status == kOfxStatUnlicensed) {
        return "kOfxStatUnlicensed";
    }
    const StatusEntry* entry = findStandard(status);
    return entry ? entry->name : "unknown status";
}

OfxStatus toStandardStatus(OfxStatus status) {
    return findStandard(status) ? status : kOfxStatFailed;
}

}  // namespace OFX
