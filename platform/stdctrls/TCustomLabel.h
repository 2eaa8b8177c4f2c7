#pragma once
// Static text. Not a window: it takes neither the focus nor keys. With
// AutoSize it takes the size its caption needs in its font (the width stays
// fixed with WordWrap, and a right-justified label keeps its right edge).

#include "platform/controls/TControl.h"
#include "platform/stdctrls/StdCtrlTypes.h"

namespace rt {

class TWinControl;

class TCustomLabel : public TControl {
    RT_CLASS(TCustomLabel, TControl)

public:
    explicit TCustomLabel(TComponent* owner);

    static void Publish(TPublisher<TCustomLabel>& p);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // The control an accelerator of the caption focuses.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TLabelLayout Layout() const { return layout_; }
    void SetLayout(TLabelLayout v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);

    // The DT_ flags the caption is laid out with.
    uint32_t TextFlags() const;
    // Fits the bounds to the caption when AutoSize is on.
    void AdjustBounds();

    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

protected:
    void TextChanged() override;
    void FontChanged() override;

private:
    bool autoSize_ = true;
    TWinControl* focusControl_ = nullptr;
    TAlignment alignment_ = taLeftJustify;
    TLabelLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
    RT_CLASS(TLabel, TCustomLabel)

public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

}  // namespace rt
