#pragma once
// Push buttons. Clicking one sets its form's ModalResult to the button's
// (which ends a modal form) before OnClick runs. The default button answers
// Enter unless another button has the focus (then that one does); the cancel
// button answers Escape.

#include "platform/forms/FormTypes.h"
#include "platform/stdctrls/TButtonControl.h"

namespace rt {

class TButton : public TButtonControl {
    RT_CLASS(TButton, TButtonControl)

public:
    explicit TButton(TComponent* owner);

    static void Publish(TPublisher<TButton>& p);

    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    // True when Enter clicks this button now.
    bool IsActiveDefault() const;

    void Click() override;

protected:
    bool DialogKey(uint16_t key, TShiftState shift) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

}  // namespace rt
