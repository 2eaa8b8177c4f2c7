#include "platform/forms/TScreen.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/forms/TCustomForm.h"

namespace rt {

TScreen::TScreen(TComponent* owner)
    : TComponent(owner), hintFont_(new TFont()), menuFont_(new TFont()), iconFont_(new TFont()) {}

TScreen::~TScreen() {
    delete hintFont_;
    delete menuFont_;
    delete iconFont_;
}

TCustomForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return forms_[static_cast<size_t>(index)];
}

intptr_t TScreen::Cursors(TCursor index) const {
    const auto it = cursors_.find(index);
    return it == cursors_.end() ? static_cast<intptr_t>(index) : it->second;
}

void TScreen::AddForm(TCustomForm* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    activation_.erase(std::remove(activation_.begin(), activation_.end(), form), activation_.end());
    if (activeControl_ != nullptr && form->ContainsControl(activeControl_)) activeControl_ = nullptr;
    if (activeForm_ == form) {
        activeForm_ = nullptr;
        OnActiveFormChange(this);
    }
}

void TScreen::ActivateForm(TCustomForm* form) {
    if (activeForm_ == form) return;
    TCustomForm* previous = activeForm_;
    activeForm_ = form;
    activation_.erase(std::remove(activation_.begin(), activation_.end(), form), activation_.end());
    activation_.insert(activation_.begin(), form);
    if (previous != nullptr) previous->Deactivate();
    OnActiveFormChange(this);
    form->Activate();
}

void TScreen::FormHidden(TCustomForm* form) {
    if (activeForm_ != form) return;
    for (TCustomForm* next : activation_) {
        if (next != form && next->Visible()) {
            ActivateForm(next);
            return;
        }
    }
    activeForm_ = nullptr;
    activeControl_ = nullptr;
    form->Deactivate();
    OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* control) {
    if (control == activeControl_) return;
    activeControl_ = control;
    OnActiveControlChange(this);
}

TScreen& Screen() {
    // Never destroyed, like the application: forms reach it while they go.
    static TScreen* screen = new TScreen();
    return *screen;
}

}  // namespace rt
