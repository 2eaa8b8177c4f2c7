#pragma once
// The item list of a list box or combo box: strings with objects, kept
// sorted when the control sorts, telling the control about every insertion,
// deletion and replacement so that it can keep its selection right.

#include <string>
#include <vector>

#include "platform/classes/TStrings.h"

namespace rt {

class TItemStringsOwner {
public:
    virtual ~TItemStringsOwner();
    virtual void ItemInserted(int index) = 0;
    virtual void ItemDeleted(int index) = 0;
    virtual void ItemsCleared() = 0;
};

class TItemStrings : public TStrings {
    RT_CLASS(TItemStrings, TStrings)

public:
    explicit TItemStrings(TItemStringsOwner* owner) : owner_(owner) {}

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Strings(int index) const override;
    // Replaces in place: the selection stays where it was.
    void SetStrings(int index, const std::string& value) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;
    // Sorted: at the sorted place (ignoring case), else at the end.
    int Add(const std::string& value) override { return AddObject(value, nullptr); }
    int AddObject(const std::string& value, TObject* object) override;
    void Insert(int index, const std::string& value) override;
    void InsertObject(int index, const std::string& value, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;

    bool Sorted() const { return sorted_; }
    // Sorting moves the items; the returned map gives each old index its new one.
    std::vector<int> SetSorted(bool sorted);

private:
    struct Item {
        std::string Value;
        TObject* Object = nullptr;
    };
    void Check(int index) const;
    int SortedIndexOf(const std::string& value) const;

    TItemStringsOwner* owner_;
    std::vector<Item> items_;
    bool sorted_ = false;
};

}  // namespace rt
