#include "platform/mask/MaskChars.h"

namespace rt::maskchars {

namespace {

constexpr char32_t kEscapedByteBase = 0xDC00;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the sequence that `lead` starts and the bits it contributes; 0 for
// a byte that cannot start a sequence.
int SequenceLength(unsigned char lead, char32_t& bits) {
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        bits = lead & 0x1F;
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        bits = lead & 0x0F;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

bool IsShortestForm(char32_t cp, int length) {
    switch (length) {
        case 2: return cp >= 0x80;
        case 3: return cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF);
        case 4: return cp >= 0x10000 && cp <= 0x10FFFF;
        default: return true;
    }
}

// Decodes one sequence at `pos`; returns its length, or 0 when it is malformed.
size_t DecodeOne(const std::string& text, size_t pos, char32_t& cp) {
    char32_t bits = 0;
    int length = SequenceLength(static_cast<unsigned char>(text[pos]), bits);
    if (length == 0 || pos + length > text.size()) return 0;
    for (int i = 1; i < length; ++i) {
        unsigned char byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) return 0;
        bits = (bits << 6) | (byte & 0x3F);
    }
    if (!IsShortestForm(bits, length)) return 0;
    cp = bits;
    return static_cast<size_t>(length);
}

bool InRange(char32_t ch, char32_t low, char32_t high) { return ch >= low && ch <= high; }

bool IsSymbolBlock(char32_t ch) {
    return InRange(ch, 0x2000, 0x2BFF)      // punctuation, symbols, arrows, boxes
           || InRange(ch, 0x3000, 0x303F)   // ideographic punctuation
           || InRange(ch, 0xDC80, 0xDCFF)   // escaped bytes of malformed input
           || InRange(ch, 0xFE30, 0xFE4F)   // compatibility forms
           || InRange(ch, 0xFF00, 0xFF0F) || InRange(ch, 0xFF1A, 0xFF20)
           || InRange(ch, 0xFF3B, 0xFF40) || InRange(ch, 0xFF5B, 0xFF65);
}

}  // namespace

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string result;
    result.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp = 0;
        size_t length = DecodeOne(text, pos, cp);
        if (length == 0) {
            result.push_back(kEscapedByteBase + static_cast<unsigned char>(text[pos]));
            ++pos;
        } else {
            result.push_back(cp);
            pos += length;
        }
    }
    return result;
}

std::string EncodeUtf8(char32_t ch) {
    std::string out;
    if (InRange(ch, kEscapedByteBase + 0x80, kEscapedByteBase + 0xFF)) {
        out.push_back(static_cast<char>(ch - kEscapedByteBase));
    } else if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
    return out;
}

std::string EncodeUtf8(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : text) {
        if (ch < 0x80) {
            out.push_back(static_cast<char>(ch));
        } else {
            out += EncodeUtf8(ch);
        }
    }
    return out;
}

bool IsDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

bool IsLetter(char32_t ch) {
    if (InRange(ch, U'a', U'z') || InRange(ch, U'A', U'Z')) return true;
    if (ch < 0xC0) return ch == 0xAA || ch == 0xB5 || ch == 0xBA;
    if (ch <= 0xFF) return ch != 0xD7 && ch != 0xF7;
    return !IsSymbolBlock(ch);
}

bool IsControl(char32_t ch) { return ch < 0x20 || ch == 0x7F || InRange(ch, 0x80, 0x9F); }

char32_t ToUpper(char32_t ch) {
    if (InRange(ch, U'a', U'z')) return ch - 0x20;
    if (InRange(ch, 0xE0, 0xFE) && ch != 0xF7) return ch - 0x20;
    if (ch == 0xFF) return 0x178;
    return ch;
}

char32_t ToLower(char32_t ch) {
    if (InRange(ch, U'A', U'Z')) return ch + 0x20;
    if (InRange(ch, 0xC0, 0xDE) && ch != 0xD7) return ch + 0x20;
    if (ch == 0x178) return 0xFF;
    return ch;
}

}  // namespace rt::maskchars
