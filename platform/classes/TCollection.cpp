#include "platform/classes/TCollection.h"

#include <algorithm>

#include "platform/core/Exceptions.h"

namespace rt {

TCollection::TCollection(TClass itemClass, TPersistent* owner) : itemClass_(itemClass), owner_(owner) {
    if (itemClass_ == nullptr || !itemClass_->InheritsFrom(TCollectionItem::StaticClass()) || !itemClass_->CanCreate()) {
        throw EInvalidOperation("A collection needs a creatable item class");
    }
}

TCollection::~TCollection() {
    OnUpdate = nullptr;
    updateCount_ = 1;
    Clear();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : items_) {
        if (item->id_ == id) return item;
    }
    return nullptr;
}

TCollectionItem* TCollection::Add() {
    auto* item = static_cast<TCollectionItem*>(itemClass_->CreateInstance());
    item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    BeginUpdate();
    TCollectionItem* item = Add();
    MoveItem(item, index);
    EndUpdate();
    return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear() {
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty()) delete items_.back();
    EndUpdate();
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) Changed(nullptr);
}

std::string TCollection::GetNamePath() const {
    if (owner_ == nullptr) return ClassName();
    const std::string ownerPath = owner_->GetNamePath();
    if (ownerPath.empty()) return ClassName();
    // The owner's property that holds this collection names it.
    for (const TPropInfo* info : owner_->ClassType()->Properties()) {
        if (info->Kind == tkClass && info->GetObject(owner_) == this) return ownerPath + "." + info->Name;
    }
    return ownerPath;
}

void TCollection::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TCollection*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    Clear();
    for (TCollectionItem* item : other->items_) Add()->Assign(item);
    EndUpdate();
}

void TCollection::Update(TCollectionItem* item) {
    if (OnUpdate) OnUpdate(item);
}

void TCollection::InsertItem(TCollectionItem* item) {
    if (!item->InheritsFrom(itemClass_)) {
        throw EInvalidOperation("A " + item->ClassName() + " cannot be an item of this collection");
    }
    items_.push_back(item);
    item->collection_ = this;
    item->id_ = nextId_++;
    Changed(nullptr);
}

void TCollection::RemoveItem(TCollectionItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->collection_ = nullptr;
    Changed(nullptr);
}

void TCollection::MoveItem(TCollectionItem* item, int index) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    items_.insert(items_.begin() + index, item);
    Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
    if (updateCount_ == 0) Update(item);
}

}  // namespace rt
