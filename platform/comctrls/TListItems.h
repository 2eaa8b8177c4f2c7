#pragma once
// The items of a list view. In form resources they are one binary entry
// "Items.Data": a header (total size, count), then per item its image,
// state and overlay indexes, sub-item count, a data slot (always 0) and its
// caption as a length-prefixed string, followed by the sub-items as such
// strings and one image index per sub-item. All integers are 32-bit little
// endian; a text longer than 255 bytes cannot be written and raises.

#include <cstdint>
#include <vector>

#include "platform/classes/TPersistent.h"
#include "platform/comctrls/TListItem.h"

namespace rt {

class TListView;

class TListItems : public TPersistent {
    RT_CLASS(TListItems, TPersistent)

public:
    explicit TListItems(TListView* owner);
    ~TListItems() override;

    TListView* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TListItem* Item(int index) const;
    int IndexOf(const TListItem* item) const;

    TListItem* Add();
    TListItem* Insert(int index);
    // Raises EListError for a bad index; the list view's OnDeletion runs first.
    void Delete(int index);
    void Clear();
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    // Binary form of the items; ReadData raises EReadError for malformed data
    // and leaves the items as they were.
    std::vector<uint8_t> WriteData() const;
    void ReadData(const std::vector<uint8_t>& data);

private:
    friend class TListView;
    TListView* owner_;
    std::vector<TListItem*> items_;
    int updateCount_ = 0;
};

}  // namespace rt
