#include "src/controls/DBLabel.h"

#include <algorithm>
#include <exception>

#include "platform/controls/TWinControl.h"
#include "platform/remote/TField.h"
#include "src/controls/BindingScan.h"
#include "src/controls/ControlMessages.h"
#include "src/controls/DataSource.h"

namespace hemr {

TDBLabel::TDBLabel(rt::TComponent* owner) : rt::TLabel(owner) { SetCaption("挂靠标签"); }

void TDBLabel::Publish(rt::TPublisher<TDBLabel>& p) {
    p.Property("AutoAlign", &TDBLabel::AutoAlign, &TDBLabel::SetAutoAlign).Default(true);
    p.Property("AutoCaption", &TDBLabel::AutoCaption, &TDBLabel::SetAutoCaption).Default(true);
    p.Property("FocusControl", &TDBLabel::FocusControl, &TDBLabel::SetFocusControl);
    p.Property("Gap", &TDBLabel::Gap, &TDBLabel::SetGap).Default(4);
    p.Property("Pos", &TDBLabel::Pos, &TDBLabel::SetPos).Default(psLeft);
}

void TDBLabel::SetAutoAlign(bool v) {
    autoAlign_ = v;
    Glue();
}

void TDBLabel::SetAutoCaption(bool v) {
    autoCaption_ = v;
    Glue();
}

void TDBLabel::SetGap(int gap) {
    gap_ = gap;
    Glue();
}

void TDBLabel::SetPos(TPos pos) {
    pos_ = pos;
    Glue();
}

bool TDBLabel::BoundElsewhere(const rt::TWinControl* control) const {
    for (rt::TComponent* c : BindingNeighbours(this)) {
        auto* label = dynamic_cast<TDBLabel*>(c);
        if (label == nullptr || label->FocusControl() != control) continue;
        if (label != this) ShowControlError(kDBLabelTwiceError);
        return true;
    }
    return false;
}

void TDBLabel::SetFocusControl(rt::TWinControl* control) {
    if (control != nullptr && BoundElsewhere(control)) return;
    rt::TLabel::SetFocusControl(control);
    Glue();
}

void TDBLabel::Glue() {
    TakeCaption();
    TakePlace();
}

void TDBLabel::TakeCaption() {
    if (!autoCaption_ || FocusControl() == nullptr) return;
    // A control without a field behind it keeps the caption as it is.
    try {
        if (rt::TField* field = FindBoundField(FocusControl())) SetCaption(field->DisplayLabel());
    } catch (const std::exception&) {
    }
}

void TDBLabel::TakePlace() {
    const rt::TWinControl* c = FocusControl();
    if (!autoAlign_ || c == nullptr) return;
    const int w = Width();
    const int h = Height();
    int left = c->Left();
    // Beside the control: at its top when equally high, else centred on it.
    int top = c->Top() + (c->Height() - h) / 2;
    switch (pos_) {
        case psTop: top = c->Top() - h - gap_; break;
        case psBottom: top = c->Top() + c->Height() + gap_; break;
        case psLeft: left = c->Left() - gap_ - w; break;
        case psRight: left = c->Left() + c->Width() + gap_; break;
    }
    SetBounds(std::max(left, 0), std::max(top, 0), w, h);
}

}  // namespace hemr
