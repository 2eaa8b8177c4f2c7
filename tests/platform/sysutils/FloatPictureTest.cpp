#include "platform/sysutils/FloatPicture.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

class FloatPictureTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(FloatPictureTest, CommonPictures) {
    EXPECT_EQ(FormatFloat("0.00", 3.14159), "3.14");
    EXPECT_EQ(FormatFloat("0.00", 1.005), "1.00") << "1.005 is stored just below the half";
    EXPECT_EQ(FormatFloat("0.00", 1.125), "1.13") << "an exact half rounds away from zero";
    EXPECT_EQ(FormatFloat("0.00", -0.5), "-0.50");
    EXPECT_EQ(FormatFloat("0.00", -0.001), "0.00") << "no minus on a value shown as zero";
    EXPECT_EQ(FormatFloat("0", 2.5), "3");
    EXPECT_EQ(FormatFloat("0", 123456), "123456") << "digits beyond the placeholders are kept";
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891), "1,234,567.89");
    EXPECT_EQ(FormatFloat("#,##0.00", 12.5), "12.50");
    EXPECT_EQ(FormatFloat("#,##0.00", -1234.5), "-1,234.50");
    EXPECT_EQ(FormatFloat("#,##0", 999.5), "1,000");
    EXPECT_EQ(FormatFloat("000.0", 5), "005.0");
    EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
    EXPECT_EQ(FormatFloat("0.##", 2), "2") << "no separator without decimals";
    EXPECT_EQ(FormatFloat("#", 0), "");
    EXPECT_EQ(FormatFloat("", 1.5), "1.5");
}

TEST_F(FloatPictureTest, LiteralsSectionsAndSeparators) {
    EXPECT_EQ(FormatFloat("'Total: '0.0' kg'", 2.25), "Total: 2.3 kg");
    EXPECT_EQ(FormatFloat("0.00%", 12.5), "12.50%");
    EXPECT_EQ(FormatFloat("0.0;(0.0)", -2.5), "(2.5)") << "the negative section writes no minus";
    EXPECT_EQ(FormatFloat("0.0;(0.0);'zero'", 0), "zero");
    EXPECT_EQ(FormatFloat("0.0;(0.0);'zero'", 0.01), "zero") << "a value shown as zero uses the zero section";
    EXPECT_EQ(FormatFloat("0.0;;'zero'", -1), "-1.0") << "an empty negative section falls back to the first";
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
}

TEST_F(FloatPictureTest, ScientificPictures) {
    EXPECT_EQ(FormatFloat("0.00E+00", 1234.5), "1.23E+03");
    EXPECT_EQ(FormatFloat("0.00E-00", 1234.5), "1.23E03") << "E- writes only a negative sign";
    EXPECT_EQ(FormatFloat("0.00e+0", 0.00012), "1.20e-4");
    EXPECT_EQ(FormatFloat("0.0E+0", 0), "0.0E+0");
}

}  // namespace
}  // namespace rt
