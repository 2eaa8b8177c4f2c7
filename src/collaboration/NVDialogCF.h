#pragma once
// The base of the module's small dialogs: a fixed-border window that sees
// keys first, hands F2, F3 and F4 (and the lookup buttons' messages 1034 to
// 1036) to overridable operations for the active control, moves on with
// Enter except in memos and grids, converts its texts once when created and
// takes its owner's caption.

#include <cstdint>

#include "src/controls/NVForm.h"

namespace hemr {

// WM_USER + 10, + 11, + 12: the F2, F3 and F4 requests for the control in LParam.
inline constexpr uint32_t DialogF2Message = rt::WM_USER + 10;
inline constexpr uint32_t DialogF3Message = rt::WM_USER + 11;
inline constexpr uint32_t DialogF4Message = rt::WM_USER + 12;

class TfrmNVDialog : public TNVForm {
    RT_CLASS(TfrmNVDialog, TNVForm)

public:
    explicit TfrmNVDialog(rt::TComponent* owner);

    // ---- virtual operations introduced here, in their order ----------------------
    // Each focuses `Control` when it is given and can take the focus.
    virtual void DoF2Key(uint16_t& Key, rt::TWinControl* Control);
    virtual void DoF3Key(uint16_t& Key, rt::TWinControl* Control);
    virtual void DoF4Key(uint16_t& Key, rt::TWinControl* Control);

protected:
    void DoCreate() override;
    void KeyDown(uint16_t& key, rt::TShiftState shift) override;
    void KeyPress(char& key) override;
    void WndProc(rt::TMessage& message) override;

private:
    // Calls the operation for F2, F3 or F4; false for any other key.
    bool DoFunctionKey(uint16_t& key, rt::TWinControl* control);
};

}  // namespace hemr
