#include <gtest/gtest.h>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TTextLayout.h"
#include "platform/graphics/TTextMetrics.h"

namespace rt {
namespace {

// The default font is 11 pixels high: ASCII 6 wide, "i" and friends 3, CJK 11, lines 13.
class TextLayoutTest : public ::testing::Test {
protected:
    TFont font;
    TTextLayout Layout(std::string_view text, const TRect& rect, uint32_t flags) const {
        return TTextLayout(font, GetTextMetrics(), text, rect, flags);
    }
};

TEST_F(TextLayoutTest, MetricsModel) {
    const TTextMetrics& m = GetTextMetrics();
    EXPECT_EQ(m.TextWidth(font, "abc"), 18);
    EXPECT_EQ(m.TextWidth(font, "il."), 9);
    EXPECT_EQ(m.TextWidth(font, "中文"), 22);
    EXPECT_EQ(m.TextWidth(font, "a\tb"), 12) << "control characters take no room";
    EXPECT_EQ(m.LineHeight(font), 13);
    font.SetStyle({fsBold});
    EXPECT_EQ(m.TextWidth(font, "ab"), 14) << "bold adds a pixel per character";
    font.SetHeight(-16);
    EXPECT_EQ(m.TextWidth(font, "中"), 17);
    EXPECT_EQ(m.LineHeight(font), 18);
}

TEST_F(TextLayoutTest, SingleLineAlignmentBothWays) {
    const TRect r = Rect(0, 0, 100, 20);
    EXPECT_EQ(Layout("abc", r, DT_SINGLELINE).Lines()[0].X, 0);
    EXPECT_EQ(Layout("abc", r, DT_SINGLELINE | DT_CENTER).Lines()[0].X, 41);
    EXPECT_EQ(Layout("abc", r, DT_SINGLELINE | DT_RIGHT).Lines()[0].X, 82);
    const TTextLayout centred = Layout("abc", r, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(centred.Lines()[0].Y, 3);
    EXPECT_EQ(centred.ResultHeight(), 16) << "counted from the rectangle's top";
    const TTextLayout bottom = Layout("abc", r, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_EQ(bottom.Lines()[0].Y, 7);
    EXPECT_EQ(bottom.ResultHeight(), 20);
    EXPECT_EQ(Layout("abc", r, DT_VCENTER).Lines()[0].Y, 0) << "vertical centring needs a single line";
    EXPECT_EQ(Layout("abc", r, 0).ResultHeight(), 13);
}

TEST_F(TextLayoutTest, LineEndsAndSingleLine) {
    const TTextLayout multi = Layout("ab\r\ncd\nef\rgh", Rect(0, 0, 100, 100), 0);
    ASSERT_EQ(multi.Lines().size(), 4u);
    EXPECT_EQ(multi.Lines()[1].Text, "cd");
    EXPECT_EQ(multi.Lines()[3].Y, 39);
    EXPECT_EQ(multi.ResultHeight(), 52);
    const TTextLayout single = Layout("ab\ncd", Rect(0, 0, 100, 100), DT_SINGLELINE);
    ASSERT_EQ(single.Lines().size(), 1u);
    EXPECT_EQ(single.Lines()[0].Text, "abcd");
}

TEST_F(TextLayoutTest, WordBreakAtBlanksAndBetweenChineseCharacters) {
    const TTextLayout words = Layout("aaa bbb ccc", Rect(0, 0, 50, 100), DT_WORDBREAK);
    ASSERT_EQ(words.Lines().size(), 2u);
    EXPECT_EQ(words.Lines()[0].Text, "aaa bbb");
    EXPECT_EQ(words.Lines()[1].Text, "ccc");
    EXPECT_EQ(words.Lines()[1].Y, 13);

    const TTextLayout longWord = Layout("abcdefghjk xy", Rect(0, 0, 20, 100), DT_WORDBREAK);
    ASSERT_EQ(longWord.Lines().size(), 2u);
    EXPECT_EQ(longWord.Lines()[0].Text, "abcdefghjk") << "a word wider than the rectangle is not split";

    const TTextLayout chinese = Layout("中文字符", Rect(0, 0, 25, 100), DT_WORDBREAK | DT_CENTER);
    ASSERT_EQ(chinese.Lines().size(), 2u);
    EXPECT_EQ(chinese.Lines()[0].Text, "中文");
    EXPECT_EQ(chinese.Lines()[1].Text, "字符");
    EXPECT_EQ(chinese.Lines()[1].X, 1) << "each line centred on its own";

    const TTextLayout blanks = Layout("ab    cd", Rect(0, 0, 20, 100), DT_WORDBREAK);
    ASSERT_EQ(blanks.Lines().size(), 2u);
    EXPECT_EQ(blanks.Lines()[0].Width, 12) << "blanks at a break are dropped";
    EXPECT_EQ(blanks.Lines()[1].Text, "cd");
}

TEST_F(TextLayoutTest, EndEllipsisCutsWhatDoesNotFit) {
    const TTextLayout cut = Layout("abcdefgh", Rect(0, 0, 30, 20), DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(cut.Lines()[0].Text, "abc...");
    EXPECT_LE(cut.Lines()[0].Width, 30);
    EXPECT_EQ(Layout("abcd", Rect(0, 0, 30, 20), DT_SINGLELINE | DT_END_ELLIPSIS).Lines()[0].Text, "abcd")
        << "text that fits is left alone";
    EXPECT_EQ(Layout("中文字", Rect(0, 0, 30, 20), DT_SINGLELINE | DT_END_ELLIPSIS).Lines()[0].Text, "中...");
}

TEST_F(TextLayoutTest, AcceleratorPrefixes) {
    const TTextLayout file = Layout("&File", Rect(0, 0, 100, 20), DT_SINGLELINE);
    EXPECT_EQ(file.Lines()[0].Text, "File");
    EXPECT_EQ(file.Lines()[0].AccelIndex, 0);
    EXPECT_EQ(Layout("Save &As", Rect(0, 0, 100, 20), 0).Lines()[0].AccelIndex, 5);
    const TTextLayout amp = Layout("A&&B", Rect(0, 0, 100, 20), 0);
    EXPECT_EQ(amp.Lines()[0].Text, "A&B") << "a doubled ampersand is one literal ampersand";
    EXPECT_EQ(amp.Lines()[0].AccelIndex, -1);
    EXPECT_EQ(Layout("&File", Rect(0, 0, 100, 20), DT_NOPREFIX).Lines()[0].Text, "&File");
    EXPECT_EQ(Layout("Go&", Rect(0, 0, 100, 20), 0).Lines()[0].Text, "Go");
    EXPECT_EQ(Layout("&中文", Rect(0, 0, 100, 20), 0).Lines()[0].Width, 22) << "the prefix takes no room";
}

TEST_F(TextLayoutTest, CalcRectFitsTheRectangleWithoutDrawing) {
    TBitmap bmp(60, 40);
    TCanvas* canvas = bmp.Canvas();
    canvas->StartRecording();
    const std::vector<uint8_t> before = bmp.SaveToStream();
    TRect r = Rect(5, 5, 55, 5);
    const int height = canvas->DrawText("aaa bbb ccc", r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(height, 26);
    EXPECT_EQ(r, Rect(5, 5, 5 + 42, 5 + 26));
    EXPECT_EQ(bmp.SaveToStream(), before) << "measuring draws nothing";
    EXPECT_TRUE(canvas->Operations().empty());
    TRect one = Rect(0, 0, 0, 0);
    canvas->DrawText("ab", one, DT_CALCRECT | DT_SINGLELINE | DT_CENTER);
    EXPECT_EQ(one, Rect(0, 0, 12, 13));
}

TEST_F(TextLayoutTest, DrawTextIsClippedToItsRectangle) {
    TBitmap bmp(60, 20);
    TCanvas* canvas = bmp.Canvas();
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clRed);
    TRect r = Rect(0, 0, 10, 20);
    canvas->DrawText("WWWW", r, DT_SINGLELINE);
    for (int y = 0; y < 20; ++y) {
        for (int x = 10; x < 60; ++x) ASSERT_NE(bmp.GetPixel(x, y), clRed) << "drawn outside at " << x;
    }
    TRect wide = Rect(0, 0, 10, 20);
    canvas->DrawText("WWWW", wide, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(bmp.GetPixel(12, 2), clRed) << "DT_NOCLIP draws beyond the rectangle";
}

// Every character 10 wide, lines of 20: as a renderer with real fonts might answer.
class TWideMetrics : public TTextMetrics {
public:
    int TextWidth(const TFont&, std::string_view text) const override { return 10 * static_cast<int>(text.size()); }
    int CharWidth(const TFont&, char32_t) const override { return 10; }
    int LineHeight(const TFont&) const override { return 20; }
};

TEST_F(TextLayoutTest, ReplaceableMetricsModel) {
    TWideMetrics wide;
    SetTextMetrics(&wide);
    TCanvas canvas;
    TRect r = Rect(0, 0, 0, 0);
    canvas.DrawText("abc", r, DT_CALCRECT);
    const TSize extent = canvas.TextExtent("ab");
    SetTextMetrics(nullptr);
    EXPECT_EQ(r, Rect(0, 0, 30, 20));
    EXPECT_EQ(extent, (TSize{20, 20}));
    EXPECT_EQ(canvas.TextWidth("ab"), 12) << "the default model is back";
}

}  // namespace
}  // namespace rt
