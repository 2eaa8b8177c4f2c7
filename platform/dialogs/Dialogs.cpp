#include "platform/dialogs/Dialogs.h"

#include <algorithm>
#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/dialogs/TMessageForm.h"
#include "platform/forms/TApplication.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"

namespace rt {

namespace {

struct TButtonInfo {
    const char* Name;
    const char* Caption;
    TModalResult Result;
};

constexpr TButtonInfo kButtons[] = {
    {"Yes", "&Yes", mrYes},          {"No", "&No", mrNo},
    {"OK", "OK", mrOk},              {"Cancel", "Cancel", mrCancel},
    {"Abort", "&Abort", mrAbort},    {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore}, {"All", "&All", mrAll},
    {"NoToAll", "N&o to All", mrNoToAll}, {"YesToAll", "Yes to &All", mrYesToAll},
    {"Help", "&Help", mrNone},
};

const TButtonInfo& InfoOf(TMsgDlgBtn button) { return kButtons[static_cast<int>(button)]; }

constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;

TMsgDlgBtn DefaultOf(TMsgDlgButtons buttons, TMsgDlgBtn first) {
    if (buttons.Contains(mbOK)) return mbOK;
    if (buttons.Contains(mbYes)) return mbYes;
    return first;
}

bool CancelOf(TMsgDlgButtons buttons, TMsgDlgBtn& cancel) {
    for (TMsgDlgBtn b : {mbCancel, mbNo, mbOK}) {
        if (buttons.Contains(b)) {
            cancel = b;
            return true;
        }
    }
    return false;
}

// Message on top, the buttons centred in a row below it.
void LayOut(TMessageForm* form, TLabel* label, const std::vector<TButton*>& buttons) {
    const int count = static_cast<int>(buttons.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int width = std::max(label->Width(), rowWidth) + 2 * kMargin;
    label->SetBounds(kMargin, kMargin, label->Width(), label->Height());
    const int top = label->Top() + label->Height() + 2 * kMargin;
    int left = (width - rowWidth) / 2;
    for (TButton* b : buttons) {
        b->SetBounds(left, top, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
    }
    form->SetBounds(form->Left(), form->Top(), width, top + kButtonHeight + kMargin);
}

}  // namespace

const char* MsgDlgButtonName(TMsgDlgBtn button) { return InfoOf(button).Name; }

const char* MsgDlgButtonCaption(TMsgDlgBtn button) { return InfoOf(button).Caption; }

TModalResult MsgDlgButtonResult(TMsgDlgBtn button) { return InfoOf(button).Result; }

std::string MsgDlgCaption(TMsgDlgType type) {
    switch (type) {
        case mtWarning: return "Warning";
        case mtError: return "Error";
        case mtInformation: return "Information";
        case mtConfirmation: return "Confirmation";
        case mtCustom: break;
    }
    return Application().Title();
}

TForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons) {
    if (buttons.Empty()) throw EInvalidOperation("A message dialog needs at least one button");
    auto form = std::unique_ptr<TMessageForm>(new TMessageForm(&Application()));
    form->AfterConstruction();
    form->SetKind(type);
    form->SetCaption(MsgDlgCaption(type));
    auto* label = new TLabel(form.get());
    label->SetName("Message");
    label->SetParent(form.get());
    label->SetCaption(message);

    std::vector<TButton*> made;
    TMsgDlgBtn first = mbHelp;
    bool haveFirst = false;
    for (int i = 0; i <= static_cast<int>(mbHelp); ++i) {
        const auto b = static_cast<TMsgDlgBtn>(i);
        if (!buttons.Contains(b)) continue;
        if (!haveFirst) {
            first = b;
            haveFirst = true;
        }
        auto* button = new TButton(form.get());
        button->SetName(MsgDlgButtonName(b));
        button->SetParent(form.get());
        button->SetCaption(MsgDlgButtonCaption(b));
        button->SetModalResult(MsgDlgButtonResult(b));
        made.push_back(button);
    }
    static_cast<TButton*>(form->FindComponent(MsgDlgButtonName(DefaultOf(buttons, first))))->SetDefault(true);
    TMsgDlgBtn cancel = mbCancel;
    if (CancelOf(buttons, cancel)) static_cast<TButton*>(form->FindComponent(MsgDlgButtonName(cancel)))->SetCancel(true);
    LayOut(form.get(), label, made);
    return form.release();
}

TModalResult MessageDlgPos(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                           int x, int y) {
    TForm* form = CreateMessageDialog(message, type, buttons);
    form->SetHelpContext(helpContext);
    if (x >= 0) form->SetLeft(x);
    if (y >= 0) form->SetTop(y);
    if (x >= 0 || y >= 0) form->SetPosition(poDesigned);
    TModalResult result = mrNone;
    try {
        result = form->ShowModal();
    } catch (...) {
        form->Free();
        throw;
    }
    form->Free();
    return result;
}

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
    return MessageDlgPos(message, type, buttons, helpContext, -1, -1);
}

void ShowMessage(const std::string& message) { MessageDlg(message, mtCustom, TMsgDlgButtons{mbOK}); }

}  // namespace rt
