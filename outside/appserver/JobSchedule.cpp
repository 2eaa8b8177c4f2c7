#include "outside/appserver/JobSchedule.h"

#include <cmath>
#include <cstdio>

#include "outside/appserver/RunDates.h"
#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

constexpr double kMsPerDay = 86400000.0;
constexpr double kShortestHours = 1.0 / 60;

const rt::Variant& Element(const rt::Variant& array, int offset, const char* what) {
    const rt::Variant& a = array.Deref();
    if (!a.IsArray() || a.LowBound() + offset > a.HighBound())
        throw EServerError(std::string("周期设置缺少") + what);
    return a[a.LowBound() + offset].Deref();
}

int IntOf(const rt::Variant& value, const char* what) {
    try {
        return value.IsString() ? std::stoi(rt::Trim(ArgText(value))) : value.ToInt();
    } catch (const std::exception&) {
        throw EServerError(std::string("周期设置的") + what + "不是整数");
    }
}

std::optional<rt::TDateTime> DateOfYmd(const std::string& ymd) {
    rt::TDateTime date = 0;
    if (ymd.size() != 8 || !rt::TryEncodeDate(std::atoi(ymd.substr(0, 4).c_str()), std::atoi(ymd.substr(4, 2).c_str()),
                                              std::atoi(ymd.substr(6, 2).c_str()), date))
        return std::nullopt;
    return date;
}

// Whole milliseconds, so that fractional hours never drift.
rt::TDateTime AddMilliseconds(rt::TDateTime moment, double ms) {
    return std::round(moment * kMsPerDay + ms) / kMsPerDay;
}

// The o-th (4 = last) weekday w (0 = Sunday) of the month of `ymd`.
std::string WeekdayOfMonth(const std::string& ymd, int ordinal, int weekday) {
    int year = std::stoi(ymd.substr(0, 4)), month = std::stoi(ymd.substr(4, 2));
    int t = weekday + 1;
    if (ordinal >= 4) {
        rt::TDateTime last = rt::EncodeDate(year, month, rt::DaysInAMonth(year, month));
        int g = rt::DayOfWeek(last) - t;
        return rt::FormatDateTime("yyyymmdd", rt::IncDay(last, g >= 0 ? -g : -g - 7));
    }
    rt::TDateTime first = rt::EncodeDate(year, month, 1);
    int delta = t - rt::DayOfWeek(first);
    return rt::FormatDateTime("yyyymmdd", rt::IncDay(first, delta >= 0 ? delta + 7 * ordinal : delta + 7 * (ordinal + 1)));
}

}  // namespace

