#include "src/controls/NvEdit.h"

#include "platform/controls/TWinControl.h"

namespace hemr {

TNvEdit::TNvEdit(rt::TComponent* owner) : rt::TEdit(owner) {
    editLabel_ = new rt::TLabel(this);
    editLabel_->SetName("EditLabel");
    editLabel_->SetFocusControl(this);
    // Freed with the edit, or elsewhere (its parent frees it): then forgotten.
    editLabel_->FreeNotification(this);
}

TNvEdit::~TNvEdit() = default;

void TNvEdit::Publish(rt::TPublisher<TNvEdit>& p) {
    p.Property("Caption", &TNvEdit::LabelCaption, &TNvEdit::SetLabelCaption).Default(std::string());
    p.Property("LabelPosition", &TNvEdit::LabelPosition, &TNvEdit::SetLabelPosition).Default(lpLeft);
    p.Property("LabelSpacing", &TNvEdit::LabelSpacing, &TNvEdit::SetLabelSpacing).Default(4);
}

std::string TNvEdit::LabelCaption() const { return editLabel_ != nullptr ? editLabel_->Caption() : std::string(); }

void TNvEdit::SetLabelCaption(const std::string& caption) {
    if (editLabel_ != nullptr) editLabel_->SetCaption(caption);
    PlaceParts();
}

void TNvEdit::SetLabelPosition(TLabelPosition position) {
    labelPosition_ = position;
    PlaceParts();
}

void TNvEdit::SetLabelSpacing(int spacing) {
    if (spacing < 0) return;
    labelSpacing_ = spacing;
    PlaceParts();
}

void TNvEdit::SetBounds(int left, int top, int width, int height) {
    rt::TEdit::SetBounds(left, top, width, height);
    PlaceParts();
}

void TNvEdit::SetParentComponent(rt::TComponent* parent) {
    rt::TEdit::SetParentComponent(parent);
    PlaceParts();
}

void TNvEdit::Loaded() {
    rt::TEdit::Loaded();
    PlaceParts();
}

void TNvEdit::FollowEdit(rt::TControl* part) {
    if (part == nullptr) return;
    part->SetParent(Parent());
    part->SetEnabled(Enabled());
    part->SetVisible(Visible());
}

void TNvEdit::PlaceParts() {
    if (editLabel_ == nullptr) return;
    FollowEdit(editLabel_);
    const int s = labelSpacing_;
    const int w = editLabel_->Width();
    const int h = editLabel_->Height();
    const int middle = Top() + (Height() - h) / 2;
    switch (labelPosition_) {
        case lpAbove: editLabel_->SetBounds(Left(), Top() - h - s, w, h); break;
        case lpBelow: editLabel_->SetBounds(Left(), Top() + Height() + s, w, h); break;
        case lpLeft: editLabel_->SetBounds(Left() - w - s, middle, w, h); break;
        case lpRight: editLabel_->SetBounds(Left() + Width() + s, middle, w, h); break;
    }
}

void TNvEdit::VisibleChanged() {
    rt::TEdit::VisibleChanged();
    PlaceParts();
}

void TNvEdit::EnabledChanged() {
    rt::TEdit::EnabledChanged();
    PlaceParts();
}

void TNvEdit::Notification(rt::TComponent* component, rt::TOperation operation) {
    rt::TEdit::Notification(component, operation);
    if (operation == rt::opRemove && component == editLabel_) editLabel_ = nullptr;
}

}  // namespace hemr
