#include "src/framework/DateRules.h"

#include "platform/core/Exceptions.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/LibStrs.h"

namespace hemr {

namespace {

constexpr int kEditKindField = 8;
constexpr int kEditRowField = 9;
constexpr int kPanelKindField = 13;
constexpr int kPanelRowField = 14;
constexpr int kPanelEndFlagField = 8;

int ReadNumber(const std::string& text) { return rt::StrToInt(rt::Trim(text)); }

// Weekday with Sunday = 1 ... Saturday = 7.
int WeekdayOf(const std::string& ymd) { return rt::DayOfWeek(YmdToDate(ymd)); }

std::string MonthRule(const std::string& date, int n, int days, int mode) {
    const std::string moved = ShiftYmd(rt::Variant(date), "M", n);
    if (moved.empty()) return "";
    switch (mode) {
        case 0: return ShiftYmd(rt::Variant(moved), "D", days);
        case 1: return moved.substr(0, 6) + "01";
        case 2:
            return moved.substr(0, 6) +
                   std::to_string(DaysInMonth(rt::StrToInt(moved.substr(0, 4)), rt::StrToInt(moved.substr(4, 2))));
        default: return moved;
    }
}

std::string WeekRule(const std::string& date, int n, int days, int mode) {
    if (mode == 0) return ShiftYmd(rt::Variant(date), "D", 7 * n + days);
    const std::string week = ShiftYmd(rt::Variant(date), "D", 7 * n);
    if (week.empty()) return "";
    const int weekday = WeekdayOf(week);
    return ShiftYmd(rt::Variant(week), "D", mode == 1 ? 1 - weekday : 7 - weekday);
}

std::string Field(const std::vector<std::string>& fields, int number) {
    return number >= 1 && number <= static_cast<int>(fields.size()) ? fields[number - 1] : std::string();
}

bool AllZero(const std::vector<std::string>& fields, int first) {
    return Field(fields, first) == "0" && Field(fields, first + 2) == "0" && Field(fields, first + 3) == "0";
}

// The date a run starts from: the run date, or its year and month for a "M" condition.
std::string BaseOf(const std::string& kind, const std::string& runDate) {
    return kind == "D" ? runDate : runDate.substr(0, 6);
}

void ApplyEntry(const std::string& entry, rt::Variant& values, const std::string& runDate) {
    const std::vector<std::string> f = SplitDateEntry(entry);
    if (Field(f, 1) == kEditEntry) {
        if (Field(f, 3) != "Y") return;
        values.At(ReadNumber(Field(f, kEditRowField))) =
            rt::Variant(ApplyEntryRule(f, 4, BaseOf(Field(f, kEditKindField), runDate)));
        return;
    }
    if (Field(f, 1) != kPanelEntry) throw rt::EConvertError("unknown date entry kind \"" + Field(f, 1) + "\"");
    const std::string base = BaseOf(Field(f, kPanelKindField), runDate);
    rt::Variant& slot = values.At(ReadNumber(Field(f, kPanelRowField)));
    rt::Variant range = slot.Deref();
    if (!range.IsArray()) throw rt::EConvertError("a panel's condition value is no range");
    if (Field(f, 3) == "Y") range.At(range.LowBound() + 1) = rt::Variant(ApplyEntryRule(f, 4, base));
    if (Field(f, kPanelEndFlagField) == "Y") range.At(range.LowBound() + 2) = rt::Variant(ApplyEntryRule(f, 9, base));
    slot = range;
}

}  // namespace

std::vector<std::string> SplitDateEntry(const std::string& entry) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t at = entry.find(kDateEntrySeparator, start);
        fields.push_back(entry.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return fields;
        start = at + 1;
    }
}

std::string JoinDateEntry(const std::vector<std::string>& fields) {
    std::string entry;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) entry += kDateEntrySeparator;
        entry += fields[i];
    }
    return entry;
}

std::string ApplyDateRule(const std::string& date, const std::string& n, const std::string& unit,
                          const std::string& days, const std::string& mode) {
    const int count = ReadNumber(n);
    // A year-month condition moves by months only.
    if (date.size() < 7) {
        const std::string moved = ShiftYmd(rt::Variant(date + "01"), "M", count);
        return moved.substr(0, 6);
    }
    const int dayCount = ReadNumber(days);
    const int how = ReadNumber(mode);
    if (rt::Trim(unit) != "0") return MonthRule(date, count, dayCount, how);
    return WeekRule(date, count, dayCount, how);
}

std::string ApplyEntryRule(const std::vector<std::string>& fields, int first, const std::string& base) {
    if (AllZero(fields, first)) return base;
    return ApplyDateRule(base, Field(fields, first), Field(fields, first + 1), Field(fields, first + 3),
                         Field(fields, first + 2));
}

rt::Variant ApplyDateEnvironment(const rt::Variant& job, const std::string& runDate) {
    try {
        const rt::Variant& a = job.Deref();
        rt::Variant values = a[1].Deref();
        const rt::Variant& rules = a[3].Deref();
        const int count = rules[0].Deref().ToInt();
        for (int i = 1; i <= count; ++i) ApplyEntry(rt::VarToStr(rules[i]), values, runDate);
        return values;
    } catch (const std::exception&) {
        return rt::Variant(std::string());
    }
}

}  // namespace hemr
