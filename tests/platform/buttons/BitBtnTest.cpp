#include <gtest/gtest.h>

#include <string>

#include "platform/forms/ToolkitClasses.h"
#include "platform/buttons/TBitBtn.h"
#include "platform/controls/TWinControl.h"
#include "platform/graphics/TBitmap.h"
#include "platform/grids/TStringGrid.h"
#include "platform/streaming/FormResources.h"

namespace rt {
namespace {

TEST(BitBtnTest, KindSetsCaptionResultAndRole) {
    TBitBtn ok(nullptr);
    ok.SetKind(bkOK);
    EXPECT_EQ(ok.Caption(), "OK");
    EXPECT_EQ(ok.ModalResult(), mrOk);
    EXPECT_TRUE(ok.Default());
    EXPECT_FALSE(ok.Cancel());

    TBitBtn no(nullptr);
    no.SetKind(bkNo);
    EXPECT_EQ(no.Caption(), "&No");
    EXPECT_EQ(no.ModalResult(), mrNo);
    EXPECT_TRUE(no.Cancel());

    ok.SetCaption("确定");
    EXPECT_EQ(ok.Kind(), bkOK) << "a caption of its own keeps the kind";
    ok.SetModalResult(mrRetry);
    EXPECT_EQ(ok.Kind(), bkCustom) << "another modal result makes a custom button";
}

// A panel-like root holding a grid and a bit button, as a form would.
TEST(BitBtnTest, FormResourceRoundTripOfAGridAndABitButton) {
    RegisterToolkitClasses();
    TWinControl form(nullptr);
    form.SetName("frmUsers");
    auto* grid = new TStringGrid(&form);
    grid->SetName("sgUsers");
    grid->SetParent(&form);
    grid->SetColCount(4);
    grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goRowSelect});
    grid->SetDefaultRowHeight(18);
    auto* button = new TBitBtn(&form);
    button->SetName("BitBtn1");
    button->SetParent(&form);
    button->SetKind(bkOK);
    button->SetCaption("确定");
    TBitmap glyph(32, 16);
    glyph.SetPixel(20, 3, clRed);
    button->SetGlyph(&glyph);
    button->SetNumGlyphs(2);
    button->SetLayout(blGlyphTop);
    const std::string text = WriteComponentResText(&form);
    EXPECT_NE(text.find("Kind = bkOK"), std::string::npos) << text;

    TWinControl loaded(nullptr);
    ReadComponentResText(&loaded, text);
    auto* g = dynamic_cast<TStringGrid*>(loaded.FindComponent("sgUsers"));
    auto* b = dynamic_cast<TBitBtn*>(loaded.FindComponent("BitBtn1"));
    ASSERT_NE(g, nullptr) << text;
    ASSERT_NE(b, nullptr) << text;
    EXPECT_EQ(g->Parent(), &loaded);
    EXPECT_EQ(g->ColCount(), 4);
    EXPECT_EQ(g->Options(), (TGridOptions{goFixedVertLine, goFixedHorzLine, goRowSelect}));
    EXPECT_EQ(g->RowHeights(3), 18);
    EXPECT_EQ(b->Kind(), bkOK);
    EXPECT_EQ(b->Caption(), "确定") << "the kind read after the caption keeps it";
    EXPECT_EQ(b->ModalResult(), mrOk);
    EXPECT_TRUE(b->Default());
    EXPECT_EQ(b->NumGlyphs(), 2);
    EXPECT_EQ(b->Layout(), blGlyphTop);
    ASSERT_EQ(b->Glyph()->Width(), 32);
    EXPECT_EQ(b->Glyph()->GetPixel(20, 3), clRed);
    EXPECT_EQ(b->ButtonGlyph().GlyphSize(), (TSize{16, 16}));
}

TEST(BitBtnTest, GlyphTopLayoutPutsThePictureAboveTheCaption) {
    TBitBtn button(nullptr);
    button.SetBounds(0, 0, 80, 60);
    button.SetCaption("Go");
    TBitmap glyph(10, 10);
    button.SetGlyph(&glyph);
    button.SetLayout(blGlyphTop);
    button.SetSpacing(4);
    const TGlyphPlacement placed =
        button.ButtonGlyph().Place(*button.Canvas(), button.ClientRect(), button.Caption(), {blGlyphTop, -1, 4});
    EXPECT_EQ(placed.GlyphPos.X, 35) << "centred across";
    EXPECT_EQ(placed.TextRect.Top, placed.GlyphPos.Y + 10 + 4) << "caption below picture and spacing";
    EXPECT_NEAR(placed.GlyphPos.Y, 60 - placed.TextRect.Bottom, 1) << "the block is centred down the button (odd room rounds down below)";
}

}  // namespace
}  // namespace rt
