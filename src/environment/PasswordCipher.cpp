#include "src/environment/PasswordCipher.h"

#include "platform/core/Exceptions.h"

#include <cstdint>
#include <string_view>

namespace hemr {

namespace {

constexpr std::string_view kKey = "Kestrel";
constexpr uint8_t kSeed = 0x5A;

uint8_t KeyByte(size_t index) {
    return static_cast<uint8_t>(kKey[index % kKey.size()]);
}

uint8_t CheckByte(const std::string& plain) {
    unsigned sum = kSeed;
    for (size_t i = 0; i < plain.size(); ++i) sum += static_cast<unsigned>(i + 1) * static_cast<uint8_t>(plain[i]);
    return static_cast<uint8_t>(sum & 0xFF);
}

void AppendHex(std::string& text, uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    text += kDigits[value >> 4];
    text += kDigits[value & 0x0F];
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The bytes written as hexadecimal; false for an odd length or a bad digit.
bool ParseHex(const std::string& text, std::string& bytes) {
    if (text.size() % 2 != 0) return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        int high = HexDigit(text[i]);
        int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

}  // namespace

std::string EncipherPassword(const std::string& plain) {
    if (plain.empty()) return {};
    std::string text;
    text.reserve(plain.size() * 2 + 2);
    uint8_t prev = kSeed;
    for (size_t i = 0; i < plain.size(); ++i) {
        uint8_t c = static_cast<uint8_t>(static_cast<uint8_t>(plain[i]) ^ KeyByte(i) ^ prev);
        AppendHex(text, c);
        prev = c;
    }
    AppendHex(text, CheckByte(plain));
    return text;
}

bool TryDecipherPassword(const std::string& enciphered, std::string& plain) {
    if (enciphered.empty()) {
        plain.clear();
        return true;
    }
    std::string bytes;
    // A lone check byte would stand for the empty password, which is written as "".
    if (!ParseHex(enciphered, bytes) || bytes.size() < 2) return false;
    std::string result;
    result.reserve(bytes.size() - 1);
    uint8_t prev = kSeed;
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        uint8_t c = static_cast<uint8_t>(bytes[i]);
        result += static_cast<char>(c ^ KeyByte(i) ^ prev);
        prev = c;
    }
    if (CheckByte(result) != static_cast<uint8_t>(bytes.back())) return false;
    plain = std::move(result);
    return true;
}

std::string DecipherPassword(const std::string& enciphered) {
    std::string plain;
    // The text is left out of the message: a malformed entry is often a
    // password written in clear, and the message goes to a log.
    if (!TryDecipherPassword(enciphered, plain))
        throw rt::EConvertError("The text is not a valid enciphered password");
    return plain;
}

}  // namespace hemr
