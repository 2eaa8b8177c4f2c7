#include "platform/lists/TComboBox.h"

#include <algorithm>
#include <cctype>

#include "platform/controls/VirtualKeys.h"

namespace rt {

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TItemStrings>(this)) {
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() = default;

void TComboBox::Publish(TPublisher<TComboBox>& p) {
    p.Republish("TabStop").Default(true);
    p.Property("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown);
    p.Property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8);
    p.Property("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight).Default(16);
    p.Property("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength).Default(0);
    p.Property("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(false);
    p.Property("Items", &TComboBox::Items, &TComboBox::SetItems);
    p.Property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).Default(-1);
    p.Property("Text", &TComboBox::Text, &TComboBox::SetComboText).Stored(&TComboBox::IsTextStored);
    p.Property("OnChange", &TComboBox::OnChange);
    p.Property("OnCloseUp", &TComboBox::OnCloseUp);
    p.Property("OnDrawItem", &TComboBox::OnDrawItem);
    p.Property("OnDropDown", &TComboBox::OnDropDown);
    p.Property("OnMeasureItem", &TComboBox::OnMeasureItem);
    p.Property("OnSelect", &TComboBox::OnSelect);
}

void TComboBox::ShowSelectedText() { SetText(itemIndex_ >= 0 ? items_->Strings(itemIndex_) : std::string()); }

void TComboBox::SetItemIndex(int index) {
    if (ComponentState().Contains(csLoading)) loadedIndex_ = index;
    if (index < 0 || index >= items_->Count()) index = -1;
    itemIndex_ = index;
    ShowSelectedText();
}

void TComboBox::SetComboText(const std::string& text) {
    if (!IsListStyle()) {
        SetText(maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_ ? text.substr(0, maxLength_) : text);
        return;
    }
    SetItemIndex(items_->IndexOf(text));
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    if (style == csSimple) droppedDown_ = false;
    // The selection survives the change; a list style shows the selected item's text only.
    if (IsListStyle()) ShowSelectedText();
    Invalidate();
}

void TComboBox::SetSorted(bool sorted) {
    if (sorted == Sorted()) return;
    const std::vector<int> moved = items_->SetSorted(sorted);
    if (itemIndex_ >= 0) itemIndex_ = moved[static_cast<size_t>(itemIndex_)];
    Invalidate();
}

void TComboBox::SetDroppedDown(bool dropped) {
    if (style_ == csSimple || dropped == droppedDown_) return;
    if (dropped) {
        OnDropDown(this);
        droppedDown_ = true;
    } else {
        droppedDown_ = false;
        OnCloseUp(this);
    }
    Invalidate();
}

void TComboBox::ItemInserted(int index) {
    itemIndex_ = IndexAfterInsert(itemIndex_, index);
    Invalidate();
}

void TComboBox::ItemDeleted(int index) {
    const int before = itemIndex_;
    itemIndex_ = IndexAfterDelete(itemIndex_, index);
    if (before >= 0 && itemIndex_ < 0 && IsListStyle()) SetText(std::string());
    Invalidate();
}

void TComboBox::ItemsCleared() {
    // Emptying the list empties the edit too.
    itemIndex_ = -1;
    SetText(std::string());
    Invalidate();
}

void TComboBox::Loaded() {
    TWinControl::Loaded();
    // The index may have been read before the items.
    if (loadedIndex_ >= -1) {
        const std::string text = GetText();
        SetItemIndex(loadedIndex_);
        if (!IsListStyle() && !text.empty()) SetText(text);
    }
    loadedIndex_ = -2;
}

void TComboBox::Select() {
    if (OnSelect.Assigned()) {
        OnSelect(this);
    } else {
        Change();
    }
}

void TComboBox::UserSelect(int index) {
    if (items_->Count() == 0) return;
    index = std::clamp(index, 0, items_->Count() - 1);
    if (index == itemIndex_) return;
    SetItemIndex(index);
    Click();
    Select();
}

void TComboBox::PickItem(int index) {
    if (index >= 0 && index < items_->Count()) UserSelect(index);
    SetDroppedDown(false);
}

void TComboBox::SelectByFirstLetter(char key) {
    const int count = items_->Count();
    const auto wanted = std::toupper(static_cast<unsigned char>(key));
    for (int n = 1; n <= count; ++n) {
        const int i = (std::max(itemIndex_, -1) + n) % count;
        const std::string s = items_->Strings(i);
        if (!s.empty() && std::toupper(static_cast<unsigned char>(s[0])) == wanted) {
            UserSelect(i);
            return;
        }
    }
}

void TComboBox::TypeText(const std::string& text) {
    if (maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_) return;
    SetText(text);
    const int match = items_->IndexOf(text);
    itemIndex_ = match >= 0 && items_->Strings(match) == text ? match : -1;
    Change();
}

void TComboBox::DefaultKeyDown(uint16_t key, TShiftState shift) {
    const bool toggle = key == VK_F4 || (shift.Contains(ssAlt) && (key == VK_DOWN || key == VK_UP));
    if (toggle) {
        SetDroppedDown(!droppedDown_);
        return;
    }
    switch (key) {
        case VK_UP: UserSelect(itemIndex_ < 0 ? 0 : itemIndex_ - 1); break;
        case VK_DOWN: UserSelect(itemIndex_ + 1); break;
        case VK_HOME:
            if (IsListStyle()) UserSelect(0);
            break;
        case VK_END:
            if (IsListStyle()) UserSelect(items_->Count() - 1);
            break;
        case VK_RETURN:
        case VK_ESCAPE: SetDroppedDown(false); break;
        case VK_BACK:
            if (!IsListStyle() && !GetText().empty()) {
                std::string text = GetText();
                while (!text.empty()) {
                    const auto c = static_cast<unsigned char>(text.back());
                    text.pop_back();
                    if ((c & 0xC0) != 0x80) break;
                }
                TypeText(text);
            }
            break;
        default: break;
    }
}

void TComboBox::DefaultKeyPress(char key) {
    if (static_cast<unsigned char>(key) < 0x20 || key == 0x7F) return;
    if (IsListStyle()) {
        SelectByFirstLetter(key);
    } else {
        TypeText(GetText() + key);
    }
}

LRESULT TComboBox::DialogCode() const { return DLGC_WANTARROWS | DLGC_WANTCHARS | (droppedDown_ ? DLGC_WANTALLKEYS : 0); }

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    if (button == mbLeft) SetDroppedDown(!droppedDown_);
    TWinControl::MouseDown(button, shift, x, y);
}

void TComboBox::Paint() {
    if (style_ != csOwnerDrawFixed && style_ != csOwnerDrawVariable) return;
    // The edit part shows the selected item, drawn by the owner.
    if (itemIndex_ >= 0) {
        TOwnerDrawState state{odComboBoxEdit};
        if (Focused()) state.Include(odFocused).Include(odSelected);
        OnDrawItem(this, itemIndex_, Rect(0, 0, ClientWidth(), ClientHeight()), state);
    }
}

}  // namespace rt
