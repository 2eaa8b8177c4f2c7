#include "src/controls/GSpeedButton.h"

#include "platform/graphics/TBitmap.h"
#include "platform/streaming/FormResources.h"
#include "src/controls/F2Button.h"
#include "tests/src/controls/ControlsTestSupport.h"

namespace hemr_test {
namespace {

using hemr::TGSpeedButton;

class GSpeedButtonTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        glyphs.Sizes = {{8, {16, 16}}, {4, {32, 16}}, {9, {48, 16}}, {12, {20, 16}}};
        hemr::SetGlyphLibrary(&glyphs);
    }
    TTestGlyphs glyphs;
};

TEST_F(GSpeedButtonTest, APictureReplacesTheCaptionAndItsWidthCountsTheGlyphs) {
    auto* b = Add<TGSpeedButton>("btn", 0, 0, 23, 23);
    b->SetGlyphIndex(8);
    EXPECT_EQ(b->Caption(), "") << "a loaded picture clears the caption";
    EXPECT_EQ(b->Glyph()->Width(), 16);
    EXPECT_EQ(b->NumGlyphs(), 1);

    b->SetGlyphIndex(4);
    EXPECT_EQ(b->NumGlyphs(), 2) << "a 32 x 16 strip is a normal and a disabled glyph";
    b->SetGlyphIndex(9);
    EXPECT_EQ(b->NumGlyphs(), 3);
    b->SetGlyphIndex(12);
    EXPECT_EQ(b->NumGlyphs(), 1) << "a picture a little wider than high is one glyph";
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(GSpeedButtonTest, NumbersWithoutAPictureShowAsCaption) {
    auto* b = Add<TGSpeedButton>("btn", 0, 0, 23, 23);
    b->SetGlyphIndex(0);
    EXPECT_EQ(b->Caption(), "") << "setting the current index changes nothing";

    b->SetGlyphIndex(8);
    b->SetGlyphIndex(0);
    EXPECT_TRUE(b->Glyph()->Empty()) << "index 0 drops the picture";
    EXPECT_EQ(b->Caption(), "0");

    b->SetGlyphIndex(8);
    b->SetGlyphIndex(48);
    EXPECT_TRUE(b->Glyph()->Empty()) << "an index above the highest number has no picture";
    EXPECT_EQ(b->Caption(), "48");

    b->SetGlyphIndex(5);
    EXPECT_EQ(b->Caption(), "5") << "a number the library has no picture for keeps its caption";
    EXPECT_EQ(b->GlyphIndex(), 5);
    EXPECT_TRUE(Dialogs().empty()) << "a missing picture is no error";
}

TEST_F(GSpeedButtonTest, ABrokenPictureShowsTheErrorAndKeepsTheNumber) {
    glyphs.Broken = 30;
    auto* b = Add<TGSpeedButton>("btn", 0, 0, 23, 23);
    b->SetGlyphIndex(30);
    ASSERT_EQ(Dialogs().size(), 1u);
    EXPECT_EQ(Dialogs()[0].Text, "读取 BMP 发生错误");
    EXPECT_EQ(Dialogs()[0].Kind, rt::mtError);
    ASSERT_EQ(Dialogs()[0].Buttons.size(), 1u);
    EXPECT_EQ(Dialogs()[0].Buttons[0].Name, "OK");
    EXPECT_EQ(b->Caption(), "30");
    EXPECT_EQ(b->GlyphIndex(), 30);
}

TEST_F(GSpeedButtonTest, TheShellLibraryGivesThePicturesOfThisSystem) {
    hemr::SetGlyphLibrary(nullptr);
    auto* b = Add<TGSpeedButton>("btn", 0, 0, 23, 23);
    for (int number : {8, 9, 39, 47}) {
        b->SetGlyphIndex(number);
        EXPECT_EQ(b->Caption(), "") << "picture " << number;
        EXPECT_EQ(b->NumGlyphs(), 1) << "picture " << number;
    }
    b->SetGlyphIndex(4);
    EXPECT_EQ(b->NumGlyphs(), 2) << "the clear-list picture carries its disabled glyph";
}

TEST_F(GSpeedButtonTest, TheFormStoresTheNumberNotThePicture) {
    auto* b = Add<TGSpeedButton>("btnClear", 10, 10, 23, 23);
    b->SetGlyphIndex(4);
    b->SetHintIndex(7);
    const std::string text = rt::WriteComponentResText(form);
    EXPECT_EQ(text.find("Glyph.Data"), std::string::npos) << text;
    EXPECT_NE(text.find("GlyphIndex = 4"), std::string::npos) << text;
    EXPECT_NE(text.find("HintIndex = 7"), std::string::npos) << text;

    auto* other = new TLookupForm(&rt::Application());
    rt::ReadComponentResText(other, text);
    auto* loaded = dynamic_cast<TGSpeedButton*>(other->FindComponent("btnClear"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Glyph()->Width(), 32) << "the picture is fetched again by its number";
    EXPECT_EQ(loaded->NumGlyphs(), 2);
    EXPECT_EQ(loaded->HintIndex(), 7);
    other->Free();
}

}  // namespace
}  // namespace hemr_test
