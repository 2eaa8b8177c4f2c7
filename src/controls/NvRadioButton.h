#pragma once
// A radio button that paints its own caption, at an indent that grows with
// the font size. Checking one unchecks the other buttons of this kind with
// the same parent (standard radio buttons there keep their state), makes it
// the tab stop of its group and raises OnClick unless clicks are suppressed.

#include <memory>

#include "platform/controls/ControlTypes.h"
#include "platform/stdctrls/TButtonControl.h"

namespace rt {
class TCanvas;
}

namespace hemr {

class TNvRadioButton : public rt::TButtonControl {
    RT_CLASS(TNvRadioButton, rt::TButtonControl)

public:
    explicit TNvRadioButton(rt::TComponent* owner);
    ~TNvRadioButton() override;

    static void Publish(rt::TPublisher<TNvRadioButton>& p);

    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    // taRightJustify: button left, text right.
    rt::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(rt::TAlignment v);
    // While suppressed (and while the form is read) checking raises no OnClick.
    bool ClicksSuppressed() const { return clicksSuppressed_ || IsReading(); }
    void SetClicksSuppressed(bool v) { clicksSuppressed_ = v; }

    // Where the caption starts, in pixels from the left of the client area, for a font of `points`.
    static int CaptionIndent(int points);

    // A click checks the button.
    void UserClick() override { SetChecked(true); }
    rt::TCanvas* Canvas() const { return canvas_.get(); }

    void WndProc(rt::TMessage& message) override;

protected:
    void Paint() override;
    void EnabledChanged() override;
    void TextChanged() override { Invalidate(); }

private:
    void UncheckSiblings();
    void PaintCaption();

    bool checked_ = false;
    rt::TAlignment alignment_ = rt::taRightJustify;
    bool clicksSuppressed_ = false;
    std::unique_ptr<rt::TCanvas> canvas_;
};

}  // namespace hemr