std::string MomentText(rt::TDateTime moment) { return rt::FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", moment); }

std::optional<rt::TDateTime> MomentFromText(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    rt::TDateTime moment = 0;
    if (text.size() == 8 && std::sscanf(text.c_str(), "%4d%2d%2d", &y, &mo, &d) == 3)
        return DateOfYmd(text);
    int read = std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d.%d", &y, &mo, &d, &h, &mi, &s, &ms);
    if (read < 5 || !rt::TryEncodeDateTime(y, mo, d, h, mi, s, ms, moment))
        return std::nullopt;
    return moment;
}

JobSchedule JobSchedule::Of(const rt::Variant& conditions, rt::TDateTime submitted) {
    JobSchedule s;
    const rt::Variant& c = conditions.Deref();
    const rt::Variant& env = Element(c, 0, "环境数组");
    int mode = env.HighBound() >= env.LowBound() + 9 ? IntOf(env[env.LowBound() + 9].Deref(), "运行方式") : 0;
    if (mode < 0 || mode > 2)
        throw EServerError("未知的运行方式: " + std::to_string(mode));
    s.mode_ = static_cast<Mode>(mode);
    s.first_ = submitted;
    if (s.mode_ == Mode::AtTime) {
        const rt::Variant& at = Element(env, 10, "运行时间");
        try {
            s.first_ = at.ToDate();
        } catch (const rt::Exception&) {
            throw EServerError("运行时间不可读: " + ArgText(at));
        }
    }
    if (c.HighBound() >= c.LowBound() + 3) {
        const rt::Variant& block = c[c.LowBound() + 3].Deref();
        if (block.IsArray() && ArgText(Element(block, 0, "标记")) == "Y")
            s.ReadPeriod(block, submitted);
    }
    return s;
}

void JobSchedule::ReadPeriod(const rt::Variant& block, rt::TDateTime submitted) {
    periodic_ = true;
    int hour = 0, minute = 0;
    if (std::sscanf(ArgText(Element(block, 1, "运行时间")).c_str(), "%d:%d", &hour, &minute) != 2)
        throw EServerError("周期设置的运行时间不可读");
    const rt::Variant& rule = Element(block, 2, "周期规则");
    cycle_ = static_cast<Cycle>(IntOf(Element(rule, 0, "周期种类"), "周期种类"));
    const rt::Variant& p = Element(rule, 1, "周期参数");
    switch (cycle_) {
        case Cycle::Days: every_ = IntOf(p.IsArray() ? Element(p, 0, "天数") : p, "天数"); break;
        case Cycle::Weeks:
            every_ = IntOf(Element(p, 0, "周数"), "周数");
            weekday_ = IntOf(Element(p, 1, "星期"), "星期");
            break;
        case Cycle::Months:
            byWeekday_ = IntOf(Element(p, 0, "月份方式"), "月份方式") == 1;
            every_ = IntOf(Element(p, 1, "月数"), "月数");
            if (byWeekday_) {
                ordinal_ = IntOf(Element(p, 2, "第几个"), "第几个");
                weekday_ = IntOf(Element(p, 3, "星期"), "星期");
            } else {
                day_ = IntOf(Element(p, 2, "日"), "日");
            }
            break;
        case Cycle::Hours:
            hours_ = p.IsString() ? std::atof(ArgText(p).c_str()) : p.ToDouble();
            break;
        default: throw EServerError("未知的周期种类");
    }
    // An hourly cycle under a minute would run without pause (and a zero one
    // never move on): refused with the other out-of-range settings.
    if (every_ < 1 || !(hours_ >= kShortestHours) || weekday_ < 0 || weekday_ > 6 || ordinal_ < 0 || ordinal_ > 4)
        throw EServerError("周期设置的间隔或星期超出范围");
    const rt::Variant& range = Element(block, 3, "循环范围");
    std::string start = ArgText(Element(range, 0, "开始日期"));
    range_ = static_cast<Range>(IntOf(Element(range, 1, "范围种类"), "范围种类"));
    if (range_ == Range::Repetitions)
        repetitions_ = IntOf(Element(range, 2, "次数"), "次数");
    else if (range_ == Range::UntilDate)
        endDate_ = ArgText(Element(range, 2, "退出日期"));
    else if (range_ != Range::NoEnd)
        throw EServerError("未知的循环范围");
    std::optional<rt::TDateTime> startDay = DateOfYmd(start);
    if (!startDay)
        throw EServerError("周期设置的开始日期不可读: " + start);
    rt::TDateTime runTime = rt::EncodeTime(hour % 24, minute % 60, 0, 0);
    if (cycle_ == Cycle::Hours) {
        // The form hands hourly jobs the moment of submission; the first run
        // is the start day's run time, or the first step of it not yet past.
        rt::TDateTime first = rt::ComposeDateTime(*startDay, runTime);
        double step = hours_ * 3600000.0;
        if (first < submitted)
            first = AddMilliseconds(first, std::ceil((submitted - first) * kMsPerDay / step) * step);
        first_ = first;
    } else if (mode_ != Mode::AtTime) {
        throw EServerError("周期性作业缺少首次运行时间");
    }
    first_ = Within(*first_, 1);
}

std::optional<rt::TDateTime> JobSchedule::Within(rt::TDateTime moment, int runNumber) const {
    if (range_ == Range::Repetitions && runNumber > repetitions_)
        return std::nullopt;
    if (range_ == Range::UntilDate && rt::FormatDateTime("yyyymmdd", moment) > endDate_)
        return std::nullopt;
    return moment;
}

std::optional<rt::TDateTime> JobSchedule::NextAfter(rt::TDateTime planned, int runNumber) const {
    if (!periodic_)
        return std::nullopt;
    rt::TDateTime next = planned;
    std::string ymd = rt::FormatDateTime("yyyymmdd", planned);
    switch (cycle_) {
        case Cycle::Hours: next = AddMilliseconds(planned, hours_ * 3600000.0); break;
        case Cycle::Days: next = rt::IncDay(planned, every_); break;
        case Cycle::Weeks: next = rt::IncDay(planned, 7 * every_); break;
        case Cycle::Months: {
            std::string month = ShiftRunDate(ymd.substr(0, 6) + "01", 'M', every_);
            if (month.empty())
                return std::nullopt;
            std::string day;
            if (byWeekday_) {
                day = WeekdayOfMonth(month, ordinal_, weekday_);
            } else {
                int last = rt::DaysInAMonth(std::stoi(month.substr(0, 4)), std::stoi(month.substr(4, 2)));
                char text[3];
                std::snprintf(text, sizeof text, "%02d", std::min(day_, last));
                day = month.substr(0, 6) + text;
            }
            next = rt::ComposeDateTime(*DateOfYmd(day), rt::TimeOf(planned));
            break;
        }
    }
    if (next <= planned)
        return std::nullopt;  // a cycle that does not move on ends rather than repeats
    return Within(next, runNumber + 1);
}

}  // namespace appserver
