#pragma once
// Byte-string helpers with the original runtime's semantics. Texts are UTF-8;
// case handling is ASCII-only and leaves multibyte sequences untouched.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// Remove characters <= ' ' (blanks and control characters) at the ends.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

// <0, 0, >0 like the original; CompareText ignores ASCII case.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
bool StartsText(std::string_view prefix, std::string_view text);
bool EndsText(std::string_view suffix, std::string_view text);
bool ContainsText(std::string_view text, std::string_view sub);

// 1-based position of `sub` in `text`, 0 when absent or `sub` is empty.
int Pos(std::string_view sub, std::string_view text);
// 1-based, clamped to the text; never throws.
std::string Copy(std::string_view text, int index, int count);

enum class TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using enum TReplaceFlag;

class TReplaceFlags {
public:
    TReplaceFlags() = default;
    TReplaceFlags(std::initializer_list<TReplaceFlag> flags);
    bool Has(TReplaceFlag flag) const { return (bits_ & Bit(flag)) != 0; }

private:
    static unsigned Bit(TReplaceFlag flag) { return 1u << static_cast<unsigned>(flag); }
    unsigned bits_ = 0;
};

// One left-to-right pass: text produced by a replacement is never searched again.
std::string StringReplace(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags = {});

std::string QuotedStr(std::string_view text);
std::string AnsiQuotedStr(std::string_view text, char quote);
// Undoes AnsiQuotedStr; a text that is not fully quoted comes back unchanged.
std::string AnsiDequotedStr(std::string_view text, char quote);
std::string StringOfChar(char c, int count);
// Text safe inside XML or HTML content and attribute values: & < > " ' as references.
std::string MarkupEscaped(std::string_view text);
// Every byte `keep` refuses as "%XX" (upper-case hex); UTF-8 text is encoded byte by byte.
std::string PercentEncoded(std::string_view text, bool (*keep)(unsigned char c));

// "True"/"False" with useBoolStrs, else "-1"/"0".
std::string BoolToStr(bool value, bool useBoolStrs = false);
// Numbers (non-zero = true) or "True"/"False" in any case.
bool TryStrToBool(const std::string& text, bool& value);
// Raises EConvertError "'<text>' is not a valid boolean value".
bool StrToBool(const std::string& text);
bool StrToBoolDef(const std::string& text, bool fallback);

// `index` is 1-based.
bool IsDelimiter(std::string_view delimiters, std::string_view text, int index);
// 1-based index of the last character of `text` found in `delimiters`, 0 if none.
int LastDelimiter(std::string_view delimiters, std::string_view text);
// Splits at every character of `delimiters`; empty fields are kept, an empty
// text gives no fields.
std::vector<std::string> SplitString(std::string_view text, std::string_view delimiters);

}  // namespace rt
