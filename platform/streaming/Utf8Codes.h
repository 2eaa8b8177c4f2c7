#pragma once
// UTF-8 code points for the #nnn character codes of resource strings.

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

// Appends a code point; values beyond Unicode or surrogates are refused (false).
bool AppendUtf8(std::string& out, uint32_t codePoint);
// Decodes one well-formed sequence at `pos`, advancing past it; false (pos unchanged) otherwise.
bool DecodeUtf8(std::string_view text, size_t& pos, uint32_t& codePoint);

}  // namespace rt
