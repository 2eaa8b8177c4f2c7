#include "src/environment/LibStrs.h"

#include "tests/src/environment/LibSysTestSupport.h"

#include "platform/codepage/CodePages.h"
#include "platform/sysutils/DateTime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hemr;
using rt::EncodeDate;
using rt::Variant;

namespace {

const std::string Sep(1, '\x03');

}  // namespace

// ---- strings ------------------------------------------------------------------

TEST(LibStrsFields, GetFieldAndFieldCountAtTheEdges) {
    EXPECT_EQ(GetField("a;b;c", ";", 1), "a");
    EXPECT_EQ(GetField("a;b;c", ";", 3), "c") << "the last field runs to the end";
    EXPECT_EQ(GetField("a;b;c", ";", 4), "") << "past the last field";
    EXPECT_EQ(GetField("a;b;c", ";", 0), "") << "fields count from 1";
    EXPECT_EQ(GetField("a;;c", ";", 2), "") << "an empty field in the middle";
    EXPECT_EQ(GetField("a<>b<>c", "<>", 2), "b") << "a separator of two characters";
    EXPECT_EQ(GetField("abc", "", 1), "abc") << "no separator: one field";
    EXPECT_EQ(GetField("abc", "", 2), "");

    EXPECT_EQ(FieldCount("a;b;c", ";"), 3);
    EXPECT_EQ(FieldCount("", ";"), 0) << "an empty text has no fields";
    EXPECT_EQ(FieldCount("abc", ";"), 1);
    EXPECT_EQ(FieldCount("a;b;", ";"), 3) << "a trailing separator ends an empty field";
    EXPECT_EQ(FieldCount(";;", ";"), 3);
    EXPECT_EQ(FieldCount("aaa", "aa"), 2) << "occurrences do not overlap";
    EXPECT_EQ(GetField("a;b;", ";", 3), "");
}

TEST(LibStrsFields, SplitFirstTakesTheHeadOff) {
    std::string text = "20050301" + Sep + "Y" + Sep + "3";
    std::string head;
    SplitFirst(text, Sep, head);
    EXPECT_EQ(head, "20050301");
    EXPECT_EQ(text, "Y" + Sep + "3");
    SplitFirst(text, Sep, head);
    SplitFirst(text, Sep, head);
    EXPECT_EQ(head, "3") << "without a separator the head is the whole rest";
    EXPECT_EQ(text, "");
    SplitFirst(text, Sep, head);
    EXPECT_EQ(head, "") << "splitting an empty text gives empty heads";
}

TEST(LibStrsReplace, RepeatsUntilNoOccurrenceIsLeft) {
    EXPECT_EQ(ReplaceAll("a,b,,c", ",", "", false), "abc");
    EXPECT_EQ(ReplaceAll("aabb", "ab", "", false), "") << "an occurrence formed by a replacement goes too";
    EXPECT_EQ(ReplaceAll("xaaabbby", "ab", "", false), "xy");
    EXPECT_EQ(ReplaceAll("abcabc", "abc", "x", false), "xx");
    EXPECT_EQ(ReplaceAll("  a b  ", "b", "", true), "a") << "the trim flag trims the result";
    EXPECT_EQ(ReplaceAll("  a b  ", "b", "", false), "  a   ");
    EXPECT_EQ(ReplaceAll("Ab ab", "ab", "AB", false), "Ab ab") << "texts equal but for case replace nothing";
    EXPECT_EQ(ReplaceAll("abc", "", "x", false), "abc") << "nothing to look for";
}

TEST(LibStrsReplace, ReplacementContainingTheOldTextDoesNotLoopForever) {
    EXPECT_EQ(ReplaceAll("x", "x", "xx", false), "xx");
    EXPECT_EQ(ReplaceAll("axbx", "x", "yxy", false), "ayxybyxy") << "each original occurrence once";
    EXPECT_EQ(ReplaceAll("ab", "a", "ba", false), "bab");
}

