#pragma once
// A framed container with a caption along its top edge; aligned children stay
// below the caption line.

#include "platform/controls/TWinControl.h"

namespace rt {

class TGroupBox : public TWinControl {
    RT_CLASS(TGroupBox, TWinControl)

public:
    explicit TGroupBox(TComponent* owner);

    static void Publish(TPublisher<TGroupBox>& p);

protected:
    TRect AlignRect() const override;
};

}  // namespace rt
