#include <gtest/gtest.h>

#include "platform/buttons/TSpeedButton.h"
#include "platform/classes/TComponent.h"
#include "platform/graphics/TBitmap.h"
#include "src/controls/NVForm.h"

namespace {

using rt::TBitmap;

constexpr rt::TColor kBack = rt::clFuchsia;

// A 5 x 4 picture on a transparent background (bottom-left pixel): a dark
// pixel, a light pixel touching the background and a light pixel inside.
void DrawPicture(TBitmap& p) {
    p.SetSize(5, 4);
    p.Fill(kBack);
    p.SetPixel(1, 1, rt::clNavy);                // dark: marked
    p.SetPixel(3, 1, rt::clWhite);               // light beside the background: marked
    for (int x = 1; x <= 3; ++x) p.SetPixel(x, 2, rt::clYellow);
    p.SetPixel(2, 1, rt::clYellow);
}

TEST(DisabledGlyph, WidensToTwoGlyphsKeepingTheNormalOneOnTheLeft) {
    TBitmap p, original;
    DrawPicture(p);
    DrawPicture(original);
    hemr::TNVForm::AddDisabledGlyph(p);
    ASSERT_EQ(p.Width(), 10);
    ASSERT_EQ(p.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(p.GetPixel(x, y), original.GetPixel(x, y)) << x << "," << y;
}

TEST(DisabledGlyph, MarkedPixelsAreShadowWithAHighlightOneDownRight) {
    TBitmap p;
    DrawPicture(p);
    hemr::TNVForm::AddDisabledGlyph(p);
    const rt::TColor face = rt::ColorToRGB(rt::clBtnFace);
    const rt::TColor shadow = rt::ColorToRGB(rt::clBtnShadow);
    const rt::TColor highlight = rt::ColorToRGB(rt::clBtnHighlight);
    auto d = [&](int x, int y) { return p.GetPixel(5 + x, y); };
    EXPECT_EQ(d(0, 0), face) << "background becomes button face";
    EXPECT_EQ(d(1, 1), shadow) << "a dark pixel is marked";
    EXPECT_EQ(d(3, 1), shadow) << "a light pixel beside the background is marked";
    // Every pixel of row 2 touches the background below it, so the whole row is marked.
    EXPECT_EQ(d(2, 2), shadow);
    EXPECT_EQ(d(4, 3), highlight) << "the highlight copy of (3,2) lies one right and down";
    EXPECT_EQ(d(2, 3), highlight);
    EXPECT_EQ(d(0, 3), face) << "nothing above-left of the drawing is touched";
}

TEST(DisabledGlyph, ALightPixelSurroundedByTheDrawingStaysUnmarked) {
    TBitmap p(5, 5);
    p.Fill(kBack);
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x) p.SetPixel(x, y, rt::clWhite);
    hemr::TNVForm::AddDisabledGlyph(p);
    EXPECT_EQ(p.GetPixel(5 + 2, 2), rt::ColorToRGB(rt::clBtnHighlight))
        << "the bright centre touches no background: only its neighbour's highlight lands there";
    EXPECT_EQ(p.GetPixel(5 + 1, 1), rt::ColorToRGB(rt::clBtnShadow)) << "the rim is marked";
}

TEST(DisabledGlyph, OnlyOneGlyphButtonsChange) {
    rt::TSpeedButton one(nullptr);
    DrawPicture(*one.Glyph());
    one.Glyph()->Changed();
    ASSERT_EQ(one.NumGlyphs(), 1);
    EXPECT_TRUE(hemr::GiveDisabledGlyph(&one));
    EXPECT_EQ(one.NumGlyphs(), 2);
    EXPECT_EQ(one.Glyph()->Width(), 10);
    EXPECT_FALSE(hemr::GiveDisabledGlyph(&one)) << "a second pass leaves two glyphs alone";
    EXPECT_EQ(one.Glyph()->Width(), 10);

    rt::TSpeedButton two(nullptr);
    DrawPicture(*two.Glyph());
    two.SetNumGlyphs(2);
    EXPECT_FALSE(hemr::GiveDisabledGlyph(&two));
    EXPECT_EQ(two.Glyph()->Width(), 5) << "a two-glyph button is left alone";

    rt::TSpeedButton empty(nullptr);
    EXPECT_FALSE(hemr::GiveDisabledGlyph(&empty));
    EXPECT_EQ(empty.NumGlyphs(), 1) << "no picture, nothing to disable";
    rt::TComponent plain(nullptr);
    EXPECT_FALSE(hemr::GiveDisabledGlyph(&plain));
}

}  // namespace