TEST(LibStrsMisc, PaddingNumbersAndHosts) {
    EXPECT_EQ(PadRight("ab", 5), "ab   ");
    EXPECT_EQ(PadRight("ab", 4, '0'), "ab00");
    EXPECT_EQ(PadRight("abcdef", 3), "abcdef") << "a longer text stays as it is";
    EXPECT_EQ(PadRight("中文", 4), "中文  ") << "characters are counted, not bytes";

    EXPECT_DOUBLE_EQ(StrToFloatDefault("1.5", -1), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloatDefault(" 2 ", -1), 2);
    EXPECT_DOUBLE_EQ(StrToFloatDefault("1.5x", -1), -1) << "a number followed by text is no number";
    EXPECT_DOUBLE_EQ(StrToFloatDefault("", 7), 7);

    EXPECT_TRUE(IsLocalHost("127.0.0.1"));
    EXPECT_FALSE(IsLocalHost("127.0.0.1 "));
    EXPECT_FALSE(IsLocalHost("localhost"));
    EXPECT_FALSE(IsLocalHost("127.0.0.10"));
}

// ---- dates ------------------------------------------------------------------------

TEST(LibStrsDates, FormatDateAsEveryLayout) {
    rt::TDateTime march1 = EncodeDate(2005, 3, 1);
    EXPECT_EQ(FormatDateAs(1, "/", march1), "2005/03/01");
    EXPECT_EQ(FormatDateAs(2, "/", march1), "03/01/2005");
    EXPECT_EQ(FormatDateAs(3, "/", march1), "01/03/2005");
    EXPECT_EQ(FormatDateAs(4, "/", march1), "94/03/01") << "year counted from 1912";
    EXPECT_EQ(FormatDateAs(5, "/", march1), "094/03/01") << "three-digit year count";
    EXPECT_EQ(FormatDateAs(5, "/", EncodeDate(2015, 12, 31)), "104/12/31");
    EXPECT_EQ(FormatDateAs(4, "/", EncodeDate(2015, 12, 31)), "104/12/31") << "at least two digits, more when needed";
    EXPECT_EQ(FormatDateAs(4, "/", EncodeDate(1915, 1, 9)), "04/01/09");
    EXPECT_EQ(FormatDateAs(1, "", march1), "20050301") << "no separator";
    EXPECT_EQ(FormatDateAs(1, "-.", march1), "2005-03-01") << "only the first character separates";
    EXPECT_EQ(FormatDateAs(1, "年", march1), "2005年03年01") << "a separator of several bytes stays whole";
    EXPECT_EQ(FormatDateAs(0, "/", march1), "");
    EXPECT_EQ(FormatDateAs(6, "/", march1), "");
    EXPECT_EQ(FormatDateAs(1, "/", 0), "") << "date 0 is no date";
}

TEST(LibStrsDates, FormatYearMonthAsEveryLayout) {
    rt::TDateTime march1 = EncodeDate(2005, 3, 1);
    EXPECT_EQ(FormatYearMonthAs(1, "/", march1), "2005/03");
    EXPECT_EQ(FormatYearMonthAs(2, "/", march1), "03/2005");
    EXPECT_EQ(FormatYearMonthAs(3, "/", march1), "03/2005");
    EXPECT_EQ(FormatYearMonthAs(4, "/", march1), "94/03");
    EXPECT_EQ(FormatYearMonthAs(5, ".", march1), "094.03");
    EXPECT_EQ(FormatYearMonthAs(7, "/", march1), "");
    EXPECT_EQ(FormatYearMonthAs(1, "/", 0), "");
}

TEST(LibStrsDates, ParseDateAsReadsWhatFormatDateAsWrites) {
    const rt::TDateTime dates[] = {EncodeDate(2005, 3, 1), EncodeDate(1912, 1, 1), EncodeDate(2004, 2, 29),
                                   EncodeDate(2099, 12, 31)};
    for (int layout = 1; layout <= 5; ++layout) {
        for (rt::TDateTime date : dates) {
            std::string text = FormatDateAs(layout, "/", date);
            EXPECT_EQ(ParseDateAs(text, layout, "/"), date) << "layout " << layout << ": " << text;
        }
    }
}

