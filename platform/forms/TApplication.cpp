#include "platform/forms/TApplication.h"

#include <algorithm>

#include "platform/controls/WindowHandles.h"
#include "platform/forms/TCustomForm.h"

namespace rt {

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
    // Forms are freed the way they free themselves, so their OnDestroy runs.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i >= ComponentCount()) continue;
        if (auto* form = dynamic_cast<TCustomForm*>(Components(i))) form->Free();
    }
}

bool TApplication::PostMessage(HWND handle, uint32_t msg, WPARAM wparam, LPARAM lparam) {
    if (FindControl(handle) == nullptr) return false;
    queue_.push_back({handle, TMessage{msg, wparam, lparam, 0}});
    return true;
}

LRESULT TApplication::SendMessage(HWND handle, uint32_t msg, WPARAM wparam, LPARAM lparam) {
    TWinControl* target = FindControl(handle);
    return target == nullptr ? 0 : target->Perform(msg, wparam, lparam);
}

void TApplication::Dispatch(const QueuedMessage& m) {
    // The window may have gone since the message was posted.
    TWinControl* target = FindControl(m.Handle);
    if (target == nullptr) return;
    if (m.Message.Msg == CM_RELEASE) {
        if (auto* form = dynamic_cast<TCustomForm*>(target)) {
            if (form->IsModal()) {
                deferredReleases_.push_back(m.Handle);
                return;
            }
            form->Free();
            return;
        }
    }
    Guard(target, [&] { target->Perform(m.Message.Msg, m.Message.WParam, m.Message.LParam); });
}

bool TApplication::HandleMessage() {
    if (queue_.empty()) return false;
    const QueuedMessage m = queue_.front();
    queue_.pop_front();
    Dispatch(m);
    if (TCustomForm* modal = ModalForm()) modal->CheckModalEnd();
    return true;
}

void TApplication::ProcessMessages() {
    while (HandleMessage()) {
    }
    if (TCustomForm* modal = ModalForm()) modal->CheckModalEnd();
}

void TApplication::Reset() {
    terminated_ = false;
    queue_.clear();
}

TCustomForm* TApplication::CreateForm(TClass cls) {
    if (cls == nullptr || !cls->InheritsFrom(TCustomForm::StaticClass()) || !cls->CanCreate()) {
        throw EInvalidOperation("Cannot create a form of class " + (cls ? cls->ClassName() : std::string("nil")));
    }
    auto* form = static_cast<TCustomForm*>(cls->CreateInstance(this));
    try {
        form->AfterConstruction();
    } catch (...) {
        delete form;
        throw;
    }
    if (mainForm_ == nullptr) mainForm_ = form;
    return form;
}

void TApplication::BeginModal(TCustomForm* form) { modalStack_.push_back(form); }

void TApplication::EndModal(TCustomForm* form) {
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
    if (!form->HandleAllocated()) return;
    const HWND handle = form->Handle();
    const auto it = std::find(deferredReleases_.begin(), deferredReleases_.end(), handle);
    if (it != deferredReleases_.end()) {
        deferredReleases_.erase(it);
        queue_.push_back({handle, TMessage{CM_RELEASE, 0, 0, 0}});
    }
}

void TApplication::FormDestroying(TCustomForm* form) {
    if (mainForm_ == form) mainForm_ = nullptr;
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
}

void TApplication::RunModalLoop(TCustomForm& form) {
    ProcessMessages();
    if (form.IsModal() && form.Visible() && modalDriver_) {
        Guard(&form, [&] { modalDriver_(form); });
    }
    ProcessMessages();
}

void TApplication::HandleException(TObject* sender) {
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        if (OnException.Assigned()) {
            OnException(sender, e);
        } else {
            ShowException(e);
        }
    } catch (const std::exception& e) {
        const Exception wrapped(e.what());
        if (OnException.Assigned()) {
            OnException(sender, wrapped);
        } else {
            ShowException(wrapped);
        }
    }
}

void TApplication::ShowException(const Exception& e) {
    std::string text = e.Message();
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

bool TApplication::Guard(TObject* sender, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (...) {
        HandleException(sender);
        return false;
    }
}

namespace {

TMsgDlgType KindOfFlags(uint32_t flags) {
    switch (flags & MB_ICONMASK) {
        case MB_ICONHAND: return mtError;
        case MB_ICONQUESTION: return mtConfirmation;
        case MB_ICONEXCLAMATION: return mtWarning;
        case MB_ICONASTERISK: return mtInformation;
        default: return mtCustom;
    }
}

std::vector<TDialogButton> ButtonsOfFlags(uint32_t flags) {
    const TDialogButton ok{"OK", "OK", IDOK}, cancel{"Cancel", "Cancel", IDCANCEL};
    const TDialogButton abort{"Abort", "&Abort", IDABORT}, retry{"Retry", "&Retry", IDRETRY};
    const TDialogButton ignore{"Ignore", "&Ignore", IDIGNORE};
    const TDialogButton yes{"Yes", "&Yes", IDYES}, no{"No", "&No", IDNO};
    switch (flags & MB_TYPEMASK) {
        case MB_OKCANCEL: return {ok, cancel};
        case MB_ABORTRETRYIGNORE: return {abort, retry, ignore};
        case MB_YESNOCANCEL: return {yes, no, cancel};
        case MB_YESNO: return {yes, no};
        case MB_RETRYCANCEL: return {retry, cancel};
        default: return {ok};
    }
}

}  // namespace

int TApplication::MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    TDialogRecord dialog;
    dialog.Kind = KindOfFlags(flags);
    dialog.Caption = caption;
    dialog.Text = text;
    dialog.Buttons = ButtonsOfFlags(flags);
    const size_t defIndex = (flags & MB_DEFMASK) >> 8;
    dialog.DefaultButton = dialog.Buttons[defIndex < dialog.Buttons.size() ? defIndex : 0].Name;
    return dialogDriver_.Answer(std::move(dialog));
}

TApplication& Application() {
    // Never destroyed: forms may outlive static destruction order otherwise.
    static TApplication* app = new TApplication();
    return *app;
}

}  // namespace rt
