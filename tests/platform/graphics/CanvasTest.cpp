#include <gtest/gtest.h>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace rt {
namespace {

// Counts the pixels of one colour, and checks they all lie in a rectangle.
int CountColor(const TBitmap& bmp, TColor color, const TRect* inside = nullptr) {
    int count = 0;
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) {
            if (bmp.GetPixel(x, y) != color) continue;
            ++count;
            if (inside != nullptr) {
                EXPECT_TRUE(PtInRect(*inside, {x, y})) << "pixel at " << x << "," << y;
            }
        }
    }
    return count;
}

class CanvasTest : public ::testing::Test {
protected:
    TBitmap bmp{20, 20};
    TCanvas* canvas = bmp.Canvas();
};

TEST_F(CanvasTest, FillRectCoversLeftTopButNotRightBottom) {
    canvas->Brush()->SetColor(clRed);
    const TRect r = Rect(2, 3, 6, 5);
    canvas->FillRect(r);
    EXPECT_EQ(CountColor(bmp, clRed, &r), 8);
    canvas->Brush()->SetStyle(bsClear);
    canvas->FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(CountColor(bmp, clRed), 8) << "a clear brush fills nothing";
}

TEST_F(CanvasTest, ClipRectLimitsDrawing) {
    canvas->SetClipRect(Rect(0, 0, 5, 5));
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(-10, -10, 30, 30));
    const TRect clip = Rect(0, 0, 5, 5);
    EXPECT_EQ(CountColor(bmp, RGB(192, 192, 192), &clip), 25);
    EXPECT_EQ(canvas->ClipRect(), clip);
    canvas->ResetClipRect();
    EXPECT_EQ(canvas->ClipRect(), Rect(0, 0, 20, 20));
}

TEST_F(CanvasTest, FrameAndRectangleDrawBorders) {
    canvas->Brush()->SetColor(clBlue);
    canvas->FrameRect(Rect(0, 0, 4, 3));
    EXPECT_EQ(CountColor(bmp, clBlue), 10) << "a 4 x 3 frame has 10 border pixels";
    EXPECT_EQ(bmp.GetPixel(1, 1), clWhite) << "the inside stays";

    canvas->Brush()->SetColor(clYellow);
    canvas->Pen()->SetColor(clGreen);
    canvas->Pen()->SetWidth(2);
    canvas->Rectangle(10, 10, 16, 16);
    EXPECT_EQ(CountColor(bmp, clYellow), 4) << "a 2-pixel frame leaves a 2 x 2 inside";
    EXPECT_EQ(CountColor(bmp, clGreen), 32);
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPoint) {
    canvas->Pen()->SetColor(clRed);
    canvas->MoveTo(1, 1);
    canvas->LineTo(5, 1);
    EXPECT_EQ(CountColor(bmp, clRed), 4);
    EXPECT_EQ(bmp.GetPixel(5, 1), clWhite);
    EXPECT_EQ(canvas->PenPos(), Point(5, 1));
    canvas->Pen()->SetColor(clBlue);
    canvas->Polyline({{0, 10}, {3, 13}, {3, 16}});
    EXPECT_EQ(bmp.GetPixel(1, 11), clBlue) << "diagonal steps";
    EXPECT_EQ(bmp.GetPixel(3, 13), clBlue) << "an inner point is drawn by the next segment";
    EXPECT_EQ(bmp.GetPixel(3, 16), clWhite);
    EXPECT_EQ(CountColor(bmp, clBlue), 6);
    canvas->Pen()->SetStyle(psClear);
    canvas->LineTo(19, 19);
    EXPECT_EQ(CountColor(bmp, clBlue), 6) << "a clear pen draws nothing";
}

TEST_F(CanvasTest, DrawHonoursTheBitmapsTransparency) {
    TBitmap glyph(3, 2);
    glyph.Fill(clFuchsia);
    glyph.SetPixel(1, 0, clNavy);
    glyph.SetPixel(2, 0, clMaroon);
    canvas->Brush()->SetColor(clSilver);
    canvas->FillRect(Rect(0, 0, 20, 20));
    canvas->Draw(5, 5, glyph);
    EXPECT_EQ(bmp.GetPixel(5, 5), clFuchsia) << "opaque drawing copies every pixel";
    canvas->FillRect(Rect(0, 0, 20, 20));
    glyph.SetTransparent(true);
    canvas->Draw(5, 5, glyph);
    EXPECT_EQ(bmp.GetPixel(5, 5), clSilver) << "the bottom-left colour is left out";
    EXPECT_EQ(bmp.GetPixel(6, 5), clNavy);
    EXPECT_EQ(bmp.GetPixel(7, 5), clMaroon);
    EXPECT_EQ(CountColor(bmp, clFuchsia), 0);
    canvas->StretchDraw(Rect(0, 10, 6, 14), glyph);
    EXPECT_EQ(CountColor(bmp, clNavy), 1 + 4) << "doubled both ways";
}

