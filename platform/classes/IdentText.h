#pragma once
// Identifier and name comparisons shared by the class registry, the property
// tables and components: names compare without regard to ASCII case.

#include <string>
#include <string_view>

namespace rt {

// True when both names are equal ignoring ASCII case.
bool SameName(std::string_view a, std::string_view b);

// Ordering of names ignoring ASCII case (<0, 0, >0).
int CompareNames(std::string_view a, std::string_view b);

// A Pascal-style identifier: a letter or underscore, then letters, digits or underscores.
bool IsValidIdent(std::string_view text);

// The text without leading and trailing blanks and control characters.
std::string_view TrimView(std::string_view text);

}  // namespace rt
