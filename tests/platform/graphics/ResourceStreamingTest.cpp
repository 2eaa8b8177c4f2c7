#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/TComponent.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/streaming/TFormParser.h"
#include "platform/streaming/TFormReader.h"
#include "platform/streaming/TFormWriter.h"

namespace rt {
namespace {

// A button-like root with a font and a glyph, as controls publish them.
class TGlyphHolder : public TComponent {
    RT_CLASS(TGlyphHolder, TComponent)

public:
    explicit TGlyphHolder(TComponent* owner) : TComponent(owner) {}
    static void Publish(TPublisher<TGlyphHolder>& p) {
        p.Property("Font", &TGlyphHolder::GetFont, &TGlyphHolder::SetFont);
        p.Property("Glyph", &TGlyphHolder::GetGlyph, &TGlyphHolder::SetGlyph);
    }
    TFont* GetFont() const { return font_.get(); }
    void SetFont(TFont* font) { font_->Assign(font); }
    TBitmap* GetGlyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* glyph) { glyph_->Assign(glyph); }

private:
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
    std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
};

TEST(ResourceStreamingTest, FontAndGlyphSurviveAFormResource) {
    TGlyphHolder source(nullptr);
    source.SetName("btn1");
    source.GetFont()->SetName("宋体");
    source.GetFont()->SetHeight(-13);
    source.GetFont()->SetStyle({fsBold});
    source.GetGlyph()->SetSize(3, 2);
    source.GetGlyph()->SetPixel(2, 0, clRed);
    source.GetGlyph()->SetTransparentColor(clRed);
    const std::string text = TFormWriter::WriteText(&source);
    EXPECT_NE(text.find("Font.Height = -13"), std::string::npos) << text;
    EXPECT_EQ(text.find("Font.Size"), std::string::npos) << "the size is not stored: " << text;
    EXPECT_EQ(text.find("Font.Color"), std::string::npos) << "defaults are not written: " << text;
    EXPECT_NE(text.find("Glyph.Data"), std::string::npos) << text;

    TGlyphHolder loaded(nullptr);
    TFormReader reader(&loaded);
    reader.Apply(TFormParser(text).ParseResource());
    reader.Finish();
    EXPECT_EQ(loaded.GetFont()->Name(), "宋体");
    EXPECT_EQ(loaded.GetFont()->Size(), 10);
    EXPECT_TRUE(loaded.GetFont()->Style().Contains(fsBold));
    ASSERT_EQ(loaded.GetGlyph()->Width(), 3);
    EXPECT_EQ(loaded.GetGlyph()->GetPixel(2, 0), clRed);
    EXPECT_EQ(loaded.GetGlyph()->GetPixel(0, 1), clWhite);
    EXPECT_EQ(loaded.GetGlyph()->TransparentMode(), tmFixed);
    EXPECT_EQ(loaded.GetGlyph()->TransparentColor(), clRed) << "a fixed transparent colour is stored";
}

}  // namespace
}  // namespace rt
