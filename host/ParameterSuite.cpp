#include "ParameterSuite.h"

#include <cstdarg>
#include <string>

#include "ParamSet.h"
#include "SuiteGuard.h"

namespace ofxhost {

namespace {

// A parameter instance holding a value of some kind, or why not; descriptors
// have no value.
OfxStatus valuedInstance(OfxParamHandle handle, Param*& param) {
    param = Param::fromHandle(handle);
    if (param == nullptr || !param->isInstance()) {
        return kOfxStatErrBadHandle;
    }
    if (param->type().kind == ParamValueKind::None) {
        return kOfxStatErrUnsupported;
    }
    return kOfxStatOK;
}

// Writes the current value through the pointers of a paramGetValue call,
// scaled by `factor` for numbers (1 for values, the duration for integrals).
OfxStatus readValue(Param& param, va_list args, double factor) {
    switch (param.type().kind) {
        case ParamValueKind::Int:
            for (double number : param.numbers()) {
                *va_arg(args, int*) = static_cast<int>(number * factor);
            }
            return kOfxStatOK;
        case ParamValueKind::Double:
            for (double number : param.numbers()) {
                *va_arg(args, double*) = number * factor;
            }
            return kOfxStatOK;
        case ParamValueKind::String:
            *va_arg(args, char**) = const_cast<char*>(param.text().c_str());
            return kOfxStatOK;
        case ParamValueKind::Bytes: {
            OfxBytes* bytes = va_arg(args, OfxBytes*);
            bytes->data = param.bytes().data();
            bytes->length = param.bytes().size();
            return kOfxStatOK;
        }
        case ParamValueKind::None:
            break;
    }
    return kOfxStatErrUnsupported;
}

OfxStatus writeValue(Param& param, va_list args) {
    switch (param.type().kind) {
        case ParamValueKind::Int:
            for (double& number : param.numbers()) {
                number = va_arg(args, int);
            }
            return kOfxStatOK;
        case ParamValueKind::Double:
            for (double& number : param.numbers()) {
                number = va_arg(args, double);
            }
            return kOfxStatOK;
        case ParamValueKind::String: {
            const char* text = va_arg(args, const char*);
            if (text == nullptr) {
                return kOfxStatErrValue;
            }
            param.text() = text;
            return kOfxStatOK;
        }
        case ParamValueKind::Bytes: {
            const OfxBytes* bytes = va_arg(args, const OfxBytes*);
            if (bytes == nullptr || (bytes->data == nullptr && bytes->length > 0)) {
                return kOfxStatErrValue;
            }
            param.bytes().assign(bytes->data, bytes->data + bytes->length);
            return kOfxStatOK;
        }
        case ParamValueKind::None:
            break;
    }
    return kOfxStatErrUnsupported;
}

OfxStatus read(OfxParamHandle handle, va_list args, double factor) {
    return guarded([&] {
        Param* param = nullptr;
        const OfxStatus status = valuedInstance(handle, param);
        return status == kOfxStatOK ? readValue(*param, args, factor) : status;
    });
}

OfxStatus write(OfxParamHandle handle, va_list args) {
    Param* param = nullptr;
    const OfxStatus status = guarded([&] {
        const OfxStatus found = valuedInstance(handle, param);
        return found == kOfxStatOK ? writeValue(*param, args) : found;
    });
    if (status == kOfxStatOK) {
        // Outside the guard: the observer may send the plug-in an action,
        // whose failures it reports itself.
        param->owner().pluginSetValue(*param);
    }
    return status;
}

OfxStatus paramDefine(OfxParamSetHandle handle, const char* type, const char* name,
                      OfxPropertySetHandle* properties) {
    if (type == nullptr || name == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ParamSet>(handle, [&](ParamSet& set) {
        Param* param = nullptr;
        const OfxStatus status = set.define(type, name, param);
        if (status == kOfxStatOK && properties != nullptr) {
            *properties = param->properties().handle();
        }
        return status;
    });
}

OfxStatus paramGetHandle(OfxParamSetHandle handle, const char* name, OfxParamHandle* param,
                         OfxPropertySetHandle* properties) {
    if (name == nullptr || param == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ParamSet>(handle, [&](ParamSet& set) {
        Param* found = set.find(name);
        if (found == nullptr) {
            return kOfxStatErrUnknown;
        }
        *param = found->handle();
        if (properties != nullptr) {
            *properties = found->properties().handle();
        }
        return kOfxStatOK;
    });
}

OfxStatus paramSetGetPropertySet(OfxParamSetHandle handle, OfxPropertySetHandle* properties) {
    if (properties == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ParamSet>(handle, [&](ParamSet& set) {
        *properties = set.properties().handle();
        return kOfxStatOK;
    });
}

OfxStatus paramGetPropertySet(OfxParamHandle handle, OfxPropertySetHandle* properties) {
    if (properties == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<Param>(handle, [&](Param& param) {
        *properties = param.properties().handle();
        return kOfxStatOK;
    });
}

OfxStatus paramGetValue(OfxParamHandle handle, ...) {
    va_list args;
    va_start(args, handle);
    const OfxStatus status = read(handle, args, 1.0);
    va_end(args);
    return status;
}

OfxStatus paramGetValueAtTime(OfxParamHandle handle, OfxTime time, ...) {
    va_list args;
    va_start(args, time);
    const OfxStatus status = read(handle, args, 1.0);
    va_end(args);
    return status;
}

// Only double and colour parameters have derivatives and integrals.
OfxStatus readDerived(OfxParamHandle handle, va_list args, double factor) {
    return withLive<Param>(handle, [&](Param& param) {
        return param.type().kind == ParamValueKind::Double ? read(handle, args, factor)
                                                           : kOfxStatErrUnsupported;
    });
}

OfxStatus paramGetDerivative(OfxParamHandle handle, OfxTime time, ...) {
    va_list args;
    va_start(args, time);
    // A value that never changes has a zero derivative.
    const OfxStatus status = readDerived(handle, args, 0.0);
    va_end(args);
    return status;
}

OfxStatus paramGetIntegral(OfxParamHandle handle, OfxTime time1, OfxTime time2, ...) {
    va_list args;
    va_start(args, time2);
    const OfxStatus status = readDerived(handle, args, time2 - time1);
    va_end(args);
    return status;
}

OfxStatus paramSetValue(OfxParamHandle handle, ...) {
    va_list args;
    va_start(args, handle);
    const OfxStatus status = write(handle, args);
    va_end(args);
    return status;
}

OfxStatus paramSetValueAtTime(OfxParamHandle handle, OfxTime time, ...) {
    va_list args;
    va_start(args, time);
    const OfxStatus status = write(handle, args);
    va_end(args);
    return status;
}

OfxStatus paramGetNumKeys(OfxParamHandle handle, unsigned int* count) {
    if (count == nullptr) {
        return kOfxStatErrValue;
    }
    if (Param::fromHandle(handle) == nullptr) {
        return kOfxStatErrBadHandle;
    }
    *count = 0;
    return kOfxStatOK;
}

OfxStatus paramGetKeyTime(OfxParamHandle handle, unsigned int, OfxTime*) {
    return Param::fromHandle(handle) == nullptr ? kOfxStatErrBadHandle : kOfxStatErrBadIndex;
}

OfxStatus paramGetKeyIndex(OfxParamHandle handle, OfxTime, int, int* index) {
    if (index == nullptr) {
        return kOfxStatErrValue;
    }
    if (Param::fromHandle(handle) == nullptr) {
        return kOfxStatErrBadHandle;
    }
    *index = -1;
    return kOfxStatFailed;
}

OfxStatus paramDeleteKey(OfxParamHandle handle, OfxTime) {
    return Param::fromHandle(handle) == nullptr ? kOfxStatErrBadHandle : kOfxStatErrBadIndex;
}

OfxStatus paramDeleteAllKeys(OfxParamHandle handle) {
    return Param::fromHandle(handle) == nullptr ? kOfxStatErrBadHandle : kOfxStatOK;
}

OfxStatus paramCopy(OfxParamHandle to, OfxParamHandle from, OfxTime, const OfxRangeD*) {
    return guarded([&] {
        Param* target = Param::fromHandle(to);
        Param* source = Param::fromHandle(from);
        if (target == nullptr || source == nullptr) {
            return kOfxStatErrBadHandle;
        }
        if (&target->type() != &source->type()) {
            return kOfxStatErrValue;
        }
        target->numbers() = source->numbers();
        target->text() = source->text();
        target->bytes() = source->bytes();
        return kOfxStatOK;
    });
}

OfxStatus paramEditBegin(OfxParamSetHandle handle, const char* name) {
    if (name == nullptr) {
        return kOfxStatErrValue;
    }
    return withLive<ParamSet>(handle, [](ParamSet& set) {
        set.beginEdit();
        return kOfxStatOK;
    });
}

OfxStatus paramEditEnd(OfxParamSetHandle handle) {
    return withLive<ParamSet>(
        handle, [](ParamSet& set) { return set.endEdit() ? kOfxStatOK : kOfxStatFailed; });
}

const OfxParameterSuiteV1 kSuite = {
    paramDefine,      paramGetHandle,      paramSetGetPropertySet, paramGetPropertySet,
    paramGetValue,    paramGetValueAtTime, paramGetDerivative,     paramGetIntegral,
    paramSetValue,    paramSetValueAtTime, paramGetNumKeys,        paramGetKeyTime,
    paramGetKeyIndex, paramDeleteKey,      paramDeleteAllKeys,     paramCopy,
    paramEditBegin,   paramEditEnd,
};

}  // namespace

const OfxParameterSuiteV1* parameterSuite() {
    return &kSuite;
}

}  // namespace ofxhost