TEST(LibStrsDates, ParseDateAsOrdersAndRunsOn) {
    EXPECT_EQ(ParseDateAs("2005/02/30", 1, "/"), EncodeDate(2005, 3, 2)) << "day 30 of February runs on";
    EXPECT_EQ(ParseDateAs("31/04/2005", 3, "/"), EncodeDate(2005, 5, 1));
    EXPECT_EQ(ParseDateAs("12/25/2005", 2, "/"), EncodeDate(2005, 12, 25));
    EXPECT_EQ(ParseDateAs("94/3/1", 4, "/"), EncodeDate(2005, 3, 1));
    EXPECT_EQ(ParseDateAs(" 2005 / 3 / 1 ", 1, "/"), EncodeDate(2005, 3, 1)) << "fields are trimmed";
    EXPECT_EQ(ParseDateAs("2005--03--01", 1, "--"), EncodeDate(2005, 3, 1)) << "the whole separator text splits";
}

TEST(LibStrsDates, ParseDateAsRejectsNonDates) {
    EXPECT_EQ(ParseDateAs("   ", 1, "/"), 0);
    EXPECT_EQ(ParseDateAs("2005/13/01", 1, "/"), 0) << "month 13";
    EXPECT_EQ(ParseDateAs("2005/0/01", 1, "/"), 0) << "month 0";
    EXPECT_EQ(ParseDateAs("2005/x/01", 1, "/"), 0) << "unreadable field";
    EXPECT_EQ(ParseDateAs("2005/03", 1, "/"), 0) << "a missing day";
    EXPECT_EQ(ParseDateAs("2005/03/-1", 1, "/"), 0) << "a negative day";
    EXPECT_EQ(ParseDateAs("20050301", 1, "/"), 0) << "no separator in the text";
    EXPECT_EQ(ParseDateAs("2005/03/01", 6, "/"), 0) << "unknown layout";
    EXPECT_EQ(ParseDateAs("10000/01/01", 1, "/"), 0) << "year past 9999";
}

TEST(LibStrsDates, YmdTextsAndTheirBounds) {
    EXPECT_EQ(YmdToDate("20050301"), EncodeDate(2005, 3, 1));
    EXPECT_EQ(YmdToDate("2005031"), 0) << "seven characters";
    EXPECT_EQ(YmdToDate("20050230"), 0);
    EXPECT_EQ(YmdToDate("00000101"), 0) << "year 0";
    EXPECT_EQ(YmdToDate("2005a301"), 0);
    EXPECT_EQ(DateToYmd(EncodeDate(2005, 3, 1)), "20050301");

    EXPECT_TRUE(IsValidYmd("")) << "no date given is valid";
    EXPECT_FALSE(IsValidYmd("17521231")) << "below the lower bound";
    EXPECT_TRUE(IsValidYmd("17530101"));
    EXPECT_TRUE(IsValidYmd("99991231"));
    EXPECT_FALSE(IsValidYmd("20050229")) << "2005 is a common year";
    EXPECT_TRUE(IsValidYmd("20040229"));
    EXPECT_FALSE(IsValidYmd("2005ab01"));
    EXPECT_FALSE(IsValidYmd("2005031")) << "seven characters";
}

TEST(LibStrsDates, IsValidYmdRejectsLongerTextsStartingWithADate) {
    EXPECT_FALSE(IsValidYmd("200503100")) << "day 100 written with three digits";
    EXPECT_FALSE(IsValidYmd("20050301x"));
}

TEST(LibStrsDates, ShiftYmdByMonthsKeepsOrLowersTheDay) {
    EXPECT_EQ(ShiftYmd("20050131", "M", 1), "20050228") << "31 January + 1 month";
    EXPECT_EQ(ShiftYmd("20040131", "M", 1), "20040229") << "leap year";
    EXPECT_EQ(ShiftYmd("20050315", "M", -1), "20050215");
    EXPECT_EQ(ShiftYmd("20051215", "M", 12), "20061215") << "month 0 of the next year is December";
    EXPECT_EQ(ShiftYmd("20050315", "M", -3), "20041215") << "back into December";
    EXPECT_EQ(ShiftYmd("20050115", "M", -1), "20041215");
    EXPECT_EQ(ShiftYmd("20050115", "M", -25), "20021215");
    EXPECT_EQ(ShiftYmd("20050531", "m", -3), "20050228") << "units in any case";
    EXPECT_EQ(ShiftYmd("20050301", "M", 0), "20050301");
}

