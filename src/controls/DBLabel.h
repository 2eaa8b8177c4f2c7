#pragma once
// A label glued to its focus control: it takes its caption from the data
// field behind the control (AutoCaption) and its place beside it (AutoAlign,
// Pos, Gap). Two labels of one parent may not point to the same control.

#include <cstdint>

#include "platform/stdctrls/TCustomLabel.h"
#include "src/controls/ControlEnums.h"

namespace hemr {

class TDBLabel : public rt::TLabel {
    RT_CLASS(TDBLabel, rt::TLabel)

public:
    // Reads "挂靠标签" until it is glued.
    explicit TDBLabel(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TDBLabel>& p);

    bool AutoAlign() const { return autoAlign_; }
    void SetAutoAlign(bool v);
    bool AutoCaption() const { return autoCaption_; }
    void SetAutoCaption(bool v);
    int Gap() const { return gap_; }
    void SetGap(int gap);
    TPos Pos() const { return pos_; }
    void SetPos(TPos pos);
    // Refused, with an error dialog, when another glued label of the same
    // parent already points to `control`; the same control again is a no-op.
    void SetFocusControl(rt::TWinControl* control);

    // Takes the caption (AutoCaption), then the place (AutoAlign).
    void Glue();

private:
    void TakeCaption();
    void TakePlace();
    bool BoundElsewhere(const rt::TWinControl* control) const;

    bool autoAlign_ = true;
    bool autoCaption_ = true;
    int gap_ = 4;
    TPos pos_ = psLeft;
};

}  // namespace hemr
