#include "outside/appserver/F2LookupWindow.h"

#include <algorithm>
#include <set>

#include "outside/appserver/F2Tables.h"
#include "outside/appserver/WindowLayout.h"
#include "platform/comctrls/TListView.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

struct TableView {
    const char* table;
    const char* caption;
    std::vector<const char*> columns;  // in the field order of F2Tables.h
};

const std::vector<TableView>& TableViews() {
    static const std::vector<TableView> views = {
        {"TAXMA", "公司查询", {"代号", "名称", "简称", "英文名称"}},
        {"CMSME", "部门查询", {"代号", "名称", "公司"}},
        {"CMSMS", "页脚及签核查询", {"代号", "类别", "内容一", "内容二", "内容三"}},
        {"NVRMA", "用户查询", {"代号", "姓名", "手机", "电子邮件", "部门"}},
        {"ADMMB", "程序查询", {"代号", "名称", "英文名称"}},
    };
    return views;
}

const TableView* ViewOf(const std::string& table) {
    for (const TableView& v : TableViews())
        if (rt::SameText(v.table, table))
            return &v;
    return nullptr;
}

rt::TButton* PlaceButton(rt::TForm* form, const char* name, const char* caption, int left, rt::TModalResult result) {
    auto* b = PlaceControl<rt::TButton>(form, name, left, 284, 75, 25);
    b->SetCaption(caption);
    b->SetModalResult(result);
    return b;
}

}  // namespace

TfrmF2Lookup::TfrmF2Lookup(rt::TComponent* owner, const F2Request& request, TextRows rows)
    : rt::TForm(owner), rows_(std::move(rows)), multiple_(request.multiple) {
    BuildControls(request);
    // The request's condition text is the first search text.
    edSearch->SetText(request.search);
    ShowRows();
    edSearch->OnChange = rt::TNotifyEvent::Of<&TfrmF2Lookup::SearchChange>(this);
}

void TfrmF2Lookup::BuildControls(const F2Request& request) {
    SetName("frmF2Lookup");
    const TableView* view = ViewOf(request.table);
    SetCaption(view != nullptr ? view->caption : "查询 " + request.table);
    SetBorderStyle(rt::bsDialog);
    SetPosition(rt::poScreenCenter);
    SetBounds(0, 0, 488, 350);
    // Created in tab order: the search box takes the focus when the window opens.
    auto* lblSearch = PlaceControl<rt::TLabel>(this, "lblSearch", 8, 12, 40, 13);
    lblSearch->SetCaption("查询:");
    edSearch = PlaceControl<rt::TEdit>(this, "edSearch", 56, 8, 416, 21);
    edSearch->OnKeyDown = rt::TKeyEvent::Of<&TfrmF2Lookup::SearchKeyDown>(this);
    lvRows = PlaceControl<rt::TListView>(this, "lvRows", 8, 36, 464, 240);
    lvRows->SetViewStyle(rt::vsReport);
    lvRows->SetRowSelect(true);
    lvRows->SetReadOnly(true);
    lvRows->SetHideSelection(false);
    lvRows->SetMultiSelect(multiple_);
    lvRows->OnKeyDown = rt::TKeyEvent::Of<&TfrmF2Lookup::RowsKeyDown>(this);
    lvRows->OnDblClick = rt::TNotifyEvent::Of<&TfrmF2Lookup::RowsDblClick>(this);
    AddColumns(request.table);
    lblCount = PlaceControl<rt::TLabel>(this, "lblCount", 8, 290, 200, 13);
    btnOk = PlaceButton(this, "btnOk", "确定", 316, rt::mrOk);
    btnOk->SetDefault(true);
    btnCancel = PlaceButton(this, "btnCancel", "取消", 397, rt::mrCancel);
    btnCancel->SetCancel(true);
}

void TfrmF2Lookup::AddColumns(const std::string& table) {
    size_t fields = 0;
    for (const TextRow& row : rows_)
        fields = std::max(fields, row.size());
    const TableView* view = ViewOf(table);
    if (view != nullptr)
        fields = std::max(fields, view->columns.size());
    for (size_t i = 0; i < std::max<size_t>(fields, 1); ++i) {
        rt::TListColumn* column = lvRows->Columns()->Add();
        const bool named = view != nullptr && i < view->columns.size();
        column->SetCaption(named ? view->columns[i] : "栏位" + std::to_string(i + 1));
        column->SetWidth(i == 0 ? 80 : 120);
    }
}

void TfrmF2Lookup::ShowRows() {
    // The chosen rows that stay shown stay chosen.
    std::set<size_t> chosen;
    for (int i = 0; i < lvRows->Items()->Count(); ++i)
        if (lvRows->Items()->Item(i)->Selected())
            chosen.insert(shown_[i]);
    shown_.clear();
    for (size_t i = 0; i < rows_.size(); ++i)
        if (!FilterRows(TextRows{rows_[i]}, edSearch->GetText()).empty())
            shown_.push_back(i);

    lvRows->BeginUpdate();
    lvRows->Items()->Clear();
    for (size_t index : shown_) {
        const TextRow& row = rows_[index];
        rt::TListItem* item = lvRows->Items()->Add();
        item->SetCaption(row.empty() ? "" : row[0]);
        for (size_t f = 1; f < row.size(); ++f)
            item->SubItems()->Add(row[f]);
        if (chosen.count(index) != 0)
            item->SetSelected(true);
    }
    lvRows->EndUpdate();
    if (!multiple_ && lvRows->Selected() == nullptr && lvRows->Items()->Count() > 0)
        lvRows->SetSelected(lvRows->Items()->Item(0));
    if (lvRows->Selected() != nullptr)
        lvRows->SetItemFocused(lvRows->Selected());
    lblCount->SetCaption("共 " + std::to_string(shown_.size()) + " 笔");
}

TextRows TfrmF2Lookup::ChosenRows() const {
    TextRows chosen;
    for (int i = 0; i < lvRows->Items()->Count(); ++i)
        if (lvRows->Items()->Item(i)->Selected())
            chosen.push_back(rows_[shown_[i]]);
    return chosen;
}

void TfrmF2Lookup::SearchChange(rt::TObject*) { ShowRows(); }

void TfrmF2Lookup::SearchKeyDown(rt::TObject*, uint16_t& key, rt::TShiftState shift) {
    if (key != rt::VK_DOWN || !shift.Empty() || lvRows->Items()->Count() == 0)
        return;
    lvRows->SetFocus();
    if (lvRows->ItemFocused() == nullptr)
        lvRows->SetItemFocused(lvRows->Items()->Item(0));
    key = 0;
}

void TfrmF2Lookup::RowsKeyDown(rt::TObject*, uint16_t& key, rt::TShiftState shift) {
    rt::TListItem* focused = lvRows->ItemFocused();
    if (key != rt::VK_SPACE || focused == nullptr || shift.Contains(rt::ssAlt) || shift.Contains(rt::ssShift))
        return;
    if (multiple_)
        focused->SetSelected(!focused->Selected());
    else
        lvRows->SetSelected(focused);
    key = 0;
}

void TfrmF2Lookup::RowsDblClick(rt::TObject*) {
    if (lvRows->Selected() != nullptr)
        SetModalResult(rt::mrOk);
}

}  // namespace appserver
