#include "src/controls/SelectPanelSort.h"

#include "platform/comctrls/TListItem.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

int CompareListRows(const rt::TListItem& a, const rt::TListItem& b, int sortColumn) {
    int result = rt::CompareText(a.ColumnText(sortColumn), b.ColumnText(sortColumn));
    for (int next : {0, 1}) {
        if (result != 0) break;
        if (next != sortColumn) result = rt::CompareText(a.ColumnText(next), b.ColumnText(next));
    }
    return result;
}

bool SameCaption(const rt::TListItem& a, const rt::TListItem& b, bool caseSensitive) {
    if (caseSensitive) return a.Caption() == b.Caption();
    return rt::AnsiUpperCase(a.Caption()) == rt::AnsiUpperCase(b.Caption());
}

}  // namespace hemr
