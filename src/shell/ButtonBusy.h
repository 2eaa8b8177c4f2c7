#pragma once
// A run button disabled for the lifetime of the guard.

#include "platform/stdctrls/TButton.h"

namespace hemr {

// Disables a run button while it lives; every way out enables it again.
class TButtonBusy {
public:
    explicit TButtonBusy(rt::TButton* button) : button_(button) {
        if (button_ != nullptr) button_->SetEnabled(false);
    }
    ~TButtonBusy() {
        if (button_ != nullptr) button_->SetEnabled(true);
    }
    TButtonBusy(const TButtonBusy&) = delete;
    TButtonBusy& operator=(const TButtonBusy&) = delete;

private:
    rt::TButton* button_;
};

}  // namespace hemr
