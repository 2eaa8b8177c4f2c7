#pragma once
// The form of a message dialog: a label named "Message" and one button per
// offered answer, named after it ("Yes", "OK", "NoToAll" ...). Callers may
// change captions and fonts before ShowModal, which hands the dialog as it
// then stands to the application's dialog driver and returns its answer.

#include <string>

#include "platform/forms/DialogTypes.h"
#include "platform/forms/TDialogDriver.h"
#include "platform/forms/TForm.h"

namespace rt {

class TLabel;

class TMessageForm : public TForm {
    RT_CLASS(TMessageForm, TForm)

public:
    explicit TMessageForm(TComponent* owner);

    TMsgDlgType Kind() const { return kind_; }
    void SetKind(TMsgDlgType kind) { kind_ = kind; }
    // The "Message" label, null if a caller freed it.
    TLabel* MessageLabel() const;

    // The dialog as it would be shown now.
    TDialogRecord Describe() const;
    TModalResult ShowModal() override;

private:
    TMsgDlgType kind_ = mtCustom;
};

}  // namespace rt
