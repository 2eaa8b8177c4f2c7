#include "platform/sysutils/IntConv.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"

namespace rt {
namespace {

TEST(IntConvTest, IntToStrAndIntToHex) {
    EXPECT_EQ(IntToStr(int32_t{-2147483647 - 1}), "-2147483648");
    EXPECT_EQ(IntToStr(int64_t{9000000000}), "9000000000");
    EXPECT_EQ(IntToStr(size_t{18446744073709551615ull}), "18446744073709551615") << "full unsigned range";
    EXPECT_EQ(IntToStr(static_cast<short>(-3)), "-3");
    EXPECT_EQ(IntToHex(int32_t{255}, 4), "00FF");
    EXPECT_EQ(IntToHex(int32_t{-1}, 2), "FFFFFFFF") << "32-bit two's complement";
    EXPECT_EQ(IntToHex(int64_t{-1}, 0), "FFFFFFFFFFFFFFFF");
}

TEST(IntConvTest, StrToIntAcceptsLeadingBlanksSignsAndHex) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt(" 1"), 1) << "leading blanks are skipped";
    EXPECT_EQ(StrToInt("-17"), -17);
    EXPECT_EQ(StrToInt("+17"), 17);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1) << "hexadecimal uses all 32 bits";
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
}

TEST(IntConvTest, StrToIntRejectsMalformedAndOverflowingTexts) {
    int32_t v = 5;
    for (const char* bad : {"", " ", "12a", "1 ", "1.0", "--1", "+", "$", "0x", "$G", "2147483648",
                            "-2147483649", "$100000000", "1e3"}) {
        EXPECT_FALSE(TryStrToInt(bad, v)) << "'" << bad << "'";
    }
    EXPECT_EQ(v, 5) << "failures leave the output unchanged";
    int64_t w = 0;
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", w));
    EXPECT_TRUE(TryStrToInt64("2147483648", w));
    EXPECT_EQ(w, 2147483648);
    try {
        StrToInt("12a");
        FAIL() << "StrToInt must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef("", -1), -1);
    EXPECT_EQ(StrToInt64Def("x", 9), 9);
}

}  // namespace
}  // namespace rt
