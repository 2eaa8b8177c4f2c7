#include "platform/extctrls/TRadioGroup.h"

#include <algorithm>

#include "platform/classes/TStringList.h"
#include "platform/stdctrls/TRadioButton.h"

namespace rt {

namespace {
constexpr int MaxColumns = 16;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner), items_(std::make_unique<TStringList>()) {
    items_->OnChange = TNotifyEvent::Of<&TRadioGroup::ItemsChanged>(this);
    SetBounds(0, 0, 185, 105);
}

TRadioGroup::~TRadioGroup() {
    items_->OnChange.Clear();
    // The buttons are freed with the child controls; forget them first.
    buttons_.clear();
}

void TRadioGroup::Publish(TPublisher<TRadioGroup>& p) {
    p.Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1);
    p.Property("Items", &TRadioGroup::Items, &TRadioGroup::SetItems);
    p.Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
}

TStrings* TRadioGroup::Items() const { return items_.get(); }

void TRadioGroup::SetItems(TStrings* items) { items_->Assign(items); }

TRadioButton* TRadioGroup::Buttons(int index) const {
    if (index < 0 || index >= ButtonCount()) return nullptr;
    return buttons_[static_cast<size_t>(index)];
}

void TRadioGroup::SetItemIndex(int index) {
    if (ComponentState().Contains(csReading)) {
        // The buttons may not exist yet; Loaded checks the right one.
        itemIndex_ = index;
        return;
    }
    index = std::clamp(index, -1, ButtonCount() - 1);
    if (index == itemIndex_) return;
    if (TRadioButton* old = Buttons(itemIndex_)) {
        updating_ = true;
        old->SetChecked(false);
        updating_ = false;
    }
    itemIndex_ = index;
    if (TRadioButton* now = Buttons(itemIndex_)) now->SetChecked(true);
}

void TRadioGroup::SetColumns(int columns) {
    columns = std::clamp(columns, 1, MaxColumns);
    if (columns == columns_) return;
    columns_ = columns;
    ArrangeButtons();
}

void TRadioGroup::ItemsChanged(TObject*) {
    if (ComponentState().Contains(csReading)) return;
    UpdateButtons();
}

void TRadioGroup::Loaded() {
    TGroupBox::Loaded();
    const int wanted = itemIndex_;
    itemIndex_ = -1;
    UpdateButtons();
    updating_ = true;
    SetItemIndex(wanted);
    updating_ = false;
}

void TRadioGroup::GetChildren(const TGetChildProc& proc, TComponent* root) {
    TGroupBox::GetChildren(
        [this, &proc](TComponent* child) {
            if (std::find(buttons_.begin(), buttons_.end(), child) == buttons_.end()) proc(child);
        },
        root);
}

void TRadioGroup::UpdateButtons() {
    const int count = items_->Count();
    while (ButtonCount() > count) {
        TRadioButton* last = buttons_.back();
        buttons_.pop_back();
        delete last;
    }
    while (ButtonCount() < count) {
        auto* button = new TRadioButton(this);
        button->OnClick = TNotifyEvent::Of<&TRadioGroup::ButtonClick>(this);
        button->SetEnabled(Enabled());
        button->SetParent(this);
        buttons_.push_back(button);
    }
    updating_ = true;
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<size_t>(i)]->SetCaption(items_->Strings(i));
        buttons_[static_cast<size_t>(i)]->SetChecked(i == itemIndex_);
    }
    updating_ = false;
    if (itemIndex_ >= count) itemIndex_ = -1;
    ArrangeButtons();
}

void TRadioGroup::ButtonClick(TObject* sender) {
    if (updating_) return;
    const auto it = std::find(buttons_.begin(), buttons_.end(), sender);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    const int rows = (ButtonCount() + columns_ - 1) / columns_;
    const int columnWidth = std::max(0, (Width() - 10) / columns_);
    // Room under the caption, shared by the rows.
    const int top = std::max(Font()->Height() < 0 ? -Font()->Height() : Font()->Height(), 0) + 2;
    const int rowHeight = std::max(0, (Height() - top - 5) / rows);
    for (int i = 0; i < ButtonCount(); ++i) {
        const int col = i / rows;
        const int row = i % rows;
        buttons_[static_cast<size_t>(i)]->SetBounds(8 + col * columnWidth, top + row * rowHeight, columnWidth - 8,
                                                    rowHeight);
    }
}

void TRadioGroup::EnabledChanged() {
    TGroupBox::EnabledChanged();
    for (TRadioButton* b : buttons_) b->SetEnabled(Enabled());
}

void TRadioGroup::BoundsChanged() {
    TGroupBox::BoundsChanged();
    ArrangeButtons();
}

}  // namespace rt
