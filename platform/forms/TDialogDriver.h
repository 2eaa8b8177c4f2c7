#pragma once
// Answers message dialogs and message boxes, and records every one shown:
// what it said and offered, and what was answered. Hosts and tests queue
// answers or set a callback; without either the default button answers.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/DialogTypes.h"
#include "platform/forms/FormTypes.h"

namespace rt {

struct TDialogButton {
    std::string Name;
    std::string Caption;
    TModalResult Result = mrNone;
};

struct TDialogRecord {
    TMsgDlgType Kind = mtCustom;
    std::string Caption;
    std::string Text;
    std::vector<TDialogButton> Buttons;
    // Name of the default button, empty when there is none.
    std::string DefaultButton;
    // The font the dialog is drawn with; empty and 0 when nothing set one.
    std::string FontName;
    int FontCharset = 0;
    TModalResult Answer = mrNone;
};

class TDialogDriver {
public:
    using Callback = std::function<TModalResult(const TDialogRecord& dialog)>;

    void QueueAnswer(TModalResult answer) { answers_.push_back(answer); }
    void SetCallback(Callback callback) { callback_ = std::move(callback); }
    // Forgets queued answers, the callback and the record.
    void Reset();

    // Decides the answer of `dialog` (queued answers first, then the callback,
    // then the default button), records it and returns it.
    TModalResult Answer(TDialogRecord dialog);

    const std::vector<TDialogRecord>& Dialogs() const { return dialogs_; }
    const TDialogRecord* LastDialog() const { return dialogs_.empty() ? nullptr : &dialogs_.back(); }
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }

private:
    std::deque<TModalResult> answers_;
    Callback callback_;
    std::vector<TDialogRecord> dialogs_;
};

}  // namespace rt
