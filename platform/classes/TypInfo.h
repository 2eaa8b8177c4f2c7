#pragma once
// Reading and writing published properties by name or dotted path
// ("Font.Name"). Every failed write leaves the value unchanged: the Set...
// functions raise EPropertyError naming the path, the TrySet... functions
// return the reason instead.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/TMethod.h"
#include "platform/classes/TPropInfo.h"

namespace rt {

class TObject;

struct TPropResult {
    bool Ok = true;
    std::string Reason;

    explicit operator bool() const { return Ok; }
    static TPropResult Success() { return {}; }
    static TPropResult Failure(std::string reason) { return {false, std::move(reason)}; }
};

// The object that owns the last segment of a path and that segment's property.
struct TPropTarget {
    TObject* Instance = nullptr;
    const TPropInfo* Info = nullptr;
};

const TPropInfo* GetPropInfo(TClass cls, std::string_view name);
const TPropInfo* GetPropInfo(const TObject* instance, std::string_view name);
// All published properties, the parent class's first, in declaration order.
const std::vector<const TPropInfo*>& GetPropInfos(TClass cls);

// Follows object-valued properties for every segment but the last.
TPropTarget FindPropTarget(TObject* instance, std::string_view path, std::string* reason = nullptr);

bool IsPublishedProp(TClass cls, std::string_view name);
bool IsPublishedProp(const TObject* instance, std::string_view name);
// Path-aware; false for a null instance or an empty path.
bool HasProperty(TObject* instance, std::string_view path);
TTypeKind PropType(TObject* instance, std::string_view path);

std::string GetStrProp(TObject* instance, std::string_view path);
void SetStrProp(TObject* instance, std::string_view path, const std::string& value);
TPropResult TrySetStrProp(TObject* instance, std::string_view path, const std::string& value);

// Integers, characters, enumerations (their index) and sets (their bit mask).
int64_t GetOrdProp(TObject* instance, std::string_view path);
void SetOrdProp(TObject* instance, std::string_view path, int64_t value);
TPropResult TrySetOrdProp(TObject* instance, std::string_view path, int64_t value);

// Enumerations (and booleans) by value name.
std::string GetEnumProp(TObject* instance, std::string_view path);
void SetEnumProp(TObject* instance, std::string_view path, std::string_view valueName);

// Sets as "[a,b]" text.
std::string GetSetProp(TObject* instance, std::string_view path, bool brackets = true);
void SetSetProp(TObject* instance, std::string_view path, std::string_view text);

double GetFloatProp(TObject* instance, std::string_view path);
void SetFloatProp(TObject* instance, std::string_view path, double value);

TObject* GetObjectProp(TObject* instance, std::string_view path);
void SetObjectProp(TObject* instance, std::string_view path, TObject* value);
TPropResult TrySetObjectProp(TObject* instance, std::string_view path, TObject* value);

TMethod GetMethodProp(TObject* instance, std::string_view path);
void SetMethodProp(TObject* instance, std::string_view path, const TMethod& value);
TPropResult TrySetMethodProp(TObject* instance, std::string_view path, const TMethod& value);

// Any kind as text: strings as they are, integers in decimal, enumerations by
// name, sets as "[a,b]", floats with a '.', component references and handlers
// by name (looked up from `instance` up its owners).
std::string GetPropText(TObject* instance, std::string_view path);
void SetPropText(TObject* instance, std::string_view path, std::string_view text);
TPropResult TrySetPropText(TObject* instance, std::string_view path, std::string_view text);

// An integer property's value as text: its identifier when the property's type has one for it.
std::string IntegerText(const TPropInfo& info, int64_t value);

bool IsStoredProp(TObject* instance, const TPropInfo& info);
bool IsDefaultValue(TObject* instance, const TPropInfo& info);

}  // namespace rt
