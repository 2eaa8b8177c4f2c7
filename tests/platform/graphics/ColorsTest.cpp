#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Colors.h"

namespace rt {
namespace {

TEST(ColorsTest, ComponentsAndRgbRoundTrip) {
    const TColor c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x563412) << "RGB packs red into the low byte";
    EXPECT_EQ(GetRValue(c), 0x12);
    EXPECT_EQ(GetGValue(c), 0x34);
    EXPECT_EQ(GetBValue(c), 0x56);
    EXPECT_EQ(RGB(300, -1, 0), RGB(300 & 0xFF, 0xFF, 0)) << "components are masked to one byte";
}

TEST(ColorsTest, SystemColoursResolveThroughTheFixedPalette) {
    EXPECT_LT(clBtnFace, 0) << "system colours are negative";
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(192, 192, 192));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(0, 0, 128));
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
    EXPECT_EQ(ColorToRGB(clRed), clRed) << "plain colours resolve to themselves";
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack) << "an unknown system index gives black";
    EXPECT_EQ(ColorToRGB(clNone), clBlack);
}

TEST(ColorsTest, StreamingNamesAndHexadecimalText) {
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(clSilver), "clSilver") << "the alias clLtGray is never written";
    EXPECT_EQ(ColorToString(0x00FF00FE), "$00FF00FE");
    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace) << "names ignore case";
    EXPECT_EQ(StringToColor("$00FF00FF"), 0x00FF00FF);
    EXPECT_EQ(StringToColor("$8000000F"), clBtnFace) << "hexadecimal reads all 32 bits";
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor(ColorToString(clInfoBk)), clInfoBk);
    EXPECT_THROW(StringToColor("clPink"), EConvertError);
    EXPECT_THROW(StringToColor("$12345678FF"), EConvertError);

    TColor c = clGreen;
    EXPECT_FALSE(IdentToColor("clPink", c));
    EXPECT_EQ(c, clGreen) << "a failed lookup leaves the colour";
    EXPECT_TRUE(IdentToColor("clNone", c));
    EXPECT_EQ(c, clNone);
}

}  // namespace
}  // namespace rt
