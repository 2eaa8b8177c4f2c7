#pragma once
// An edit with a drop-down list (csDropDown), an edit over an open list
// (csSimple) or a list only (csDropDownList and the owner-draw styles).
// ItemIndex follows its item when items are inserted, deleted or sorted,
// stays when one string is replaced or the style changes, and is lost with
// the selected item or when the whole list is replaced, as in the original
// control (callers that replace every item keep and set the index back).
//
// A user's selection (arrow keys, a typed first letter in the list styles,
// an item picked from the open list) sets Text, raises OnClick and then
// OnSelect, or OnChange when OnSelect is not assigned. Typing into the edit
// styles changes Text and raises OnChange.

#include <memory>
#include <string>

#include "platform/controls/TWinControl.h"
#include "platform/lists/ListTypes.h"
#include "platform/lists/TItemStrings.h"

namespace rt {

class TComboBox : public TWinControl, public TItemStringsOwner {
    RT_CLASS(TComboBox, TWinControl)

public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    static void Publish(TPublisher<TComboBox>& p);

    TItemStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* items) { items_->Assign(items); }
    int ItemIndex() const { return itemIndex_; }
    // Out of range selects nothing; the text becomes the item's (empty for none). No events.
    void SetItemIndex(int index);
    const std::string& Text() const { return GetText(); }
    // In the list styles the text selects the item of that text (ignoring case), or none.
    void SetComboText(const std::string& text);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    // The styles without an edit part.
    bool IsListStyle() const { return style_ == csDropDownList || style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool sorted);
    bool DroppedDown() const { return droppedDown_; }
    // Opening raises OnDropDown, closing OnCloseUp; a simple combo box has no list to drop.
    void SetDroppedDown(bool dropped);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v) { dropDownCount_ = v < 1 ? 1 : v; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v) { if (v > 0) itemHeight_ = v; }
    int MaxLength() const { return maxLength_; }
    // 0 = no limit; counts bytes of the text.
    void SetMaxLength(int v) { maxLength_ = v < 0 ? 0 : v; }

    // A user's pick from the open list: selects, then closes the list.
    void PickItem(int index);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void ItemInserted(int index) override;
    void ItemDeleted(int index) override;
    void ItemsCleared() override;
    void Loaded() override;

protected:
    void DefaultKeyDown(uint16_t key, TShiftState shift) override;
    void DefaultKeyPress(char key) override;
    LRESULT DialogCode() const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;
    virtual void Change() { OnChange(this); }
    virtual void Select();

private:
    // A user's selection of `index`, with its events; nothing when it does not change.
    void UserSelect(int index);
    void SelectByFirstLetter(char key);
    void TypeText(const std::string& text);
    bool IsTextStored() const { return !IsListStyle(); }
    void ShowSelectedText();

    std::unique_ptr<TItemStrings> items_;
    int itemIndex_ = -1;
    TComboBoxStyle style_ = csDropDown;
    bool droppedDown_ = false;
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
    int maxLength_ = 0;
    // The index read from a resource before the items, applied once loaded.
    int loadedIndex_ = -2;
};

}  // namespace rt
