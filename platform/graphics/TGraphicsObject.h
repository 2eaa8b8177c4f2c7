#pragma once
// The common base of fonts, brushes and pens: a published value object that
// tells its user (a control, a canvas) when it changes, once per change.

#include "platform/classes/Events.h"
#include "platform/classes/TPersistent.h"

namespace rt {

class TGraphicsObject : public TPersistent {
    RT_CLASS(TGraphicsObject, TPersistent)

public:
    TGraphicsObject() = default;

    // Raised after every effective change, with this object as Sender.
    TNotifyEvent OnChange;

    // Changes between BeginUpdate and the matching EndUpdate raise OnChange once, at the end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

protected:
    void Changed();

private:
    int updateCount_ = 0;
    bool pending_ = false;
};

}  // namespace rt
