#include "src/environment/LibStrs.h"

#include "src/environment/LibSys.h"

#include "platform/codepage/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/FloatConv.h"
#include "platform/sysutils/Format.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace hemr {

namespace {

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

size_t Utf8Length(const std::string& text) {
    size_t count = 0;
    for (char c : text)
        if (!IsUtf8Continuation(c)) ++count;
    return count;
}

// The first character of `text` with all its UTF-8 bytes.
std::string FirstCharacter(const std::string& text) {
    if (text.empty()) return {};
    size_t end = 1;
    while (end < text.size() && IsUtf8Continuation(text[end])) ++end;
    return text.substr(0, end);
}

}  // namespace

// ---- strings ------------------------------------------------------------------

std::string PadRight(const std::string& text, int width, char fill) {
    size_t length = Utf8Length(text);
    if (width <= 0 || length >= static_cast<size_t>(width)) return text;
    return text + std::string(static_cast<size_t>(width) - length, fill);
}

std::string GetField(const std::string& text, const std::string& separator, int index) {
    if (index < 1 || text.empty()) return {};
    if (separator.empty()) return index == 1 ? text : std::string();
    size_t start = 0;
    for (int field = 1; field < index; ++field) {
        size_t found = text.find(separator, start);
        if (found == std::string::npos) return {};
        start = found + separator.size();
    }
    size_t end = text.find(separator, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int FieldCount(const std::string& text, const std::string& separator) {
    if (text.empty()) return 0;
    if (separator.empty()) return 1;
    int count = 1;
    for (size_t found = text.find(separator); found != std::string::npos;
         found = text.find(separator, found + separator.size()))
        ++count;
    return count;
}

void SplitFirst(std::string& text, const std::string& separator, std::string& head) {
    size_t found = separator.empty() ? std::string::npos : text.find(separator);
    if (found == std::string::npos) {
        head = text;
        text.clear();
        return;
    }
    head = text.substr(0, found);
    text.erase(0, found + separator.size());
}

std::string ReplaceAll(const std::string& text, const std::string& oldText, const std::string& newText,
                       bool trim) {
    std::string result = text;
    if (!oldText.empty() && !rt::SameText(oldText, newText)) {
        if (newText.size() >= oldText.size()) {
            result = rt::StringReplace(text, oldText, newText, {rt::rfReplaceAll});
        } else {
            // Each replacement shortens the text, so this ends. Before the last
            // replacement there was no occurrence, so a new one cannot start
            // earlier than oldText.size() - 1 characters before it.
            size_t found = result.find(oldText);
            while (found != std::string::npos) {
                result.replace(found, oldText.size(), newText);
                size_t from = found >= oldText.size() - 1 ? found - (oldText.size() - 1) : 0;
                found = result.find(oldText, from);
            }
        }
    }
    return trim ? rt::Trim(result) : result;
}

double StrToFloatDefault(const std::string& text, double fallback) {
    double value = 0;
    return rt::TryStrToFloat(text, value) ? value : fallback;
}

bool IsLocalHost(const std::string& text) {
    return text == "127.0.0.1";
}

// ---- dates ------------------------------------------------------------------------

namespace {

constexpr int RocYearOffset = 1911;

bool IsKnownLayout(int layout) {
    return layout >= dlYearMonthDay && layout <= dlRocYear3;
}

// Digits only; anything else reads as 0, as the stored dates are digits.
int DigitsValue(const std::string& text, size_t from, size_t count) {
    int value = 0;
    for (size_t i = from; i < from + count && i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct Ymd {
    int year = 0;
    int month = 0;
    int day = 0;
};

Ymd Decode(rt::TDateTime date) {
    Ymd ymd;
    rt::DecodeDate(date, ymd.year, ymd.month, ymd.day);
    return ymd;
}

bool InDateRange(rt::TDateTime date) {
    rt::TDateTime first = 0;
    rt::TDateTime last = 0;
    rt::TryEncodeDate(1, 1, 1, first);
    rt::TryEncodeDate(9999, 12, 31, last);
    return std::isfinite(date) && date >= first && date < last + 1;
}

int ReadDatePart(const std::string& field) {
    return rt::StrToIntDef(rt::Trim(field), -1);
}

}  // namespace

std::string FormatDateAs(int layout, const std::string& separator, rt::TDateTime date) {
    if (date == 0 || !IsKnownLayout(layout) || !InDateRange(date)) return {};
    Ymd d = Decode(date);
    std::string sep = FirstCharacter(separator);
    switch (layout) {
        case dlYearMonthDay: return rt::Format("%.4d%s%.2d%s%.2d", {d.year, sep, d.month, sep, d.day});
        case dlMonthDayYear: return rt::Format("%.2d%s%.2d%s%.4d", {d.month, sep, d.day, sep, d.year});
        case dlDayMonthYear: return rt::Format("%.2d%s%.2d%s%.4d", {d.day, sep, d.month, sep, d.year});
        case dlRocYear2: return rt::Format("%.2d%s%.2d%s%.2d", {d.year - RocYearOffset, sep, d.month, sep, d.day});
        default: return rt::Format("%.3d%s%.2d%s%.2d", {d.year - RocYearOffset, sep, d.month, sep, d.day});
    }
}

std::string FormatYearMonthAs(int layout, const std::string& separator, rt::TDateTime date) {
    if (date == 0 || !IsKnownLayout(layout) || !InDateRange(date)) return {};
    Ymd d = Decode(date);
    std::string sep = FirstCharacter(separator);
    switch (layout) {
        case dlYearMonthDay: return rt::Format("%.4d%s%.2d", {d.year, sep, d.month});
        case dlMonthDayYear:
        case dlDayMonthYear: return rt::Format("%.2d%s%.4d", {d.month, sep, d.year});
        case dlRocYear2: return rt::Format("%.2d%s%.2d", {d.year - RocYearOffset, sep, d.month});
        default: return rt::Format("%.3d%s%.2d", {d.year - RocYearOffset, sep, d.month});
    }
}

rt::TDateTime ParseDateAs(const std::string& text, int layout, const std::string& separator) {
    std::string rest = rt::Trim(text);
    if (rest.empty() || !IsKnownLayout(layout)) return 0;
    std::string first, second, third;
    SplitFirst(rest, separator, first);
    SplitFirst(rest, separator, second);
    SplitFirst(rest, separator, third);
    int f1 = ReadDatePart(first);
    int f2 = ReadDatePart(second);
    int f3 = ReadDatePart(third);
    if (f1 <= 0 || f2 <= 0 || f3 <= 0) return 0;
    Ymd d;
    switch (layout) {
        case dlYearMonthDay: d = {f1, f2, f3}; break;
        case dlMonthDayYear: d = {f3, f1, f2}; break;
        case dlDayMonthYear: d = {f3, f2, f1}; break;
        default: d = {f1 + RocYearOffset, f2, f3}; break;
    }
    rt::TDateTime monthStart = 0;
    if (!rt::TryEncodeDate(d.year, d.month, 1, monthStart)) return 0;
    rt::TDateTime result = monthStart + (d.day - 1);
    return InDateRange(result) ? result : 0;
}

rt::TDateTime YmdToDate(const std::string& text) {
    if (text.size() != 8) return 0;
    rt::TDateTime date = 0;
    if (!rt::TryEncodeDate(DigitsValue(text, 0, 4), DigitsValue(text, 4, 2), DigitsValue(text, 6, 2), date))
        return 0;
    return date;
}

bool IsValidYmd(const std::string& text) {
    if (text.empty()) return true;
    // A text of another length is no date even when its first eight
    // characters are one ("200503100" must not pass as 10 March).
    if (text.size() != 8) return false;
    if (!rt::IsValidDate(DigitsValue(text, 0, 4), DigitsValue(text, 4, 2), DigitsValue(text, 6, 2))) return false;
    return text >= "17530101" && text <= "99991231";
}

namespace {

bool ReadShiftInput(const rt::Variant& input, rt::TDateTime& date) {
    const rt::Variant& value = input.Deref();
    if (value.IsString())
        date = YmdToDate(value.ToString());
    else if (value.IsDate() || value.IsFloat())
        date = value.ToDouble();
    else
        return false;
    return date != 0 && InDateRange(date);
}

bool ShiftMonths(rt::TDateTime date, int amount, rt::TDateTime& result) {
    Ymd d = Decode(date);
    long long t = static_cast<long long>(d.year) * 12 + d.month + amount;
    long long month = t % 12;
    long long year = t / 12;
    if (month == 0) {
        month = 12;
        year -= 1;
    }
    if (year < 1 || year > 9999) return false;
    int day = std::min(d.day, DaysInMonth(static_cast<int>(year), static_cast<int>(month)));
    return rt::TryEncodeDate(static_cast<int>(year), static_cast<int>(month), day, result);
}

bool ShiftYears(rt::TDateTime date, int amount, rt::TDateTime& result) {
    Ymd d = Decode(date);
    long long year = static_cast<long long>(d.year) + amount;
    if (year < 1 || year > 9999 || !rt::TryEncodeDate(static_cast<int>(year), d.month, d.day, result))
        result = rt::DateOf(date);
    return true;
}

}  // namespace

std::string ShiftYmd(const rt::Variant& date, const std::string& unit, int amount) {
    rt::TDateTime start = 0;
    if (!ReadShiftInput(date, start)) return {};
    rt::TDateTime result = 0;
    if (rt::SameText(unit, "D"))
        result = rt::DateOf(start) + amount;
    else if (rt::SameText(unit, "M")) {
        if (!ShiftMonths(start, amount, result)) return {};
    } else if (rt::SameText(unit, "Y"))
        ShiftYears(start, amount, result);
    else
        return {};
    return InDateRange(result) ? DateToYmd(result) : std::string();
}

int DaysInMonth(int year, int month) {
    return rt::DaysInAMonth(year, month);
}

std::string DateToYmd(rt::TDateTime date) {
    Ymd d = Decode(date);
    return rt::Format("%.4d%.2d%.2d", {d.year, d.month, d.day});
}

// ---- variants -----------------------------------------------------------------

rt::Variant VarIif(bool flag, const rt::Variant& ifTrue, const rt::Variant& ifFalse) {
    return flag ? ifTrue : ifFalse;
}

bool VarIsBlank(const rt::Variant& value) {
    return value.IsEmpty() || value.IsNull();
}

// ---- text conversion ----------------------------------------------------------

std::string WideToCodePage(const std::string& text, int codePage) {
    if (text.empty()) return {};
    std::string bytes;
    if (rt::IsSupportedCodePage(codePage)) bytes = rt::WideToCodePage(text, codePage);
    return bytes.empty() ? rt::WideToCodePage(text, rt::GetACP()) : bytes;
}

std::string CodePageToWide(const std::string& bytes, int codePage) {
    if (bytes.empty()) return {};
    std::string text;
    if (rt::IsSupportedCodePage(codePage)) text = rt::CodePageToWide(bytes, codePage);
    return text.empty() ? rt::CodePageToWide(bytes, rt::GetACP()) : text;
}

namespace {

using ElementConverter = rt::Variant (*)(const rt::Variant&, int);

rt::Variant EncodeString(const rt::Variant& value, int codePage) {
    return rt::Variant::Bytes(WideToCodePage(value.ToString(), codePage), codePage);
}

// Bytes of a string as the server sent them: a byte string's own bytes, a wide
// string's in the system code page.
std::string RawBytes(const rt::Variant& value) {
    if (!value.IsByteString()) return rt::WideToCodePage(value.ToString(), rt::GetACP());
    // Bytes of an unknown code page cannot stand for any text.
    if (!rt::IsSupportedCodePage(value.CodePage()))
        throw rt::EConvertError("Code page " + std::to_string(value.CodePage()) + " is not supported");
    return value.ByteData();
}

rt::Variant DecodeString(const rt::Variant& value, int codePage) {
    return rt::Variant(CodePageToWide(RawBytes(value), codePage));
}

// A one-dimensional array recurses into nested arrays; a two-dimensional one
// converts only its own texts. `convertsElement` picks the elements to convert.
void ConvertArray(rt::Variant& array, int codePage, ElementConverter convert,
                  bool (*convertsElement)(const rt::Variant&)) {
    auto convertElement = [&](rt::Variant& element, bool nested) {
        if (nested && element.IsArray())
            ConvertArray(element, codePage, convert, convertsElement);
        else if (convertsElement(element))
            element = convert(element, codePage);
    };
    if (array.DimCount() == 1) {
        for (int i = array.LowBound(1); i <= array.HighBound(1); ++i) convertElement(array[i], true);
    } else if (array.DimCount() == 2) {
        for (int i = array.LowBound(1); i <= array.HighBound(1); ++i)
            for (int j = array.LowBound(2); j <= array.HighBound(2); ++j) convertElement(array.At(i, j), false);
    }
}

bool IsWideElement(const rt::Variant& element) {
    return element.IsWideString();
}

bool IsStringElement(const rt::Variant& element) {
    return element.IsString();
}

rt::Variant ConvertVariant(const rt::Variant& value, int codePage, ElementConverter convert,
                           bool (*convertsElement)(const rt::Variant&), const char* logLine) {
    const rt::Variant& source = value.Deref();
    if (source.IsEmpty() || source.IsNull()) return source;
    try {
        rt::Variant result = source;
        if (result.IsArray())
            ConvertArray(result, codePage, convert, convertsElement);
        else if (result.IsString())
            result = convert(result, codePage);
        return result;
    } catch (const std::exception& error) {
        WriteAlertLog("libstrs", std::string(logLine) + error.what(), "D");
        return source;
    }
}

}  // namespace

rt::Variant VariantToCodePage(const rt::Variant& value, int codePage) {
    return ConvertVariant(value, codePage, EncodeString, IsWideElement, "LINE[2735] ");
}

rt::Variant VariantFromCodePage(const rt::Variant& value, int codePage) {
    return ConvertVariant(value, codePage, DecodeString, IsStringElement, "LINE[115] ");
}

std::string JoinParamArray(const std::string& prefix, const rt::Variant& params) {
    std::string result = prefix + FieldSeparator;
    const rt::Variant& array = params.Deref();
    if (!array.IsArray() || array.DimCount() != 1 || array.LowBound(1) > 0 || array.HighBound(1) < 0) return result;
    int last = std::min(rt::StrToIntDef(rt::VarToStr(array[0]), 0), array.HighBound(1));
    for (int i = 0; i <= std::max(last, 0); ++i) result += rt::VarToStr(array[i]) + FieldSeparator;
    return result;
}

// ---- captions ---------------------------------------------------------------------

std::string ButtonCaption(const std::string& name) {
    struct Caption {
        const char* name;
        const char* caption;
    };
    static constexpr Caption Captions[] = {
        {"Yes", "是(&Y)"},      {"No", "否(&N)"},        {"OK", "确定"},           {"Cancel", "取消"},
        {"Abort", "中断(&A)"},  {"Retry", "重试(&R)"},   {"Ignore", "忽略(&I)"},   {"All", "全部(&A)"},
        {"NoToAll", "全否(&o)"}, {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
    };
    for (const Caption& entry : Captions)
        if (name == entry.name) return entry.caption;
    return name;
}

}  // namespace hemr
