#include "platform/comctrls/TListView.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TApplication.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TTextMetrics.h"

namespace rt {

namespace {

constexpr int kColumnMargin = 12;
constexpr int kIconCellWidth = 75;
constexpr int kLineCellWidth = 150;

int CompareText(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a.compare(b) > 0 ? 1 : 0);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && StartsWithNoCase(a, b); }

// Removes the last UTF-8 character.
void PopCharacter(std::string& text) {
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((c & 0xC0) != 0x80) break;
    }
}

}  // namespace

TListView::TListView(TComponent* owner)
    : TWinControl(owner),
      columns_(std::make_unique<TListColumns>(this)),
      items_(std::make_unique<TListItems>(this)),
      iconOptions_(std::make_unique<TIconOptions>()) {
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
}

TListView::~TListView() {
    editing_ = nullptr;
    OnDeletion.Clear();
    items_.reset();
    SetImageList(smallImages_, nullptr);
    SetImageList(largeImages_, nullptr);
    SetImageList(stateImages_, nullptr);
}

void TListView::Publish(TPublisher<TListView>& p) {
    p.Republish("TabStop").Default(true);
    p.Property("Checkboxes", &TListView::Checkboxes, &TListView::SetCheckboxes).Default(false);
    p.Property("Columns", &TListView::Columns, &TListView::SetColumns);
    p.Property("ColumnClick", &TListView::ColumnClick, &TListView::SetColumnClick).Default(true);
    p.Property("GridLines", &TListView::GridLines, &TListView::SetGridLines).Default(false);
    p.Property("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection).Default(true);
    p.Property("IconOptions", &TListView::IconOptions, &TListView::SetIconOptions);
    p.Property("Items", &TListView::Items, &TListView::SetItems);
    p.Property("LargeImages", &TListView::LargeImages, &TListView::SetLargeImages);
    p.Property("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect).Default(false);
    p.Property("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly).Default(false);
    p.Property("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect).Default(false);
    p.Property("ShowColumnHeaders", &TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders).Default(true);
    p.Property("SmallImages", &TListView::SmallImages, &TListView::SetSmallImages);
    p.Property("SortType", &TListView::SortType, &TListView::SetSortType).Default(stNone);
    p.Property("StateImages", &TListView::StateImages, &TListView::SetStateImages);
    p.Property("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle).Default(vsIcon);
    p.Property("OnChange", &TListView::OnChange);
    p.Property("OnChanging", &TListView::OnChanging);
    p.Property("OnColumnClick", &TListView::OnColumnClick);
    p.Property("OnCompare", &TListView::OnCompare);
    p.Property("OnDeletion", &TListView::OnDeletion);
    p.Property("OnEdited", &TListView::OnEdited);
    p.Property("OnEditing", &TListView::OnEditing);
    p.Property("OnInsert", &TListView::OnInsert);
    p.Property("OnSelectItem", &TListView::OnSelectItem);
}

void TListView::SetViewStyle(TViewStyle style) {
    if (style == viewStyle_) return;
    viewStyle_ = style;
    AutoSizeColumns();
    Invalidate();
}

void TListView::SetSortType(TSortType type) {
    if (type == sortType_) return;
    sortType_ = type;
    if (type != stNone) SortIfNeeded(true, true);
}

void TListView::SetMultiSelect(bool v) {
    if (v == multiSelect_) return;
    multiSelect_ = v;
    if (!v) {
        TListItem* first = Selected();
        for (TListItem* item : items_->items_) {
            if (item != first && item->selected_) SetItemSelected(item, false);
        }
    }
}

void TListView::SetImageList(TImageList*& field, TImageList* images) {
    if (images == field) return;
    TImageList* old = field;
    field = images;
    // One image list may serve as both small and large images: keep hearing of it while it is used.
    if (old != nullptr && old != smallImages_ && old != largeImages_ && old != stateImages_) {
        old->RemoveFreeNotification(this);
    }
    if (images != nullptr) images->FreeNotification(this);
    Invalidate();
}

void TListView::SetSmallImages(TImageList* images) { SetImageList(smallImages_, images); }
void TListView::SetLargeImages(TImageList* images) { SetImageList(largeImages_, images); }
void TListView::SetStateImages(TImageList* images) { SetImageList(stateImages_, images); }

void TListView::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == smallImages_) smallImages_ = nullptr;
    if (component == largeImages_) largeImages_ = nullptr;
    if (component == stateImages_) stateImages_ = nullptr;
}

// Selection and focus.

TListItem* TListView::Selected() const { return GetNextItem(nullptr, sdAll, {isSelected}); }

void TListView::SetSelected(TListItem* item) {
    for (TListItem* other : items_->items_) {
        if (other != item && other->selected_) SetItemSelected(other, false);
    }
    if (item != nullptr) SetItemSelected(item, true);
}

int TListView::SelCount() const {
    return static_cast<int>(std::count_if(items_->items_.begin(), items_->items_.end(),
                                          [](const TListItem* i) { return i->selected_; }));
}

TListItem* TListView::ItemFocused() const { return GetNextItem(nullptr, sdAll, {isFocused}); }

void TListView::SetItemFocused(TListItem* item) {
    for (TListItem* other : items_->items_) other->focused_ = other == item;
    Invalidate();
}

void TListView::ClearSelection() { SetSelected(nullptr); }

void TListView::SelectAll() {
    if (!multiSelect_) return;
    for (TListItem* item : items_->items_) SetItemSelected(item, true);
}

void TListView::SetItemSelected(TListItem* item, bool selected) {
    if (item->selected_ == selected) return;
    if (selected && !multiSelect_) {
        for (TListItem* other : items_->items_) {
            if (other != item && other->selected_) SetItemSelected(other, false);
        }
    }
    if (!CanChange(item, ctState)) return;
    item->selected_ = selected;
    OnSelectItem(this, item, selected);
    ItemChanged(item, ctState);
}

TListItem* TListView::GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states) const {
    const auto& list = items_->items_;
    const int count = static_cast<int>(list.size());
    const bool backward = direction == sdAbove || direction == sdLeft;
    const int from = start == nullptr ? (backward ? count : -1) : items_->IndexOf(start);
    const int step = backward ? -1 : 1;
    for (int i = from + step; i >= 0 && i < count; i += step) {
        const TListItem* item = list[static_cast<size_t>(i)];
        if (states.Contains(isSelected) && !item->selected_) continue;
        if (states.Contains(isFocused) && !item->focused_) continue;
        return list[static_cast<size_t>(i)];
    }
    return nullptr;
}

TListItem* TListView::FindCaption(int start, const std::string& value, bool partial, bool inclusive,
                                  bool wrap) const {
    const int count = items_->Count();
    for (int n = 0, i = inclusive ? start : start + 1; n < count; ++n, ++i) {
        if (i >= count) {
            if (!wrap) break;
            i = 0;
        }
        if (i < 0) continue;
        TListItem* item = items_->Item(i);
        if (partial ? StartsWithNoCase(item->caption_, value) : EqualsNoCase(item->caption_, value)) return item;
    }
    return nullptr;
}

TListItem* TListView::FindData(int start, void* value, bool inclusive, bool wrap) const {
    const int count = items_->Count();
    for (int n = 0, i = inclusive ? start : start + 1; n < count; ++n, ++i) {
        if (i >= count) {
            if (!wrap) break;
            i = 0;
        }
        if (i >= 0 && items_->Item(i)->data_ == value) return items_->Item(i);
    }
    return nullptr;
}

// Sorting.

int TListView::CompareItems(TListItem* a, TListItem* b, intptr_t data) {
    if (OnCompare.Assigned()) {
        int result = 0;
        OnCompare(this, a, b, static_cast<int>(data), result);
        return result;
    }
    int result = 0;
    if (sortType_ != stData) result = CompareText(a->caption_, b->caption_);
    if (result == 0 && (sortType_ == stData || sortType_ == stBoth)) {
        const auto da = reinterpret_cast<uintptr_t>(a->data_);
        const auto db = reinterpret_cast<uintptr_t>(b->data_);
        result = da < db ? -1 : (da > db ? 1 : 0);
    }
    return result;
}

void TListView::Sort(const TSortProc& proc, intptr_t data) {
    sortPending_ = false;
    ++changeStamp_;
    // Stable, so that equal items keep their order and every run gives the same result.
    std::stable_sort(items_->items_.begin(), items_->items_.end(),
                     [&](TListItem* a, TListItem* b) { return proc(a, b, data) < 0; });
    Invalidate();
}

bool TListView::AlphaSort() {
    Sort([this](TListItem* a, TListItem* b, intptr_t d) { return CompareItems(a, b, d); }, 0);
    return true;
}

bool TListView::CustomSort(const TSortProc& proc, intptr_t data) {
    if (!proc) {
        Sort([this](TListItem* a, TListItem* b, intptr_t d) { return CompareItems(a, b, d); }, data);
    } else {
        Sort(proc, data);
    }
    return true;
}

void TListView::SortIfNeeded(bool byText, bool byData) {
    const bool text = byText && (sortType_ == stText || sortType_ == stBoth);
    const bool data = byData && (sortType_ == stData || sortType_ == stBoth);
    if (!text && !data) return;
    if (items_->UpdateCount() > 0) {
        sortPending_ = true;
    } else {
        AlphaSort();
    }
}

// Item notifications.

bool TListView::CanChange(TListItem* item, TItemChange change) {
    bool allow = true;
    OnChanging(this, item, change, allow);
    return allow;
}

void TListView::ItemChanged(TListItem* item, TItemChange change) {
    if (change == ctText) {
        ++changeStamp_;
        ItemTextChanged(item);
    }
    OnChange(this, item, change);
    Invalidate();
}

void TListView::ItemTextChanged(TListItem* item) {
    (void)item;
    SortIfNeeded(true, false);
}

void TListView::DataChanged(TListItem* item) {
    (void)item;
    SortIfNeeded(false, true);
}

void TListView::ItemInserted(TListItem* item) {
    ++changeStamp_;
    OnInsert(this, item);
    Invalidate();
}

void TListView::ItemDeleting(TListItem* item) {
    ++changeStamp_;
    if (editing_ == item) editing_ = nullptr;
    if (anchor_ == item) anchor_ = nullptr;
    OnDeletion(this, item);
}

void TListView::UpdatesEnded() {
    if (sortPending_) AlphaSort();
    Invalidate();
}

// Caption editing.

bool TListView::BeginEdit(TListItem* item) {
    if (readOnly_ || item == nullptr || item->ListView() != this) return false;
    if (editing_ != nullptr) EndEdit(TEditEnd::Accept);
    bool allow = true;
    OnEditing(this, item, allow);
    if (!allow) return false;
    editing_ = item;
    editText_ = item->caption_;
    editSelected_ = true;
    editByClick_ = false;
    return true;
}

void TListView::EndEdit(TEditEnd how) {
    TListItem* item = editing_;
    if (item == nullptr) return;
    editing_ = nullptr;
    if (how == TEditEnd::Cancel) return;
    std::string text = editText_;
    try {
        OnEdited(this, item, text);
        // The handler may have removed the item.
        if (items_->IndexOf(item) >= 0) item->SetCaption(text);
    } catch (...) {
        Application().HandleException(this);
    }
}

// Layout.

int TListView::RowHeight() const {
    int height = GetTextMetrics().LineHeight(*Font()) + 2;
    if (smallImages_ != nullptr && viewStyle_ != vsIcon) height = std::max(height, smallImages_->Height() + 1);
    return height;
}

int TListView::HeaderHeight() const {
    if (viewStyle_ != vsReport || !showColumnHeaders_) return 0;
    return GetTextMetrics().LineHeight(*Font()) + 6;
}

int TListView::ItemsPerLine() const {
    const int cell = viewStyle_ == vsIcon ? kIconCellWidth : kLineCellWidth;
    return std::max(1, ClientWidth() / cell);
}

TRect TListView::ItemRect(int index) const {
    if (index < 0 || index >= items_->Count()) return {};
    const int rh = RowHeight();
    switch (viewStyle_) {
        case vsReport: {
            int width = 0;
            for (int c = 0; c < columns_->Count(); ++c) width += columns_->Items(c)->Width();
            return Bounds(0, HeaderHeight() + index * rh, std::max(width, ClientWidth()), rh);
        }
        case vsList: {
            const int perColumn = std::max(1, ClientHeight() / rh);
            return Bounds((index / perColumn) * kLineCellWidth, (index % perColumn) * rh, kLineCellWidth, rh);
        }
        case vsSmallIcon: {
            const int perLine = ItemsPerLine();
            return Bounds((index % perLine) * kLineCellWidth, (index / perLine) * rh, kLineCellWidth, rh);
        }
        case vsIcon: break;
    }
    const int imageHeight = largeImages_ != nullptr ? largeImages_->Height() : 32;
    const int cellHeight = imageHeight + GetTextMetrics().LineHeight(*Font()) + 8;
    const int perLine = ItemsPerLine();
    return Bounds((index % perLine) * kIconCellWidth, (index / perLine) * cellHeight, kIconCellWidth, cellHeight);
}

TListItem* TListView::GetItemAt(int x, int y) const {
    for (int i = 0; i < items_->Count(); ++i) {
        TRect r = ItemRect(i);
        // Without whole-row selection only the caption column of a report row is the item.
        if (viewStyle_ == vsReport && !rowSelect_ && columns_->Count() > 0) r.Right = columns_->Items(0)->Width();
        if (PtInRect(r, Point(x, y))) return items_->Item(i);
    }
    return nullptr;
}

int TListView::ColumnAt(int x) const {
    if (HeaderHeight() == 0) return -1;
    int left = 0;
    for (int c = 0; c < columns_->Count(); ++c) {
        const int right = left + columns_->Items(c)->Width();
        if (x >= left && x < right) return c;
        left = right;
    }
    return -1;
}

void TListView::ClickColumn(int index) {
    if (!columnClick_ || index < 0 || index >= columns_->Count()) return;
    OnColumnClick(this, columns_->Items(index));
}

int TListView::FitColumnWidth(int index, bool withCaption) const {
    const TTextMetrics& metrics = GetTextMetrics();
    int width = 0;
    for (const TListItem* item : items_->items_) width = std::max(width, metrics.TextWidth(*Font(), item->ColumnText(index)));
    if (index == 0 && smallImages_ != nullptr) width += smallImages_->Width() + 4;
    if (withCaption && index >= 0 && index < columns_->Count()) {
        width = std::max(width, metrics.TextWidth(*Font(), columns_->Items(index)->Caption()));
    }
    return width + kColumnMargin;
}

void TListView::ColumnsChanged() {
    AutoSizeColumns();
    Invalidate();
}

void TListView::AutoSizeColumns() {
    if (autoSizing_ || viewStyle_ != vsReport) return;
    int fixed = 0;
    int autoCount = 0;
    for (int c = 0; c < columns_->Count(); ++c) {
        const TListColumn* column = columns_->Items(c);
        if (column->AutoSize()) {
            ++autoCount;
        } else {
            fixed += column->Width();
        }
    }
    if (autoCount == 0) return;
    autoSizing_ = true;
    const int share = std::max(0, ClientWidth() - fixed) / autoCount;
    for (int c = 0; c < columns_->Count(); ++c) {
        TListColumn* column = columns_->Items(c);
        if (column->AutoSize()) column->SetWidthQuiet(column->Clamp(share));
    }
    autoSizing_ = false;
}

void TListView::BoundsChanged() {
    TWinControl::BoundsChanged();
    AutoSizeColumns();
}

// Input.

LRESULT TListView::DialogCode() const { return DLGC_WANTARROWS | (editing_ != nullptr ? DLGC_WANTALLKEYS : 0); }

void TListView::MoveFocus(int delta, TShiftState shift) {
    const int count = items_->Count();
    if (count == 0) return;
    TListItem* focused = ItemFocused();
    const int from = focused == nullptr ? -1 : focused->Index();
    const int to = std::clamp(from < 0 ? 0 : from + delta, 0, count - 1);
    TListItem* target = items_->Item(to);
    if (multiSelect_ && shift.Contains(ssShift)) {
        TListItem* anchor = anchor_ != nullptr ? anchor_ : target;
        const int a = std::min(anchor->Index(), to);
        const int b = std::max(anchor->Index(), to);
        for (int i = 0; i < count; ++i) SetItemSelected(items_->Item(i), i >= a && i <= b);
    } else if (!(multiSelect_ && shift.Contains(ssCtrl))) {
        SetSelected(target);
        anchor_ = target;
    }
    SetItemFocused(target);
}

void TListView::KeyDown(uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    // The editor takes Enter and Escape: no dialog key and no character follows them.
    if (editing_ == nullptr || (key != VK_RETURN && key != VK_ESCAPE)) return;
    EndEdit(key == VK_RETURN ? TEditEnd::Accept : TEditEnd::Cancel);
    key = 0;
}

void TListView::DefaultKeyDown(uint16_t key, TShiftState shift) {
    if (editing_ != nullptr) {
        if (key == VK_BACK) {
            if (editSelected_) editText_.clear();
            else PopCharacter(editText_);
            editSelected_ = false;
        }
        return;
    }
    const int line = viewStyle_ == vsIcon || viewStyle_ == vsSmallIcon ? ItemsPerLine() : 1;
    switch (key) {
        case VK_UP: MoveFocus(-line, shift); break;
        case VK_DOWN: MoveFocus(line, shift); break;
        case VK_LEFT: if (line > 1) MoveFocus(-1, shift); break;
        case VK_RIGHT: if (line > 1) MoveFocus(1, shift); break;
        case VK_HOME: MoveFocus(-items_->Count(), shift); break;
        case VK_END: MoveFocus(items_->Count(), shift); break;
        case VK_F2: BeginEdit(ItemFocused() != nullptr ? ItemFocused() : Selected()); break;
        case 'A':
            if (shift.Contains(ssCtrl)) SelectAll();
            break;
        default: break;
    }
}

void TListView::DefaultKeyPress(char key) {
    if (editing_ == nullptr) return;
    if (static_cast<unsigned char>(key) < 0x20 || key == 0x7F) return;
    if (editSelected_) editText_.clear();
    editSelected_ = false;
    editText_ += key;
}

void TListView::ClickItem(TListItem* item, TShiftState shift) {
    if (item == nullptr) {
        if (!(multiSelect_ && shift.Contains(ssCtrl))) ClearSelection();
        return;
    }
    if (multiSelect_ && shift.Contains(ssCtrl)) {
        SetItemSelected(item, !item->selected_);
        anchor_ = item;
    } else if (multiSelect_ && shift.Contains(ssShift) && anchor_ != nullptr) {
        const int a = std::min(anchor_->Index(), item->Index());
        const int b = std::max(anchor_->Index(), item->Index());
        for (int i = 0; i < items_->Count(); ++i) SetItemSelected(items_->Item(i), i >= a && i <= b);
    } else {
        SetSelected(item);
        anchor_ = item;
    }
    SetItemFocused(item);
}

void TListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    const bool doubled = shift.Contains(ssDouble);
    if (editing_ != nullptr) EndEdit(doubled && editByClick_ ? TEditEnd::Cancel : TEditEnd::Accept);
    if (button == mbLeft && y < HeaderHeight()) {
        ClickColumn(ColumnAt(x));
    } else if (button == mbLeft || button == mbRight) {
        TListItem* item = GetItemAt(x, y);
        const bool again = button == mbLeft && !doubled && !shift.Contains(ssShift) &&
                           !shift.Contains(ssCtrl) && item != nullptr && item->selected_ && item == ItemFocused();
        // A right click on a selected item keeps a multiple selection for its pop-up menu.
        if (!(button == mbRight && item != nullptr && item->selected_)) ClickItem(item, shift);
        if (again && BeginEdit(item)) editByClick_ = true;
    }
    TWinControl::MouseDown(button, shift, x, y);
}

}  // namespace rt
