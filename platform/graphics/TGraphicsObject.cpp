#include "platform/graphics/TGraphicsObject.h"

namespace rt {

void TGraphicsObject::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && pending_) {
        pending_ = false;
        OnChange(this);
    }
}

void TGraphicsObject::Changed() {
    if (updateCount_ > 0) {
        pending_ = true;
        return;
    }
    OnChange(this);
}

}  // namespace rt
