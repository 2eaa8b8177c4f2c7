#pragma once
// One item of a list view: a caption (column 0), sub-items (columns 1 ...),
// images, a program's data pointer and the selection and focus states,
// which the list view keeps consistent (single selection, events).

#include <memory>
#include <string>

#include "platform/classes/TPersistent.h"
#include "platform/classes/TStringList.h"

namespace rt {

class TListItems;
class TListView;

class TListItem : public TPersistent {
    RT_CLASS(TListItem, TPersistent)

public:
    explicit TListItem(TListItems* owner);
    ~TListItem() override;

    TListItems* Owner() const { return owner_; }
    TListView* ListView() const;
    int Index() const;

    const std::string& Caption() const { return caption_; }
    // Keeps a sorted list view in order.
    void SetCaption(const std::string& caption);
    TStringList* SubItems() const { return subItems_.get(); }
    void SetSubItems(const TStrings* items) { subItems_->Assign(items); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int index) { stateIndex_ = index; }
    int OverlayIndex() const { return overlayIndex_; }
    void SetOverlayIndex(int index) { overlayIndex_ = index; }
    void* Data() const { return data_; }
    // Keeps a list view sorted by data in order.
    void SetData(void* data);
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }

    bool Selected() const { return selected_; }
    void SetSelected(bool selected);
    bool Focused() const { return focused_; }
    void SetFocused(bool focused);

    // Starts the list view's caption editor on this item; false when refused.
    bool EditCaption();
    void CancelEdit();
    void Delete();
    // The text of column `column` (0 = caption, k = sub-item k - 1, absent = empty).
    std::string ColumnText(int column) const;

    void Assign(const TPersistent* source) override;

private:
    friend class TListView;
    friend class TListItems;
    TListItems* owner_;
    std::string caption_;
    std::unique_ptr<TStringList> subItems_;
    int imageIndex_ = -1;
    int stateIndex_ = -1;
    int overlayIndex_ = -1;
    void* data_ = nullptr;
    bool checked_ = false;
    bool selected_ = false;
    bool focused_ = false;
};

}  // namespace rt