TEST(LibStrsDates, ShiftYmdByDaysAndYears) {
    EXPECT_EQ(ShiftYmd("20050228", "D", 1), "20050301");
    EXPECT_EQ(ShiftYmd("20050301", "d", -1), "20050228");
    EXPECT_EQ(ShiftYmd("20041231", "D", 365), "20051231");
    EXPECT_EQ(ShiftYmd("20040229", "Y", 1), "20040229") << "29 February does not exist in 2005: unchanged";
    EXPECT_EQ(ShiftYmd("20040229", "Y", 4), "20080229");
    EXPECT_EQ(ShiftYmd("20050301", "y", -10), "19950301");
}

TEST(LibStrsDates, ShiftYmdInputsAndRejections) {
    EXPECT_EQ(ShiftYmd(Variant::Bytes("20050131", 936), "D", 1), "20050201") << "a byte-string date";
    EXPECT_EQ(ShiftYmd(Variant::FromDate(EncodeDate(2005, 1, 31)), "M", 1), "20050228") << "a date value";
    EXPECT_EQ(ShiftYmd(Variant(EncodeDate(2005, 1, 31) + 0.75), "D", 0), "20050131") << "the time is dropped";
    EXPECT_EQ(ShiftYmd(Variant(20050131), "D", 1), "") << "an integer is no date";
    EXPECT_EQ(ShiftYmd(Variant(), "D", 1), "");
    EXPECT_EQ(ShiftYmd(Variant::Null(), "D", 1), "");
    EXPECT_EQ(ShiftYmd("00000000", "D", 1), "") << "the zero date";
    EXPECT_EQ(ShiftYmd("2005013", "D", 1), "") << "not a date";
    EXPECT_EQ(ShiftYmd("20050131", "W", 1), "") << "unknown unit";
    EXPECT_EQ(ShiftYmd("20050131", "", 1), "");
    EXPECT_EQ(ShiftYmd("99991231", "D", 1), "") << "past year 9999";
    EXPECT_EQ(ShiftYmd("99991215", "M", 1), "");
    EXPECT_EQ(ShiftYmd("20050131", "M", -100000), "") << "before year 1";
    EXPECT_EQ(ShiftYmd("99990101", "Y", 1), "99990101") << "a year shift that cannot be made keeps the date";
}

TEST(LibStrsDates, DaysInMonthLeapRules) {
    EXPECT_EQ(DaysInMonth(1900, 2), 28) << "divisible by 100";
    EXPECT_EQ(DaysInMonth(2000, 2), 29) << "divisible by 400";
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2005, 2), 28);
    EXPECT_EQ(DaysInMonth(2005, 4), 30);
    EXPECT_EQ(DaysInMonth(2005, 12), 31);
    EXPECT_EQ(DaysInMonth(2005, 13), 0);
    EXPECT_EQ(DaysInMonth(2005, 0), 0);
}

// ---- variants and conversion ----------------------------------------------------------

TEST(LibStrsVariants, IifAndBlank) {
    EXPECT_TRUE(VarIif(true, Variant("a"), Variant(2)).SameAs(Variant("a")));
    EXPECT_TRUE(VarIif(false, Variant("a"), Variant(2)).SameAs(Variant(2)));
    EXPECT_TRUE(VarIsBlank(Variant()));
    EXPECT_TRUE(VarIsBlank(Variant::Null()));
    EXPECT_FALSE(VarIsBlank(Variant("")));
    EXPECT_FALSE(VarIsBlank(Variant(0)));
}

