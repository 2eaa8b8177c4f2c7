#include <gtest/gtest.h>

#include <string>

#include "platform/sysutils/DateTime.h"
#include "src/controls/SelectPanelRange.h"

namespace hemr {
namespace {

struct Range {
    std::string begin, end;
    bool swapped;
};

Range Leave(const TRangeRule& rule, std::string begin, std::string end) {
    const bool swapped = NormaliseRange(rule, begin, end);
    return {begin, end, swapped};
}

TRangeRule RuleFor(TValueType type, TDateType dateType = dt_NoneCare) {
    TRangeRule rule;
    rule.ValueType = type;
    rule.DateType = dateType;
    return rule;
}

TEST(SelectPanelRange, StringsAreOrderedBytewiseAndNumbersByValue) {
    Range r = Leave(RuleFor(vt_String), "B100", "A200");
    EXPECT_TRUE(r.swapped) << "B100 sorts after A200";
    EXPECT_EQ(r.begin, "A200");
    EXPECT_EQ(r.end, "B100");

    EXPECT_FALSE(Leave(RuleFor(vt_String), "10", "9").swapped) << "byte-wise, 10 sorts before 9";
    r = Leave(RuleFor(vt_Number), "10", "9");
    EXPECT_TRUE(r.swapped) << "as numbers 9 is smaller than 10";
    EXPECT_EQ(r.begin, "9");

    EXPECT_TRUE(Leave(RuleFor(vt_Number), "abc", "-3").swapped) << "a text that is no integer counts as 0";
    EXPECT_FALSE(Leave(RuleFor(vt_OtherMask), "Z", "A").swapped) << "other masks are never reordered";
    EXPECT_TRUE(Leave(RuleFor(vt_Time), "12:30", "08:00").swapped) << "times compare as strings";
}

TEST(SelectPanelRange, TextsAreTrimmedUnlessTheMaskKeepsBlanks) {
    Range r = Leave(RuleFor(vt_String), "  A ", " B  ");
    EXPECT_EQ(r.begin, "A");
    EXPECT_EQ(r.end, "B");

    TRangeRule kept = RuleFor(vt_String);
    kept.EditMask = "!9999;0; ";
    r = Leave(kept, "  A ", " B");
    EXPECT_EQ(r.begin, "  A ") << "a mask starting with ! keeps the leading blanks";

    r = Leave(RuleFor(vt_Number), "  ", "5");
    EXPECT_FALSE(r.swapped) << "an empty begin text is never swapped";
    EXPECT_EQ(r.begin, "") << "but it is still trimmed";
}

TEST(SelectPanelRange, BlankAndDiscardTextsKeepTheirPlace) {
    TRangeRule rule = RuleFor(vt_String);
    EXPECT_TRUE(Leave(rule, "Z", "*").swapped) << "without UseDiscard the asterisk is an ordinary text";
    rule.UseDiscard = true;
    rule.Discard = "*";
    EXPECT_FALSE(Leave(rule, "Z", "*").swapped) << "an end equal to Discard stays as entered";
    EXPECT_FALSE(Leave(rule, "*", "A").swapped);

    TRangeRule blank = RuleFor(vt_Date, dt_NoneCare);
    blank.EditMask = "!9999/99/99;1; ";
    blank.BlankText = "    /  /  ";
    EXPECT_FALSE(Leave(blank, "2003/05/01", "    /  /  ").swapped) << "a blank date is not moved";
}

TEST(SelectPanelRange, DatesAreOrderedAsDatesWithTheDayCompleted) {
    TRangeRule rule = RuleFor(vt_Date, dt_YYYYMMDD);
    Range r = Leave(rule, "2003/05", "2003/04/30");
    EXPECT_TRUE(r.swapped) << "2003/05 is read as 1 May 2003";
    EXPECT_EQ(r.begin, "2003/04/30");
    EXPECT_EQ(r.end, "2003/05") << "the text itself keeps its missing day";

    EXPECT_FALSE(Leave(rule, "2003/13/01", "2003/01/01").swapped) << "no date stays in front of a date";
    EXPECT_TRUE(Leave(rule, "2003/01/01", "2003/13/01").swapped) << "no date moves in front of a date";
    EXPECT_FALSE(Leave(rule, "2003/1/2", "2003/01/10").swapped) << "dates, not texts: 2 January is earlier";

    rule.AutoChangeDateSite = false;
    EXPECT_FALSE(Leave(rule, "2003/05/01", "2003/04/30").swapped) << "AutoChangeDateSite off leaves dates alone";

    EXPECT_TRUE(Leave(RuleFor(vt_Date, dt_NoneCare), "2003/1/2", "2003/01/10").swapped)
        << "without a layout dates compare byte-wise";
}

rt::TDateTime Day(int y, int m, int d) { return rt::EncodeDate(y, m, d); }

TEST(SelectPanelRange, ParseRangeDateReadsEveryLayout) {
    EXPECT_EQ(ParseRangeDate("2003/05/06", dt_YYYYMMDD, "/", ""), Day(2003, 5, 6));
    EXPECT_EQ(ParseRangeDate("05/06/2003", dt_MMDDYYYY, "/", ""), Day(2003, 5, 6));
    EXPECT_EQ(ParseRangeDate("05/06/2003", dt_DDMMYYYY, "/", ""), Day(2003, 6, 5));
    EXPECT_EQ(ParseRangeDate("92/01/01", dt_YYMMDD, "/", ""), Day(2003, 1, 1)) << "Republic year 92 is 2003";
    EXPECT_EQ(ParseRangeDate("092.1.1", dt_YYYMMDD, ".", ""), Day(2003, 1, 1)) << "the separator is DateSign";
    EXPECT_EQ(ParseRangeDate(" 2003 / 5 / 6 ", dt_YYYYMMDD, "/", ""), Day(2003, 5, 6)) << "fields are trimmed";
}

TEST(SelectPanelRange, ParseRangeDateCompletesTheDayOfAYearAndMonth) {
    EXPECT_EQ(ParseRangeDate("2003/05", dt_YYYYMMDD, "/", ""), Day(2003, 5, 1));
    EXPECT_EQ(ParseRangeDate("05/2003", dt_MMDDYYYY, "/", ""), Day(2003, 5, 1));
    EXPECT_EQ(ParseRangeDate("05/2003", dt_DDMMYYYY, "/", ""), Day(2003, 5, 1));
    EXPECT_EQ(ParseRangeDate("92/02", dt_YYMMDD, "/", ""), Day(2003, 2, 1));
}

TEST(SelectPanelRange, ParseRangeDateGivesNoDateForImpossibleTexts) {
    for (const char* text : {"", "   ", "2003", "2003/01/02/03", "2003/02/30", "2003/13/01", "2003/ab/01"}) {
        EXPECT_EQ(ParseRangeDate(text, dt_YYYYMMDD, "/", ""), 0.0) << "'" << text << "' is no date";
        EXPECT_FALSE(TryParseRangeDate(text, dt_YYYYMMDD, "/", "").has_value()) << text;
    }
    EXPECT_FALSE(TryParseRangeDate("    /  /  ", dt_YYYYMMDD, "/", "    /  /  ")) << "the mask's blank text";
    EXPECT_FALSE(TryParseRangeDate("2003/01/01", dt_NoneCare, "/", "")) << "no layout, no date";
    EXPECT_FALSE(TryParseRangeDate("2003/01/01", dt_YYYYMMDD, "", "")) << "no separator, no date";
}

TEST(SelectPanelRange, FloatTextsAreRewrittenKeepingTheirValue) {
    EXPECT_EQ(NormaliseFloatText("12.5"), "12.5");
    EXPECT_EQ(NormaliseFloatText("12.05"), "12.05") << "leading zeros of the fraction carry its value";
    EXPECT_EQ(NormaliseFloatText(" 007 . 250 "), "7.25");
    EXPECT_EQ(NormaliseFloatText("12"), "12.0");
    EXPECT_EQ(NormaliseFloatText("-0.5"), "-0.5") << "the sign of a number below one survives";
    EXPECT_EQ(NormaliseFloatText("-.5"), "-0.5");
    EXPECT_EQ(NormaliseFloatText("-0"), "0.0");
    EXPECT_EQ(NormaliseFloatText("abc"), "0.0");
    EXPECT_EQ(NormaliseFloatText("3.x"), "3.0") << "a fraction that is no integer counts as 0";
    EXPECT_EQ(NormaliseFloatText("123456789012345678901234.5"), "123456789012345678901234.5")
        << "long integer parts are not cut to a machine integer";
    EXPECT_DOUBLE_EQ(NormalisedFloatValue("-0.5"), -0.5);
}

TEST(SelectPanelRange, FloatsAreComparedAsNumbers) {
    Range r = Leave(RuleFor(vt_Float), "12.5", "9.75");
    EXPECT_TRUE(r.swapped);
    EXPECT_EQ(r.begin, "9.75");
    EXPECT_EQ(r.end, "12.5");

    r = Leave(RuleFor(vt_Float), "12.05", "12.5");
    EXPECT_FALSE(r.swapped) << "12.05 is smaller than 12.5";
    EXPECT_EQ(r.begin, "12.05");

    r = Leave(RuleFor(vt_Float), "2", "-1.5");
    EXPECT_TRUE(r.swapped);
    EXPECT_EQ(r.begin, "-1.5");
    EXPECT_EQ(r.end, "2.0") << "both texts are written back in the normalised form";
}

}  // namespace
}  // namespace hemr
