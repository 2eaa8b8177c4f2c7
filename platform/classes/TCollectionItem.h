#pragma once
// An item of a collection: owned by its collection, with an identity that
// survives reordering and published properties streamed inside "< item ... end >".

#include <string>

#include "platform/classes/TPersistent.h"

namespace rt {

class TCollection;

class TCollectionItem : public TPersistent {
    RT_CLASS(TCollectionItem, TPersistent)

public:
    explicit TCollectionItem(TCollection* collection = nullptr);
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item into `collection` (or out of any, for null).
    void SetCollection(TCollection* collection);
    int ID() const { return id_; }
    int Index() const;
    // Moves the item to another position; raises EListError out of range.
    virtual void SetIndex(int index);
    // Name shown in editors; the class name unless an item says better.
    virtual std::string DisplayName() const;

    std::string GetNamePath() const override;
    TPersistent* GetOwner() const override;
    // Items of one class copy each other's published properties.
    void Assign(const TPersistent* source) override;

protected:
    // Tells the collection this item (or, with allItems, every item) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

}  // namespace rt
