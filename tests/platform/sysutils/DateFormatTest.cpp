#include "platform/sysutils/DateFormat.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/sysutils/Clock.h"

namespace rt {
namespace {

class DateFormatTest : public ::testing::Test {
protected:
    void SetUp() override { SetClockOverride(EncodeDateTime(2005, 3, 1, 13, 45, 1, 7)); }
    void TearDown() override {
        ResetFormatSettings();
        SetClockOverride(std::nullopt);
    }
    const double moment_ = EncodeDateTime(2005, 3, 1, 13, 45, 1, 7);
};

TEST_F(DateFormatTest, UpperCasePatternsOfTheLogsAndDateTexts) {
    EXPECT_EQ(FormatDateTime("YYYYMMDDHHMMSS", moment_), "20050301134501") << "MM after HH is minutes";
    EXPECT_EQ(FormatDateTime("YYYY/MM/DD hh:nn:ss:zzz", moment_), "2005/03/01 13:45:01:007");
    EXPECT_EQ(FormatDateTime("yyyymmdd", moment_), "20050301");
    EXPECT_EQ(FormatDateTime("yymm", moment_), "0503");
}

TEST_F(DateFormatTest, MinutesRuleLooksAtTheLastLetterTokenOnly) {
    EXPECT_EQ(FormatDateTime("h:mm", moment_), "13:45");
    EXPECT_EQ(FormatDateTime("hh' at 'mm", moment_), "13 at 45") << "literals do not break the rule";
    EXPECT_EQ(FormatDateTime("'it''s' yyyy", moment_), "its 2005") << "two quotes close and reopen";
    EXPECT_EQ(FormatDateTime("hh mm mm", moment_), "13 45 03") << "the second mm follows a minute";
    EXPECT_EQ(FormatDateTime("hh mmm", moment_), "13 Mar") << "mmm is always a month name";
    EXPECT_EQ(FormatDateTime("mm/dd hh", moment_), "03/01 13");
}

TEST_F(DateFormatTest, NamesCountsAndLiterals) {
    EXPECT_EQ(FormatDateTime("d/m/yy", moment_), "1/3/05");
    EXPECT_EQ(FormatDateTime("ddd dddd mmm mmmm", moment_), "Tue Tuesday Mar March");
    EXPECT_EQ(FormatDateTime("\"Date:\" yyyy 'y' \"m\"", moment_), "Date: 2005 y m");
    EXPECT_EQ(FormatDateTime("'unterminated yyyy", moment_), "unterminated yyyy");
    EXPECT_EQ(FormatDateTime("z zzz", moment_), "7 007");
    EXPECT_EQ(FormatDateTime("ddddd", moment_), "2005/03/01");
    EXPECT_EQ(FormatDateTime("t", moment_), "13:45");
    EXPECT_EQ(FormatDateTime("tt", moment_), "13:45:01");
    EXPECT_EQ(FormatDateTime("x!", moment_), "x!");
}

TEST_F(DateFormatTest, TwelveHourClockFromAmPmMarkers) {
    double morning = EncodeDateTime(2005, 3, 1, 0, 5, 0, 0);
    EXPECT_EQ(FormatDateTime("h:nn am/pm", moment_), "1:45 pm") << "marker keeps the pattern's case";
    EXPECT_EQ(FormatDateTime("h:nn AM/PM", morning), "12:05 AM") << "midnight is 12 AM";
    EXPECT_EQ(FormatDateTime("hh:nn a/p", moment_), "01:45 p");
    EXPECT_EQ(FormatDateTime("hh:nn ampm", moment_), "01:45 PM");
    EXPECT_EQ(FormatDateTime("hh:nn 'am/pm'", moment_), "13:45 am/pm") << "a quoted marker is text";
    EXPECT_EQ(FormatDateTime("hh:nn ab", moment_), "13:45 ab") << "a plain 'a' does not switch the clock";
    FormatSettings().TimePMString = "下午";
    EXPECT_EQ(FormatDateTime("ampm h", moment_), "下午 13") << "hour before the marker stays 24-hour";
}

TEST_F(DateFormatTest, SeparatorsComeFromTheSettings) {
    FormatSettings().DateSeparator = '-';
    FormatSettings().TimeSeparator = '.';
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", moment_), "2005-03-01 13.45");
    EXPECT_EQ(DateToStr(moment_), "2005-03-01");
}

TEST_F(DateFormatTest, StandardTextsOmitMidnight) {
    EXPECT_EQ(DateTimeToStr(moment_), "2005/03/01 13:45:01");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2005, 3, 1)), "2005/03/01");
    EXPECT_EQ(TimeToStr(moment_), "13:45:01");
    EXPECT_EQ(FormatDateTime("", moment_), "2005/03/01 13:45:01") << "empty pattern is c";
    EXPECT_EQ(DateTimeToStr(-1.25), "1899/12/29 06:00:00");
}

