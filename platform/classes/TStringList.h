#pragma once
// The string list: strings with objects (not owned), optionally kept sorted.

#include <functional>
#include <string>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/TStrings.h"

namespace rt {

RT_ENUM(TDuplicates, dupIgnore, dupAccept, dupError)

class TStringList : public TStrings {
    RT_CLASS(TStringList, TStrings)

public:
    using TCompare = std::function<int(const TStringList& list, int index1, int index2)>;

    TStringList() = default;
    ~TStringList() override;

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Strings(int index) const override;
    // Raises EStringListError "Operation not allowed on sorted list" when sorted.
    void SetStrings(int index, const std::string& value) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;

    // Sorted: inserts at the sorted position, honouring Duplicates.
    int Add(const std::string& value) override;
    int AddObject(const std::string& value, TObject* object) override;
    void Insert(int index, const std::string& value) override;
    void InsertObject(int index, const std::string& value, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    int IndexOf(std::string_view value) const override;

    // Binary search of a sorted list: true when found; `index` is the match or
    // the insertion point.
    bool Find(std::string_view value, int& index) const;
    void Sort();
    void CustomSort(const TCompare& compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);

    int CompareStrings(std::string_view a, std::string_view b) const override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    void Changing();
    void Changed();

private:
    struct Item {
        std::string value;
        TObject* object = nullptr;
    };
    void CheckIndex(int index) const;
    void CheckNotSorted() const;
    void InsertItem(int index, const std::string& value, TObject* object);

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

}  // namespace rt
