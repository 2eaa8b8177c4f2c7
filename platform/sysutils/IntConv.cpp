#include "platform/sysutils/IntConv.h"

#include <limits>

#include "platform/core/Exceptions.h"

namespace rt {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the magnitude in `bits` bits. Decimal values must fit the signed range
// of that width; hexadecimal ones may use every bit and wrap as the original did.
bool ParseInteger(const std::string& text, int bits, int64_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return false;
    const uint64_t unsignedMax = bits == 64 ? std::numeric_limits<uint64_t>::max() : 0xFFFFFFFFull;
    const uint64_t limit = base == 16 ? unsignedMax : (unsignedMax >> 1) + (negative ? 1 : 0);
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int digit = base == 16 ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) return false;
        if (magnitude > (limit - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)) return false;
        magnitude = magnitude * base + static_cast<uint64_t>(digit);
    }
    if (bits == 32) {
        uint32_t wrapped = static_cast<uint32_t>(magnitude);
        if (negative) wrapped = 0u - wrapped;
        value = static_cast<int32_t>(wrapped);
    } else {
        value = static_cast<int64_t>(negative ? 0ull - magnitude : magnitude);
    }
    return true;
}

std::string Hex(uint64_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(out.size()) < digits) out.insert(0, digits - out.size(), '0');
    return out;
}

[[noreturn]] void RaiseNotInteger(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}

}  // namespace

std::string IntToStr(int32_t value) { return std::to_string(value); }

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(int32_t value, int digits) { return Hex(static_cast<uint32_t>(value), digits); }

std::string IntToHex(int64_t value, int digits) { return Hex(static_cast<uint64_t>(value), digits); }

bool TryStrToInt(const std::string& text, int32_t& value) {
    int64_t parsed = 0;
    if (!ParseInteger(text, 32, parsed)) return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

bool TryStrToInt64(const std::string& text, int64_t& value) {
    int64_t parsed = 0;
    if (!ParseInteger(text, 64, parsed)) return false;
    value = parsed;
    return true;
}

int32_t StrToInt(const std::string& text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value)) RaiseNotInteger(text);
    return value;
}

int64_t StrToInt64(const std::string& text) {
    int64_t value = 0;
    if (!TryStrToInt64(text, value)) RaiseNotInteger(text);
    return value;
}

int32_t StrToIntDef(const std::string& text, int32_t fallback) {
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

int64_t StrToInt64Def(const std::string& text, int64_t fallback) {
    int64_t value = 0;
    return TryStrToInt64(text, value) ? value : fallback;
}

}  // namespace rt
