#include "platform/comctrls/TListColumns.h"

#include "platform/comctrls/TListView.h"

namespace rt {

TListColumns::TListColumns(TListView* owner) : TCollection(TListColumn::StaticClass(), owner), owner_(owner) {}

void TListColumns::Update(TCollectionItem* item) {
    TCollection::Update(item);
    owner_->ColumnsChanged();
}

}  // namespace rt
