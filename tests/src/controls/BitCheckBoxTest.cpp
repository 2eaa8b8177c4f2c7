#include "src/controls/BitCheckBox.h"

#include <memory>
#include <vector>

#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TInputInjector.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/streaming/FormResources.h"
#include "src/controls/TarnCheckBox.h"
#include "tests/src/controls/ControlsTestSupport.h"
#include "tests/platform/forms/UserClick.h"

namespace hemr_test {
namespace {

using hemr::TBitCheckBox;

// A strip of `frames` square frames of `side` pixels on a fuchsia background,
// frame i with a `colours[i]` block in its middle.
void DrawStrip(rt::TBitmap& strip, int side, const std::vector<rt::TColor>& colours) {
    strip.SetSize(side * static_cast<int>(colours.size()), side);
    strip.Fill(rt::clFuchsia);
    for (size_t i = 0; i < colours.size(); ++i)
        for (int y = 4; y < side - 4; ++y)
            for (int x = 4; x < side - 4; ++x) strip.SetPixel(static_cast<int>(i) * side + x, y, colours[i]);
}

class BitCheckBoxTest : public ControlsTest {};

TEST_F(BitCheckBoxTest, WithAllowGrayedAClickCyclesUncheckedGrayedChecked) {
    auto* box = Add<TBitCheckBox>("chkNotify", 10, 10, 120, 17);
    TClickCount clicks;
    box->OnClick = clicks.Event();
    box->SetAllowGrayed(true);
    EXPECT_TRUE(rt::test::UserClick(box));
    EXPECT_EQ(box->State(), rt::cbGrayed);
    EXPECT_FALSE(box->Checked()) << "grayed is not checked";
    EXPECT_TRUE(rt::test::UserClick(box));
    EXPECT_EQ(box->State(), rt::cbChecked);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(rt::test::UserClick(box));
    EXPECT_EQ(box->State(), rt::cbUnchecked);
    EXPECT_EQ(clicks.Count, 3);

    box->SetAllowGrayed(false);
    EXPECT_TRUE(rt::test::UserClick(box));
    EXPECT_EQ(box->State(), rt::cbChecked) << "without AllowGrayed unchecked goes to checked";
    box->SetState(rt::cbGrayed);
    EXPECT_TRUE(rt::test::UserClick(box));
    EXPECT_EQ(box->State(), rt::cbChecked) << "grayed goes to checked";
    box->SetChecked(false);
    EXPECT_EQ(clicks.Count, 5) << "setting the state by program raises no click";
}

TEST_F(BitCheckBoxTest, MouseSpaceAndAcceleratorEachClickOnce) {
    form->Show();
    auto* box = Add<TBitCheckBox>("chkInfo", 10, 10, 120, 17);
    box->SetCaption("显示讯息(&M)");
    auto* ed = Add<rt::TEdit>("ed", 10, 40, 80, 21);
    ed->SetFocus();
    TClickCount clicks;
    box->OnClick = clicks.Event();

    ASSERT_TRUE(rt::Input().Click(box));
    EXPECT_EQ(clicks.Count, 1);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused()) << "a click takes the focus";

    rt::Input().PressKey(rt::VK_SPACE);
    EXPECT_EQ(clicks.Count, 2);
    EXPECT_FALSE(box->Checked());

    EXPECT_EQ(box->Perform(hemr::CM_DIALOGCHAR, 'm'), 1) << "the accelerator answers";
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->Perform(hemr::CM_DIALOGCHAR, 'x'), 0) << "another character is not the box's";
    EXPECT_EQ(clicks.Count, 3);
}

