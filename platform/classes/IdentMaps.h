#pragma once
// Identifiers for integer values of a named type (colours read and write as
// "clBtnFace", cursors as "crHourGlass"). A library registers the map of its
// types when it loads; integer properties declared with that type name then
// accept the identifiers in form resources and SetPropText, and are written
// back by name.

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

// False (value untouched) when the identifier names no value of the type.
using TIdentToInt = bool (*)(std::string_view ident, int64_t& value);
// False when the value has no identifier.
using TIntToIdent = bool (*)(int64_t value, std::string& ident);

struct TIdentMapping {
    std::string TypeName;
    TIdentToInt ToInt = nullptr;
    TIntToIdent ToIdent = nullptr;
};

// Registering a type again replaces its map.
void RegisterIntegerConsts(std::string_view typeName, TIdentToInt toInt, TIntToIdent toIdent);
// The map of a type (ignoring case), null when none is registered or the name is empty.
const TIdentMapping* FindIntegerConsts(std::string_view typeName);

}  // namespace rt
