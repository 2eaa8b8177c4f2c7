#pragma once
// A check box drawn from pictures: one strip of one or two frames (normal,
// disabled) per state, the library's default pictures when none is given.
// Setting the state by program repaints only; a click (mouse, Space, the
// caption's accelerator) toggles, raises OnClick and takes the focus.

#include <array>
#include <memory>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TWinControl.h"
#include "platform/stdctrls/StdCtrlTypes.h"

namespace rt {
class TBitmap;
class TCanvas;
}  // namespace rt

namespace hemr {

class TBitCheckBox : public rt::TWinControl {
    RT_CLASS(TBitCheckBox, rt::TWinControl)

public:
    explicit TBitCheckBox(rt::TComponent* owner);
    ~TBitCheckBox() override;

    static void Publish(rt::TPublisher<TBitCheckBox>& p);

    // taRightJustify: picture left, caption right of it; taLeftJustify the other way round.
    rt::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(rt::TAlignment v);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }
    rt::TCheckBoxState State() const { return state_; }
    void SetState(rt::TCheckBoxState state);
    bool Checked() const { return state_ == rt::cbChecked; }
    void SetChecked(bool v) { SetState(v ? rt::cbChecked : rt::cbUnchecked); }

    // The picture strip of each state; setting none loads the default picture.
    rt::TBitmap* CheckedGlyph() const { return Strip(rt::cbChecked).Picture.get(); }
    void SetCheckedGlyph(rt::TBitmap* picture) { SetStripPicture(rt::cbChecked, picture); }
    rt::TBitmap* GrayedGlyph() const { return Strip(rt::cbGrayed).Picture.get(); }
    void SetGrayedGlyph(rt::TBitmap* picture) { SetStripPicture(rt::cbGrayed, picture); }
    rt::TBitmap* UncheckedGlyph() const { return Strip(rt::cbUnchecked).Picture.get(); }
    void SetUncheckedGlyph(rt::TBitmap* picture) { SetStripPicture(rt::cbUnchecked, picture); }
    // Frames in each strip, 1 or 2.
    int CheckedNumGlyphs() const { return Strip(rt::cbChecked).NumGlyphs; }
    void SetCheckedNumGlyphs(int count) { SetStripFrames(rt::cbChecked, count); }
    int GrayedNumGlyphs() const { return Strip(rt::cbGrayed).NumGlyphs; }
    void SetGrayedNumGlyphs(int count) { SetStripFrames(rt::cbGrayed, count); }
    int UncheckedNumGlyphs() const { return Strip(rt::cbUnchecked).NumGlyphs; }
    void SetUncheckedNumGlyphs(int count) { SetStripFrames(rt::cbUnchecked, count); }

    // unchecked -> grayed (with AllowGrayed) or checked; checked -> unchecked; grayed -> checked.
    void Toggle();
    void Click() override;
    void UserClick() override { Click(); }

    // Painting goes here; give it a bitmap to get pixels.
    rt::TCanvas* Canvas() const { return canvas_.get(); }
    // Where the last paint put the caption.
    rt::TRect CaptionRect() const { return captionRect_; }

    void WndProc(rt::TMessage& message) override;

protected:
    void Paint() override;
    void TextChanged() override { Invalidate(); }
    void DefaultKeyUp(uint16_t key, rt::TShiftState shift) override;
    rt::LRESULT DialogCode() const override { return rt::DLGC_BUTTON; }

private:
    struct TStrip {
        std::unique_ptr<rt::TBitmap> Picture;
        int NumGlyphs = 1;
    };
    const TStrip& Strip(rt::TCheckBoxState state) const { return strips_[static_cast<size_t>(state)]; }
    TStrip& Strip(rt::TCheckBoxState state) { return strips_[static_cast<size_t>(state)]; }
    void SetStripPicture(rt::TCheckBoxState state, const rt::TBitmap* picture);
    void SetStripFrames(rt::TCheckBoxState state, int count);
    bool IsStateStored() const { return state_ == rt::cbGrayed; }
    // The frame of the current state's strip this paint shows, with its transparent colour.
    std::unique_ptr<rt::TBitmap> CurrentFrame() const;
    void PaintCaption(rt::TRect rect);

    rt::TAlignment alignment_ = rt::taRightJustify;
    bool allowGrayed_ = false;
    rt::TCheckBoxState state_ = rt::cbUnchecked;
    std::array<TStrip, 3> strips_;
    std::unique_ptr<rt::TCanvas> canvas_;
    rt::TRect captionRect_;
};

}  // namespace hemr
