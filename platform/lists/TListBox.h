#pragma once
// A list of strings with one selected item, or several with MultiSelect
// (ItemIndex is then the focused item). Replacing the whole item list clears
// the selection; replacing one string keeps it; sorting keeps each item's
// selection with the item.

#include <memory>
#include <vector>

#include "platform/controls/TWinControl.h"
#include "platform/lists/ListTypes.h"
#include "platform/lists/TItemStrings.h"

namespace rt {

class TListBox : public TWinControl, public TItemStringsOwner {
    RT_CLASS(TListBox, TWinControl)

public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;

    static void Publish(TPublisher<TListBox>& p);

    TItemStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* items) { items_->Assign(items); }
    int ItemIndex() const { return itemIndex_; }
    // Out of range selects nothing.
    void SetItemIndex(int index);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool v) { extendedSelect_ = v; }
    // Raises EListError "List index out of bounds (%d)".
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    // Selected items; -1 for a single-selection list, as the original reports.
    int SelCount() const;
    void ClearSelection();
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool sorted);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle style) { style_ = style; Invalidate(); }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int v);
    int Columns() const { return columns_; }
    void SetColumns(int v) { columns_ = v < 0 ? 0 : v; }
    // The item at a client point, -1 when none.
    int ItemAtPos(TPoint p) const;
    TRect ItemRect(int index) const;

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void ItemInserted(int index) override;
    void ItemDeleted(int index) override;
    void ItemsCleared() override;

protected:
    void DefaultKeyDown(uint16_t key, TShiftState shift) override;
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;

private:
    void MoveTo(int index);

    std::unique_ptr<TItemStrings> items_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = 16;
    int topIndex_ = 0;
    int columns_ = 0;
};

}  // namespace rt
