#pragma once
// The list of chosen rows of the selection panel: a report-style list view
// that adds rows from arrays of texts (making the columns they need), keeps
// its rows padded to one length, drops neighbouring duplicates, fits its
// column widths to the longest texts, and sorts on one column with ties
// decided along a fixed chain of columns. A left mouse press first takes
// the focus and is handled only when the list then has it.
//
// AddRow stays cheap on long lists: what it learns about the rows (their
// length, the longest text per column, that no neighbours are duplicates)
// is kept for as long as the list reports no change it did not make itself.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/comctrls/TListView.h"
#include "src/controls/SelectPanelTypes.h"
#include "src/controls/TarnColumnLengths.h"

namespace hemr {

class TTarnListView : public rt::TListView {
    RT_CLASS(TTarnListView, rt::TListView)

public:
    explicit TTarnListView(rt::TComponent* owner);
    ~TTarnListView() override;

    static void Publish(rt::TPublisher<TTarnListView>& p);

    bool ColumnsAutoSize() const { return columnsAutoSize_; }
    void SetColumnsAutoSize(bool v) { columnsAutoSize_ = v; }
    // How AddRow and RemoveDuplicates compare captions; setting it removes nothing.
    TCheckDuplicate CheckDuplicate() const { return checkDuplicate_; }
    void SetCheckDuplicate(TCheckDuplicate mode);

    // The column rows are sorted on and the direction; setting them sorts again.
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }
    void SetSortOrder(int column, bool ascending);
    // What a click on a column header does: the same column turns the order
    // round, another one becomes the sort column in ascending order.
    void SortOnColumn(int column);

    // Appends a row: values[0] is the caption, the rest its sub-items. False
    // for an empty array or when the row could not be added; rows added
    // before a failure stay.
    bool AddRow(const std::vector<std::string>& values);
    // Deletes, from the last row up, every row whose caption equals that of
    // the row above it.
    void RemoveDuplicates();
    // Column widths: the width of "W" times the longest byte length among
    // the column's caption and texts.
    void FitColumns();

protected:
    int CompareItems(rt::TListItem* a, rt::TListItem* b, intptr_t data) override;
    void MouseDown(rt::TMouseButton button, rt::TShiftState shift, int x, int y) override;
    void ItemTextChanged(rt::TListItem* item) override;

private:
    // What is known of the rows while ChangeStamp() equals `stamp`.
    struct TRowFacts {
        uint64_t stamp = UINT64_MAX;
        int subItems = 0;
        // Every row has exactly `subItems` sub-items.
        bool uniform = true;
        bool neighboursDiffer = false;
        TTarnColumnLengths lengths;
    };

    bool FactsValid() const { return facts_.stamp == ChangeStamp(); }
    void LearnRows();
    void KeepFacts() { facts_.stamp = ChangeStamp(); }
    void AddMissingColumns(int count);
    int InsertionPoint(const std::vector<std::string>& values);
    int InsertRow(const std::vector<std::string>& values);
    void PadRows(int index);
    void RemoveDuplicatesAround(int index);
    void DeleteRow(int index);
    bool Duplicates(int upper, int lower) const;

    bool columnsAutoSize_ = true;
    TCheckDuplicate checkDuplicate_ = cd_None;
    int sortColumn_ = 0;
    bool sortAscending_ = true;
    // The row AddRow puts in its place itself: its caption must not sort the list again.
    rt::TListItem* placing_ = nullptr;
    TRowFacts facts_;
};

}  // namespace hemr
