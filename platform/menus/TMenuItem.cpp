#include "platform/menus/TMenuItem.h"

#include <algorithm>

#include "platform/menus/TMenu.h"

namespace rt {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    if (parent_ != nullptr) parent_->Remove(this);
    while (!items_.empty()) {
        TMenuItem* last = items_.back();
        Remove(last);
        delete last;
    }
}

void TMenuItem::Publish(TPublisher<TMenuItem>& p) {
    p.Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false);
    p.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption).Default(std::string());
    p.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    p.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
    p.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    p.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    p.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint).Default(std::string());
    p.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    p.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
    p.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
    p.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    p.Property("OnClick", &TMenuItem::OnClick);
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (checked && radioItem_) UncheckGroupSiblings();
}

void TMenuItem::SetRadioItem(bool radio) {
    if (radio == radioItem_) return;
    radioItem_ = radio;
    if (radio && checked_) UncheckGroupSiblings();
}

void TMenuItem::SetGroupIndex(int index) {
    if (index == groupIndex_) return;
    groupIndex_ = index;
    if (radioItem_ && checked_) UncheckGroupSiblings();
}

void TMenuItem::UncheckGroupSiblings() {
    if (parent_ == nullptr) return;
    for (TMenuItem* sibling : parent_->items_) {
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
    }
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range");
    return items_[static_cast<size_t>(index)];
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* item = this;
    while (item->parent_ != nullptr) item = item->parent_;
    return item->menu_;
}

int TMenuItem::MenuIndex() const { return parent_ == nullptr ? -1 : parent_->IndexOf(this); }

void TMenuItem::SetMenuIndex(int index) {
    if (parent_ == nullptr) return;
    TMenuItem* parent = parent_;
    index = std::clamp(index, 0, parent->Count() - 1);
    parent->Remove(this);
    parent->Insert(index, this);
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item == nullptr) throw EMenuError("Menu item is nil");
    if (item->parent_ != nullptr) throw EMenuError("Menu inserted twice");
    for (const TMenuItem* p = this; p != nullptr; p = p->parent_) {
        if (p == item) throw EMenuError("A menu item cannot contain itself");
    }
    if (index < 0 || index > Count()) throw EMenuError("Menu index out of range");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    if (item->radioItem_ && item->checked_) item->UncheckGroupSiblings();
}

void TMenuItem::Remove(TMenuItem* item) {
    const auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) throw EMenuError("Menu item is not a sub-item");
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Delete(int index) { delete Items(index); }

void TMenuItem::Clear() {
    while (!items_.empty()) Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
    const std::string wanted = StripHotkey(caption);
    for (TMenuItem* item : items_) {
        if (StripHotkey(item->caption_) == wanted) return item;
    }
    return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
    if (shortCut == scNone || !visible_ || !enabled_) return nullptr;
    if (shortCut_ == shortCut) return this;
    for (TMenuItem* item : items_) {
        if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (!enabled_) return;
    if (autoCheck_) SetChecked(radioItem_ ? true : !checked_);
    OnClick(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TMenuItem* item : items_) {
        if (item->Owner() == root) proc(item);
    }
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ != nullptr && parent_->menu_ != nullptr) return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (parent_ != nullptr) parent_->Remove(this);
    if (parent == nullptr) return;
    if (auto* menu = dynamic_cast<TMenu*>(parent)) {
        menu->Items()->Add(this);
    } else if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
        item->Add(this);
    } else {
        throw EMenuError("Menu item '" + Name() + "' cannot have a " + parent->ClassName() + " as its parent");
    }
}

}  // namespace rt
