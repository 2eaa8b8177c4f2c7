#include "platform/forms/TDialogDriver.h"

namespace rt {

void TDialogDriver::Reset() {
    answers_.clear();
    callback_ = nullptr;
    dialogs_.clear();
}

namespace {

TModalResult DefaultAnswer(const TDialogRecord& dialog) {
    for (const TDialogButton& b : dialog.Buttons) {
        if (b.Name == dialog.DefaultButton) return b.Result;
    }
    return dialog.Buttons.empty() ? mrCancel : dialog.Buttons.front().Result;
}

}  // namespace

TModalResult TDialogDriver::Answer(TDialogRecord dialog) {
    if (!answers_.empty()) {
        dialog.Answer = answers_.front();
        answers_.pop_front();
    } else if (callback_) {
        dialog.Answer = callback_(dialog);
    } else {
        dialog.Answer = DefaultAnswer(dialog);
    }
    dialogs_.push_back(dialog);
    return dialog.Answer;
}

}  // namespace rt
