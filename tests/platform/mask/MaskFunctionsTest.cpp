#include "platform/mask/MaskFunctions.h"

#include "platform/sysutils/FormatSettings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace rt {
namespace {

// The date and year-month masks the condition forms use, one per date layout.
struct DateMaskCase {
    const char* mask;
    const char* blankText;
    const char* fullValue;     // FormatMaskText keeps it as it is
    const char* shortValue;    // pieces shorter than their slots
    const char* shortFormatted;
};

void PrintTo(const DateMaskCase& c, std::ostream* os) { *os << '"' << c.mask << '"'; }

class DateMaskTest : public ::testing::TestWithParam<DateMaskCase> {};

TEST_P(DateMaskTest, BlankTextAndFormatting) {
    const DateMaskCase& c = GetParam();
    EXPECT_EQ(MaskGetBlankText(c.mask), c.blankText) << "blank rendering of " << c.mask;
    EXPECT_EQ(FormatMaskText(c.mask, c.fullValue), c.fullValue) << "complete value through " << c.mask;
    EXPECT_EQ(FormatMaskText(c.mask, c.shortValue), c.shortFormatted) << "short pieces through " << c.mask;
    EXPECT_EQ(MaskGetMaxLength(c.mask), static_cast<int>(std::string(c.blankText).size()));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DateMaskTest,
    ::testing::Values(
        DateMaskCase{"9999/99/99;1; ", "    /  /  ", "2005/03/07", "2005/3/7", "2005/3 /7 "},
        DateMaskCase{"99/99/9999;1; ", "  /  /    ", "03/07/2005", "3/7/2005", "3 /7 /2005"},
        DateMaskCase{"99/99/99;1; ", "  /  /  ", "94/03/07", "94/3/7", "94/3 /7 "},
        DateMaskCase{"999/99/99;1; ", "   /  /  ", "094/03/01", "94/3/1", "94 /3 /1 "},
        DateMaskCase{"9999/99/99;1;_", "____/__/__", "2005/03/07", "2005/3/7", "2005/3 /7 "},
        DateMaskCase{"99/99/9999;1;_", "__/__/____", "07/03/2005", "7/3/2005", "7 /3 /2005"},
        DateMaskCase{"99/99/99;1;_", "__/__/__", "94/03/07", "94/3/7", "94/3 /7 "},
        DateMaskCase{"999/99/99;1;_", "___/__/__", "094/03/07", "94/3/7", "94 /3 /7 "},
        DateMaskCase{"!9999/99/99;1; ", "    /  /  ", "2005/03/07", "2005/3/7", "2005/ 3/ 7"},
        DateMaskCase{"!99/99/99;1;_", "__/__/__", "94/03/07", "1/2/03", " 1/ 2/03"},
        DateMaskCase{"9999/99;1;_", "____/__", "2005/03", "2005/3", "2005/3 "},
        DateMaskCase{"99/9999;1;_", "__/____", "03/2005", "3/2005", "3 /2005"}));

TEST(FormatMaskTextTest, ValueWithoutLiteralsWhenLiteralsAreNotSaved) {
    EXPECT_EQ(FormatMaskText("9999/99/99;0;_", "20050307"), "2005/03/07");
    EXPECT_EQ(FormatMaskText("9999/99/99;0;_", "2005"), "2005/  /  ") << "missing slots are spaces";
    EXPECT_EQ(FormatMaskText("9999/99/99;0;_", "2005030799"), "2005/03/07") << "surplus characters dropped";
    EXPECT_EQ(FormatMaskText("!999;0;_", "12"), " 12") << "with ! the value is right-aligned";
    EXPECT_EQ(FormatMaskText("!999;0;_", "12345"), "345") << "with ! the surplus is cut in front";
}

TEST(FormatMaskTextTest, SavedLiteralsAreLookedForInTheValue) {
    // A value meant for a literal-saving mask carries its literals; without
    // them the whole value counts as the first piece.
    EXPECT_EQ(FormatMaskText("9999/99/99;1;_", "20050307"), "2005/  /  ");
    EXPECT_EQ(FormatMaskText("9999/99/99;1;_", "2005/03/07/99"), "2005/03/07");
    EXPECT_EQ(FormatMaskText("9999/99/99;1;_", "200511/3/7"), "2005/3 /7 ") << "long piece cut to its slots";
    EXPECT_EQ(FormatMaskText("(999) 999;1;_", "(12) 3"), "(12 ) 3  ");
}

TEST(FormatMaskTextTest, EmptyMaskLeavesTheValue) {
    EXPECT_EQ(FormatMaskText("", "abc"), "abc");
    EXPECT_EQ(MaskGetBlankText(""), "");
    EXPECT_EQ(MaskGetMaxLength(""), 0);
}

TEST(MaskFieldsTest, SaveFlagAndBlankCharacter) {
    EXPECT_TRUE(MaskGetMaskSave("999")) << "no fields: literals are saved";
    EXPECT_FALSE(MaskGetMaskSave("999;0"));
    EXPECT_FALSE(MaskGetMaskSave("999;0;*"));
    EXPECT_TRUE(MaskGetMaskSave("999;1;_"));
    EXPECT_TRUE(MaskGetMaskSave("999;;x")) << "an empty save field saves";
    EXPECT_EQ(MaskGetMaskBlank("999"), "_");
    EXPECT_EQ(MaskGetMaskBlank("999;1;"), "_") << "an empty blank field keeps the default";
    EXPECT_EQ(MaskGetMaskBlank("9999/99/99;1; "), " ");
    EXPECT_EQ(MaskGetMaskBlank("999;;x"), "x");
    EXPECT_EQ(MaskGetMaskBlank("999;1;＊"), "＊") << "a blank outside ASCII is one character";
}

TEST(MaskFieldsTest, FieldSeparatorSkipsEscapedSemicolons) {
    EXPECT_EQ(MaskGetFldSeparator("9999/99/99;1;_"), 11);
    EXPECT_EQ(MaskGetFldSeparator("9999"), -1);
    EXPECT_EQ(MaskGetFldSeparator("99\\;99;0;_"), 7);
    EXPECT_FALSE(MaskGetMaskSave("99\\;99;0;_"));
    EXPECT_EQ(MaskGetBlankText("99\\;99;0;_"), "__;__");
}

TEST(MaskFieldsTest, CharTypesOfEveryPosition) {
    const std::string mask = "!>L\\/0/9:_;1;_";
    const TMaskCharType expected[] = {
        TMaskCharType::mcDirective,   TMaskCharType::mcDirective,      TMaskCharType::mcMask,
        TMaskCharType::mcDirective,   TMaskCharType::mcLiteral,        TMaskCharType::mcMask,
        TMaskCharType::mcIntlLiteral, TMaskCharType::mcMaskOpt,        TMaskCharType::mcIntlLiteral,
        TMaskCharType::mcLiteral,     TMaskCharType::mcFieldSeparator, TMaskCharType::mcField,
        TMaskCharType::mcFieldSeparator, TMaskCharType::mcField};
    for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
        EXPECT_EQ(MaskGetCharType(mask, i + 1), expected[i]) << "position " << i + 1;
    }
    EXPECT_EQ(MaskGetCharType(mask, 15), TMaskCharType::mcNone);
    EXPECT_EQ(MaskGetCharType(mask, 0), TMaskCharType::mcNone);
}

TEST(MaskSeparatorsTest, IntlLiteralsFollowTheSeparators) {
    TMaskSeparators dots = TMaskSeparators::FromText(".", "-");
    EXPECT_EQ(MaskIntlLiteralToChar(U'/', dots), U'.');
    EXPECT_EQ(MaskIntlLiteralToChar(U':', dots), U'-');
    EXPECT_EQ(MaskIntlLiteralToChar(U'x', dots), U'x');
    EXPECT_EQ(TMaskSeparators::FromText("", ""), TMaskSeparators{}) << "empty texts keep / and :";

    const TFormatSettings saved = FormatSettings();
    FormatSettings().DateSeparator = '-';
    FormatSettings().TimeSeparator = '.';
    EXPECT_EQ(MaskGetBlankText("9999/99 99:99;1;_"), "____-__ __.__") << "masks follow the runtime's settings";
    EXPECT_EQ(MaskGetBlankText("9999\\/99;1;_"), "____/__") << "an escaped / is a plain literal";
    FormatSettings() = saved;
    EXPECT_EQ(MaskGetBlankText("99:99;1;_"), "__:__");
}

}  // namespace
}  // namespace rt
