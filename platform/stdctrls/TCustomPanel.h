#pragma once
// Panels: containers with a bevelled frame and a centred caption. The frame
// (border width plus one bevel width per bevel) is kept free of aligned children.

#include "platform/controls/TWinControl.h"
#include "platform/stdctrls/StdCtrlTypes.h"

namespace rt {

class TCustomPanel : public TWinControl {
    RT_CLASS(TCustomPanel, TWinControl)

public:
    explicit TCustomPanel(TComponent* owner);

    static void Publish(TPublisher<TCustomPanel>& p);

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

    // Width of the frame on each side.
    int FrameWidth() const;

protected:
    TRect AlignRect() const override;

private:
    void FrameChanged();

    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
    RT_CLASS(TPanel, TCustomPanel)

public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

}  // namespace rt
