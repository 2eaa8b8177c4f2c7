#pragma once
// Small text helpers for the OS services: configuration keys are compared
// without regard to ASCII case, and blanks around entries are not significant.

#include <string>
#include <string_view>

namespace rt {

std::string AsciiLowerCase(std::string_view text);
bool AsciiSameText(std::string_view a, std::string_view b);
bool AsciiEndsWithText(std::string_view text, std::string_view suffix);

// Blanks are spaces and tabs (and a stray carriage return), as the profile reader sees them.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeftBlanks(std::string_view text);
std::string_view TrimRightBlanks(std::string_view text);

}  // namespace rt
