#include "src/environment/FirstRunDate.h"

#include "src/environment/LibStrs.h"

#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/Format.h"

#include <exception>

namespace hemr {

namespace {

constexpr int LastOrdinal = 4;

// Element `offset` counted from the array's low bound; raises for a non-array
// or a missing element, which the caller turns into "no date".
const rt::Variant& Element(const rt::Variant& array, int offset) {
    const rt::Variant& value = array.Deref();
    return value.At(value.LowBound(1) + offset);
}

int IntElement(const rt::Variant& array, int offset) {
    return Element(array, offset).ToInt();
}

// 1 = Sunday .. 7 = Saturday.
int Weekday(const std::string& ymd) {
    return rt::DayOfWeek(YmdToDate(ymd));
}

std::string AddDays(const std::string& ymd, int days) {
    return ShiftYmd(ymd, "D", days);
}

std::string YearMonth(const std::string& ymd) {
    return ymd.substr(0, 6);
}

// The inputs here are normalised "yyyymmdd" texts from ShiftYmd.
int Part(const std::string& ymd, size_t from, size_t count) {
    return std::stoi(ymd.substr(from, count));
}

std::string LastDayOfMonth(const std::string& ymd) {
    return YearMonth(ymd) + rt::Format("%.2d", {DaysInMonth(Part(ymd, 0, 4), Part(ymd, 4, 2))});
}

bool IsWeekdayIndex(int w) {
    return w >= 0 && w <= 6;
}

std::string Weekly(const std::string& start, int n, int w) {
    if (n < 1 || !IsWeekdayIndex(w)) return {};
    int t = w + 1;
    int k = t >= Weekday(start) ? n - 1 : n;
    std::string x = AddDays(start, 7 * k);
    return x.empty() ? x : AddDays(x, t - Weekday(x));
}

std::string MonthlyByDay(const std::string& start, int n, int day) {
    if (n < 1) return {};
    int m = day >= Part(start, 6, 2) ? n - 1 : n;
    std::string x = ShiftYmd(start, "M", m);
    if (x.empty()) return x;
    std::string candidate = YearMonth(x) + rt::Format("%.2d", {day});
    return IsValidYmd(candidate) ? candidate : LastDayOfMonth(x);
}

// The o-th weekday t (1 = Sunday) of the month of `x`.
std::string WeekdayOfMonth(const std::string& x, int ordinal, int t) {
    if (ordinal == LastOrdinal) {
        std::string last = LastDayOfMonth(x);
        int g = Weekday(last) - t;
        return AddDays(last, g >= 0 ? -g : -g - 7);
    }
    std::string first = YearMonth(x) + "01";
    int delta = t - Weekday(first);
    return AddDays(first, delta >= 0 ? delta + 7 * ordinal : delta + 7 * (ordinal + 1));
}

std::string MonthlyByWeekday(const std::string& start, int n, int ordinal, int w) {
    if (n < 1 || ordinal < 0 || ordinal > LastOrdinal || !IsWeekdayIndex(w)) return {};
    for (int m : {n - 1, n}) {
        std::string x = ShiftYmd(start, "M", m);
        if (x.empty()) return x;
        std::string result = WeekdayOfMonth(x, ordinal, w + 1);
        // A candidate before the start is never a run date; the next period's is.
        if (result.empty() || result >= start) return result;
    }
    return {};
}

std::string Monthly(const std::string& start, const rt::Variant& params) {
    switch (IntElement(params, 0)) {
        case mmByDay: return MonthlyByDay(start, IntElement(params, 1), IntElement(params, 2));
        case mmByWeekday:
            return MonthlyByWeekday(start, IntElement(params, 1), IntElement(params, 2), IntElement(params, 3));
        default: return {};
    }
}

}  // namespace

std::string ComputeFirstRunDate(const std::string& startDate, const rt::Variant& periodRule) {
    try {
        // Normalises the start and rejects anything that is not a date.
        std::string start = ShiftYmd(startDate, "D", 0);
        if (start.empty()) return {};
        switch (IntElement(periodRule, 0)) {
            case pkDaily: return start;
            case pkWeekly:
                return Weekly(start, IntElement(Element(periodRule, 1), 0), IntElement(Element(periodRule, 1), 1));
            case pkMonthly: return Monthly(start, Element(periodRule, 1));
            default: return {};
        }
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace hemr
