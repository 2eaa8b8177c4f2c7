#include "src/controls/TarnListView.h"

#include <algorithm>

#include "platform/comctrls/TListItem.h"
#include "platform/graphics/TTextMetrics.h"
#include "src/controls/SelectPanelSort.h"

namespace hemr {

namespace {

// Forgets the item AddRow is placing on every way out.
struct TPlacing {
    rt::TListItem*& slot;
    ~TPlacing() { slot = nullptr; }
};

}  // namespace

TTarnListView::TTarnListView(rt::TComponent* owner) : rt::TListView(owner) { SetViewStyle(rt::vsReport); }

TTarnListView::~TTarnListView() = default;

void TTarnListView::Publish(rt::TPublisher<TTarnListView>& p) {
    p.Republish("ViewStyle").Default(rt::vsReport);
    p.Property("ColumnsAutoSize", &TTarnListView::ColumnsAutoSize, &TTarnListView::SetColumnsAutoSize).Default(true);
}

void TTarnListView::SetCheckDuplicate(TCheckDuplicate mode) {
    if (mode == checkDuplicate_) return;
    checkDuplicate_ = mode;
    facts_.neighboursDiffer = false;
}

void TTarnListView::SetSortOrder(int column, bool ascending) {
    sortColumn_ = std::max(column, 0);
    sortAscending_ = ascending;
    AlphaSort();
}

void TTarnListView::SortOnColumn(int column) {
    if (column == sortColumn_) {
        SetSortOrder(column, !sortAscending_);
    } else {
        SetSortOrder(column, true);
    }
}

int TTarnListView::CompareItems(rt::TListItem* a, rt::TListItem* b, intptr_t data) {
    if (OnCompare.Assigned() || SortType() == rt::stData) return rt::TListView::CompareItems(a, b, data);
    const int result = CompareListRows(*a, *b, sortColumn_);
    return sortAscending_ ? result : -result;
}

void TTarnListView::MouseDown(rt::TMouseButton button, rt::TShiftState shift, int x, int y) {
    if (button == rt::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        // An exit handler elsewhere may have kept the focus: then the press is dropped.
        if (!Focused()) return;
    }
    rt::TListView::MouseDown(button, shift, x, y);
}

void TTarnListView::ItemTextChanged(rt::TListItem* item) {
    if (item != placing_) rt::TListView::ItemTextChanged(item);
}

// Row facts.

void TTarnListView::LearnRows() {
    facts_.subItems = 0;
    facts_.uniform = true;
    facts_.neighboursDiffer = false;
    facts_.lengths.Clear();
    const rt::TListItems* items = Items();
    for (int i = 0; i < items->Count(); ++i) {
        const rt::TListItem* item = items->Item(i);
        const int count = item->SubItems()->Count();
        if (i > 0 && count != facts_.subItems) facts_.uniform = false;
        facts_.subItems = std::max(facts_.subItems, count);
        for (int c = 0; c <= count; ++c) facts_.lengths.Add(c, TTarnColumnLengths::ByteLength(item->ColumnText(c)));
    }
    KeepFacts();
}

void TTarnListView::AddMissingColumns(int count) {
    while (Columns()->Count() < count) {
        rt::TListColumn* column = Columns()->Add();
        column->SetCaption("Data" + std::to_string(Columns()->Count()));
    }
}

int TTarnListView::InsertionPoint(const std::vector<std::string>& values) {
    const rt::TListItems* items = Items();
    if (SortType() == rt::stNone) return items->Count();
    rt::TListItem probe(nullptr);
    probe.SetCaption(values[0]);
    for (size_t i = 1; i < values.size(); ++i) probe.SubItems()->Add(values[i]);
    // After the equal rows, where a stable sort of the appended row would put it.
    int low = 0;
    int high = items->Count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (CompareItems(&probe, items->Item(mid), 0) < 0) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

int TTarnListView::InsertRow(const std::vector<std::string>& values) {
    const int index = InsertionPoint(values);
    rt::TListItem* item = Items()->Insert(index);
    placing_ = item;
    TPlacing forget{placing_};
    const size_t subItems = std::min(values.size() - 1, static_cast<size_t>(std::max(Columns()->Count() - 1, 0)));
    for (size_t i = 1; i <= subItems; ++i) item->SubItems()->Add(values[i]);
    item->SetCaption(values[0]);
    return index;
}

void TTarnListView::PadRows(int index) {
    rt::TListItem* added = Items()->Item(index);
    const int width = std::max(facts_.subItems, added->SubItems()->Count());
    if (facts_.uniform && width == facts_.subItems) {
        while (added->SubItems()->Count() < width) added->SubItems()->Add(std::string());
        for (int c = 0; c <= width; ++c) facts_.lengths.Add(c, TTarnColumnLengths::ByteLength(added->ColumnText(c)));
        return;
    }
    // The row is longer than all before it (or the rows were uneven): every row grows.
    for (int i = 0; i < Items()->Count(); ++i) {
        rt::TStringList* subItems = Items()->Item(i)->SubItems();
        while (subItems->Count() < width) subItems->Add(std::string());
    }
    const bool differ = facts_.neighboursDiffer;
    LearnRows();
    facts_.neighboursDiffer = differ;
}

bool TTarnListView::Duplicates(int upper, int lower) const {
    const rt::TListItems* items = Items();
    return SameCaption(*items->Item(upper), *items->Item(lower), checkDuplicate_ == cd_CheckCase);
}

void TTarnListView::DeleteRow(int index) {
    const bool known = FactsValid();
    const rt::TListItem* item = Items()->Item(index);
    if (known) {
        for (int c = 0; c <= item->SubItems()->Count(); ++c) {
            facts_.lengths.Remove(c, TTarnColumnLengths::ByteLength(item->ColumnText(c)));
        }
    }
    Items()->Delete(index);
    if (known) KeepFacts();
}

void TTarnListView::RemoveDuplicates() {
    if (checkDuplicate_ == cd_None) return;
    if (!FactsValid()) LearnRows();
    for (int i = Items()->Count() - 1; i >= 1; --i) {
        if (Duplicates(i - 1, i)) DeleteRow(i);
    }
    facts_.neighboursDiffer = true;
}

void TTarnListView::RemoveDuplicatesAround(int index) {
    if (checkDuplicate_ == cd_None) return;
    if (!facts_.neighboursDiffer) return RemoveDuplicates();
    // Only the new row can have a duplicate beside it; the lower row of a pair goes, the bottom pair first.
    if (index + 1 < Items()->Count() && Duplicates(index, index + 1)) DeleteRow(index + 1);
    if (index > 0 && Duplicates(index - 1, index)) DeleteRow(index);
}

void TTarnListView::FitColumns() {
    if (!FactsValid()) LearnRows();
    const int letter = rt::GetTextMetrics().TextWidth(*Font(), "W");
    for (int c = 0; c < Columns()->Count(); ++c) {
        rt::TListColumn* column = Columns()->Items(c);
        const size_t longest = std::max(TTarnColumnLengths::ByteLength(column->Caption()), facts_.lengths.Longest(c));
        const int width = letter * static_cast<int>(longest);
        if (column->Width() != width) column->SetWidth(width);
    }
}

bool TTarnListView::AddRow(const std::vector<std::string>& values) {
    if (values.empty()) return false;
    try {
        AddMissingColumns(static_cast<int>(values.size()));
        if (!FactsValid()) LearnRows();
        const int index = InsertRow(values);
        KeepFacts();
        PadRows(index);
        RemoveDuplicatesAround(index);
        if (columnsAutoSize_) FitColumns();
        return true;
    } catch (...) {
        facts_.stamp = UINT64_MAX;
        return false;
    }
}

}  // namespace hemr
