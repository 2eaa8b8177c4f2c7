#include "platform/classes/TStringList.h"

#include <algorithm>
#include <numeric>

#include "platform/core/Exceptions.h"

namespace rt {

TStringList::~TStringList() {
    // Nobody may hear of changes while the list goes away.
    OnChange.Clear();
    OnChanging.Clear();
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

void TStringList::CheckNotSorted() const {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
}

std::string TStringList::Strings(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].value;
}

void TStringList::SetStrings(int index, const std::string& value) {
    CheckNotSorted();
    CheckIndex(index);
    Changing();
    items_[static_cast<size_t>(index)].value = value;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::SetObjects(int index, TObject* object) {
    CheckIndex(index);
    Changing();
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

int TStringList::Add(const std::string& value) { return AddObject(value, nullptr); }

int TStringList::AddObject(const std::string& value, TObject* object) {
    int index = Count();
    if (sorted_ && Find(value, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, value, object);
    return index;
}

void TStringList::Insert(int index, const std::string& value) { InsertObject(index, value, nullptr); }

void TStringList::InsertObject(int index, const std::string& value, TObject* object) {
    CheckNotSorted();
    if (index < 0 || index > Count()) IndexError(index);
    InsertItem(index, value, object);
}

void TStringList::InsertItem(int index, const std::string& value, TObject* object) {
    Changing();
    items_.insert(items_.begin() + index, Item{value, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
    Changed();
}

int TStringList::IndexOf(std::string_view value) const {
    if (!sorted_) return TStrings::IndexOf(value);
    int index = -1;
    return Find(value, index) ? index : -1;
}

bool TStringList::Find(std::string_view value, int& index) const {
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int c = CompareStrings(items_[static_cast<size_t>(mid)].value, value);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                // With duplicates accepted, keep going to the first of them.
                if (duplicates_ != dupAccept) low = mid;
            }
        }
    }
    index = low;
    return found;
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) {
        return list.CompareStrings(list.items_[static_cast<size_t>(a)].value, list.items_[static_cast<size_t>(b)].value);
    });
}

void TStringList::CustomSort(const TCompare& compare) {
    if (Count() < 2) return;
    Changing();
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order) sorted.push_back(std::move(items_[static_cast<size_t>(i)]));
    items_ = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted_ == sorted) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive_ == caseSensitive) return;
    caseSensitive_ = caseSensitive;
    if (sorted_) Sort();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    if (caseSensitive_) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    return TStrings::CompareStrings(a, b);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating) {
        Changing();
    } else {
        Changed();
    }
}

void TStringList::Changing() {
    if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0) OnChange(this);
}

}  // namespace rt
