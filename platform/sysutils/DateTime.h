#pragma once
// TDateTime arithmetic: a double counting days since 1899-12-30, the fraction
// being the time of day. Before that day the integer part is (negative) day and
// the absolute value of the fraction is the time, so -1.25 is 1899-12-29 06:00.

#include <cstdint>

namespace rt {

using TDateTime = double;

constexpr int32_t HoursPerDay = 24;
constexpr int32_t MinsPerDay = 24 * 60;
constexpr int32_t SecsPerDay = MinsPerDay * 60;
constexpr int32_t MSecsPerDay = SecsPerDay * 1000;
// Days from 0001-01-01 to 1899-12-30.
constexpr int32_t DateDelta = 693594;

bool IsLeapYear(int year);
// 28..31, or 0 for a month outside 1..12.
int DaysInAMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int min, int sec, int msec);

bool TryEncodeDate(int year, int month, int day, TDateTime& date);
// Raises EConvertError "Invalid argument to date encode".
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
// Raises EConvertError "Invalid argument to time encode".
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec,
                       TDateTime& value);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec);

void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec);
void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& min,
                    int& sec, int& msec);

// Sunday = 1 .. Saturday = 7.
int DayOfWeek(TDateTime value);

// The day part and the time-of-day part (always 0 <= time < 1).
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
// Joins a day (integer part used) and a time of day the way negative values
// store them: the time is subtracted for days before 1899-12-30.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// Adds months keeping the time; the day is clamped to the end of the target
// month (31 January + 1 = 28/29 February). Raises EConvertError out of 1..9999.
TDateTime IncMonth(TDateTime value, int months = 1);
// Adds days keeping the time of day, also across 1899-12-30.
TDateTime IncDay(TDateTime value, int days = 1);

// The day count since 0001-01-01 (that day = 1) and the milliseconds of the
// day, rounded to the millisecond as every decoder sees them.
struct TTimeStamp {
    int32_t Time = 0;
    int32_t Date = 0;
};
TTimeStamp DateTimeToTimeStamp(TDateTime value);

}  // namespace rt