TEST_F(DateFormatTest, SelfReferencingSettingsDoNotRecurseForever) {
    FormatSettings().ShortDateFormat.assign(1, 'c');
    EXPECT_NO_THROW(FormatDateTime("c", moment_));
}

TEST_F(DateFormatTest, StrToDateReadsInShortDateOrder) {
    EXPECT_EQ(StrToDate("2005/03/01"), EncodeDate(2005, 3, 1));
    EXPECT_EQ(StrToDate(" 2005 / 3 / 1 "), EncodeDate(2005, 3, 1)) << "blanks around the numbers";
    EXPECT_EQ(StrToDate("3/1"), EncodeDate(2005, 3, 1)) << "two numbers are month and day this year";
    EXPECT_EQ(StrToDate("05/03/01"), EncodeDate(2005, 3, 1));
    EXPECT_EQ(StrToDate("60/03/01"), EncodeDate(1960, 3, 1)) << "two-digit years within 50 years";
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(StrToDate("01/03/2005"), EncodeDate(2005, 3, 1));
    FormatSettings().ShortDateFormat = "m/d/yyyy";
    EXPECT_EQ(StrToDate("3/1/2005"), EncodeDate(2005, 3, 1));
}

TEST_F(DateFormatTest, StrToDateRejectsInvalidTexts) {
    double v = 7;
    for (const char* bad : {"", "2005", "20050301", "2005/02/30", "2005-03-01", "2005/03/01x", "2005/3/", "a/b/c"}) {
        EXPECT_FALSE(TryStrToDate(bad, v)) << "'" << bad << "'";
    }
    EXPECT_EQ(v, 7);
    try {
        StrToDate("2005/02/30");
        FAIL() << "StrToDate must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'2005/02/30' is not a valid date");
    }
    EXPECT_EQ(StrToDateDef("x", -1), -1);
}

TEST_F(DateFormatTest, StrToTimeAndDateTime) {
    EXPECT_EQ(StrToTime("13:45:01"), EncodeTime(13, 45, 1, 0));
    EXPECT_EQ(StrToTime("1:45 PM"), EncodeTime(13, 45, 0, 0));
    EXPECT_EQ(StrToTime("12:05 am"), EncodeTime(0, 5, 0, 0));
    EXPECT_EQ(StrToTime("13:45:01.007"), EncodeTime(13, 45, 1, 7));
    EXPECT_EQ(StrToTime("7"), EncodeTime(7, 0, 0, 0));
    double v = 0;
    EXPECT_FALSE(TryStrToTime("13 PM", v)) << "a 12-hour clock has no hour 13";
    EXPECT_FALSE(TryStrToTime("25:00", v));
    EXPECT_FALSE(TryStrToTime("12:00x", v));
    EXPECT_EQ(StrToDateTime("2005/03/01 13:45:01"), moment_ - 7.0 / MSecsPerDay);
    EXPECT_EQ(StrToDateTime("2005/03/01"), EncodeDate(2005, 3, 1));
    EXPECT_EQ(StrToDateTime("13:45"), EncodeTime(13, 45, 0, 0)) << "a time alone is on day zero";
    EXPECT_EQ(StrToDateTime("1899/12/29 06:00"), -1.25);
    EXPECT_FALSE(TryStrToDateTime("2005/03/01 13:45 junk", v));
    EXPECT_THROW(StrToDateTime("junk"), EConvertError);
    EXPECT_THROW(StrToTime("junk"), EConvertError);
}

TEST_F(DateFormatTest, DateTimeTextRoundTripsThroughStrToDateTime) {
    for (double v : {moment_ - 7.0 / MSecsPerDay, EncodeDate(1753, 1, 1), EncodeDateTime(9999, 12, 31, 23, 59, 59, 0)}) {
        EXPECT_EQ(StrToDateTime(DateTimeToStr(v)), v) << DateTimeToStr(v);
    }
}

}  // namespace
}  // namespace rt
