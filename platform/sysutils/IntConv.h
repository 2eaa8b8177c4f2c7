#pragma once
// Integers to text and back. Reading follows the original runtime's Val:
// leading blanks, a sign, "$" or "0x" for hexadecimal, nothing after the digits.

#include <cstdint>
#include <string>

namespace rt {

std::string IntToStr(int32_t value);
std::string IntToStr(int64_t value);
// Upper-case hexadecimal, zero-padded to at least `digits`; negative values
// show their two's complement at the width of the argument type.
std::string IntToHex(int32_t value, int digits);
std::string IntToHex(int64_t value, int digits);

bool TryStrToInt(const std::string& text, int32_t& value);
bool TryStrToInt64(const std::string& text, int64_t& value);
// Raise EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& text);
int64_t StrToInt64(const std::string& text);
int32_t StrToIntDef(const std::string& text, int32_t fallback);
int64_t StrToInt64Def(const std::string& text, int64_t fallback);

}  // namespace rt
