#pragma once
// A bar between aligned controls that a user drags to resize the control it
// is aligned against (the one on its left for alLeft, above for alTop ...).
// The neighbour keeps at least MinSize, and so does the space on the other side.

#include "platform/controls/TControl.h"

namespace rt {

class TSplitter : public TControl {
    RT_CLASS(TSplitter, TControl)

public:
    explicit TSplitter(TComponent* owner);

    static void Publish(TPublisher<TSplitter>& p);

    int MinSize() const { return minSize_; }
    void SetMinSize(int size) { minSize_ = size < 1 ? 1 : size; }
    bool Beveled() const { return beveled_; }
    void SetBeveled(bool v) { beveled_ = v; }
    // The control the splitter resizes; null when none is aligned against it.
    TControl* FindControl() const;
    // Moves the splitter by `delta` pixels (right or down positive), resizing the neighbour; returns the applied delta.
    int MoveBy(int delta);

    TNotifyEvent OnMoved;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
    // Room the opposite side can give up before it goes under MinSize.
    int FreeSpace(const TControl& neighbour) const;

    int minSize_ = 30;
    bool beveled_ = false;
    bool dragging_ = false;
    int downPos_ = 0;
};

}  // namespace rt
