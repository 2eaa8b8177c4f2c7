#pragma once
// Integers to text and back. Reading follows the original runtime's Val:
// leading blanks, a sign, "$" or "0x" for hexadecimal, nothing after the digits.

#include <concepts>
#include <cstdint>
#include <string>

namespace rt {

std::string IntToStr(int32_t value);
std::string IntToStr(int64_t value);
// Upper-case hexadecimal, zero-padded to at least `digits`; negative values
// show their two's complement at the width of the argument type.
std::string IntToHex(int32_t value, int digits);
std::string IntToHex(int64_t value, int digits);

// Other integer types (size_t, unsigned, long long) without ambiguity; the
// value keeps its full range.
template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, int32_t> && !std::same_as<T, int64_t>)
std::string IntToStr(T value) {
    return std::to_string(value);
}

bool TryStrToInt(const std::string& text, int32_t& value);
bool TryStrToInt64(const std::string& text, int64_t& value);
// Raise EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& text);
int64_t StrToInt64(const std::string& text);
int32_t StrToIntDef(const std::string& text, int32_t fallback);
int64_t StrToInt64Def(const std::string& text, int64_t fallback);

}  // namespace rt
