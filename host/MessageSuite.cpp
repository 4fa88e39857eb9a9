#include "MessageSuite.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Host.h"
#include "ImageEffect.h"
#include "SuiteGuard.h"

namespace ofxhost {

namespace {

std::string format(const char* pattern, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, pattern, measure);
    va_end(measure);
    if (length <= 0) {
        return {};
    }
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), pattern, args);
    return text.data();
}

OfxStatus deliver(void* handle, const char* type, const char* id, const char* pattern, va_list args,
                  bool persistent) {
    if (type == nullptr || pattern == nullptr) {
        return kOfxStatErrValue;
    }
    return guarded([&] {
        ImageEffect* effect = ImageEffect::fromHandle(static_cast<OfxImageEffectHandle>(handle));
        if (persistent && (effect == nullptr || effect->kind() != ImageEffect::Kind::Instance)) {
            return kOfxStatErrBadHandle;
        }
        Message message{type, id == nullptr ? "" : id, format(pattern, args), persistent};
        if (effect != nullptr) {
            effect->host().messages().add(std::move(message));
        } else {
            MessageLog::print(message);
        }
        return std::strcmp(type, kOfxMessageQuestion) == 0 ? kOfxStatFailed : kOfxStatOK;
    });
}

OfxStatus message(void* handle, const char* type, const char* id, const char* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    const OfxStatus status = deliver(handle, type, id, pattern, args, false);
    va_end(args);
    return status;
}

OfxStatus setPersistentMessage(void* handle, const char* type, const char* id, const char* pattern,
                               ...) {
    va_list args;
    va_start(args, pattern);
    const OfxStatus status = deliver(handle, type, id, pattern, args, true);
    va_end(args);
    return status;
}

OfxStatus clearPersistentMessage(void* handle) {
    const ImageEffect* effect = ImageEffect::fromHandle(static_cast<OfxImageEffectHandle>(handle));
    return effect != nullptr && effect->kind() == ImageEffect::Kind::Instance
               ? kOfxStatOK
               : kOfxStatErrBadHandle;
}

const OfxMessageSuiteV2 kSuite = {message, setPersistentMessage, clearPersistentMessage};

}  // namespace

const OfxMessageSuiteV2* messageSuite() {
    return &kSuite;
}

}  // namespace ofxhost
