#pragma once
// Applying one attribute of a language element to a component: the attribute
// name is a property path ("Caption", "Font.Name", "Items_3",
// "Columns_1.Caption"), the attribute text the new value. Nothing that fails
// stops the pack: an unknown property, an index out of range or a value that
// does not convert leaves everything unchanged.

#include "platform/classes/TypInfo.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {
class TComponent;
class TObject;
}

namespace hemr {

// Turns an identifier into an integer value ("clRed" for a colour); false
// when the identifier is not one of its names.
using TLangIdentToInt = bool (*)(std::string_view ident, int64_t& value);
// Identifier tables tried, in registration order, for integer properties
// whose text is not a number. Colours are registered from the start.
void RegisterLangIdentMap(TLangIdentToInt map);

// Sets the published property `path` of `instance` from text, following "."
// segments through object-valued properties; integers accept registered
// identifiers, enumerations and sets are trimmed first.
rt::TPropResult SetPropByPath(rt::TObject* instance, std::string_view path, std::string_view value);

// Applies one attribute starting at `component`; the reason when nothing was
// assigned.
rt::TPropResult ApplyLangAttribute(rt::TComponent* component, std::string_view path, std::string_view value);

}  // namespace hemr
