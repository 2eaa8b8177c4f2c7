#pragma once
// A list of items shown as large icons, small icons, a list or a report with
// columns. It keeps the selection (one item, or many with MultiSelect) and
// the focused item, sorts by caption and/or data (OnCompare decides when
// assigned), and edits captions in place: OnEditing may refuse to start,
// OnEdited may change or refuse the new caption, and an exception from it
// keeps the old caption and is reported by the application.
//
// The in-place editor is headless: while it is open, typed characters and
// Backspace change EditText, Enter accepts and Escape cancels. It opens with
// the whole caption selected, so that the first character typed (or
// Backspace) replaces it. F2, or a click on the item that is already
// selected and focused opens it; a double click cancels
// an editor its own first click opened. Being a window of its own, the
// editor's keys are its own: a form that previews keys leaves them alone
// while IsEditing.

#include <functional>
#include <memory>
#include <string>

#include "platform/comctrls/ListViewTypes.h"
#include "platform/comctrls/TIconOptions.h"
#include "platform/comctrls/TListColumns.h"
#include "platform/comctrls/TListItems.h"
#include "platform/controls/TWinControl.h"

namespace rt {

class TImageList;

class TListView : public TWinControl {
    RT_CLASS(TListView, TWinControl)

public:
    using TSortProc = std::function<int(TListItem* item1, TListItem* item2, intptr_t data)>;
    enum class TEditEnd { Accept, Cancel };

    explicit TListView(TComponent* owner);
    ~TListView() override;

    static void Publish(TPublisher<TListView>& p);

    TListColumns* Columns() const { return columns_.get(); }
    void SetColumns(TListColumns* columns) { columns_->Assign(columns); }
    TListColumn* Column(int index) const { return columns_->Items(index); }
    TListItems* Items() const { return items_.get(); }
    void SetItems(TListItems* items) { items_->Assign(items); }
    TIconOptions* IconOptions() const { return iconOptions_.get(); }
    void SetIconOptions(TIconOptions* options) { iconOptions_->Assign(options); }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    TSortType SortType() const { return sortType_; }
    // A sorting type sorts at once.
    void SetSortType(TSortType type);
    bool MultiSelect() const { return multiSelect_; }
    // Switching it off keeps only the first selected item.
    void SetMultiSelect(bool v);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool v) { rowSelect_ = v; Invalidate(); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v) { hideSelection_ = v; Invalidate(); }
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool v) { showColumnHeaders_ = v; Invalidate(); }
    bool ColumnClick() const { return columnClick_; }
    void SetColumnClick(bool v) { columnClick_ = v; }
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool v) { gridLines_ = v; Invalidate(); }
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool v) { checkboxes_ = v; Invalidate(); }
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* images);
    TImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(TImageList* images);
    TImageList* StateImages() const { return stateImages_; }
    void SetStateImages(TImageList* images);

    // Selection and focus.
    TListItem* Selected() const;
    // Selects only `item`; null clears the selection.
    void SetSelected(TListItem* item);
    int SelCount() const;
    TListItem* ItemFocused() const;
    void SetItemFocused(TListItem* item);
    void ClearSelection();
    void SelectAll();
    // The next item after `start` (null: from the start) in `direction` having all `states`.
    TListItem* GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states) const;
    // The first item from `start` whose caption equals (or, partial, begins with) `value`, ignoring case.
    TListItem* FindCaption(int start, const std::string& value, bool partial, bool inclusive, bool wrap) const;
    TListItem* FindData(int start, void* value, bool inclusive, bool wrap) const;

    // Sorting.
    bool AlphaSort();
    // Sorts by `proc`; without one by the default order (OnCompare, else the sort type).
    bool CustomSort(const TSortProc& proc, intptr_t data);

    // Caption editing.
    bool IsEditing() const { return editing_ != nullptr; }
    TListItem* EditingItem() const { return editing_; }
    const std::string& EditText() const { return editText_; }
    void SetEditText(const std::string& text) {
        editText_ = text;
        editSelected_ = false;
    }
    // Opens the editor on `item` unless read-only or refused by OnEditing.
    bool BeginEdit(TListItem* item);
    // Closes the editor; accepting runs OnEdited and stores the caption it leaves.
    void EndEdit(TEditEnd how);

    // Updates: painting and sorting wait for the last EndUpdate.
    void BeginUpdate() { items_->BeginUpdate(); }
    void EndUpdate() { items_->EndUpdate(); }

    // Layout, in client coordinates.
    int RowHeight() const;
    int HeaderHeight() const;
    TRect ItemRect(int index) const;
    TListItem* GetItemAt(int x, int y) const;
    // The column whose header is under x (report style, headers shown), -1 when none.
    int ColumnAt(int x) const;
    // A user's click on a column header; raises OnColumnClick when column clicks are on.
    void ClickColumn(int index);
    // Width that fits column `index` to its texts (and caption).
    int FitColumnWidth(int index, bool withCaption) const;
    // Grows whenever an item is inserted or deleted, a caption changes or the
    // items are sorted, so that what was learnt about the items can be trusted
    // while it stays the same.
    uint64_t ChangeStamp() const { return changeStamp_; }

    TLVCompareEvent OnCompare;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
    TLVSelectItemEvent OnSelectItem;
    TLVColumnClickEvent OnColumnClick;
    TLVDeletedEvent OnDeletion;
    TLVDeletedEvent OnInsert;
    TLVChangeEvent OnChange;
    TLVChangingEvent OnChanging;

    void Notification(TComponent* component, TOperation operation) override;

protected:
    // The order of two items for the default sort.
    virtual int CompareItems(TListItem* a, TListItem* b, intptr_t data);
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DefaultKeyDown(uint16_t key, TShiftState shift) override;
    void DefaultKeyPress(char key) override;
    LRESULT DialogCode() const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void BoundsChanged() override;
    // An item's caption changed: by default a sorted list sorts itself again.
    virtual void ItemTextChanged(TListItem* item);

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumns;
    bool CanChange(TListItem* item, TItemChange change);
    void ItemChanged(TListItem* item, TItemChange change);
    void DataChanged(TListItem* item);
    void SetItemSelected(TListItem* item, bool selected);
    void ItemInserted(TListItem* item);
    void ItemDeleting(TListItem* item);
    void UpdatesEnded();
    void ColumnsChanged();
    void AutoSizeColumns();
    void SortIfNeeded(bool byText, bool byData);
    void Sort(const TSortProc& proc, intptr_t data);
    void MoveFocus(int delta, TShiftState shift);
    void ClickItem(TListItem* item, TShiftState shift);
    void SetImageList(TImageList*& field, TImageList* images);
    int ItemsPerLine() const;

    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    std::unique_ptr<TIconOptions> iconOptions_;
    TViewStyle viewStyle_ = vsIcon;
    TSortType sortType_ = stNone;
    bool multiSelect_ = false;
    bool rowSelect_ = false;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool showColumnHeaders_ = true;
    bool columnClick_ = true;
    bool gridLines_ = false;
    bool checkboxes_ = false;
    bool sortPending_ = false;
    bool autoSizing_ = false;
    uint64_t changeStamp_ = 0;
    TImageList* smallImages_ = nullptr;
    TImageList* largeImages_ = nullptr;
    TImageList* stateImages_ = nullptr;
    TListItem* editing_ = nullptr;
    std::string editText_;
    // The caption is still selected as the editor opened it.
    bool editSelected_ = false;
    // The editor was opened by a click, which a double click takes back.
    bool editByClick_ = false;
    // The item Shift-clicks and Shift-arrows extend from.
    TListItem* anchor_ = nullptr;
};

}  // namespace rt
