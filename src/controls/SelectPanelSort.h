#pragma once
// The order of the selection panel's list rows: one column decides, ties go
// on along a short chain of columns (0 then 1; 1 then 0; k >= 2 then 0
// then 1), each compared without regard to case.

namespace rt {
class TListItem;
}

namespace hemr {

// <0, 0, >0 in ascending order; an absent sub-item counts as empty.
int CompareListRows(const rt::TListItem& a, const rt::TListItem& b, int sortColumn);

// Whether two captions count as duplicates: exactly, or after upper-casing.
bool SameCaption(const rt::TListItem& a, const rt::TListItem& b, bool caseSensitive);

}  // namespace hemr
