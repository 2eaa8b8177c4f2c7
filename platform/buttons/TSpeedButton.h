#pragma once
// A flat or raised picture button that is not a window: it never takes the
// focus. Buttons of one parent with the same GroupIndex form a group in which
// at most one is Down; with AllowAllUp the down one may be released again.
//
// A click by the mouse toggles Down for a grouped button before OnClick; a
// Click() by program raises OnClick only, as on the original platform.

#include <memory>
#include <string>

#include "platform/buttons/ButtonTypes.h"
#include "platform/buttons/TButtonGlyph.h"
#include "platform/controls/TControl.h"

namespace rt {

class TBitmap;
class TCanvas;

class TSpeedButton : public TControl {
    RT_CLASS(TSpeedButton, TControl)

public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    static void Publish(TPublisher<TSpeedButton>& p);

    bool AllowAllUp() const { return allowAllUp_; }
    // Shared by the whole group.
    void SetAllowAllUp(bool allow);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool Down() const { return down_; }
    // Refused (stays up) without a group; refused (stays down) when the group
    // does not allow all buttons up. Going down releases the others of the group.
    void SetDown(bool down);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    TBitmap* Glyph() const { return glyph_.Glyph(); }
    // Copies the picture; the number of glyphs stays as set.
    void SetGlyph(TBitmap* glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return arrangement_.Layout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return arrangement_.Margin; }
    void SetMargin(int margin);
    int Spacing() const { return arrangement_.Spacing; }
    void SetSpacing(int spacing);
    const TButtonGlyph& ButtonGlyph() const { return glyph_; }

    // The look the next paint uses.
    TButtonState State() const;
    // Paint goes here; give it a bitmap to get pixels.
    TCanvas* Canvas() const { return canvas_.get(); }

    // The release of the mouse button has clicked the button already.
    void UserClick() override {}

protected:
    void Paint() override;
    void TextChanged() override { Invalidate(); }
    void EnabledChanged() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void PaintFrame(TRect& rect, TButtonState state);
    // Tells the other buttons of the group that this one went down or changed AllowAllUp.
    void UpdateExclusive();
    void GroupChanged(const TSpeedButton& sender);

    TButtonGlyph glyph_;
    TGlyphArrangement arrangement_;
    std::unique_ptr<TCanvas> canvas_;
    TButtonState state_ = bsUp;
    bool allowAllUp_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool flat_ = false;
    bool transparent_ = true;
    bool dragging_ = false;
};

}  // namespace rt
