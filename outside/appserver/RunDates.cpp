#include "outside/appserver/RunDates.h"

#include <cstdlib>
#include <vector>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

constexpr char kFieldSeparator = '\x03';

bool ReadYmd(const std::string& ymd, rt::TDateTime& date) {
    if (ymd.size() != 8)
        return false;
    for (char c : ymd)
        if (c < '0' || c > '9')
            return false;
    return rt::TryEncodeDate(std::stoi(ymd.substr(0, 4)), std::stoi(ymd.substr(4, 2)), std::stoi(ymd.substr(6, 2)),
                             date);
}

int Number(const std::string& text, const std::string& what) {
    std::string trimmed = rt::Trim(text);
    char* end = nullptr;
    long value = std::strtol(trimmed.c_str(), &end, 10);
    if (trimmed.empty() || *end)
        throw EServerError("日期规则的" + what + "不是整数: " + text);
    return static_cast<int>(value);
}

std::string DaysOfMonth(const std::string& ymd) {
    return std::to_string(rt::DaysInAMonth(std::stoi(ymd.substr(0, 4)), std::stoi(ymd.substr(4, 2))));
}

std::vector<std::string> Fields(const std::string& rule) {
    std::vector<std::string> fields;
    size_t from = 0;
    for (size_t at; (at = rule.find(kFieldSeparator, from)) != std::string::npos; from = at + 1)
        fields.push_back(rule.substr(from, at - from));
    fields.push_back(rule.substr(from));
    return fields;
}

// The base date itself when the rule moves nothing, else the moved base.
std::string RuledDate(const std::string& base, const std::vector<std::string>& f, size_t n) {
    if (rt::Trim(f[n]) == "0" && rt::Trim(f[n + 2]) == "0" && rt::Trim(f[n + 3]) == "0")
        return base;
    return ApplyDateRule(base, f[n], f[n + 1], f[n + 3], f[n + 2]);
}

// A value keeps the kind it arrived in (the array travels in a code page).
rt::Variant Like(const rt::Variant& old, const std::string& text) {
    const rt::Variant& v = old.Deref();
    return v.IsByteString() ? rt::Variant::Bytes(text, v.CodePage()) : rt::Variant(text);
}

void ApplyRule(rt::Variant& values, const std::string& rule, const std::string& runDate) {
    std::vector<std::string> f = Fields(rule);
    bool panel = !f.empty() && f[0] == "0";
    if (f.size() < (panel ? 14u : 9u))
        throw EServerError("日期规则的栏位不足: " + rule);
    std::string kind = f[panel ? 12 : 7];
    std::string base = kind == "D" ? runDate : runDate.substr(0, 6);
    rt::Variant& value = values[Number(f[panel ? 13 : 8], "条件行")];
    if (!panel) {
        if (f[2] == "Y")
            value = Like(value, RuledDate(base, f, 3));
        return;
    }
    rt::Variant range = value.Deref();
    if (!range.IsArray() || range.ElementCount() < 3)
        throw EServerError("日期规则所指的条件不是区间: " + f[1]);
    if (f[2] == "Y")
        range[range.LowBound() + 1] = Like(range[range.LowBound() + 1], RuledDate(base, f, 3));
    if (f[7] == "Y")
        range[range.LowBound() + 2] = Like(range[range.LowBound() + 2], RuledDate(base, f, 8));
    value = range;
}

}  // namespace

std::string ShiftRunDate(const std::string& ymd, char unit, int amount) {
    rt::TDateTime date = 0;
    if (!ReadYmd(ymd, date))
        return "";
    try {
        date = unit == 'M' ? rt::IncMonth(date, amount) : rt::IncDay(date, amount);
    } catch (const rt::Exception&) {
        return "";
    }
    return rt::FormatDateTime("yyyymmdd", date);
}

std::string ApplyDateRule(const std::string& date, const std::string& n, const std::string& unit,
                          const std::string& days, const std::string& mode) {
    int count = Number(n, "数量");
    if (date.size() < 7) {
        std::string shifted = ShiftRunDate(date + "01", 'M', count);
        return shifted.substr(0, std::min<size_t>(6, shifted.size()));
    }
    std::string m = rt::Trim(mode);
    if (rt::Trim(unit) != "0") {
        std::string moved = ShiftRunDate(date, 'M', count);
        if (moved.empty())
            return moved;
        if (m == "0")
            return ShiftRunDate(moved, 'D', Number(days, "天数"));
        if (m == "1")
            return moved.substr(0, 6) + "01";
        if (m == "2")
            return moved.substr(0, 6) + DaysOfMonth(moved);
        return moved;
    }
    if (m == "0")
        return ShiftRunDate(date, 'D', 7 * count + Number(days, "天数"));
    std::string week = ShiftRunDate(date, 'D', 7 * count);
    rt::TDateTime w = 0;
    if (!ReadYmd(week, w))
        return "";
    int weekday = rt::DayOfWeek(w);
    return ShiftRunDate(week, 'D', m == "1" ? 1 - weekday : 7 - weekday);
}

rt::Variant ApplyRunDateRules(const rt::Variant& values, const rt::Variant& rules, const std::string& runDate) {
    rt::Variant result = values.Deref();
    const rt::Variant& r = rules.Deref();
    if (!r.IsArray())
        return result;
    int count = Number(ArgText(r[r.LowBound()]), "规则数");
    if (count > r.HighBound() - r.LowBound())
        throw EServerError("日期规则数组短于其规则数");
    for (int i = 1; i <= count; ++i)
        ApplyRule(result, ArgText(r[r.LowBound() + i]), runDate);
    return result;
}

}  // namespace appserver
