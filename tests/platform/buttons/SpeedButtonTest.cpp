#include <gtest/gtest.h>

#include <memory>

#include "platform/buttons/TSpeedButton.h"
#include "platform/controls/TWinControl.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TInputInjector.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace rt {
namespace {

class SpeedButtonTest : public ::testing::Test {
protected:
    SpeedButtonTest() : parent_(nullptr) { parent_.SetBounds(0, 0, 200, 100); }

    TSpeedButton* Add(int groupIndex) {
        auto* b = new TSpeedButton(&parent_);
        b->SetParent(&parent_);
        b->SetGroupIndex(groupIndex);
        return b;
    }
    static void MouseClick(TControl* c, int x = 3, int y = 3) {
        c->Perform(WM_LBUTTONDOWN, 0, PointToLParam(x, y));
        c->Perform(WM_LBUTTONUP, 0, PointToLParam(x, y));
    }

    TWinControl parent_;
};

TEST_F(SpeedButtonTest, GroupKeepsAtMostOneButtonDown) {
    TSpeedButton* a = Add(1);
    TSpeedButton* b = Add(1);
    TSpeedButton* other = Add(2);
    other->SetDown(true);
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down()) << "b going down releases a of the same group";
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(other->Down()) << "another group is not touched";
    b->SetDown(false);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp the down button cannot be released";
}

TEST_F(SpeedButtonTest, AllowAllUpIsSharedByTheGroupAndLetsTheDownButtonGo) {
    TSpeedButton* a = Add(3);
    TSpeedButton* b = Add(3);
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp()) << "AllowAllUp is passed to the group";
    b->SetDown(true);
    b->SetDown(false);
    EXPECT_FALSE(b->Down());
}

TEST_F(SpeedButtonTest, ButtonWithoutGroupNeverStaysDown) {
    TSpeedButton* a = Add(0);
    a->SetDown(true);
    EXPECT_FALSE(a->Down());
}

TEST_F(SpeedButtonTest, MouseClickTogglesGroupedButtonBeforeOnClickButProgramClickDoesNot) {
    struct Counter : TObject {
        int clicks = 0;
        bool downSeen = false;
        TSpeedButton* button = nullptr;
        void Clicked(TObject*) {
            ++clicks;
            downSeen = button->Down();
        }
    } counter;
    TSpeedButton* a = Add(1);
    a->SetAllowAllUp(true);
    counter.button = a;
    a->OnClick = TNotifyEvent::Of<&Counter::Clicked>(&counter);

    MouseClick(a);
    EXPECT_EQ(counter.clicks, 1);
    EXPECT_TRUE(counter.downSeen) << "Down is set before OnClick runs";
    MouseClick(a);
    EXPECT_FALSE(a->Down()) << "a second click releases it (AllowAllUp)";

    a->Click();
    EXPECT_EQ(counter.clicks, 3);
    EXPECT_FALSE(a->Down()) << "Click by program does not toggle";

    a->Perform(WM_LBUTTONDOWN, 0, PointToLParam(3, 3));
    a->Perform(WM_LBUTTONUP, 0, PointToLParam(500, 3));
    EXPECT_EQ(counter.clicks, 3) << "releasing outside the button is no click";
    EXPECT_FALSE(a->Down());
}

TEST_F(SpeedButtonTest, InjectedUserClickClicksOnce) {
    struct Counter : TObject {
        int clicks = 0;
        void Clicked(TObject*) { ++clicks; }
    } counter;
    TForm form(nullptr);
    auto* b = new TSpeedButton(&form);
    b->SetParent(&form);
    b->SetBounds(10, 10, 23, 23);
    b->OnClick = TNotifyEvent::Of<&Counter::Clicked>(&counter);
    form.Show();
    ASSERT_TRUE(Input().Click(b));
    EXPECT_EQ(counter.clicks, 1) << "the release clicks; the user click adds nothing";
}

TEST_F(SpeedButtonTest, DisabledButtonIgnoresTheMouse) {
    TSpeedButton* a = Add(1);
    a->SetEnabled(false);
    MouseClick(a);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsDisabled);
}

// A strip of `count` 4x4 pictures, picture i filled with colours[i], transparent in its bottom-left pixel.
std::unique_ptr<TBitmap> Strip(std::initializer_list<TColor> colours) {
    auto strip = std::make_unique<TBitmap>(static_cast<int>(colours.size()) * 4, 4);
    int i = 0;
    for (TColor c : colours) {
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 4; ++y) strip->SetPixel(i * 4 + x, y, c);
        ++i;
    }
    strip->SetTransparentColor(clFuchsia);
    return strip;
}

TEST_F(SpeedButtonTest, GlyphStripPicksThePictureOfTheState) {
    TSpeedButton* a = Add(1);
    auto strip = Strip({clRed, clGreen, clBlue, clYellow});
    a->SetGlyph(strip.get());
    a->SetNumGlyphs(4);
    EXPECT_EQ(a->ButtonGlyph().GlyphSize(), (TSize{4, 4}));
    EXPECT_EQ(a->ButtonGlyph().ImageIndexFor(bsUp), 0);
    EXPECT_EQ(a->ButtonGlyph().ImageIndexFor(bsDisabled), 1);
    EXPECT_EQ(a->ButtonGlyph().ImageIndexFor(bsDown), 2);
    EXPECT_EQ(a->ButtonGlyph().ImageIndexFor(bsExclusive), 3);

    a->SetNumGlyphs(2);
    EXPECT_EQ(a->ButtonGlyph().ImageIndexFor(bsDown), 0) << "two glyphs have no clicked picture";
    EXPECT_EQ(a->ButtonGlyph().ImageIndexFor(bsExclusive), 0);
    a->SetNumGlyphs(1);
    EXPECT_EQ(a->ButtonGlyph().ImageIndexFor(bsDisabled), -1) << "one glyph is embossed when disabled";
    a->SetNumGlyphs(9);
    EXPECT_EQ(a->NumGlyphs(), 4);
}

TEST_F(SpeedButtonTest, PaintDrawsThePictureOfTheCurrentState) {
    TSpeedButton* a = Add(1);
    a->SetBounds(0, 0, 24, 24);
    auto strip = Strip({clRed, clGreen});
    a->SetGlyph(strip.get());
    a->SetNumGlyphs(2);
    TBitmap surface(24, 24);
    a->Canvas()->SetTarget(&surface);

    a->Repaint();
    EXPECT_EQ(surface.GetPixel(11, 11), clRed) << "the up picture is centred";
    a->SetEnabled(false);
    a->Repaint();
    EXPECT_EQ(surface.GetPixel(11, 11), clGreen) << "the second picture is the disabled one";
    a->SetEnabled(true);
    a->SetDown(true);
    a->Repaint();
    EXPECT_EQ(surface.GetPixel(12, 12), clRed) << "a down button shows the up picture one pixel lower";
}

}  // namespace
}  // namespace rt