TEST_F(BitCheckBoxTest, EachStateHasTheLibrarysPictureUntilOneIsGiven) {
    TBitCheckBox box(nullptr);
    for (rt::TBitmap* p : {box.CheckedGlyph(), box.GrayedGlyph(), box.UncheckedGlyph()}) {
        EXPECT_EQ(p->Width(), 19);
        EXPECT_EQ(p->Height(), 14);
    }
    EXPECT_NE(box.CheckedGlyph()->SaveToStream(), box.UncheckedGlyph()->SaveToStream());

    rt::TBitmap strip;
    DrawStrip(strip, 14, {rt::clRed, rt::clBlue});
    box.SetCheckedGlyph(&strip);
    EXPECT_EQ(box.CheckedNumGlyphs(), 2) << "a 28 x 14 picture is two frames";
    box.SetCheckedGlyph(nullptr);
    EXPECT_EQ(box.CheckedGlyph()->Width(), 19) << "none brings the default picture back";
    EXPECT_EQ(box.CheckedNumGlyphs(), 1) << "regression: the default picture must not be split in two frames";
    box.SetGrayedNumGlyphs(5);
    EXPECT_EQ(box.GrayedNumGlyphs(), 2) << "a strip has at most two frames";
}

class BitCheckBoxPaintTest : public BitCheckBoxTest {
protected:
    void SetUp() override {
        BitCheckBoxTest::SetUp();
        box = std::make_unique<TBitCheckBox>(nullptr);
        box->SetBounds(0, 0, 100, 20);
        box->SetCaption("Notify");
        box->SetColor(rt::clWhite);
        canvas.SetSize(100, 20);
        box->Canvas()->SetTarget(&canvas);
        DrawStrip(strip, 14, {rt::clRed, rt::clBlue});
        box->SetUncheckedGlyph(&strip);
    }
    rt::TColor At(int x, int y) {
        box->Repaint();
        return canvas.GetPixel(x, y);
    }
    std::unique_ptr<TBitCheckBox> box;
    rt::TBitmap canvas;
    rt::TBitmap strip;
};

TEST_F(BitCheckBoxPaintTest, ThePictureSitsLeftAndCentredTheCaptionFourPixelsRightOfIt) {
    EXPECT_EQ(At(7, 10), rt::clRed) << "frame 1, vertically centred: rows 3..16";
    EXPECT_EQ(At(1, 4), rt::clWhite) << "the picture's transparent colour is left out";
    EXPECT_EQ(At(60, 1), rt::clWhite) << "the rest is filled in the control colour";
    EXPECT_EQ(box->CaptionRect().Left, 14 + 4);
    const int textHeight = box->CaptionRect().Height();
    EXPECT_EQ(box->CaptionRect().Top, (20 - textHeight) / 2 - 2) << "centred and two pixels higher";

    box->SetAlignment(rt::taLeftJustify);
    EXPECT_EQ(At(100 - 14 + 7, 10), rt::clRed) << "Alignment left puts the picture at the right edge";
    EXPECT_EQ(box->CaptionRect().Left, 0);
}

TEST_F(BitCheckBoxPaintTest, ADisabledBoxShowsTheSecondFrame) {
    box->SetEnabled(false);
    EXPECT_EQ(At(7, 10), rt::clBlue);
    rt::TBitmap single;
    DrawStrip(single, 14, {rt::clRed});
    box->SetUncheckedGlyph(&single);
    EXPECT_EQ(At(7, 10), rt::clRed) << "a one-frame strip has no disabled frame";
}

TEST_F(BitCheckBoxTest, TheFormKeepsTheStateButNotThePictures) {
    auto* box = Add<hemr::TTarnCheckBox>("chkMode", 10, 10, 120, 17);
    box->SetAllowGrayed(true);
    box->SetState(rt::cbGrayed);
    const std::string text = rt::WriteComponentResText(form);
    EXPECT_NE(text.find("State = cbGrayed"), std::string::npos) << text;
    EXPECT_EQ(text.find("Glyph"), std::string::npos) << text;

    auto* copy = new TLookupForm(&rt::Application());
    rt::ReadComponentResText(copy, text);
    auto* loaded = dynamic_cast<hemr::TTarnCheckBox*>(copy->FindComponent("chkMode"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->State(), rt::cbGrayed);
    EXPECT_TRUE(loaded->AllowGrayed());
    EXPECT_EQ(loaded->CheckedGlyph()->Width(), 19);
    copy->Free();
}

}  // namespace
}  // namespace hemr_test