TEST(LibStrsConversion, WrappersFallBackToTheSystemCodePage) {
    rt::test::ScopedEnv acp("NVR_ACP", "936");
    EXPECT_EQ(WideToCodePage("员工", 950), rt::WideToCodePage("员工", 950));
    EXPECT_EQ(WideToCodePage("员工", 12345), rt::WideToCodePage("员工", 936)) << "unknown code page";
    EXPECT_EQ(CodePageToWide(rt::WideToCodePage("员工", 936), 12345), "员工");
    EXPECT_EQ(WideToCodePage("", 936), "");
    EXPECT_EQ(CodePageToWide("", 12345), "");
}

namespace {

Variant Gbk(const std::string& text) {
    return Variant::Bytes(rt::WideToCodePage(text, 936), 936);
}

// [0..2]: environment texts, caption rows [caption, control name], values.
Variant ConditionArray() {
    Variant env = Variant::CreateArray({{1, 3}});
    env[1] = "员工";
    env[2] = 7;
    env[3] = Variant::Null();
    Variant captions = Variant::CreateArray({{1, 2}});
    captions[1] = Variant::ArrayOf({"公司", "ed01"});
    captions[2] = Variant::ArrayOf({"部门", "ed03"});
    Variant values = Variant::CreateArray({{1, 2}});
    values[1] = "A01";
    values[2] = Variant::ArrayOf({std::string(1, '\x04'), "一", "二"});
    return Variant::ArrayOf({env, captions, values});
}

}  // namespace

TEST(LibStrsConversion, NestedOneDimensionalArraysAreConvertedThroughout) {
    Variant converted = VariantToCodePage(ConditionArray(), 936);
    EXPECT_TRUE(converted[0][1].SameAs(Gbk("员工")));
    EXPECT_TRUE(converted[0][2].SameAs(Variant(7))) << "numbers stay";
    EXPECT_TRUE(converted[0][3].IsNull()) << "null stays";
    EXPECT_TRUE(converted[1][2][0].SameAs(Gbk("部门")));
    EXPECT_TRUE(converted[1][2][1].SameAs(Gbk("ed03")));
    EXPECT_TRUE(converted[2][2][2].SameAs(Gbk("二"))) << "three levels deep";
    EXPECT_EQ(converted[1].LowBound(1), 1) << "bounds are kept";

    Variant back = VariantFromCodePage(converted, 936);
    EXPECT_TRUE(back.SameAs(ConditionArray())) << "decoding gives the original wide texts back";
}

TEST(LibStrsConversion, TwoDimensionalArraysLeaveNestedArraysAlone) {
    Variant grid = Variant::CreateArray({{0, 1}, {1, 2}});
    grid.At(0, 1) = "甲";
    grid.At(0, 2) = 3;
    grid.At(1, 1) = Variant::ArrayOf({"乙"});
    grid.At(1, 2) = "丙";
    Variant converted = VariantToCodePage(grid, 936);
    EXPECT_TRUE(converted.At(0, 1).SameAs(Gbk("甲")));
    EXPECT_TRUE(converted.At(1, 2).SameAs(Gbk("丙")));
    EXPECT_TRUE(converted.At(0, 2).SameAs(Variant(3)));
    EXPECT_TRUE(converted.At(1, 1).SameAs(Variant::ArrayOf({"乙"}))) << "the nested array is untouched";

    Variant wrapped = VariantToCodePage(Variant::ArrayOf({grid}), 936);
    EXPECT_TRUE(wrapped[0].At(1, 1)[0].IsWideString()) << "also when the grid itself is nested";
    EXPECT_TRUE(wrapped[0].At(0, 1).IsByteString());
}

TEST(LibStrsConversion, ScalarsAndBlankValues) {
    EXPECT_TRUE(VariantToCodePage(Variant("中"), 950).SameAs(Variant::Bytes(rt::WideToCodePage("中", 950), 950)));
    EXPECT_TRUE(VariantToCodePage(Gbk("中"), 950).SameAs(Variant::Bytes(rt::WideToCodePage("中", 950), 950)))
        << "a byte string is re-encoded as a whole";
    EXPECT_TRUE(VariantToCodePage(Variant(), 936).IsEmpty());
    EXPECT_TRUE(VariantToCodePage(Variant::Null(), 936).IsNull());
    EXPECT_TRUE(VariantToCodePage(Variant(1.5), 936).SameAs(Variant(1.5)));
    EXPECT_TRUE(VariantFromCodePage(Gbk("中"), 936).SameAs(Variant("中")));
    EXPECT_TRUE(VariantFromCodePage(Variant::Null(), 936).IsNull());
}

