#pragma once
// An owned, ordered list of items of one class, published as a property of
// its owner and streamed as "< item ... end >".

#include <functional>
#include <string>
#include <vector>

#include "platform/classes/TCollectionItem.h"

namespace rt {

class TCollection : public TPersistent {
    RT_CLASS(TCollection, TPersistent)

public:
    // Raises EInvalidOperation unless `itemClass` derives from TCollectionItem and can be created.
    explicit TCollection(TClass itemClass, TPersistent* owner = nullptr);
    ~TCollection() override;

    TClass ItemClass() const { return itemClass_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TCollectionItem* Items(int index) const;
    TCollectionItem* FindItemID(int id) const;

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    TPersistent* GetOwner() const override { return owner_; }
    std::string GetNamePath() const override;
    void Assign(const TPersistent* source) override;

    // Told after a change: the item that changed, or null for the whole collection.
    std::function<void(TCollectionItem*)> OnUpdate;

protected:
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void MoveItem(TCollectionItem* item, int index);
    void Changed(TCollectionItem* item);

    TClass itemClass_;
    TPersistent* owner_;
    std::vector<TCollectionItem*> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
};

}  // namespace rt
