#include "platform/comctrls/TToolBar.h"

#include <algorithm>
#include <string>

#include "platform/comctrls/TToolButton.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TImageList.h"

namespace rt {

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

TToolBar::~TToolBar() {
    SetImageList(images_, nullptr);
    SetImageList(disabledImages_, nullptr);
    SetImageList(hotImages_, nullptr);
}

void TToolBar::Publish(TPublisher<TToolBar>& p) {
    p.Republish("Align").Default(alTop);
    p.Property("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(22);
    p.Property("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(23);
    p.Property("DisabledImages", &TToolBar::DisabledImages, &TToolBar::SetDisabledImages);
    p.Property("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(false);
    p.Property("HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages);
    p.Property("Images", &TToolBar::Images, &TToolBar::SetImages);
    p.Property("Indent", &TToolBar::Indent, &TToolBar::SetIndent).Default(0);
    p.Property("List", &TToolBar::List, &TToolBar::SetList).Default(false);
    p.Property("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(false);
    p.Property("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable).Default(true);
}

std::vector<TToolButton*> TToolBar::ButtonList() const {
    std::vector<TToolButton*> buttons;
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* b = dynamic_cast<TToolButton*>(Controls(i))) buttons.push_back(b);
    }
    return buttons;
}

int TToolBar::ButtonCount() const { return static_cast<int>(ButtonList().size()); }

TToolButton* TToolBar::Buttons(int index) const {
    const auto buttons = ButtonList();
    if (index < 0 || index >= static_cast<int>(buttons.size())) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return buttons[static_cast<size_t>(index)];
}

int TToolBar::IndexOfButton(const TToolButton* button) const {
    const auto buttons = ButtonList();
    const auto it = std::find(buttons.begin(), buttons.end(), button);
    return it == buttons.end() ? -1 : static_cast<int>(it - buttons.begin());
}

void TToolBar::SetButtonWidth(int v) {
    buttonWidth_ = std::max(1, v);
    Realign();
}

void TToolBar::SetButtonHeight(int v) {
    buttonHeight_ = std::max(1, v);
    Realign();
}

void TToolBar::SetIndent(int v) {
    indent_ = std::max(0, v);
    Realign();
}

void TToolBar::SetWrapable(bool v) {
    wrapable_ = v;
    Realign();
}

void TToolBar::AlignControls(TRect& rect) {
    int x = indent_;
    int y = 0;
    for (TToolButton* b : ButtonList()) {
        if (!b->Visible()) continue;
        const bool separator = b->Style() == tbsSeparator || b->Style() == tbsDivider;
        // A drop-down button carries its arrow beside the button face.
        const int arrow = b->Style() == tbsDropDown ? TToolButton::ArrowWidth : 0;
        const int w = separator ? b->Width() : buttonWidth_ + arrow;
        if (wrapable_ && x > indent_ && x + w > ClientWidth()) {
            x = indent_;
            y += buttonHeight_;
        }
        b->SetBounds(x, y, w, buttonHeight_);
        x += w;
    }
    TWinControl::AlignControls(rect);
}

void TToolBar::SetImageList(TImageList*& field, TImageList* images) {
    if (images == field) return;
    TImageList* old = field;
    field = images;
    if (old != nullptr && old != images_ && old != disabledImages_ && old != hotImages_) {
        old->RemoveFreeNotification(this);
    }
    if (images != nullptr) images->FreeNotification(this);
    Invalidate();
}

void TToolBar::SetImages(TImageList* images) { SetImageList(images_, images); }
void TToolBar::SetDisabledImages(TImageList* images) { SetImageList(disabledImages_, images); }
void TToolBar::SetHotImages(TImageList* images) { SetImageList(hotImages_, images); }

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == images_) images_ = nullptr;
    if (component == disabledImages_) disabledImages_ = nullptr;
    if (component == hotImages_) hotImages_ = nullptr;
}

}  // namespace rt
