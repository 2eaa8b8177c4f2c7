#pragma once
// Published property values in scenarios: a JSON value as the text a
// property is set from, and a property's value as JSON of its own kind.

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace rt {
class TObject;
}

namespace host {

// Texts as they are, booleans as True/False, numbers in their JSON spelling.
std::string PropertyTextOf(const nlohmann::json& value);

// Integers and booleans as JSON integers and booleans, floats as numbers,
// everything else as its text.
nlohmann::json PropertyJson(rt::TObject* instance, std::string_view path);

}  // namespace host