TEST(LibStrsConversion, WideStringsAreReadBackThroughTheSystemCodePage) {
    rt::test::ScopedEnv acp("NVR_ACP", "936");
    std::string gbk = rt::WideToCodePage("中文", 936);
    EXPECT_TRUE(VariantFromCodePage(Variant("中文"), 950).SameAs(Variant(rt::CodePageToWide(gbk, 950))));
    EXPECT_TRUE(VariantFromCodePage(Variant("中文"), 936).SameAs(Variant("中文")));
}

class LibStrsConversionFailure : public hemr_test::ModuleHome {};

TEST_F(LibStrsConversionFailure, ToCodePageLogsAndReturnsTheUnconvertedCopy) {
    Variant broken = Variant::Bytes("x", 12345);
    EXPECT_TRUE(VariantToCodePage(broken, 936).SameAs(broken));
    std::vector<std::string> lines = Lines(LogFile("Alert_libstrs_20050517.log"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "[2005/05/17 09:08:07:065] LINE[2735] Code page 12345 is not supported");
}

TEST_F(LibStrsConversionFailure, FromCodePageLogsAndKeepsEarlierElementsUnconverted) {
    Variant mixed = Variant::ArrayOf({Gbk("中"), Variant::ArrayOf({Variant::Bytes("x", 12345)})});
    Variant result = VariantFromCodePage(mixed, 936);
    EXPECT_TRUE(result.SameAs(mixed)) << "the first element, already decoded, is dropped with the rest";
    std::vector<std::string> lines = Lines(LogFile("Alert_libstrs_20050517.log"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "[2005/05/17 09:08:07:065] LINE[115] Code page 12345 is not supported");
}

// ---- parameter strings and captions ------------------------------------------------------

TEST(LibStrsParams, JoinParamArrayUsesTheCountInElementZero) {
    EXPECT_EQ(JoinParamArray("R", Variant::ArrayOf({2, "a", "b"})), "R" + Sep + "2" + Sep + "a" + Sep + "b" + Sep);
    EXPECT_EQ(JoinParamArray("R", Variant::ArrayOf({1, "a", "b"})), "R" + Sep + "1" + Sep + "a" + Sep)
        << "elements past the count are left out";
    EXPECT_EQ(JoinParamArray("R", Variant::ArrayOf({5, "a"})), "R" + Sep + "5" + Sep + "a" + Sep)
        << "a count past the array's end stops at the end";
    EXPECT_EQ(JoinParamArray("", Variant::ArrayOf({"2", Variant::Null(), "c"})), Sep + "2" + Sep + Sep + "c" + Sep)
        << "null joins as an empty text";
    EXPECT_EQ(JoinParamArray("R", Variant::ArrayOf({0})), "R" + Sep + "0" + Sep);
    EXPECT_EQ(JoinParamArray("R", Variant()), "R" + Sep) << "no array: the prefix alone";
}

TEST(LibStrsCaptions, EveryButtonNameAndOthers) {
    const std::pair<const char*, const char*> table[] = {
        {"Yes", "是(&Y)"},     {"No", "否(&N)"},      {"OK", "确定"},         {"Cancel", "取消"},
        {"Abort", "中断(&A)"}, {"Retry", "重试(&R)"}, {"Ignore", "忽略(&I)"}, {"All", "全部(&A)"},
        {"NoToAll", "全否(&o)"}, {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
    };
    for (const auto& [name, caption] : table) EXPECT_EQ(ButtonCaption(name), caption) << name;
    EXPECT_EQ(ButtonCaption("yes"), "yes") << "names compare case-sensitively";
    EXPECT_EQ(ButtonCaption("Close"), "Close");
    EXPECT_EQ(ButtonCaption(""), "");
}
