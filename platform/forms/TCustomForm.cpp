#include "platform/forms/TCustomForm.h"

#include <algorithm>

#include "platform/controls/VirtualKeys.h"
#include "platform/controls/WindowHandles.h"
#include "platform/core/Exceptions.h"
#include "platform/streaming/FormResources.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TScreen.h"

namespace rt {

namespace {

constexpr const char* kCannotFocus = "Cannot focus a disabled or invisible window";

bool IsLoading(const TComponent* c) {
    return c->ComponentState().Contains(csLoading) || c->ComponentState().Contains(csReading);
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    TControl::SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
    Destroying();
    Application().FormDestroying(this);
    Screen().RemoveForm(this);
    DestroyComponents();
}

void TCustomForm::Publish(TPublisher<TCustomForm>& p) {
    p.Republish("Visible").Default(false);
    p.Property("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption).Default(std::string());
    p.Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    p.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
    p.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal);
    p.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
    p.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    p.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
    p.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
    p.Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
    p.Property("OnCreate", &TCustomForm::OnCreate);
    p.Property("OnShow", &TCustomForm::OnShow);
    p.Property("OnHide", &TCustomForm::OnHide);
    p.Property("OnDestroy", &TCustomForm::OnDestroy);
    p.Property("OnResize", &TCustomForm::OnResize);
    p.Property("OnActivate", &TCustomForm::OnActivate);
    p.Property("OnDeactivate", &TCustomForm::OnDeactivate);
    p.Property("OnClose", &TCustomForm::OnClose);
    p.Property("OnCloseQuery", &TCustomForm::OnCloseQuery);
}

void TCustomForm::AfterConstruction() {
    ReadResources();
    DoCreate();
    if (showAfterLoad_) {
        showAfterLoad_ = false;
        Show();
    }
}

void TCustomForm::ReadResources() { ReadFormResources(this); }

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
    // The components that are no controls (converters, menus, image lists) are
    // written too, before the controls, as the form's resource holds them.
    if (root == this) {
        for (int i = 0; i < ComponentCount(); ++i) {
            if (!Components(i)->HasParent()) proc(Components(i));
        }
    }
    TWinControl::GetChildren(proc, root);
}

void TCustomForm::Free() {
    if (destroyed_ || freeAfterModal_) return;
    if (modal_) {
        // Its modal loop still runs on this form: end the loop, and free the form
        // when ShowModal returns to it.
        freeAfterModal_ = true;
        modalResult_ = mrCancel;
        if (!modalEnded_) EndModal();
        return;
    }
    destroyed_ = true;
    Application().Guard(this, [this] { DoDestroy(); });
    // Marked before the derived classes' destructors run, so that no handler
    // (a focus exit among them) reaches a part already gone.
    Destroying();
    delete this;
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    if (activeControl_ != nullptr && !activeControl_->CanFocus()) activeControl_ = nullptr;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control != nullptr &&
        (control == this || GetParentForm(control) != this || (!IsLoading(this) && !control->CanFocus()))) {
        throw EInvalidOperation(kCannotFocus);
    }
    if (activeControl_ == control) {
        if (active_ && control != nullptr && !control->Focused()) SetWindowFocus();
        return;
    }
    activeControl_ = control;
    if (!IsLoading(this) && active_) SetWindowFocus();
}

void TCustomForm::SetWindowFocus() { SetFocusedControl(activeControl_ != nullptr ? activeControl_ : this); }

void TCustomForm::FocusControl(TWinControl* control) {
    const bool wasActive = active_;
    SetActiveControl(control);
    if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation(kCannotFocus);
    if (Screen().ActiveCustomForm() != this) {
        Screen().ActivateForm(this);
    } else {
        SetWindowFocus();
    }
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
    if (control == this) return;
    if (ComponentState().Contains(csDestroying)) {
        // A form on its way out walks no focus (the exit handlers would reach parts
        // already gone), but nothing may keep pointing at a control that goes.
        if (!removing) return;
        if (control->ContainsControl(focusedControl_)) focusedControl_ = this;
        if (control->ContainsControl(activeControl_)) activeControl_ = nullptr;
        if (control->ContainsControl(Screen().ActiveControl())) Screen().SetActiveControl(nullptr);
        return;
    }
    if (removing && control->ContainsControl(focusedControl_)) focusedControl_ = control->Parent();
    if (control->ContainsControl(activeControl_)) SetActiveControl(nullptr);
}

