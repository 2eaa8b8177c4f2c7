#pragma once
// One published property of a class: its name, kind, accessors, default and
// stored flag. Accessors are type-erased over TObject so that the form reader,
// the writer and the by-name functions can walk any class's table alike.

#include <cstdint>
#include <functional>
#include <string>
#include <typeinfo>

#include "platform/classes/TMethod.h"

namespace rt {

class TObject;
class TEnumInfo;
class TMetaClass;
using TClass = const TMetaClass*;

enum TTypeKind { tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod };

struct TPropInfo {
    std::string Name;
    TTypeKind Kind = tkUnknown;
    // Enumeration and set properties: the value names (Boolean for bool).
    const TEnumInfo* EnumType = nullptr;
    // Integer properties: the range of the underlying C++ type.
    int64_t MinValue = INT64_MIN;
    int64_t MaxValue = INT64_MAX;
    // Object properties: the declared class, resolved on use.
    TClass (*ObjectClassFn)() = nullptr;
    // Integer properties: the name of the declared type when its values have
    // identifiers (see IdentMaps.h), e.g. "TColor"; empty otherwise.
    std::string TypeName;
    // Method properties: the handler signature.
    const std::type_info* EventSignature = nullptr;

    std::function<int64_t(TObject*)> GetOrd;
    std::function<void(TObject*, int64_t)> SetOrd;
    std::function<std::string(TObject*)> GetStr;
    std::function<void(TObject*, const std::string&)> SetStr;
    std::function<double(TObject*)> GetFloat;
    std::function<void(TObject*, double)> SetFloat;
    std::function<TObject*(TObject*)> GetObject;
    std::function<void(TObject*, TObject*)> SetObject;
    std::function<TMethod(TObject*)> GetMethod;
    std::function<void(TObject*, const TMethod&)> SetMethod;

    // Ordinal kinds have no default unless one is declared: they are always stored then.
    bool HasDefault = false;
    int64_t DefaultOrd = 0;
    std::string DefaultStr;
    double DefaultFloat = 0.0;

    bool Stored = true;
    std::function<bool(TObject*)> StoredFn;

    bool IsOrdinal() const { return Kind == tkInteger || Kind == tkChar || Kind == tkEnumeration || Kind == tkSet; }
    bool IsWritable() const;
    TClass ObjectClass() const { return ObjectClassFn ? ObjectClassFn() : nullptr; }
    // Object-valued property whose value is a reference to another component
    // (written by name) rather than an owned sub-object (written property by property).
    bool IsComponentReference() const;
};

const char* TypeKindName(TTypeKind kind);

}  // namespace rt
