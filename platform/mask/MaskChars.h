#pragma once
// Character helpers of the edit-mask engine: masks and edit texts are handled
// as sequences of characters (code points), while the runtime's texts are UTF-8.

#include <string>

namespace rt::maskchars {

// Decodes UTF-8 into code points. A byte that does not start a well-formed
// sequence becomes U+DC00 + byte, so that EncodeUtf8 gives it back unchanged:
// a text in another encoding passes through a mask without being altered.
std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::u32string& text);
std::string EncodeUtf8(char32_t ch);

// The character classes of the mask slots. Digits are the ASCII digits only;
// letters are the ASCII and Latin-1 letters and every character above U+00FF
// outside the punctuation and symbol blocks (so Chinese characters count as
// letters, as they do for the platform's own letter test).
bool IsDigit(char32_t ch);
bool IsLetter(char32_t ch);
bool IsControl(char32_t ch);

// Case conversion for ASCII and Latin-1; other characters are left as they are.
char32_t ToUpper(char32_t ch);
char32_t ToLower(char32_t ch);

}  // namespace rt::maskchars
