#include "src/controls/NvBtnDBEdit.h"

#include "src/controls/ControlMessages.h"
#include "src/controls/GSpeedButton.h"

namespace hemr {

namespace {
constexpr int kLookupGlyph = 8;
}

TNvBtnDBEdit::TNvBtnDBEdit(rt::TComponent* owner) : TNvDBEdit(owner) {
    button_ = new TGSpeedButton(this);
    button_->SetName("F2Button");
    button_->SetFlat(true);
    button_->SetGlyphIndex(kLookupGlyph);
    button_->OnClick = rt::TNotifyEvent::Of<&TNvBtnDBEdit::ButtonClick>(this);
    button_->FreeNotification(this);
    PlaceParts();
}

TNvBtnDBEdit::~TNvBtnDBEdit() = default;

void TNvBtnDBEdit::Publish(rt::TPublisher<TNvBtnDBEdit>& p) {
    p.Property("ButtonHint", &TNvBtnDBEdit::ButtonHint, &TNvBtnDBEdit::SetButtonHint).Default(std::string());
    p.Property("ButtonSpacing", &TNvBtnDBEdit::ButtonSpacing, &TNvBtnDBEdit::SetButtonSpacing).Default(2);
    p.Property("GlyphIndex", &TNvBtnDBEdit::GlyphIndex, &TNvBtnDBEdit::SetGlyphIndex).Default(kLookupGlyph);
    p.Property("OnDialog", &TNvBtnDBEdit::OnDialog);
}

void TNvBtnDBEdit::SetButtonSpacing(int spacing) {
    buttonSpacing_ = spacing;
    PlaceParts();
}

int TNvBtnDBEdit::GlyphIndex() const { return button_ != nullptr ? button_->GlyphIndex() : 0; }

void TNvBtnDBEdit::SetGlyphIndex(int index) {
    if (button_ != nullptr) button_->SetGlyphIndex(index);
}

std::string TNvBtnDBEdit::ButtonHint() const { return button_ != nullptr ? button_->Hint() : std::string(); }

void TNvBtnDBEdit::SetButtonHint(const std::string& hint) {
    if (button_ != nullptr) button_->SetHint(hint);
}

void TNvBtnDBEdit::PlaceParts() {
    TNvDBEdit::PlaceParts();
    if (button_ == nullptr) return;
    FollowEdit(button_);
    button_->SetBounds(Left() + Width() + buttonSpacing_, Top(), Height(), Height());
}

void TNvBtnDBEdit::ButtonClick(rt::TObject*) {
    if (OnDialog.Assigned()) {
        OnDialog(this);
        return;
    }
    FocusAndRequestLookup(this);
}

void TNvBtnDBEdit::Notification(rt::TComponent* component, rt::TOperation operation) {
    TNvDBEdit::Notification(component, operation);
    if (operation == rt::opRemove && component == button_) button_ = nullptr;
}

}  // namespace hemr
