#pragma once
// The F2 lookup window ("frmF2Lookup"): the rows of one table in a report
// list (lvRows, one column per field, the code first) under a search box
// (edSearch) that narrows them as the user types, a count of the rows shown
// (lblCount), and OK / Cancel (btnOk, btnCancel).
//
// A single-selection lookup always has a row chosen while any is shown (the
// first one after each narrowing, unless the chosen row is still shown), so
// typing a search text and pressing Enter takes the first match. A
// multiple-selection lookup starts with nothing chosen: Ctrl+click, Shift+
// arrows, Ctrl+A or Space on the focused row choose. Rows that narrowing hides
// are no longer chosen: OK takes what the list shows as chosen.
// Down in the search box goes into the list; a double click on a row is OK.

#include "outside/appserver/F2Request.h"
#include "outside/appserver/ServerValues.h"
#include "platform/forms/TForm.h"

namespace rt {
class TButton;
class TEdit;
class TLabel;
class TListItem;
class TListView;
}  // namespace rt

namespace appserver {

class TfrmF2Lookup : public rt::TForm {
    RT_CLASS(TfrmF2Lookup, rt::TForm)

public:
    // `rows` are the table's rows for the request, already narrowed by its key.
    TfrmF2Lookup(rt::TComponent* owner, const F2Request& request, TextRows rows);

    // The chosen rows in the order they are listed.
    TextRows ChosenRows() const;
    // The rows the list shows now.
    int ShownCount() const { return static_cast<int>(shown_.size()); }

    rt::TEdit* edSearch = nullptr;
    rt::TListView* lvRows = nullptr;
    rt::TLabel* lblCount = nullptr;
    rt::TButton* btnOk = nullptr;
    rt::TButton* btnCancel = nullptr;

private:
    void BuildControls(const F2Request& request);
    void AddColumns(const std::string& table);
    void ShowRows();
    void SearchChange(rt::TObject* sender);
    void SearchKeyDown(rt::TObject* sender, uint16_t& key, rt::TShiftState shift);
    void RowsKeyDown(rt::TObject* sender, uint16_t& key, rt::TShiftState shift);
    void RowsDblClick(rt::TObject* sender);

    TextRows rows_;
    // Indexes into rows_ of the listed rows, in list order.
    std::vector<size_t> shown_;
    bool multiple_ = false;
};

}  // namespace appserver
