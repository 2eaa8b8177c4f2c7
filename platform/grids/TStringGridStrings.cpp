#include "platform/grids/TStringGridStrings.h"

#include "platform/grids/TStringGrid.h"

namespace rt {

TStringGridStrings::TStringGridStrings(TStringGrid& grid, TKind kind, int index)
    : grid_(grid), kind_(kind), index_(index) {}

int TStringGridStrings::Count() const { return kind_ == TKind::Column ? grid_.RowCount() : grid_.ColCount(); }

void TStringGridStrings::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

std::string TStringGridStrings::Strings(int index) const {
    CheckIndex(index);
    return grid_.Cells(Col(index), Row(index));
}

void TStringGridStrings::SetStrings(int index, const std::string& value) {
    CheckIndex(index);
    grid_.SetCells(Col(index), Row(index), value);
}

TObject* TStringGridStrings::Objects(int index) const {
    CheckIndex(index);
    return grid_.Objects(Col(index), Row(index));
}

void TStringGridStrings::SetObjects(int index, TObject* object) {
    CheckIndex(index);
    grid_.SetObjects(Col(index), Row(index), object);
}

int TStringGridStrings::AddObject(const std::string& value, TObject* object) {
    for (int i = 0; i < Count(); ++i) {
        if (grid_.Cells(Col(i), Row(i)).empty() && grid_.Objects(Col(i), Row(i)) == nullptr) {
            grid_.SetCells(Col(i), Row(i), value);
            grid_.SetObjects(Col(i), Row(i), object);
            return i;
        }
    }
    throw EInvalidGridOperation("Grid line is full");
}

void TStringGridStrings::Insert(int, const std::string&) {
    throw EInvalidGridOperation("Cannot insert or delete rows from grid");
}

void TStringGridStrings::Delete(int) { throw EInvalidGridOperation("Cannot insert or delete rows from grid"); }

void TStringGridStrings::Clear() {
    for (int i = 0; i < Count(); ++i) {
        grid_.SetCells(Col(i), Row(i), std::string());
        grid_.SetObjects(Col(i), Row(i), nullptr);
    }
}

void TStringGridStrings::Assign(const TPersistent* source) {
    const auto* lines = dynamic_cast<const TStrings*>(source);
    if (lines == nullptr) {
        TStrings::Assign(source);
        return;
    }
    for (int i = 0; i < Count(); ++i) {
        const bool has = i < lines->Count();
        grid_.SetCells(Col(i), Row(i), has ? lines->Strings(i) : std::string());
        grid_.SetObjects(Col(i), Row(i), has ? lines->Objects(i) : nullptr);
    }
}

}  // namespace rt
