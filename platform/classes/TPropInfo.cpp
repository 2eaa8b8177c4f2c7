#include "platform/classes/TPropInfo.h"

#include "platform/classes/TComponent.h"

namespace rt {

bool TPropInfo::IsWritable() const {
    switch (Kind) {
        case tkInteger:
        case tkChar:
        case tkEnumeration:
        case tkSet: return static_cast<bool>(SetOrd);
        case tkString: return static_cast<bool>(SetStr);
        case tkFloat: return static_cast<bool>(SetFloat);
        case tkClass: return static_cast<bool>(SetObject);
        case tkMethod: return static_cast<bool>(SetMethod);
        case tkUnknown: break;
    }
    return false;
}

bool TPropInfo::IsComponentReference() const {
    const TClass cls = ObjectClass();
    return Kind == tkClass && cls != nullptr && cls->InheritsFrom(TComponent::StaticClass());
}

const char* TypeKindName(TTypeKind kind) {
    switch (kind) {
        case tkInteger: return "integer";
        case tkChar: return "char";
        case tkEnumeration: return "enumeration";
        case tkFloat: return "float";
        case tkString: return "string";
        case tkSet: return "set";
        case tkClass: return "object";
        case tkMethod: return "method";
        case tkUnknown: break;
    }
    return "unknown";
}

}  // namespace rt
