#include "outside/meravik/Meravik.h"

#include <gtest/gtest.h>

#include "platform/graphics/TBitmap.h"

namespace {

TEST(Meravik, NumberedPicturesOfThisSystemLoad) {
    for (int number : {8, 9, 39, 47}) {
        rt::TBitmap bmp;
        ASSERT_TRUE(meravik::LoadBmp(&bmp, number)) << "picture " << number;
        EXPECT_EQ(bmp.Width(), 16) << "picture " << number << " is one square glyph";
        EXPECT_EQ(bmp.Height(), 16);
    }
    rt::TBitmap clear;
    ASSERT_TRUE(meravik::LoadBmp(&clear, 4));
    EXPECT_EQ(clear.Width() / clear.Height(), 2) << "the clear-list picture carries its disabled glyph";
}

TEST(Meravik, PicturesHaveATransparentBackgroundAndADrawing) {
    rt::TBitmap bmp;
    ASSERT_TRUE(meravik::LoadBmp(&bmp, 8));
    rt::TColor background = bmp.GetPixel(0, bmp.Height() - 1);
    EXPECT_EQ(bmp.TransparentColor(), background) << "the bottom-left pixel is the transparent colour";
    int drawn = 0;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            drawn += bmp.GetPixel(x, y) != background;
    EXPECT_GT(drawn, 20) << "the picture is more than its background";
}

TEST(Meravik, MissingNumbersAndNamesAnswerFalseAndLeaveTheBitmap) {
    rt::TBitmap bmp;
    bmp.SetSize(3, 3);
    EXPECT_EQ(meravik::GetMaxBmpID(), 47);
    EXPECT_FALSE(meravik::LoadBmp(&bmp, 0));
    EXPECT_FALSE(meravik::LoadBmp(&bmp, 5)) << "a number in range without a picture";
    EXPECT_FALSE(meravik::LoadBmp(&bmp, 48)) << "above the highest number";
    EXPECT_FALSE(meravik::LoadBmp(nullptr, 8));
    EXPECT_FALSE(meravik::LoadNamedBmp(&bmp, "8")) << "numbered pictures are not names";
    EXPECT_EQ(bmp.Width(), 3) << "a failed load changes nothing";
}

TEST(Meravik, CheckBoxPicturesAreNineteenByFourteen) {
    for (const char* name : {"CHECKED", "GRAYED", "UNCHECKED"}) {
        rt::TBitmap bmp;
        ASSERT_TRUE(meravik::LoadNamedBmp(&bmp, name)) << name;
        EXPECT_EQ(bmp.Width(), 19) << name;
        EXPECT_EQ(bmp.Height(), 14) << name;
    }
    rt::TBitmap checked, unchecked;
    meravik::LoadNamedBmp(&checked, "CHECKED");
    meravik::LoadNamedBmp(&unchecked, "UNCHECKED");
    EXPECT_NE(checked.SaveToStream(), unchecked.SaveToStream()) << "the states look different";
}

}  // namespace
