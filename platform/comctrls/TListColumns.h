#pragma once
// The columns of a list view, streamed as a collection.

#include "platform/classes/TCollection.h"
#include "platform/comctrls/TListColumn.h"

namespace rt {

class TListView;

class TListColumns : public TCollection {
    RT_CLASS(TListColumns, TCollection)

public:
    explicit TListColumns(TListView* owner);

    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
    TListView* Owner() const { return owner_; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TListView* owner_;
};

}  // namespace rt