bool TCustomForm::SendFocusMessage(TWinControl* control, uint32_t msg) {
    const int count = focusCount_;
    control->Perform(msg);
    return count == focusCount_;
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
    ++focusCount_;
    activeControl_ = control != this ? control : nullptr;
    SetFocusHandle(control->Handle());
    if (std::find(focusing_.begin(), focusing_.end(), control) != focusing_.end()) return false;
    focusing_.push_back(control);
    struct Unmark {
        std::vector<TWinControl*>& list;
        TWinControl* c;
        ~Unmark() { list.erase(std::remove(list.begin(), list.end(), c), list.end()); }
    } unmark{focusing_, control};

    if (focusedControl_ == nullptr) focusedControl_ = this;
    if (focusedControl_ == control) return true;
    // Leave the old control and every container that does not hold the new one, innermost first.
    TWinControl* const previous = focusedControl_;
    while (focusedControl_ != nullptr && !focusedControl_->ContainsControl(control)) {
        TWinControl* leaving = focusedControl_;
        focusedControl_ = leaving->Parent();
        // A control on its way out (its parts may be gone already) is left without its exit.
        if (leaving->ComponentState().Contains(csDestroying)) continue;
        try {
            if (!SendFocusMessage(leaving, CM_EXIT)) return false;
        } catch (...) {
            // A failing exit handler keeps the focus where it was.
            RestoreFocus(previous);
            throw;
        }
    }
    // Enter the containers on the way down, outermost first, and the control itself.
    while (focusedControl_ != control) {
        TWinControl* entering = control;
        while (entering->Parent() != focusedControl_) entering = entering->Parent();
        focusedControl_ = entering;
        if (!SendFocusMessage(entering, CM_ENTER)) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    return true;
}

void TCustomForm::RestoreFocus(TWinControl* control) {
    ++focusCount_;
    focusedControl_ = control;
    activeControl_ = control != this ? control : nullptr;
    SetFocusHandle(control->Handle());
}

void TCustomForm::FocusChanged(TWinControl* control) {
    Screen().SetActiveControl(control);
    OnActiveControlChange(this);
}

void TCustomForm::Activate() {
    active_ = true;
    OnActivate(this);
    if (!active_) return;
    if (activeControl_ == nullptr) activeControl_ = FindNextControl(nullptr, true, true, false);
    SetWindowFocus();
}

void TCustomForm::Deactivate() {
    active_ = false;
    if (ContainsControl(FindControl(GetFocus()))) SetFocusHandle(0);
    OnDeactivate(this);
}

void TCustomForm::SetVisible(bool visible) {
    if (IsLoading(this)) {
        showAfterLoad_ = visible;
        return;
    }
    if (visible == Visible()) return;
    if (visible) {
        if (position_ == poScreenCenter || position_ == poDesktopCenter) {
            SetBounds((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2, Width(), Height());
        }
        DoShow();
        TWinControl::SetVisible(true);
        Screen().ActivateForm(this);
    } else {
        DoHide();
        TWinControl::SetVisible(false);
        Screen().FormHidden(this);
    }
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application().MainForm() == this) {
        Application().Terminate();
    } else if (action == caHide) {
        Hide();
    } else if (action == caMinimize) {
        SetWindowState(wsMinimized);
    } else {
        Release();
    }
}

void TCustomForm::Release() { Application().PostMessage(Handle(), CM_RELEASE); }

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    modal_ = true;
    modalEnded_ = false;
    modalResult_ = mrNone;
    Application().BeginModal(this);
    try {
        Show();
        Application().RunModalLoop(*this);
        if (!modalEnded_) {
            // The driver is done with a form still up: cancel it so that nothing waits forever.
            if (modalResult_ == mrNone) modalResult_ = mrCancel;
            CloseModal();
            if (!modalEnded_) {
                modalResult_ = mrCancel;
                EndModal();
            }
        }
    } catch (...) {
        modal_ = false;
        Application().EndModal(this);
        if (freeAfterModal_) {
            freeAfterModal_ = false;
            Free();
        }
        throw;
    }
    modal_ = false;
    Application().EndModal(this);
    const TModalResult result = modalResult_;
    if (freeAfterModal_) {
        freeAfterModal_ = false;
        Free();
    }
    return result;
}

void TCustomForm::CheckModalEnd() {
    if (modal_ && !modalEnded_ && modalResult_ != mrNone) CloseModal();
}

void TCustomForm::CloseModal() {
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone) {
            modalResult_ = mrNone;
        } else if (action == caFree) {
            Release();
        }
    } catch (...) {
        modalResult_ = mrNone;
        Application().HandleException(this);
    }
    if (modalResult_ != mrNone) EndModal();
}

void TCustomForm::EndModal() {
    modalEnded_ = true;
    if (Visible()) Hide();
}

void TCustomForm::SetWindowState(TWindowState state) { windowState_ = state; }

void TCustomForm::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    TWinControl::SetBounds(left, top, width, height);
    if (resized && !IsLoading(this)) OnResize(this);
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_CLOSE: Close(); break;
        case CM_FOCUSCHANGED: FocusChanged(reinterpret_cast<TWinControl*>(m.LParam)); break;
        default: TWinControl::WndProc(m); break;
    }
}

bool TCustomForm::DialogKey(uint16_t key, TShiftState shift) {
    if (!shift.Contains(ssAlt)) {
        if (key == VK_TAB && !shift.Contains(ssCtrl)) {
            SelectNext(activeControl_, !shift.Contains(ssShift), true);
            return true;
        }
        if ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) && activeControl_ != nullptr &&
            activeControl_->Parent() != nullptr) {
            activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
            return true;
        }
    }
    return TWinControl::DialogKey(key, shift);
}

TCustomForm* GetParentForm(TControl* control) {
    return control == nullptr ? nullptr : dynamic_cast<TCustomForm*>(control->RootParent());
}

}  // namespace rt
