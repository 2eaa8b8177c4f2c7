#include "platform/lists/TItemStrings.h"

#include <algorithm>
#include <numeric>

namespace rt {

TItemStringsOwner::~TItemStringsOwner() = default;

void TItemStrings::Check(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

std::string TItemStrings::Strings(int index) const {
    Check(index);
    return items_[static_cast<size_t>(index)].Value;
}

void TItemStrings::SetStrings(int index, const std::string& value) {
    Check(index);
    items_[static_cast<size_t>(index)].Value = value;
}

TObject* TItemStrings::Objects(int index) const {
    Check(index);
    return items_[static_cast<size_t>(index)].Object;
}

void TItemStrings::SetObjects(int index, TObject* object) {
    Check(index);
    items_[static_cast<size_t>(index)].Object = object;
}

int TItemStrings::SortedIndexOf(const std::string& value) const {
    // After equal items, as a sorting list box inserts.
    int index = 0;
    while (index < Count() && CompareStrings(items_[static_cast<size_t>(index)].Value, value) <= 0) ++index;
    return index;
}

int TItemStrings::AddObject(const std::string& value, TObject* object) {
    const int index = sorted_ ? SortedIndexOf(value) : Count();
    InsertObject(index, value, object);
    return index;
}

void TItemStrings::Insert(int index, const std::string& value) { InsertObject(index, value, nullptr); }

void TItemStrings::InsertObject(int index, const std::string& value, TObject* object) {
    if (index < 0 || index > Count()) IndexError(index);
    items_.insert(items_.begin() + index, Item{value, object});
    owner_->ItemInserted(index);
}

void TItemStrings::Delete(int index) {
    Check(index);
    items_.erase(items_.begin() + index);
    owner_->ItemDeleted(index);
}

void TItemStrings::Clear() {
    items_.clear();
    owner_->ItemsCleared();
}

std::vector<int> TItemStrings::SetSorted(bool sorted) {
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    sorted_ = sorted;
    if (!sorted) return order;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return CompareStrings(items_[static_cast<size_t>(a)].Value, items_[static_cast<size_t>(b)].Value) < 0;
    });
    std::vector<Item> items;
    std::vector<int> newIndex(items_.size());
    for (size_t i = 0; i < order.size(); ++i) {
        items.push_back(items_[static_cast<size_t>(order[i])]);
        newIndex[static_cast<size_t>(order[i])] = static_cast<int>(i);
    }
    items_ = std::move(items);
    return newIndex;
}

}  // namespace rt
