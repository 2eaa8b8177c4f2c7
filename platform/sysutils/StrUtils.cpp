#include "platform/sysutils/StrUtils.h"

#include "platform/core/Exceptions.h"
#include "platform/sysutils/FloatConv.h"

namespace rt {

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

template <typename Map>
std::string MapChars(std::string_view text, Map map) {
    std::string out(text);
    for (char& c : out) c = map(c);
    return out;
}

template <typename Map>
int CompareMapped(std::string_view a, std::string_view b, Map map) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        int ca = static_cast<unsigned char>(map(a[i]));
        int cb = static_cast<unsigned char>(map(b[i]));
        if (ca != cb) return ca - cb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

char Same(char c) { return c; }

}  // namespace

std::string Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

std::string TrimLeft(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsTrimmed(text[i])) ++i;
    return std::string(text.substr(i));
}

std::string TrimRight(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && IsTrimmed(text[n - 1])) --n;
    return std::string(text.substr(0, n));
}

std::string UpperCase(std::string_view text) { return MapChars(text, UpperAscii); }
std::string LowerCase(std::string_view text) { return MapChars(text, LowerAscii); }
std::string AnsiUpperCase(std::string_view text) { return UpperCase(text); }
std::string AnsiLowerCase(std::string_view text) { return LowerCase(text); }

int CompareStr(std::string_view a, std::string_view b) { return CompareMapped(a, b, Same); }
int CompareText(std::string_view a, std::string_view b) { return CompareMapped(a, b, UpperAscii); }
bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareText(a, b) == 0; }
bool AnsiSameText(std::string_view a, std::string_view b) { return SameText(a, b); }

bool StartsText(std::string_view prefix, std::string_view text) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

bool EndsText(std::string_view suffix, std::string_view text) {
    return text.size() >= suffix.size() && SameText(text.substr(text.size() - suffix.size()), suffix);
}

bool ContainsText(std::string_view text, std::string_view sub) {
    return UpperCase(text).find(UpperCase(sub)) != std::string::npos;
}

int Pos(std::string_view sub, std::string_view text) {
    if (sub.empty()) return 0;
    size_t at = text.find(sub);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Copy(std::string_view text, int index, int count) {
    if (index < 1) index = 1;
    size_t start = static_cast<size_t>(index - 1);
    if (count <= 0 || start >= text.size()) return {};
    return std::string(text.substr(start, static_cast<size_t>(count)));
}

TReplaceFlags::TReplaceFlags(std::initializer_list<TReplaceFlag> flags) {
    for (TReplaceFlag flag : flags) bits_ |= Bit(flag);
}

std::string StringReplace(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(text);
    bool ignoreCase = flags.Has(rfIgnoreCase);
    std::string searchIn = ignoreCase ? UpperCase(text) : std::string(text);
    std::string pattern = ignoreCase ? UpperCase(oldPattern) : std::string(oldPattern);
    std::string out;
    size_t from = 0;
    for (;;) {
        size_t at = searchIn.find(pattern, from);
        if (at == std::string::npos) break;
        out.append(text.substr(from, at - from));
        out.append(newPattern);
        from = at + pattern.size();
        if (!flags.Has(rfReplaceAll)) break;
    }
    out.append(text.substr(from));
    return out;
}

std::string QuotedStr(std::string_view text) { return AnsiQuotedStr(text, '\''); }

std::string AnsiQuotedStr(std::string_view text, char quote) {
    std::string out(1, quote);
    for (char c : text) {
        out += c;
        if (c == quote) out += quote;
    }
    out += quote;
    return out;
}

std::string MarkupEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string PercentEncoded(std::string_view text, bool (*keep)(unsigned char c)) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (keep(c)) {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string AnsiDequotedStr(std::string_view text, char quote) {
    if (text.empty() || text.front() != quote) return std::string(text);
    std::string out;
    size_t i = 1;
    while (i < text.size()) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                out += quote;
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        out += text[i++];
    }
    bool consumedAll = i >= text.size();
    // A text that does not end in the quote was never quoted: keep it as it is.
    if ((out.empty() || consumedAll) && text.back() != quote) return std::string(text);
    return out;
}

std::string StringOfChar(char c, int count) { return count > 0 ? std::string(static_cast<size_t>(count), c) : std::string(); }

std::string BoolToStr(bool value, bool useBoolStrs) {
    if (useBoolStrs) return value ? "True" : "False";
    return value ? "-1" : "0";
}

bool TryStrToBool(const std::string& text, bool& value) {
    double number = 0;
    if (TryStrToFloat(text, number)) {
        value = number != 0;
        return true;
    }
    if (SameText(text, "True")) {
        value = true;
        return true;
    }
    if (SameText(text, "False")) {
        value = false;
        return true;
    }
    return false;
}

bool StrToBool(const std::string& text) {
    bool value = false;
    if (!TryStrToBool(text, value)) throw EConvertError("'" + text + "' is not a valid boolean value");
    return value;
}

bool StrToBoolDef(const std::string& text, bool fallback) {
    bool value = false;
    return TryStrToBool(text, value) ? value : fallback;
}

bool IsDelimiter(std::string_view delimiters, std::string_view text, int index) {
    if (index < 1 || static_cast<size_t>(index) > text.size()) return false;
    return delimiters.find(text[static_cast<size_t>(index - 1)]) != std::string_view::npos;
}

int LastDelimiter(std::string_view delimiters, std::string_view text) {
    size_t at = text.find_last_of(delimiters);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::vector<std::string> SplitString(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> fields;
    if (text.empty()) return fields;
    size_t start = 0;
    for (;;) {
        size_t at = text.find_first_of(delimiters, start);
        fields.emplace_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return fields;
}

}  // namespace rt
