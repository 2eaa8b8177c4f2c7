#include "platform/mask/TEditMask.h"

#include "platform/mask/MaskChars.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

std::u32string U(const std::string& text) { return maskchars::DecodeUtf8(text); }
std::string S(const std::u32string& text) { return maskchars::EncodeUtf8(text); }

TEST(TEditMaskTest, PositionsCarryKindAndCase) {
    TEditMask mask(">L<l<>a\\0_;1;_");
    ASSERT_EQ(mask.MaxLength(), 5);
    const auto& p = mask.Positions();
    EXPECT_TRUE(p[0].IsRequired());
    EXPECT_EQ(p[0].Case, TMaskCase::Upper);
    EXPECT_FALSE(p[1].IsRequired());
    EXPECT_TRUE(p[1].IsSlot());
    EXPECT_EQ(p[1].Case, TMaskCase::Lower);
    EXPECT_EQ(p[2].Case, TMaskCase::None) << "<> ends case conversion";
    EXPECT_TRUE(p[3].IsLiteral()) << "an escaped 0 is a literal";
    EXPECT_EQ(p[3].Char, U'0');
    EXPECT_EQ(p[4].Char, U' ') << "_ in the mask is a literal blank";
    EXPECT_FALSE(mask.Reverse());
    EXPECT_TRUE(TEditMask("99!9").Reverse()) << "! counts anywhere in the mask";
}

TEST(TEditMaskTest, TextFromEditTextFollowsSaveFlagAndDirection) {
    TEditMask saved("9999/99/99;1;_");
    EXPECT_EQ(S(saved.TextOf(U("2005/3_/7_"))), "2005/3 /7 ") << "blanks become spaces";
    EXPECT_EQ(S(saved.TextOf(saved.BlankEditText())), "    /  /  ");

    TEditMask plain("9999/99/99;0;_");
    EXPECT_EQ(S(plain.TextOf(U("2005/03/07"))), "20050307");
    EXPECT_EQ(S(plain.TextOf(U("2005/__/__"))), "2005") << "trailing blanks dropped";
    EXPECT_EQ(S(plain.TextOf(U("2005/__/07"))), "2005  07") << "inner blanks kept as spaces";

    TEditMask reverse("!999;0;_");
    EXPECT_EQ(S(reverse.TextOf(U("_12"))), "12") << "with ! leading blanks are dropped";
    EXPECT_EQ(S(reverse.EditTextOf(U("12"))), "_12");
}

TEST(TEditMaskTest, ConformKeepsTheMaskShape) {
    TEditMask mask("9999/99/99;1;_");
    EXPECT_EQ(S(mask.Conform(U("2005-03-07"))), "2005/03/07") << "literal positions hold the literals";
    EXPECT_EQ(S(mask.Conform(U("20"))), "20__/__/__");
    EXPECT_EQ(S(mask.Conform(U("2005/03/07/1999"))), "2005/03/07");
}

TEST(TEditMaskTest, FirstInvalidPositionFindsEmptyRequiredSlots) {
    TEditMask mask("00-99-CC;1;_");
    EXPECT_EQ(mask.FirstInvalidPosition(U("12-__-ab")), -1) << "optional slots may stay blank";
    EXPECT_EQ(mask.FirstInvalidPosition(U("1_-34-ab")), 1);
    EXPECT_EQ(mask.FirstInvalidPosition(U("1 -34-ab")), 1) << "a space does not fill a digit slot";
    EXPECT_EQ(mask.FirstInvalidPosition(U("12-34- b")), -1) << "a space fills a C slot";
    EXPECT_EQ(mask.FirstInvalidPosition(U("12-34-a_")), 7);
}

TEST(TEditMaskTest, SlotKindsAcceptTheirCharacters) {
    TEditMask mask("0#LAC;1;_");
    char32_t ch = U'7';
    EXPECT_TRUE(mask.AcceptChar(0, ch));
    ch = U'x';
    EXPECT_FALSE(mask.AcceptChar(0, ch));
    for (char32_t sign : {U'+', U'-', U' ', U'5'}) {
        ch = sign;
        EXPECT_TRUE(mask.AcceptChar(1, ch)) << "# takes digits, signs and a blank";
    }
    ch = U'a';
    EXPECT_FALSE(mask.AcceptChar(1, ch));
    ch = U'中';
    EXPECT_TRUE(mask.AcceptChar(2, ch)) << "a Chinese character is a letter";
    ch = U'1';
    EXPECT_FALSE(mask.AcceptChar(2, ch));
    ch = U'1';
    EXPECT_TRUE(mask.AcceptChar(3, ch));
    ch = U'，';
    EXPECT_FALSE(mask.AcceptChar(3, ch)) << "punctuation is neither letter nor digit";
    ch = U'，';
    EXPECT_TRUE(mask.AcceptChar(4, ch));
    ch = U'\t';
    EXPECT_FALSE(mask.AcceptChar(4, ch)) << "control characters never go into a slot";
    EXPECT_FALSE(mask.AcceptChar(5, ch = U'1')) << "past the end";
}

TEST(MaskCharsTest, MalformedBytesSurviveARoundTrip) {
    const std::string gbk = "\xD6\xD0\xCE\xC4";  // not UTF-8
    EXPECT_EQ(maskchars::DecodeUtf8(gbk).size(), 4u);
    EXPECT_EQ(maskchars::EncodeUtf8(maskchars::DecodeUtf8(gbk)), gbk);
    const std::string mixed = "a\xC3\x28中\xF0\x9F\x98\x80\xE4";
    EXPECT_EQ(maskchars::EncodeUtf8(maskchars::DecodeUtf8(mixed)), mixed);
    EXPECT_FALSE(maskchars::IsLetter(maskchars::DecodeUtf8("\xD6")[0])) << "an escaped byte is no letter";
    EXPECT_EQ(maskchars::DecodeUtf8("\xC0\x80").size(), 2u) << "overlong forms are not decoded";
}

TEST(MaskCharsTest, CaseConversionCoversLatin1) {
    EXPECT_EQ(maskchars::ToUpper(U'é'), U'É');
    EXPECT_EQ(maskchars::ToLower(U'Ä'), U'ä');
    EXPECT_EQ(maskchars::ToUpper(U'÷'), U'÷');
    EXPECT_EQ(maskchars::ToUpper(U'中'), U'中');
}

}  // namespace
}  // namespace rt
