#include "platform/lists/TListBox.h"

#include <algorithm>
#include <string>

#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"

namespace rt {

TListBox::TListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TItemStrings>(this)) {
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() = default;

void TListBox::Publish(TPublisher<TListBox>& p) {
    p.Republish("TabStop").Default(true);
    p.Property("Columns", &TListBox::Columns, &TListBox::SetColumns).Default(0);
    p.Property("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).Default(true);
    p.Property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight).Default(16);
    p.Property("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(false);
    p.Property("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(false);
    p.Property("Style", &TListBox::Style, &TListBox::SetStyle).Default(lbStandard);
    p.Property("Items", &TListBox::Items, &TListBox::SetItems);
    p.Property("OnDrawItem", &TListBox::OnDrawItem);
    p.Property("OnMeasureItem", &TListBox::OnMeasureItem);
}

void TListBox::SetItemIndex(int index) {
    if (index < 0 || index >= items_->Count()) index = -1;
    itemIndex_ = index;
    if (!multiSelect_) {
        std::fill(selected_.begin(), selected_.end(), false);
        if (index >= 0) selected_[static_cast<size_t>(index)] = true;
    }
    Invalidate();
}

void TListBox::SetMultiSelect(bool v) {
    if (v == multiSelect_) return;
    multiSelect_ = v;
    // Back to single selection: only the focused item stays selected.
    if (!v) SetItemIndex(itemIndex_ >= 0 && selected_[static_cast<size_t>(itemIndex_)] ? itemIndex_ : -1);
}

bool TListBox::Selected(int index) const {
    if (index < 0 || index >= items_->Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return selected_[static_cast<size_t>(index)];
}

void TListBox::SetSelected(int index, bool selected) {
    Selected(index);
    if (!multiSelect_) {
        if (selected) {
            SetItemIndex(index);
        } else if (itemIndex_ == index) {
            SetItemIndex(-1);
        }
        return;
    }
    selected_[static_cast<size_t>(index)] = selected;
    Invalidate();
}

int TListBox::SelCount() const {
    if (!multiSelect_) return -1;
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TListBox::ClearSelection() {
    std::fill(selected_.begin(), selected_.end(), false);
    if (!multiSelect_) itemIndex_ = -1;
    Invalidate();
}

void TListBox::SetSorted(bool sorted) {
    if (sorted == Sorted()) return;
    const std::vector<int> moved = items_->SetSorted(sorted);
    std::vector<bool> selected(selected_.size());
    for (size_t i = 0; i < moved.size(); ++i) selected[static_cast<size_t>(moved[i])] = selected_[i];
    selected_ = std::move(selected);
    if (itemIndex_ >= 0) itemIndex_ = moved[static_cast<size_t>(itemIndex_)];
    Invalidate();
}

void TListBox::SetItemHeight(int v) {
    if (v > 0) itemHeight_ = v;
    Invalidate();
}

void TListBox::SetTopIndex(int v) {
    topIndex_ = std::clamp(v, 0, std::max(0, items_->Count() - 1));
    Invalidate();
}

void TListBox::ItemInserted(int index) {
    selected_.insert(selected_.begin() + index, false);
    itemIndex_ = IndexAfterInsert(itemIndex_, index);
    Invalidate();
}

void TListBox::ItemDeleted(int index) {
    selected_.erase(selected_.begin() + index);
    itemIndex_ = IndexAfterDelete(itemIndex_, index);
    Invalidate();
}

void TListBox::ItemsCleared() {
    selected_.clear();
    itemIndex_ = -1;
    topIndex_ = 0;
    Invalidate();
}

TRect TListBox::ItemRect(int index) const {
    if (index < topIndex_ || index >= items_->Count()) return {};
    return Bounds(0, (index - topIndex_) * itemHeight_, ClientWidth(), itemHeight_);
}

int TListBox::ItemAtPos(TPoint p) const {
    if (p.Y < 0 || p.X < 0 || p.X >= ClientWidth()) return -1;
    const int index = topIndex_ + p.Y / itemHeight_;
    return index < items_->Count() ? index : -1;
}

void TListBox::MoveTo(int index) {
    if (items_->Count() == 0) return;
    index = std::clamp(index, 0, items_->Count() - 1);
    if (multiSelect_) std::fill(selected_.begin(), selected_.end(), false);
    const bool changed = index != itemIndex_;
    SetItemIndex(index);
    if (multiSelect_) selected_[static_cast<size_t>(index)] = true;
    if (changed) Click();
}

void TListBox::DefaultKeyDown(uint16_t key, TShiftState) {
    const int page = std::max(1, ClientHeight() / itemHeight_);
    switch (key) {
        case VK_UP: MoveTo(itemIndex_ < 0 ? 0 : itemIndex_ - 1); break;
        case VK_DOWN: MoveTo(itemIndex_ + 1); break;
        case VK_PRIOR: MoveTo(itemIndex_ - page); break;
        case VK_NEXT: MoveTo(itemIndex_ + page); break;
        case VK_HOME: MoveTo(0); break;
        case VK_END: MoveTo(items_->Count() - 1); break;
        default: break;
    }
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    const int index = ItemAtPos(Point(x, y));
    if (button == mbLeft && index >= 0) {
        if (multiSelect_ && (shift.Contains(ssCtrl) || !extendedSelect_)) {
            selected_[static_cast<size_t>(index)] = !selected_[static_cast<size_t>(index)];
            itemIndex_ = index;
            Invalidate();
            Click();
        } else {
            MoveTo(index);
        }
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TListBox::Paint() {
    if (style_ == lbStandard) return;
    for (int i = topIndex_; i < items_->Count(); ++i) {
        TOwnerDrawState state;
        if (selected_[static_cast<size_t>(i)]) state.Include(odSelected);
        if (i == itemIndex_ && Focused()) state.Include(odFocused);
        if (!EnabledInTree()) state.Include(odDisabled);
        OnDrawItem(this, i, ItemRect(i), state);
    }
}

}  // namespace rt
