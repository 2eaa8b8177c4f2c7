#include "platform/stdctrls/TButtonControl.h"

#include "platform/controls/VirtualKeys.h"

namespace rt {

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TButtonControl::Publish(TPublisher<TButtonControl>& p) {
    p.Republish("TabStop").Default(true);
    p.Property("Caption", &TButtonControl::Caption, &TButtonControl::SetCaption).Default(std::string());
}

void TButtonControl::DefaultKeyUp(uint16_t key, TShiftState shift) {
    if (key == VK_SPACE && shift.Empty()) UserClick();
}

bool TButtonControl::IsReading() const {
    return ComponentState().Contains(csReading) || ComponentState().Contains(csLoading);
}

}  // namespace rt
