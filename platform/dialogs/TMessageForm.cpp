#include "platform/dialogs/TMessageForm.h"

#include "platform/core/Exceptions.h"
#include "platform/forms/TApplication.h"
#include "platform/graphics/TFont.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"

namespace rt {

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poScreenCenter);
}

TLabel* TMessageForm::MessageLabel() const { return dynamic_cast<TLabel*>(FindComponent("Message")); }

TDialogRecord TMessageForm::Describe() const {
    TDialogRecord dialog;
    dialog.Kind = kind_;
    dialog.Caption = Caption();
    dialog.FontName = Font()->Name();
    dialog.FontCharset = Font()->Charset();
    if (const TLabel* label = MessageLabel()) dialog.Text = label->Caption();
    for (int i = 0; i < ComponentCount(); ++i) {
        const auto* button = dynamic_cast<const TButton*>(Components(i));
        if (button == nullptr) continue;
        dialog.Buttons.push_back({button->Name(), button->Caption(), button->ModalResult()});
        if (button->Default() && dialog.DefaultButton.empty()) dialog.DefaultButton = button->Name();
    }
    return dialog;
}

TModalResult TMessageForm::ShowModal() {
    if (Visible() || IsModal()) throw EInvalidOperation("Cannot make a visible window modal");
    const TModalResult answer = Application().DialogDriver().Answer(Describe());
    SetModalResult(answer);
    return answer;
}

}  // namespace rt
