#include "src/controls/GSpeedButton.h"

#include <exception>
#include <string>

#include "platform/graphics/TBitmap.h"
#include "src/controls/ControlMessages.h"
#include "src/controls/GlyphLibrary.h"

namespace hemr {

TGSpeedButton::TGSpeedButton(rt::TComponent* owner) : rt::TSpeedButton(owner) {}

void TGSpeedButton::Publish(rt::TPublisher<TGSpeedButton>& p) {
    // The picture always comes from GlyphIndex.
    p.Republish("Glyph").Stored(false);
    p.Property("GlyphIndex", &TGSpeedButton::GlyphIndex, &TGSpeedButton::SetGlyphIndex).Default(0);
    p.Property("HintIndex", &TGSpeedButton::HintIndex, &TGSpeedButton::SetHintIndex).Default(0);
}

void TGSpeedButton::SetGlyphIndex(int index) {
    if (index == glyphIndex_) return;
    glyphIndex_ = index;
    SetCaption(std::to_string(index));
    try {
        LoadGlyph(index);
    } catch (const std::exception&) {
        ShowControlError(kBmpLoadError);
    }
}

void TGSpeedButton::LoadGlyph(int index) {
    const TGlyphLibrary& library = GetGlyphLibrary();
    if (index <= 0 || index > library.GetMaxBmpID()) {
        SetGlyph(nullptr);
        return;
    }
    rt::TBitmap picture;
    if (!library.LoadBmp(&picture, index) || picture.Empty()) return;
    SetGlyph(&picture);
    SetCaption(std::string());
    // A strip of square pictures: normal, then disabled.
    SetNumGlyphs(picture.Width() / picture.Height());
}

}  // namespace hemr
