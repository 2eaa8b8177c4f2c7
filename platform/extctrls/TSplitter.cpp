#include "platform/extctrls/TSplitter.h"

#include <algorithm>

#include "platform/controls/TWinControl.h"

namespace rt {

TSplitter::TSplitter(TComponent* owner) : TControl(owner) {
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

void TSplitter::Publish(TPublisher<TSplitter>& p) {
    p.Republish("Align").Default(alLeft);
    p.Republish("Cursor").Default(crHSplit);
    p.Property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(false);
    p.Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
    p.Property("OnMoved", &TSplitter::OnMoved);
}

TControl* TSplitter::FindControl() const {
    if (Parent() == nullptr) return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        const TRect r = c->BoundsRect();
        const bool touches = (Align() == alLeft && r.Right == Left()) || (Align() == alRight && r.Left == Left() + Width()) ||
                             (Align() == alTop && r.Bottom == Top()) || (Align() == alBottom && r.Top == Top() + Height());
        if (touches) return c;
    }
    return nullptr;
}

int TSplitter::FreeSpace(const TControl& neighbour) const {
    if (Parent() == nullptr) return 0;
    // Everything aligned the same way or to the client takes part; the rest of the client area is free.
    int used = 0;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        const TControl* c = Parent()->Controls(i);
        if (!c->Visible() || c == &neighbour) continue;
        const bool sameAxis = Horizontal() ? (c->Align() == alLeft || c->Align() == alRight)
                                           : (c->Align() == alTop || c->Align() == alBottom);
        if (sameAxis) used += Horizontal() ? c->Width() : c->Height();
    }
    const int extent = Horizontal() ? Parent()->ClientWidth() : Parent()->ClientHeight();
    const int own = Horizontal() ? neighbour.Width() : neighbour.Height();
    return extent - used - own - minSize_;
}

int TSplitter::MoveBy(int delta) {
    TControl* neighbour = FindControl();
    if (neighbour == nullptr || delta == 0) return 0;
    // Growing the neighbour is a move away from it: right for alLeft, left for alRight.
    const int grow = (Align() == alLeft || Align() == alTop) ? delta : -delta;
    const int size = Horizontal() ? neighbour->Width() : neighbour->Height();
    const int newSize = std::max(minSize_, std::min(size + grow, size + std::max(0, FreeSpace(*neighbour))));
    if (newSize == size) return 0;
    if (Horizontal()) {
        neighbour->SetWidth(newSize);
    } else {
        neighbour->SetHeight(newSize);
    }
    OnMoved(this);
    return (Align() == alLeft || Align() == alTop) ? newSize - size : size - newSize;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    dragging_ = true;
    downPos_ = Horizontal() ? x : y;
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
    TControl::MouseMove(shift, x, y);
    if (!dragging_) return;
    MoveBy((Horizontal() ? x : y) - downPos_);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseUp(button, shift, x, y);
    dragging_ = false;
}

}  // namespace rt
