#include "src/controls/SelectPanelRange.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

namespace {

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Fields between the separators; a text without separators is one field.
std::vector<std::string> SplitAt(const std::string& text, const std::string& sign) {
    std::vector<std::string> fields;
    if (sign.empty()) return {text};
    size_t from = 0;
    for (size_t at = text.find(sign); at != std::string::npos; at = text.find(sign, from)) {
        fields.push_back(text.substr(from, at - from));
        from = at + sign.size();
    }
    fields.push_back(text.substr(from));
    return fields;
}

// A year and month alone get the first day, placed where the layout wants it.
std::string CompleteDay(const std::string& text, TDateType type, const std::string& sign) {
    switch (type) {
        case dt_MMDDYYYY: return text.substr(0, 2) + sign + "01" + (text.size() > 2 ? text.substr(2, 5) : "");
        case dt_DDMMYYYY: return "01" + sign + text;
        default: return text + sign + "01";
    }
}

// Whether the text is blank for the ordering rules of strings and dates.
bool KeepsOrder(const TRangeRule& rule, const std::string& text) {
    if (text == rule.BlankText) return true;
    return rule.UseDiscard && rt::Trim(text) == rule.Discard;
}

bool BytewiseLater(const std::string& begin, const std::string& end) { return rt::CompareStr(begin, end) > 0; }

bool DateLater(const TRangeRule& rule, const std::string& begin, const std::string& end) {
    if (rule.DateType == dt_NoneCare) return BytewiseLater(begin, end);
    const auto b = TryParseRangeDate(begin, rule.DateType, rule.DateSign, rule.BlankText);
    const auto e = TryParseRangeDate(end, rule.DateType, rule.DateSign, rule.BlankText);
    // No date sorts before every date.
    if (!b) return false;
    return !e || *b > *e;
}

bool NumberLater(const std::string& begin, const std::string& end) {
    return rt::StrToInt64Def(rt::Trim(end), 0) < rt::StrToInt64Def(rt::Trim(begin), 0);
}

bool FloatLater(std::string& begin, std::string& end) {
    begin = NormaliseFloatText(begin);
    end = NormaliseFloatText(end);
    return NormalisedFloatValue(end) < NormalisedFloatValue(begin);
}

bool ShouldSwap(const TRangeRule& rule, std::string& begin, std::string& end) {
    switch (rule.ValueType) {
        case vt_String:
        case vt_Time:
            if (KeepsOrder(rule, begin) || KeepsOrder(rule, end)) return false;
            return BytewiseLater(begin, end);
        case vt_Number: return NumberLater(begin, end);
        case vt_Date:
            if (!rule.AutoChangeDateSite || KeepsOrder(rule, begin) || KeepsOrder(rule, end)) return false;
            return DateLater(rule, begin, end);
        case vt_Float: return FloatLater(begin, end);
        case vt_OtherMask: return false;
    }
    return false;
}

}  // namespace

bool NormaliseRange(const TRangeRule& rule, std::string& begin, std::string& end) {
    // A mask starting with "!" keeps its leading blanks on purpose.
    if (rule.EditMask.empty() || rule.EditMask[0] != '!') {
        begin = rt::Trim(begin);
        end = rt::Trim(end);
    }
    if (begin.empty() || end.empty()) return false;
    if (!ShouldSwap(rule, begin, end)) return false;
    std::swap(begin, end);
    return true;
}

std::optional<rt::TDateTime> TryParseRangeDate(const std::string& text, TDateType type, const std::string& sign,
                                               const std::string& blankText) {
    std::string t = rt::Trim(text);
    if (t.empty() || t == rt::Trim(blankText) || type == dt_NoneCare) return std::nullopt;
    const size_t separators = SplitAt(t, sign).size() - 1;
    if (separators < 1 || separators > 2) return std::nullopt;
    if (separators == 1) t = CompleteDay(t, type, sign);
    const std::vector<std::string> parts = SplitAt(t, sign);
    if (parts.size() != 3) return std::nullopt;
    int field[3];
    for (int i = 0; i < 3; ++i) field[i] = rt::StrToIntDef(rt::Trim(parts[static_cast<size_t>(i)]), 0);
    int year = field[0], month = field[1], day = field[2];
    switch (type) {
        case dt_MMDDYYYY: year = field[2], month = field[0], day = field[1]; break;
        case dt_DDMMYYYY: year = field[2], month = field[1], day = field[0]; break;
        case dt_YYMMDD:
        case dt_YYYMMDD: year += 1911; break;
        default: break;
    }
    rt::TDateTime date = 0;
    if (!rt::TryEncodeDate(year, month, day, date)) return std::nullopt;
    return date;
}

rt::TDateTime ParseRangeDate(const std::string& text, TDateType type, const std::string& sign,
                             const std::string& blankText) {
    return TryParseRangeDate(text, type, sign, blankText).value_or(0.0);
}

std::string NormaliseFloatText(const std::string& text) {
    const size_t dot = text.find('.');
    std::string whole = rt::Trim(text.substr(0, dot));
    std::string fraction = dot == std::string::npos ? std::string() : rt::Trim(text.substr(dot + 1));
    bool negative = false;
    if (!whole.empty() && (whole[0] == '-' || whole[0] == '+')) {
        negative = whole[0] == '-';
        whole.erase(0, 1);
    }
    if (!AllDigits(whole)) whole.clear(), negative = false;
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) whole = "0";
    if (!AllDigits(fraction)) fraction.clear();
    fraction.erase(std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
    if (fraction.empty()) fraction = "0";
    // A negative zero would read as a different text for the same value.
    if (whole == "0" && fraction == "0") negative = false;
    return (negative ? "-" : "") + whole + "." + fraction;
}

double NormalisedFloatValue(const std::string& normalised) {
    double value = 0;
    const char* first = normalised.data();
    const char* last = first + normalised.size();
    if (std::from_chars(first, last, value).ec != std::errc()) return 0;
    return value;
}

}  // namespace hemr
