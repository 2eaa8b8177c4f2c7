#include "platform/classes/TCollectionItem.h"

#include "platform/classes/TCollection.h"
#include "platform/core/Exceptions.h"

namespace rt {

namespace {
void CopyProperty(const TPropInfo& info, TObject* from, TObject* to) {
    if (info.Kind == tkClass && !info.IsComponentReference()) {
        auto* mine = dynamic_cast<TPersistent*>(info.GetObject(to));
        auto* theirs = dynamic_cast<TPersistent*>(info.GetObject(from));
        if (mine != nullptr && theirs != nullptr) mine->Assign(theirs);
        return;
    }
    if (!info.IsWritable()) return;
    switch (info.Kind) {
        case tkString: info.SetStr(to, info.GetStr(from)); break;
        case tkFloat: info.SetFloat(to, info.GetFloat(from)); break;
        case tkClass: info.SetObject(to, info.GetObject(from)); break;
        case tkMethod: info.SetMethod(to, info.GetMethod(from)); break;
        case tkUnknown: break;
        default: info.SetOrd(to, info.GetOrd(from)); break;
    }
}
}  // namespace

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection_ == collection) return;
    if (collection_ != nullptr) collection_->RemoveItem(this);
    if (collection != nullptr) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (collection_ == nullptr) return -1;
    const auto& items = collection_->items_;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == this) return static_cast<int>(i);
    }
    return -1;
}

void TCollectionItem::SetIndex(int index) {
    if (collection_ == nullptr || index == Index()) return;
    if (index < 0 || index >= collection_->Count()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    collection_->MoveItem(this, index);
}

std::string TCollectionItem::DisplayName() const { return ClassName(); }

std::string TCollectionItem::GetNamePath() const {
    if (collection_ == nullptr) return ClassName();
    return collection_->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

void TCollectionItem::Assign(const TPersistent* source) {
    if (source == nullptr || source->ClassType() != ClassType()) {
        TPersistent::Assign(source);
        return;
    }
    auto* from = const_cast<TPersistent*>(source);
    for (const TPropInfo* info : ClassType()->Properties()) CopyProperty(*info, from, this);
    Changed(false);
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_ != nullptr) collection_->Changed(allItems ? nullptr : this);
}

}  // namespace rt
