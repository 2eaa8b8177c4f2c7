#include "platform/comctrls/TListItem.h"

#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"

namespace rt {

TListItem::TListItem(TListItems* owner) : owner_(owner), subItems_(std::make_unique<TStringList>()) {}

TListItem::~TListItem() = default;

TListView* TListItem::ListView() const { return owner_ == nullptr ? nullptr : owner_->Owner(); }

int TListItem::Index() const { return owner_ == nullptr ? -1 : owner_->IndexOf(this); }

void TListItem::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    TListView* view = ListView();
    if (view != nullptr && !view->CanChange(this, ctText)) return;
    caption_ = caption;
    if (view != nullptr) view->ItemChanged(this, ctText);
}

void TListItem::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    if (TListView* view = ListView()) view->ItemChanged(this, ctImage);
}

void TListItem::SetData(void* data) {
    data_ = data;
    if (TListView* view = ListView()) view->DataChanged(this);
}

void TListItem::SetSelected(bool selected) {
    if (TListView* view = ListView()) {
        view->SetItemSelected(this, selected);
    } else {
        selected_ = selected;
    }
}

void TListItem::SetFocused(bool focused) {
    if (TListView* view = ListView()) {
        view->SetItemFocused(focused ? this : (focused_ ? nullptr : view->ItemFocused()));
    } else {
        focused_ = focused;
    }
}

bool TListItem::EditCaption() {
    TListView* view = ListView();
    return view != nullptr && view->BeginEdit(this);
}

void TListItem::CancelEdit() {
    TListView* view = ListView();
    if (view != nullptr && view->EditingItem() == this) view->EndEdit(TListView::TEditEnd::Cancel);
}

void TListItem::Delete() {
    if (owner_ != nullptr) owner_->Delete(Index());
}

std::string TListItem::ColumnText(int column) const {
    if (column <= 0) return caption_;
    return column - 1 < subItems_->Count() ? subItems_->Strings(column - 1) : std::string();
}

void TListItem::Assign(const TPersistent* source) {
    if (const auto* item = dynamic_cast<const TListItem*>(source)) {
        SetCaption(item->caption_);
        subItems_->Assign(item->subItems_.get());
        imageIndex_ = item->imageIndex_;
        stateIndex_ = item->stateIndex_;
        overlayIndex_ = item->overlayIndex_;
        data_ = item->data_;
        checked_ = item->checked_;
        return;
    }
    TPersistent::Assign(source);
}

}  // namespace rt
