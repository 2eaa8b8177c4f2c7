#pragma once
// Character positions in UTF-8 edit texts: edits count carets, selections and
// maximum lengths in characters, while the text itself is kept as UTF-8.

#include <string>
#include <string_view>

namespace rt {

// Number of characters (code points; a stray byte counts as one).
int Utf8CharCount(std::string_view text);
// Byte offset of character `index`, clamped to the text.
size_t Utf8ByteOffset(std::string_view text, int index);
// Characters [start, start + count) of `text`, clamped.
std::string Utf8Mid(std::string_view text, int start, int count);
// The first `count` characters.
std::string Utf8Left(std::string_view text, int count);
// ASCII letters changed; other characters are left as they are.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

}  // namespace rt
