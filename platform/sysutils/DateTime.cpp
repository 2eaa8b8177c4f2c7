#include "platform/sysutils/DateTime.h"

#include <cmath>

#include "platform/core/Exceptions.h"

namespace rt {

namespace {

constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;

// Days from 0001-01-01 (day 1) of a valid date.
int32_t DayNumber(int year, int month, int day) {
    static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int32_t y = year - 1;
    int32_t dayOfYear = kDaysBefore[month - 1] + day + ((month > 2 && IsLeapYear(year)) ? 1 : 0);
    return y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear;
}

void DayNumberToDate(int32_t dayNumber, int& year, int& month, int& day) {
    if (dayNumber <= 0) {
        year = month = day = 0;
        return;
    }
    // Civil-from-days over 400-year cycles, counted from 0001-01-01.
    int32_t t = dayNumber - 1;
    int32_t y400 = t / 146097;
    t %= 146097;
    int32_t y100 = t / 36524;
    if (y100 == 4) y100 = 3;
    t -= y100 * 36524;
    int32_t y4 = t / 1461;
    t %= 1461;
    int32_t y1 = t / 365;
    if (y1 == 4) y1 = 3;
    t -= y1 * 365;
    year = y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1;
    month = 1;
    for (;;) {
        int len = DaysInAMonth(year, month);
        if (t < len) break;
        t -= len;
        ++month;
    }
    day = static_cast<int>(t) + 1;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0) && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return (month == 2 && IsLeapYear(year)) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= kMinYear && year <= kMaxYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInAMonth(year, month);
}

bool IsValidTime(int hour, int min, int sec, int msec) {
    return hour >= 0 && hour < HoursPerDay && min >= 0 && min < 60 && sec >= 0 && sec < 60 &&
           msec >= 0 && msec < 1000;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
    if (!IsValidDate(year, month, day)) return false;
    date = static_cast<double>(DayNumber(year, month, day) - DateDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result)) throw EConvertError("Invalid argument to date encode");
    return result;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
    if (!IsValidTime(hour, min, sec, msec)) return false;
    int32_t ms = ((hour * 60 + min) * 60 + sec) * 1000 + msec;
    time = static_cast<double>(ms) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime result = 0;
    if (!TryEncodeTime(hour, min, sec, msec, result)) throw EConvertError("Invalid argument to time encode");
    return result;
}

bool TryEncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec,
                       TDateTime& value) {
    TDateTime date = 0;
    TDateTime time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, min, sec, msec, time)) return false;
    value = ComposeDateTime(date, time);
    return true;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec) {
    return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, min, sec, msec));
}

TTimeStamp DateTimeToTimeStamp(TDateTime value) {
    // Rounding the whole value first lets 23:59:59.9996 roll into the next day
    // instead of showing as millisecond 1000.
    double ms = std::round(value * MSecsPerDay);
    double days = std::trunc(ms / MSecsPerDay);
    TTimeStamp stamp;
    stamp.Date = static_cast<int32_t>(days) + DateDelta;
    stamp.Time = static_cast<int32_t>(std::fabs(ms - days * MSecsPerDay));
    return stamp;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    DayNumberToDate(DateTimeToTimeStamp(value).Date, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec) {
    int32_t ms = DateTimeToTimeStamp(value).Time;
    hour = ms / 3600000;
    min = ms / 60000 % 60;
    sec = ms / 1000 % 60;
    msec = ms % 1000;
}

void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& min,
                    int& sec, int& msec) {
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, min, sec, msec);
}

int DayOfWeek(TDateTime value) { return DateTimeToTimeStamp(value).Date % 7 + 1; }

TDateTime DateOf(TDateTime value) {
    return static_cast<double>(DateTimeToTimeStamp(value).Date - DateDelta);
}

TDateTime TimeOf(TDateTime value) {
    return static_cast<double>(DateTimeToTimeStamp(value).Time) / MSecsPerDay;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    double day = std::trunc(date);
    double t = std::fabs(time - std::trunc(time));
    return day >= 0 ? day + t : day - t;
}

TDateTime IncMonth(TDateTime value, int months) {
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    int64_t total = static_cast<int64_t>(year) * 12 + (month - 1) + months;
    int64_t newYear = total >= 0 ? total / 12 : (total - 11) / 12;
    int newMonth = static_cast<int>(total - newYear * 12) + 1;
    if (newYear < kMinYear || newYear > kMaxYear) throw EConvertError("Invalid argument to date encode");
    int y = static_cast<int>(newYear);
    int d = day < DaysInAMonth(y, newMonth) ? day : DaysInAMonth(y, newMonth);
    return ComposeDateTime(EncodeDate(y, newMonth, d), TimeOf(value));
}

TDateTime IncDay(TDateTime value, int days) {
    return ComposeDateTime(DateOf(value) + days, TimeOf(value));
}

}  // namespace rt
