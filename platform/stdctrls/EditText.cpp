#include "platform/stdctrls/EditText.h"

#include <algorithm>

namespace rt {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the sequence starting at `pos`, continuation bytes that belong to it included.
size_t SequenceLength(std::string_view text, size_t pos) {
    size_t n = 1;
    while (pos + n < text.size() && n < 4 && IsContinuation(static_cast<unsigned char>(text[pos + n]))) ++n;
    return n;
}

}  // namespace

int Utf8CharCount(std::string_view text) {
    int count = 0;
    for (size_t pos = 0; pos < text.size(); pos += SequenceLength(text, pos)) ++count;
    return count;
}

size_t Utf8ByteOffset(std::string_view text, int index) {
    size_t pos = 0;
    for (int i = 0; i < index && pos < text.size(); ++i) pos += SequenceLength(text, pos);
    return pos;
}

std::string Utf8Mid(std::string_view text, int start, int count) {
    start = std::max(start, 0);
    count = std::max(count, 0);
    const size_t b = Utf8ByteOffset(text, start);
    const size_t e = b + Utf8ByteOffset(text.substr(b), count);
    return std::string(text.substr(b, e - b));
}

std::string Utf8Left(std::string_view text, int count) { return Utf8Mid(text, 0, count); }

std::string AsciiUpper(std::string_view text) {
    std::string r(text);
    for (char& c : r) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return r;
}

std::string AsciiLower(std::string_view text) {
    std::string r(text);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

}  // namespace rt
