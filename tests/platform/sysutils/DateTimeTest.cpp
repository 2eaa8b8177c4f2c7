#include "platform/sysutils/DateTime.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/sysutils/Clock.h"

namespace rt {
namespace {

TEST(DateTimeTest, EpochAndKnownDaysEncodeToTheirSerialNumbers) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0) << "day zero is 1899-12-30";
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2005, 3, 1), 38412.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0) << "first representable day";
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0) << "last representable day";
}

TEST(DateTimeTest, DecodeRoundTripsEveryDayAcrossCenturyBoundaries) {
    for (double d = EncodeDate(1599, 12, 1); d < EncodeDate(2401, 3, 1); d += 1) {
        int y = 0, m = 0, day = 0;
        DecodeDate(d, y, m, day);
        ASSERT_EQ(EncodeDate(y, m, day), d) << "serial " << d;
    }
}

TEST(DateTimeTest, InvalidDatesAreRejectedAndEncodeDateRaises) {
    double out = 123;
    EXPECT_FALSE(TryEncodeDate(2005, 2, 29, out)) << "2005 is a common year";
    EXPECT_TRUE(TryEncodeDate(2004, 2, 29, out));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, out)) << "century not divisible by 400";
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, out));
    EXPECT_FALSE(TryEncodeDate(2005, 4, 31, out));
    EXPECT_FALSE(TryEncodeDate(2005, 13, 1, out));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, out));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, out));
    try {
        EncodeDate(2005, 2, 30);
        FAIL() << "EncodeDate of 30 February must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Invalid argument to date encode");
    }
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
}

TEST(DateTimeTest, MonthLengthsAndLeapYears) {
    EXPECT_EQ(DaysInAMonth(1900, 2), 28);
    EXPECT_EQ(DaysInAMonth(2000, 2), 29);
    EXPECT_EQ(DaysInAMonth(2004, 2), 29);
    EXPECT_EQ(DaysInAMonth(2005, 4), 30);
    EXPECT_EQ(DaysInAMonth(2005, 13), 0);
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_TRUE(IsLeapYear(2400));
}

TEST(DateTimeTest, TimeDecodesToTheMillisecondAndRoundsIntoTheNextDay) {
    double t = EncodeDateTime(2005, 3, 1, 13, 45, 1, 7);
    int y, mo, d, h, mi, s, ms;
    DecodeDateTime(t, y, mo, d, h, mi, s, ms);
    EXPECT_EQ((std::vector<int>{y, mo, d, h, mi, s, ms}), (std::vector<int>{2005, 3, 1, 13, 45, 1, 7}));
    // Half a millisecond before midnight must not show as millisecond 1000.
    DecodeDateTime(EncodeDate(2005, 3, 1) + (MSecsPerDay - 0.4) / MSecsPerDay, y, mo, d, h, mi, s, ms);
    EXPECT_EQ((std::vector<int>{y, mo, d, h, mi, s, ms}), (std::vector<int>{2005, 3, 2, 0, 0, 0, 0}));
}

TEST(DateTimeTest, NegativeValuesKeepDayInIntegerAndTimeInAbsoluteFraction) {
    int y, mo, d, h, mi, s, ms;
    DecodeDateTime(-1.25, y, mo, d, h, mi, s, ms);
    EXPECT_EQ((std::vector<int>{y, mo, d, h, mi}), (std::vector<int>{1899, 12, 29, 6, 0}));
    EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
    EXPECT_EQ(DateOf(-1.25), -1.0);
    EXPECT_EQ(TimeOf(-1.25), 0.25);
    EXPECT_EQ(IncDay(-0.5, 1), 1.5) << "12:00 on day 0 plus a day is 12:00 on day 1";
    EXPECT_EQ(IncDay(1.5, -2), -1.5);
}

TEST(DateTimeTest, DayOfWeekCountsFromSunday) {
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7) << "a Saturday";
    EXPECT_EQ(DayOfWeek(EncodeDate(2005, 3, 1)), 3) << "a Tuesday";
    EXPECT_EQ(DayOfWeek(EncodeDate(2005, 3, 6) + 0.9), 1) << "a Sunday evening";
    EXPECT_EQ(DayOfWeek(EncodeDate(1800, 1, 1)), 4) << "a Wednesday before day zero";
}

TEST(DateTimeTest, IncMonthClampsTheDayAndKeepsTheTime) {
    EXPECT_EQ(IncMonth(EncodeDate(2005, 1, 31), 1), EncodeDate(2005, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2004, 1, 31), 1), EncodeDate(2004, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2005, 3, 15), -1), EncodeDate(2005, 2, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2005, 12, 15), 12), EncodeDate(2006, 12, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2005, 1, 15), -13), EncodeDate(2003, 12, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2005, 3, 31) + 0.75, -1), EncodeDate(2005, 2, 28) + 0.75);
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}

TEST(DateTimeTest, ClockOverrideFixesNowDateAndTime) {
    double fixed = EncodeDateTime(2005, 3, 1, 13, 45, 1, 7);
    SetClockOverride(fixed);
    EXPECT_EQ(Now(), fixed);
    EXPECT_EQ(Date(), EncodeDate(2005, 3, 1));
    EXPECT_NEAR(Time(), EncodeTime(13, 45, 1, 7), 1e-12);
    SetClockOverride(std::nullopt);
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1)) << "back on the system clock";
}

}  // namespace
}  // namespace rt
