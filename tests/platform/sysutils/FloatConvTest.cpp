#include "platform/sysutils/FloatConv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/Exceptions.h"

namespace rt {
namespace {

class FloatConvTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(FloatConvTest, FloatToStrUsesGeneralFormatWith15Digits) {
    EXPECT_EQ(FloatToStr(0.1), "0.1");
    EXPECT_EQ(FloatToStr(1.5), "1.5");
    EXPECT_EQ(FloatToStr(-2.25), "-2.25");
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(100), "100");
    EXPECT_EQ(FloatToStr(1e20), "1E20");
    EXPECT_EQ(FloatToStr(123456789012345678.0), "1.23456789012346E17");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345") << "15 integer digits stay fixed";
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(0.0001), "0.0001");
    EXPECT_EQ(FloatToStr(0.00001), "1E-5");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3") << "binary noise beyond 15 digits is rounded away";
    EXPECT_EQ(FloatToStr(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FloatToStr(std::nan("")), "NAN");
}

TEST_F(FloatConvTest, FloatToStrUsesTheDecimalSeparator) {
    FormatSettings().DecimalSeparator = ',';
    EXPECT_EQ(FloatToStr(1.5), "1,5");
    EXPECT_EQ(FloatToStr(1.25e-7), "1,25E-7");
}

TEST_F(FloatConvTest, FloatToStrFFormats) {
    EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 15, 2), "1234.57");
    EXPECT_EQ(FloatToStrF(-0.004, ffFixed, 15, 2), "0.00") << "a value rounding to zero loses its sign";
    EXPECT_EQ(FloatToStrF(2.5, ffFixed, 15, 0), "3") << "halves round away from zero";
    EXPECT_EQ(FloatToStrF(-2.5, ffFixed, 15, 0), "-3");
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1,234,567.89");
    EXPECT_EQ(FloatToStrF(999.999, ffNumber, 15, 2), "1,000.00") << "carry adds a group";
    EXPECT_EQ(FloatToStrF(1234.5, ffExponent, 4, 2), "1.235E+03");
    EXPECT_EQ(FloatToStrF(0.00012, ffExponent, 3, 0), "1.20E-4");
    EXPECT_EQ(FloatToStrF(0, ffExponent, 3, 2), "0.00E+00");
    EXPECT_EQ(FloatToStrF(123.456, ffGeneral, 4, 0), "123.5");
    EXPECT_EQ(FloatToStrF(123456, ffGeneral, 4, 0), "1.235E5");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2), "($1,234.50)");
}

TEST_F(FloatConvTest, StrToFloatAcceptsBlanksSignsAndExponents) {
    EXPECT_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_EQ(StrToFloat("  -1.5  "), -1.5);
    EXPECT_EQ(StrToFloat("+2"), 2.0);
    EXPECT_EQ(StrToFloat(".5"), 0.5);
    EXPECT_EQ(StrToFloat("5."), 5.0);
    EXPECT_EQ(StrToFloat("1.5E3"), 1500.0);
    EXPECT_EQ(StrToFloat("1e-3"), 0.001);
    EXPECT_EQ(StrToFloat("1e-400"), 0.0) << "underflow reads as zero";
}

TEST_F(FloatConvTest, StrToFloatRejectsAnythingElse) {
    double v = 42;
    for (const char* bad : {"", " ", "12a", "1,5", "1.2.3", "e5", "1e", "1e+", ".", "-", "0x10", "$10", "inf",
                            "nan", "1e400", "1 2"}) {
        EXPECT_FALSE(TryStrToFloat(bad, v)) << "'" << bad << "'";
    }
    EXPECT_EQ(v, 42) << "a failed conversion leaves the output alone";
    try {
        StrToFloat("12a");
        FAIL() << "StrToFloat must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid floating point value");
    }
    EXPECT_EQ(StrToFloatDef("x", 7.5), 7.5);
}

TEST_F(FloatConvTest, StrToFloatReadsTheLocaleSeparatorOnly) {
    FormatSettings().DecimalSeparator = ',';
    double v = 0;
    EXPECT_TRUE(TryStrToFloat("1,25", v));
    EXPECT_EQ(v, 1.25);
    EXPECT_FALSE(TryStrToFloat("1.25", v));
}

}  // namespace
}  // namespace rt
