#include "src/controls/NvRadioGroup.h"

#include <algorithm>

#include "platform/classes/TStringList.h"
#include "platform/graphics/TTextMetrics.h"
#include "src/controls/NvGroupButton.h"

namespace hemr {

namespace {
constexpr int kMaxColumns = 16;
}

TNvRadioGroup::TNvRadioGroup(rt::TComponent* owner)
    : rt::TGroupBox(owner), items_(std::make_unique<rt::TStringList>()) {
    items_->OnChange = rt::TNotifyEvent::Of<&TNvRadioGroup::ItemsChanged>(this);
    SetBounds(0, 0, 185, 105);
}

TNvRadioGroup::~TNvRadioGroup() {
    items_->OnChange.Clear();
    // The buttons go with the child controls.
    buttons_.clear();
}

void TNvRadioGroup::Publish(rt::TPublisher<TNvRadioGroup>& p) {
    p.Property("Columns", &TNvRadioGroup::Columns, &TNvRadioGroup::SetColumns).Default(1);
    p.Property("ItemIndex", &TNvRadioGroup::ItemIndex, &TNvRadioGroup::SetItemIndex).Default(-1);
    p.Property("Items", &TNvRadioGroup::Items, &TNvRadioGroup::SetItems);
}

rt::TStrings* TNvRadioGroup::Items() const { return items_.get(); }

void TNvRadioGroup::SetItems(rt::TStrings* items) { items_->Assign(items); }

TNvGroupButton* TNvRadioGroup::Buttons(int index) const {
    return index >= 0 && index < ButtonCount() ? buttons_[static_cast<size_t>(index)] : nullptr;
}

void TNvRadioGroup::SetColumns(int columns) {
    columns = std::clamp(columns, 1, kMaxColumns);
    if (columns == columns_) return;
    columns_ = columns;
    ArrangeButtons();
}

void TNvRadioGroup::SetItemIndex(int index) {
    // While the form is read the buttons may not exist yet; Loaded checks the button.
    if (ComponentState().Contains(rt::csReading)) {
        itemIndex_ = index;
        return;
    }
    index = std::clamp(index, -1, ButtonCount() - 1);
    if (index == itemIndex_) return;
    updating_ = true;
    if (TNvGroupButton* old = Buttons(itemIndex_)) old->SetChecked(false);
    updating_ = false;
    itemIndex_ = index;
    // Checking the new button clicks the group through ButtonClicked.
    if (TNvGroupButton* now = Buttons(index)) now->SetChecked(true);
}

void TNvRadioGroup::ItemsChanged(rt::TObject*) {
    if (!ComponentState().Contains(rt::csReading)) RebuildButtons();
}

void TNvRadioGroup::Loaded() {
    rt::TGroupBox::Loaded();
    const int wanted = itemIndex_;
    itemIndex_ = -1;
    RebuildButtons();
    updating_ = true;
    SetItemIndex(wanted);
    updating_ = false;
}

void TNvRadioGroup::GetChildren(const TGetChildProc& proc, rt::TComponent* root) {
    rt::TGroupBox::GetChildren(
        [this, &proc](rt::TComponent* child) {
            if (std::find(buttons_.begin(), buttons_.end(), child) == buttons_.end()) proc(child);
        },
        root);
}

void TNvRadioGroup::RebuildButtons() {
    const int count = items_->Count();
    while (ButtonCount() > count) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (ButtonCount() < count) {
        auto* button = new TNvGroupButton(this);
        button->OnClick = rt::TNotifyEvent::Of<&TNvRadioGroup::ButtonClicked>(this);
        button->SetEnabled(Enabled());
        button->SetParent(this);
        buttons_.push_back(button);
    }
    if (itemIndex_ >= count) itemIndex_ = -1;
    updating_ = true;
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<size_t>(i)]->SetCaption(items_->Strings(i));
        buttons_[static_cast<size_t>(i)]->SetChecked(i == itemIndex_);
    }
    updating_ = false;
    ArrangeButtons();
}

void TNvRadioGroup::ButtonClicked(rt::TObject* sender) {
    if (updating_) return;
    const auto it = std::find(buttons_.begin(), buttons_.end(), sender);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TNvRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    const int rows = (ButtonCount() + columns_ - 1) / columns_;
    const int columnWidth = std::max(0, (Width() - 10) / columns_);
    // The rows share the height below the caption.
    const int top = rt::GetTextMetrics().LineHeight(*Font());
    const int rowHeight = std::max(0, (Height() - top - 5) / rows);
    for (int i = 0; i < ButtonCount(); ++i) {
        buttons_[static_cast<size_t>(i)]->SetBounds(8 + (i / rows) * columnWidth, top + (i % rows) * rowHeight,
                                                    columnWidth - 8, rowHeight);
    }
}

void TNvRadioGroup::EnabledChanged() {
    rt::TGroupBox::EnabledChanged();
    for (TNvGroupButton* button : buttons_) button->SetEnabled(Enabled());
}

void TNvRadioGroup::BoundsChanged() {
    rt::TGroupBox::BoundsChanged();
    ArrangeButtons();
}

}  // namespace hemr
