#pragma once
// A speed button whose picture is not stored with the form but fetched by
// number from the client shell's glyph library, so that every program of the
// client shows the same icons. A number that has no picture shows as caption.

#include "platform/buttons/TSpeedButton.h"

namespace hemr {

class TGSpeedButton : public rt::TSpeedButton {
    RT_CLASS(TGSpeedButton, rt::TSpeedButton)

public:
    explicit TGSpeedButton(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TGSpeedButton>& p);

    int GlyphIndex() const { return glyphIndex_; }
    // Loads picture `index` (0 or above the library's highest number: no
    // picture). The caption shows the number until a picture is loaded; the
    // glyph count becomes the picture's width divided by its height.
    void SetGlyphIndex(int index);
    // Kept with the form; it has no effect.
    int HintIndex() const { return hintIndex_; }
    void SetHintIndex(int index) { hintIndex_ = index; }

    // The release of the mouse button has clicked the button already.
    void UserClick() override {}

private:
    void LoadGlyph(int index);

    int glyphIndex_ = 0;
    int hintIndex_ = 0;
};

}  // namespace hemr
