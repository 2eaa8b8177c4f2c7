#pragma once
// One column or one row of a string grid seen as a string list: reading and
// writing go to the grid's cells. Its length is the grid's, so lines cannot
// be inserted or deleted; Add fills the first empty cell.

#include "platform/classes/TStrings.h"

namespace rt {

class TStringGrid;

class TStringGridStrings : public TStrings {
    RT_CLASS(TStringGridStrings, TStrings)

public:
    enum class TKind { Column, Row };
    TStringGridStrings(TStringGrid& grid, TKind kind, int index);

    int Count() const override;
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& value) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;
    // Fills the first empty cell (text and object both unset); raises
    // EInvalidGridOperation when every cell holds something.
    int AddObject(const std::string& value, TObject* object) override;
    int Add(const std::string& value) override { return AddObject(value, nullptr); }
    // Raise EInvalidGridOperation: a grid line has a fixed length.
    void Insert(int index, const std::string& value) override;
    void Delete(int index) override;
    // Empties every cell of the line.
    void Clear() override;
    // Copies the source's lines into the cells from the first, emptying the rest.
    void Assign(const TPersistent* source) override;

private:
    int Col(int index) const { return kind_ == TKind::Column ? index_ : index; }
    int Row(int index) const { return kind_ == TKind::Column ? index : index_; }
    void CheckIndex(int index) const;

    TStringGrid& grid_;
    TKind kind_;
    int index_;
};

}  // namespace rt
