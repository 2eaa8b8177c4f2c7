#include "platform/sysutils/StrUtils.h"

#include <cctype>

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"

namespace rt {
namespace {

TEST(StrUtilsTest, TrimRemovesBlanksAndControlCharactersOnly) {
    EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("\x03" "x "), "x ") << "the field separator (code 3) is trimmed too";
    EXPECT_EQ(TrimRight(" x\x01"), " x");
    EXPECT_EQ(Trim("  "), "");
    EXPECT_EQ(Trim(" 中文 "), "中文") << "UTF-8 bytes are above blank and stay";
}

TEST(StrUtilsTest, CaseFunctionsAreAsciiOnly) {
    EXPECT_EQ(UpperCase("abc-Äé中"), "ABC-Äé中");
    EXPECT_EQ(LowerCase("ABC"), "abc");
    EXPECT_TRUE(SameText("Hemr07", "HEMR07"));
    EXPECT_FALSE(SameText("abc", "abcd"));
    EXPECT_LT(CompareText("apple", "BANANA"), 0);
    EXPECT_EQ(CompareText("ABC", "abc"), 0);
    EXPECT_GT(CompareStr("abc", "ABC"), 0) << "case-sensitive: 'a' sorts after 'A'";
    EXPECT_LT(CompareStr("ab", "abc"), 0) << "a prefix sorts first";
    EXPECT_GT(CompareStr("\xE4", "a"), 0) << "bytes compare unsigned";
    EXPECT_TRUE(StartsText("hem", "HEMR07"));
    EXPECT_TRUE(EndsText(".DLL", "hemr07s.dll"));
    EXPECT_FALSE(EndsText("long suffix", "dll"));
    EXPECT_TRUE(ContainsText("Alert_Log", "LOG"));
}

TEST(StrUtilsTest, PosAndCopyAreOneBasedAndClamped) {
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", 0, 2), "ab") << "index below 1 starts at 1";
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 7, 1), "");
    EXPECT_EQ(Copy("abcdef", 2, -1), "");
}

TEST(StrUtilsTest, StringReplaceMakesOnePassAndNeverLoops) {
    EXPECT_EQ(StringReplace("aaa", "a", "aa", {rfReplaceAll}), "aaaaaa")
        << "regression: a replacement containing the old text must not be searched again";
    EXPECT_EQ(StringReplace("a-b-c", "-", "+"), "a+b-c") << "without rfReplaceAll only the first";
    EXPECT_EQ(StringReplace("A-b-C", "b", "x", {rfReplaceAll}), "A-x-C");
    EXPECT_EQ(StringReplace("Abc aBC", "abc", "x", {rfReplaceAll, rfIgnoreCase}), "x x");
    EXPECT_EQ(StringReplace("Abc", "abc", "x", {rfReplaceAll}), "Abc") << "case-sensitive by default";
    EXPECT_EQ(StringReplace("abc", "", "x", {rfReplaceAll}), "abc") << "empty pattern replaces nothing";
    EXPECT_EQ(StringReplace("aaaa", "aa", "b", {rfReplaceAll}), "bb") << "matches do not overlap";
}

TEST(StrUtilsTest, QuotingRoundTrips) {
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
    EXPECT_EQ(AnsiDequotedStr("'it''s'", '\''), "it's");
    EXPECT_EQ(AnsiDequotedStr("'ab'cd", '\''), "ab") << "stops at the closing quote";
    EXPECT_EQ(AnsiDequotedStr("'abc", '\''), "'abc") << "unterminated text is returned unchanged";
    EXPECT_EQ(AnsiDequotedStr("abc", '\''), "abc");
    EXPECT_EQ(AnsiDequotedStr("''", '\''), "");
    EXPECT_EQ(StringOfChar('-', 3), "---");
    EXPECT_EQ(StringOfChar('-', -3), "");
}

TEST(StrUtilsTest, MarkupEscapingCoversEveryMarkupCharacterAndKeepsTheRest) {
    EXPECT_EQ(MarkupEscaped("R&D <\"x\"> 'y'"), "R&amp;D &lt;&quot;x&quot;&gt; &#39;y&#39;");
    EXPECT_EQ(MarkupEscaped("员工 &amp;"), "员工 &amp;amp;") << "escaping twice shows the first escape";
    EXPECT_EQ(MarkupEscaped(""), "");
}

TEST(StrUtilsTest, PercentEncodingEncodesEveryRefusedByteInUpperCaseHex) {
    const auto alnum = [](unsigned char c) { return std::isalnum(c) != 0; };
    EXPECT_EQ(PercentEncoded("a b&c", alnum), "a%20b%26c");
    EXPECT_EQ(PercentEncoded("年", alnum), "%E5%B9%B4") << "UTF-8 byte by byte";
    EXPECT_EQ(PercentEncoded("\x7f\n", alnum), "%7F%0A");
}

TEST(StrUtilsTest, BooleansAsText) {
    EXPECT_EQ(BoolToStr(true), "-1");
    EXPECT_EQ(BoolToStr(false), "0");
    EXPECT_EQ(BoolToStr(true, true), "True");
    bool b = false;
    EXPECT_TRUE(TryStrToBool("tRuE", b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(TryStrToBool("FALSE", b));
    EXPECT_FALSE(b);
    EXPECT_TRUE(TryStrToBool("-1", b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(TryStrToBool("0", b));
    EXPECT_FALSE(b);
    EXPECT_TRUE(TryStrToBool("2.5", b));
    EXPECT_TRUE(b) << "any non-zero number is true";
    b = true;
    EXPECT_FALSE(TryStrToBool("yes", b));
    EXPECT_FALSE(TryStrToBool("", b));
    EXPECT_TRUE(b) << "failure leaves the output alone";
    EXPECT_THROW(StrToBool("Y"), EConvertError);
}

TEST(StrUtilsTest, DelimitersAndSplitting) {
    EXPECT_TRUE(IsDelimiter("\\/", "C:/x", 3));
    EXPECT_FALSE(IsDelimiter("\\/", "C:/x", 4));
    EXPECT_FALSE(IsDelimiter("\\/", "C:/x", 9)) << "out of range is no delimiter";
    EXPECT_EQ(LastDelimiter("\\/.", "/a/b.txt"), 5);
    EXPECT_EQ(LastDelimiter(".", "abc"), 0);
    EXPECT_EQ(SplitString("a,,b;c", ",;"), (std::vector<std::string>{"a", "", "b", "c"}));
    EXPECT_EQ(SplitString("a,", ","), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitString("", ",").empty());
}

}  // namespace
}  // namespace rt
