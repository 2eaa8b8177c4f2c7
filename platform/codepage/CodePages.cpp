#include "platform/codepage/CodePages.h"

#include "platform/codepage/IconvConverter.h"
#include "platform/core/Exceptions.h"
#include "platform/os/AsciiText.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

namespace rt {

namespace {

constexpr const char* Utf8Name = "UTF-8";
constexpr const char* ReplacementCharacter = "\xEF\xBF\xBD";

struct CodePageName {
    int codePage;
    const char* iconvName;
};

constexpr CodePageName CodePageNames[] = {
    {936, "CP936"},      {950, "CP950"},       {437, "IBM437"}, {1252, "CP1252"},
    {20936, "GB2312"},   {54936, "GB18030"},   {20127, "ASCII"}, {CP_UTF8, "UTF-8"},
};

const char* IconvName(int codePage) {
    for (const CodePageName& entry : CodePageNames) {
        if (entry.codePage == codePage) return entry.iconvName;
    }
    return nullptr;
}

const char* RequireIconvName(int codePage) {
    const char* name = IconvName(codePage);
    if (!name) throw EConvertError("Code page " + std::to_string(codePage) + " is not supported");
    return name;
}

enum class Direction { ToCodePage, FromCodePage };

// iconv descriptors are costly to open: keep them per thread for reuse.
TIconvConverter& Converter(int codePage, Direction direction) {
    thread_local std::map<std::pair<int, Direction>, std::unique_ptr<TIconvConverter>> cache;
    std::unique_ptr<TIconvConverter>& slot = cache[{codePage, direction}];
    if (!slot) {
        const char* name = RequireIconvName(codePage);
        slot = direction == Direction::ToCodePage ? std::make_unique<TIconvConverter>(Utf8Name, name)
                                                  : std::make_unique<TIconvConverter>(name, Utf8Name);
    }
    return *slot;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length of the valid UTF-8 character at the start of `text`, 0 when invalid
// (overlong forms, surrogates and values past U+10FFFF are invalid).
size_t Utf8CharacterLength(std::string_view text) {
    unsigned char lead = static_cast<unsigned char>(text[0]);
    size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 0;
    }
    unsigned char second = static_cast<unsigned char>(text.size() > 1 ? text[1] : 0);
    if (lead == 0xE0 && second < 0xA0) return 0;
    if (lead == 0xED && second >= 0xA0) return 0;
    if (lead == 0xF0 && second < 0x90) return 0;
    if (lead == 0xF4 && second >= 0x90) return 0;
    return length;
}

TIconvConverter::Substitution EncodeSubstitution(std::string_view rest) {
    size_t length = Utf8CharacterLength(rest);
    return {length == 0 ? 1 : length, "?"};
}

TIconvConverter::Substitution DecodeSubstitution(std::string_view) {
    return {1, ReplacementCharacter};
}

// "zh_CN.UTF-8" -> "zh_CN"
std::string_view LocaleTerritory(std::string_view locale) {
    size_t end = locale.find_first_of(".@");
    return locale.substr(0, end);
}

int CodePageOfLocale(std::string_view locale) {
    std::string_view territory = LocaleTerritory(locale);
    for (const char* name : {"zh_CN", "zh_SG"}) {
        if (AsciiSameText(territory, name)) return 936;
    }
    for (const char* name : {"zh_TW", "zh_HK", "zh_MO"}) {
        if (AsciiSameText(territory, name)) return 950;
    }
    return 1252;
}

// The first of LC_ALL, LC_CTYPE, LANG that is set and not empty.
std::string_view CtypeLocale() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return value;
    }
    return {};
}

// NVR_ACP as a supported code page number, or 0.
int ConfiguredAcp() {
    const char* value = std::getenv("NVR_ACP");
    if (!value || !*value) return 0;
    char* end = nullptr;
    long number = std::strtol(value, &end, 10);
    if (*end != '\0' || number <= 0 || number > 65535) return 0;
    return IsSupportedCodePage(static_cast<int>(number)) ? static_cast<int>(number) : 0;
}

}  // namespace

bool IsSupportedCodePage(int codePage) {
    return IconvName(codePage) != nullptr;
}

std::string WideToCodePage(const std::string& text, int codePage) {
    return Converter(codePage, Direction::ToCodePage).Convert(text, EncodeSubstitution);
}

std::string CodePageToWide(const std::string& bytes, int codePage) {
    return Converter(codePage, Direction::FromCodePage).Convert(bytes, DecodeSubstitution);
}

int GetACP() {
    int configured = ConfiguredAcp();
    return configured != 0 ? configured : CodePageOfLocale(CtypeLocale());
}

size_t AnsiByteLength(const std::string& text) {
    return WideToCodePage(text, GetACP()).size();
}

}  // namespace rt