TEST_F(CanvasTest, MaskDrawnInTwoColoursWithOffsetGivesAnEmbossedGlyph) {
    // The disabled-look steps: highlight one pixel right and down, then shadow unshifted.
    TBitmap picture(3, 3);
    picture.Fill(clWhite);
    picture.SetPixel(0, 0, clBlack);
    picture.SetPixel(1, 1, clBlack);
    auto mask = picture.Mask(clWhite);
    TBitmap dest(4, 4);
    dest.Canvas()->Brush()->SetColor(clBtnFace);
    dest.Canvas()->FillRect(dest.BoundsRect());
    dest.Canvas()->DrawMask(1, 1, *mask, clBtnHighlight);
    dest.Canvas()->DrawMask(0, 0, *mask, clBtnShadow);
    const TColor face = ColorToRGB(clBtnFace);
    const TColor light = ColorToRGB(clBtnHighlight);
    const TColor shadow = ColorToRGB(clBtnShadow);
    EXPECT_EQ(dest.GetPixel(0, 0), shadow);
    EXPECT_EQ(dest.GetPixel(1, 1), shadow) << "the shadow covers the highlight where both fall";
    EXPECT_EQ(dest.GetPixel(2, 2), light);
    EXPECT_EQ(dest.GetPixel(1, 0), face);
    EXPECT_EQ(dest.GetPixel(3, 3), face);
}

TEST_F(CanvasTest, BrushCopyReplacesTheKeyColourWithTheBrush) {
    TBitmap glyph(2, 1);
    glyph.SetPixel(0, 0, clOlive);
    glyph.SetPixel(1, 0, clPurple);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->BrushCopy(Rect(0, 0, 2, 1), glyph, glyph.BoundsRect(), clOlive);
    EXPECT_EQ(bmp.GetPixel(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(bmp.GetPixel(1, 0), clPurple);
    TBitmap other(2, 1);
    other.Canvas()->CopyRect(Rect(0, 0, 2, 1), *canvas, Rect(0, 0, 2, 1));
    EXPECT_EQ(other.GetPixel(1, 0), clPurple);
}

TEST_F(CanvasTest, TextChangesPixelsOnlyInsideItsExtent) {
    canvas->Font()->SetColor(clRed);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(2, 3, "Hi");
    const TSize extent = canvas->TextExtent("Hi");
    EXPECT_EQ(extent.cx, 6 + 3) << "H is 6 wide, i narrow";
    EXPECT_EQ(extent.cy, 13);
    const TRect box = Bounds(2, 3, extent.cx, extent.cy);
    EXPECT_GT(CountColor(bmp, clRed, &box), 10);
    EXPECT_EQ(canvas->PenPos(), Point(2 + extent.cx, 3));

    TBitmap again(20, 20);
    again.Canvas()->Font()->SetColor(clRed);
    again.Canvas()->Brush()->SetStyle(bsClear);
    again.Canvas()->TextOut(2, 3, "Hi");
    EXPECT_EQ(again.SaveToStream(), bmp.SaveToStream()) << "text drawing is deterministic";
    again.Canvas()->TextOut(2, 3, "Ho");
    EXPECT_NE(again.SaveToStream(), bmp.SaveToStream()) << "different text gives different pixels";
}

TEST_F(CanvasTest, TextRectFillsAndClips) {
    canvas->Brush()->SetColor(clYellow);
    canvas->Font()->SetColor(clBlack);
    const TRect r = Rect(0, 0, 8, 13);
    canvas->TextRect(r, 0, 0, "中文");
    EXPECT_EQ(CountColor(bmp, clBlack, &r) + CountColor(bmp, clYellow, &r), 8 * 13);
    EXPECT_GT(CountColor(bmp, clBlack), 0);
}

TEST_F(CanvasTest, RecordingKeepsCallsWithTheirState) {
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(0, 0, 1, 1));
    EXPECT_TRUE(canvas->Operations().empty()) << "nothing is kept before recording starts";
    canvas->StartRecording();
    canvas->Font()->SetStyle({fsBold});
    canvas->TextOut(1, 2, "abc");
    TRect r = Rect(0, 0, 100, 20);
    canvas->DrawText("&OK", r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    canvas->StopRecording();
    canvas->FillRect(Rect(0, 0, 1, 1));
    const auto& ops = canvas->Operations();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].Kind, TCanvasOpKind::TextOut);
    EXPECT_EQ(ops[0].Text, "abc");
    EXPECT_EQ(ops[0].Points.front(), Point(1, 2));
    EXPECT_EQ(ops[0].BrushColor, clRed);
    EXPECT_TRUE(ops[0].FontStyle.Contains(fsBold));
    EXPECT_EQ(ops[1].Kind, TCanvasOpKind::DrawText);
    EXPECT_EQ(ops[1].Text, "&OK") << "the text as given";
    ASSERT_EQ(ops[1].Lines.size(), 1u);
    EXPECT_EQ(ops[1].Lines[0], "OK") << "the line as shown";
    EXPECT_EQ(ops[1].Flags, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    EXPECT_STREQ(CanvasOpKindName(ops[1].Kind), "DrawText");
}

TEST(CanvasWithoutBitmapTest, MeasuresAndRecordsOnly) {
    TCanvas canvas;
    canvas.StartRecording();
    canvas.FillRect(Rect(0, 0, 5, 5));
    canvas.SetPixel(1, 1, clRed);
    EXPECT_EQ(canvas.GetPixel(1, 1), clNone);
    EXPECT_EQ(canvas.TextWidth("中"), 11);
    EXPECT_EQ(canvas.Operations().size(), 2u);
    EXPECT_EQ(canvas.ClipRect(), TRect{});
}

}  // namespace
}  // namespace rt
