#include "src/grid/TStringAlignGrid.h"

#include <algorithm>

#include "platform/clipbrd/TClipboard.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/grids/TInplaceEdit.h"
#include "platform/sysutils/Beep.h"
#include "src/grid/GridClipboardText.h"
#include "src/grid/TAlignGridPainter.h"
#include "src/grid/TAlignGridStreamer.h"

namespace hemr {

TStringAlignGrid::TStringAlignGrid(rt::TComponent* owner)
    : rt::TStringGrid(owner),
      selectedCellColor_(rt::clHighlight),
      selectedFontColor_(rt::clWhite),
      gridLineColor_(rt::clSilver) {}

TStringAlignGrid::~TStringAlignGrid() = default;

void TStringAlignGrid::Publish(rt::TPublisher<TStringAlignGrid>& p) {
    p.Property("EditMask", &TStringAlignGrid::EditMask, &TStringAlignGrid::SetEditMask);
    p.Property("Alignment", &TStringAlignGrid::Alignment, &TStringAlignGrid::SetAlignment).Default(alLeft);
    p.Property("Wordwrap", &TStringAlignGrid::Wordwrap, &TStringAlignGrid::SetWordwrap).Default(ww_none);
    p.Property("Editable", &TStringAlignGrid::Editable, &TStringAlignGrid::SetEditable).Default(true);
    p.Property("SelectedCellColor", &TStringAlignGrid::SelectedCellColor, &TStringAlignGrid::SetSelectedCellColor)
        .Default(rt::clHighlight);
    p.Property("SelectedFontColor", &TStringAlignGrid::SelectedFontColor, &TStringAlignGrid::SetSelectedFontColor)
        .Default(rt::clWhite);
    p.Property("ShowCellHints", &TStringAlignGrid::ShowCellHints).Default(true);
    p.Property("SelectEditText", &TStringAlignGrid::SelectEditText).Default(true);
    p.Property("EditMultiline", &TStringAlignGrid::EditMultiline).Default(false);
    p.Property("AutoEditNextCell", &TStringAlignGrid::AutoEditNextCell).Default(false);
    p.Property("NextCellEdit", &TStringAlignGrid::NextCellEdit).Default(nc_rightdown);
    p.Property("NextCellTab", &TStringAlignGrid::NextCellTab).Default(nc_rightdown);
    p.Property("AfterLastCellEdit", &TStringAlignGrid::AfterLastCellEdit).Default(lc_newcolrow);
    p.Property("AfterLastCellTab", &TStringAlignGrid::AfterLastCellTab).Default(lc_first);
    p.Property("DrawSelection", &TStringAlignGrid::DrawSelection, &TStringAlignGrid::SetDrawSelection).Default(true);
    p.Property("AutoAdjustLastCol", &TStringAlignGrid::AutoAdjustLastCol, &TStringAlignGrid::SetAutoAdjustLastCol)
        .Default(false);
    p.Property("RedrawWhileScroll", &TStringAlignGrid::RedrawWhileScroll).Default(false);
    p.Property("GridLineColor", &TStringAlignGrid::GridLineColor, &TStringAlignGrid::SetGridLineColor)
        .Default(rt::clSilver);
    p.Property("OnShowHintCell", &TStringAlignGrid::OnShowHintCell);
    p.Property("OnBeforeEdit", &TStringAlignGrid::OnBeforeEdit);
    p.Property("OnAfterEdit", &TStringAlignGrid::OnAfterEdit);
    p.Property("OnCancelEdit", &TStringAlignGrid::OnCancelEdit);
    p.Property("OnValidateEdit", &TStringAlignGrid::OnValidateEdit);
    p.Property("OnCompareRow", &TStringAlignGrid::OnCompareRow);
    p.Property("OnCompareCol", &TStringAlignGrid::OnCompareCol);
    p.Property("OnColWidthsChanged", &TStringAlignGrid::OnColWidthsChanged);
    p.Property("OnRowHeightsChanged", &TStringAlignGrid::OnRowHeightsChanged);
    p.Property("OnFixedColClick", &TStringAlignGrid::OnFixedColClick);
    p.Property("OnFixedRowClick", &TStringAlignGrid::OnFixedRowClick);
    p.Property("OnEditButtonClick", &TStringAlignGrid::OnEditButtonClick);
    p.Property("OnComboBoxClick", &TStringAlignGrid::OnComboBoxClick);
    p.Property("OnCalcCellColors", &TStringAlignGrid::OnCalcCellColors);
}

// ---- Grid-wide values ----

void TStringAlignGrid::SetEditMask(const std::string& mask) {
    editMask_ = mask;
    Invalidate();
}

void TStringAlignGrid::SetAlignment(TMyAlign v) {
    alignment_ = v;
    Invalidate();
}

void TStringAlignGrid::SetWordwrap(T_Wordwrap v) {
    wordwrap_ = v;
    Invalidate();
}

void TStringAlignGrid::SetEditable(bool v) {
    editable_ = v;
    if (!v) HideEditor();
    Invalidate();
}

void TStringAlignGrid::SetSelectedCellColor(rt::TColor v) {
    selectedCellColor_ = v;
    Invalidate();
}

void TStringAlignGrid::SetSelectedFontColor(rt::TColor v) {
    selectedFontColor_ = v;
    Invalidate();
}

void TStringAlignGrid::SetGridLineColor(rt::TColor v) {
    gridLineColor_ = v;
    Invalidate();
}

void TStringAlignGrid::SetDrawSelection(bool v) {
    drawSelection_ = v;
    Invalidate();
}

void TStringAlignGrid::SetAutoAdjustLastCol(bool v) {
    autoAdjustLastCol_ = v;
    AdjustLastCol();
}

// ---- Property records ----

const TCellProperties* TStringAlignGrid::Find(TPropTarget t) const {
    switch (t.Level) {
        case TPropLevel::Cell: return cellProps_.Find(t.Col, t.Row);
        case TPropLevel::Col: return colProps_.Find(t.Col);
        case TPropLevel::Row: return rowProps_.Find(t.Row);
        case TPropLevel::FixedCol: return fixedColProps_.Find(t.Col);
        case TPropLevel::FixedRow: return fixedRowProps_.Find(t.Row);
    }
    return nullptr;
}

TCellProperties& TStringAlignGrid::Record(TPropTarget t) {
    switch (t.Level) {
        case TPropLevel::Cell: return cellProps_.Get(t.Col, t.Row);
        case TPropLevel::Col: return colProps_.Get(t.Col);
        case TPropLevel::Row: return rowProps_.Get(t.Row);
        case TPropLevel::FixedCol: return fixedColProps_.Get(t.Col);
        case TPropLevel::FixedRow: break;
    }
    return fixedRowProps_.Get(t.Row);
}

void TStringAlignGrid::DropIfEmpty(TPropTarget t) {
    const TCellProperties* record = Find(t);
    if (record == nullptr || !record->Empty()) return;
    switch (t.Level) {
        case TPropLevel::Cell: cellProps_.Erase(t.Col, t.Row); break;
        case TPropLevel::Col: colProps_.Erase(t.Col); break;
        case TPropLevel::Row: rowProps_.Erase(t.Row); break;
        case TPropLevel::FixedCol: fixedColProps_.Erase(t.Col); break;
        case TPropLevel::FixedRow: fixedRowProps_.Erase(t.Row); break;
    }
}

template <class V>
void TStringAlignGrid::SetField(TPropTarget t, V TCellProperties::*field, V value) {
    if (t.Col < 0 || t.Row < 0) throw rt::EInvalidGridOperation("Grid index out of range");
    Record(t).*field = std::move(value);
    DropIfEmpty(t);
    // An open editor takes a changed mask or editability when it reopens.
    Invalidate();
}

const TCellProperties* TStringAlignGrid::Props(TPropTarget t) const { return Find(t); }

TMyAlign TStringAlignGrid::AlignmentOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->Alignment : alDefault;
}

void TStringAlignGrid::SetAlignmentOf(TPropTarget t, TMyAlign v) { SetField(t, &TCellProperties::Alignment, v); }

T_Wordwrap TStringAlignGrid::WordwrapOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->Wordwrap : ww_default;
}

void TStringAlignGrid::SetWordwrapOf(TPropTarget t, T_Wordwrap v) { SetField(t, &TCellProperties::Wordwrap, v); }

int TStringAlignGrid::EditableOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->Editable : efUnset;
}

void TStringAlignGrid::SetEditableOf(TPropTarget t, int flag) {
    SetField(t, &TCellProperties::Editable, flag == efNo || flag == efYes ? flag : int{efUnset});
}

namespace {
template <class G>
std::unique_ptr<G> CopyOf(const G* source) {
    if (source == nullptr) return nullptr;
    auto copy = std::make_unique<G>();
    copy->Assign(source);
    return copy;
}
}  // namespace

const rt::TBrush* TStringAlignGrid::BrushOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->Brush.get() : nullptr;
}

void TStringAlignGrid::SetBrushOf(TPropTarget t, const rt::TBrush* brush) {
    SetField(t, &TCellProperties::Brush, CopyOf(brush));
}

const rt::TBrush* TStringAlignGrid::SelectedBrushOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->SelectedBrush.get() : nullptr;
}

void TStringAlignGrid::SetSelectedBrushOf(TPropTarget t, const rt::TBrush* brush) {
    SetField(t, &TCellProperties::SelectedBrush, CopyOf(brush));
}

const rt::TFont* TStringAlignGrid::FontOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->Font.get() : nullptr;
}

void TStringAlignGrid::SetFontOf(TPropTarget t, const rt::TFont* font) {
    SetField(t, &TCellProperties::Font, CopyOf(font));
}

const rt::TFont* TStringAlignGrid::SelectedFontOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->SelectedFont.get() : nullptr;
}

void TStringAlignGrid::SetSelectedFontOf(TPropTarget t, const rt::TFont* font) {
    SetField(t, &TCellProperties::SelectedFont, CopyOf(font));
}

std::string TStringAlignGrid::EditMaskOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->EditMask : std::string();
}

void TStringAlignGrid::SetEditMaskOf(TPropTarget t, const std::string& mask) {
    SetField(t, &TCellProperties::EditMask, mask);
}

const TControlInfo* TStringAlignGrid::EditorOf(TPropTarget t) const {
    const TCellProperties* r = Find(t);
    return r != nullptr ? r->Editor.get() : nullptr;
}

void TStringAlignGrid::SetEditorOf(TPropTarget t, const TControlInfo* editor) {
    std::unique_ptr<TControlInfo> copy;
    if (editor != nullptr && editor->Kind() != ekNone) copy = std::make_unique<TControlInfo>(*editor);
    SetField(t, &TCellProperties::Editor, std::move(copy));
}

void TStringAlignGrid::SetCellEditor(int col, int row, int kind, const std::string& text,
                                     const std::vector<std::string>& items, bool listOnly) {
    const TPropTarget t = row < 0 ? TPropTarget::Column(col) : col < 0 ? TPropTarget::Line(row)
                                                                      : TPropTarget::Cell(col, row);
    TControlInfo editor(kind);
    editor.SetText(text);
    editor.SetCheckValues(text);
    editor.SetItems(items);
    editor.SetListOnly(listOnly);
    SetEditorOf(t, &editor);
}

// ---- Resolution ----

TMyAlign TStringAlignGrid::CellAlignment(int col, int row) const {
    const TMyAlign* v =
        Resolve(col, row, [](const TCellProperties& p) { return p.Alignment != alDefault ? &p.Alignment : nullptr; });
    if (v != nullptr) return *v;
    return alignment_ == alDefault ? alLeft : alignment_;
}

T_Wordwrap TStringAlignGrid::CellWordwrap(int col, int row) const {
    const T_Wordwrap* v =
        Resolve(col, row, [](const TCellProperties& p) { return p.Wordwrap != ww_default ? &p.Wordwrap : nullptr; });
    if (v != nullptr) return *v;
    return wordwrap_ == ww_default ? ww_none : wordwrap_;
}

bool TStringAlignGrid::CellEditable(int col, int row) const {
    const int* v =
        Resolve(col, row, [](const TCellProperties& p) { return p.Editable != efUnset ? &p.Editable : nullptr; });
    return v != nullptr ? *v == efYes : editable_;
}

std::string TStringAlignGrid::CellEditMask(int col, int row) const {
    const std::string* v =
        Resolve(col, row, [](const TCellProperties& p) { return p.EditMask.empty() ? nullptr : &p.EditMask; });
    return v != nullptr ? *v : editMask_;
}

const TControlInfo* TStringAlignGrid::CellEditor(int col, int row) const {
    return Resolve(col, row, [](const TCellProperties& p) { return p.Editor.get(); });
}

std::string TStringAlignGrid::CellText(int col, int row) const {
    const TControlInfo* editor = CellEditor(col, row);
    if (editor != nullptr && editor->Kind() == ekCheckBox) return editor->CheckText(Cells(col, row));
    return Cells(col, row);
}

const std::string& TStringAlignGrid::CellHint(int col, int row) const {
    static const std::string none;
    const std::string* hint = hints_.Find(col, row);
    return hint != nullptr ? *hint : none;
}

void TStringAlignGrid::SetCellHint(int col, int row, const std::string& hint) {
    if (col < 0 || row < 0) throw rt::EInvalidGridOperation("Grid index out of range");
    if (hint.empty()) hints_.Erase(col, row);
    else hints_.Get(col, row) = hint;
}

void TStringAlignGrid::SetColTabStop(int col, bool v) {
    if (v) noTabStop_.Erase(col);
    else noTabStop_.Get(col) = true;
}

// ---- Lines ----

void TStringAlignGrid::ColumnMoved(int from, int to) {
    cellProps_.MoveCol(from, to);
    colProps_.Move(from, to);
    fixedColProps_.Move(from, to);
    hints_.MoveCol(from, to);
    noTabStop_.Move(from, to);
    rt::TStringGrid::ColumnMoved(from, to);
}

void TStringAlignGrid::RowMoved(int from, int to) {
    cellProps_.MoveRow(from, to);
    rowProps_.Move(from, to);
    fixedRowProps_.Move(from, to);
    hints_.MoveRow(from, to);
    rt::TStringGrid::RowMoved(from, to);
}

void TStringAlignGrid::SizeChanged(int oldColCount, int oldRowCount) {
    DropOutside();
    rt::TStringGrid::SizeChanged(oldColCount, oldRowCount);
    AdjustLastCol();
}

// Records and hints of cells the grid does not have go.
void TStringAlignGrid::DropOutside() {
    cellProps_.Truncate(ColCount(), RowCount());
    hints_.Truncate(ColCount(), RowCount());
    colProps_.Truncate(ColCount());
    fixedColProps_.Truncate(ColCount());
    noTabStop_.Truncate(ColCount());
    rowProps_.Truncate(RowCount());
    fixedRowProps_.Truncate(RowCount());
}

void TStringAlignGrid::InsertRow(int row) {
    InsertLine(true, row);
    // The editor closed over the moving lines and opens again where its cell went.
    if (EditorMode()) ShowEditor();
}

void TStringAlignGrid::InsertCol(int col) {
    InsertLine(false, col);
    if (EditorMode()) ShowEditor();
}

void TStringAlignGrid::InsertLine(bool row, int index) {
    if (row) rt::TStringGrid::InsertRow(std::clamp(index, FixedRows(), RowCount()));
    else rt::TStringGrid::InsertColumn(std::clamp(index, FixedCols(), ColCount()));
}

void TStringAlignGrid::RemoveRow(int row) {
    if (row < FixedRows() || row >= RowCount()) return;
    if (RowCount() - FixedRows() <= 1) return ClearRow(row);
    DeleteRow(row);
    if (EditorMode()) ShowEditor();
}

void TStringAlignGrid::ClearRow(int row) {
    HideEditor();
    for (int col = 0; col < ColCount(); ++col) SetCells(col, row, {});
    cellProps_.EraseRow(row);
    hints_.EraseRow(row);
    rowProps_.Erase(row);
    Invalidate();
}

void TStringAlignGrid::ExchangeLines(bool rows, int a, int b) {
    if (a == b) return;
    if (a > b) std::swap(a, b);
    if (rows) {
        rt::TStringGrid::MoveRow(a, b);
        rt::TStringGrid::MoveRow(b - 1, a);
    } else {
        rt::TStringGrid::MoveColumn(a, b);
        rt::TStringGrid::MoveColumn(b - 1, a);
    }
}

// Quicksort with the last line of each range as pivot; the smaller part is
// sorted by recursion so that a sorted grid does not run the stack out.
void TStringAlignGrid::SortLines(bool rows, int first, int last) {
    const TCompareFunction& compare = rows ? OnCompareRow : OnCompareCol;
    if (!compare.Assigned()) return;
    while (first < last) {
        int store = first;
        for (int i = first; i < last; ++i) {
            int result = 0;
            compare(this, i, last, result);
            if (result < 0) ExchangeLines(rows, i, store++);
        }
        ExchangeLines(rows, store, last);
        if (store - first < last - store) {
            SortLines(rows, first, store - 1);
            first = store + 1;
        } else {
            SortLines(rows, store + 1, last);
            last = store - 1;
        }
    }
}

void TStringAlignGrid::SortRows(int first, int last) {
    SortLines(true, std::max(first, 0), std::min(last, RowCount() - 1));
}

void TStringAlignGrid::SortCols(int first, int last) {
    SortLines(false, std::max(first, 0), std::min(last, ColCount() - 1));
}

// ---- Clipboard ----

// A missing or reversed bound of the selection reaches the grid's edge.
rt::TGridRect TStringAlignGrid::ClipboardRect() const {
    rt::TGridRect r = Selection();
    if (r.Left < 0) r.Left = FixedCols();
    if (r.Top < 0) r.Top = FixedRows();
    if (r.Right < r.Left) r.Right = ColCount() - 1;
    if (r.Bottom < r.Top) r.Bottom = RowCount() - 1;
    return r;
}

void TStringAlignGrid::CopyToClipboard() {
    const rt::TGridRect r = ClipboardRect();
    TCellBlock block;
    for (int row = r.Top; row <= r.Bottom; ++row) {
        auto& line = block.emplace_back();
        for (int col = r.Left; col <= r.Right; ++col) line.push_back(Cells(col, row));
    }
    rt::Clipboard().SetAsText(FormatCellBlock(block));
}

void TStringAlignGrid::CutToClipboard() {
    CopyToClipboard();
    HideEditor();
    const rt::TGridRect r = ClipboardRect();
    for (int row = r.Top; row <= r.Bottom; ++row)
        for (int col = r.Left; col <= r.Right; ++col) SetCells(col, row, {});
}

// Pasting fills the grid from the selection's top-left cell; what lies
// beyond the last column or row is dropped, because a paste must not add
// lines the user did not ask for (and a huge clipboard cannot grow the grid).
void TStringAlignGrid::PasteFromClipboard() {
    if (!rt::Clipboard().HasText()) return;
    HideEditor();
    const rt::TGridRect r = ClipboardRect();
    const TCellBlock block = ParseCellBlock(rt::Clipboard().AsText());
    for (size_t i = 0; i < block.size() && r.Top + static_cast<int64_t>(i) < RowCount(); ++i) {
        const int row = r.Top + static_cast<int>(i);
        for (size_t k = 0; k < block[i].size() && r.Left + static_cast<int64_t>(k) < ColCount(); ++k) {
            SetCells(r.Left + static_cast<int>(k), row, block[i][k]);
        }
    }
}

// ---- Last column, sizes, hints ----

void TStringAlignGrid::AdjustLastCol() {
    if (!autoAdjustLastCol_ || adjusting_ || ColCount() < 1) return;
    const int last = ColCount() - 1;
    int others = 0;
    for (int col = 0; col < last; ++col) others += ColWidths(col);
    if (others >= ClientWidth()) return;
    const int lines = Options().Contains(rt::goVertLine) ? GridLineWidth() * ColCount() : 0;
    const int width = ClientWidth() - others - lines;
    if (width <= 0 || width == ColWidths(last)) return;
    adjusting_ = true;
    SetColWidths(last, width);
    adjusting_ = false;
}

void TStringAlignGrid::ColWidthsChanged() {
    rt::TStringGrid::ColWidthsChanged();
    OnColWidthsChanged(this);
    if (GridLineWidth() != lineWidthSeen_) {
        lineWidthSeen_ = GridLineWidth();
        AdjustLastCol();
    }
}

void TStringAlignGrid::RowHeightsChanged() {
    rt::TStringGrid::RowHeightsChanged();
    OnRowHeightsChanged(this);
}

void TStringAlignGrid::BoundsChanged() {
    rt::TStringGrid::BoundsChanged();
    AdjustLastCol();
}

void TStringAlignGrid::HintShow(rt::THintInfo& info, rt::TMessage& message) {
    const rt::TGridCoord cell = MouseCoord(info.CursorPos.X, info.CursorPos.Y);
    if (cell.X < 0) {
        message.Result = 1;
        return;
    }
    const rt::TRect rect = CellRect(cell.X, cell.Y);
    info.HintPos = {rect.Left, rect.Top};
    info.CursorRect = rect;
    std::string text = CellHint(cell.X, cell.Y);
    // Without a handler a cell shows its own hint when it has one.
    bool show = !text.empty();
    OnShowHintCell(this, cell.X, cell.Y, info, show, text);
    info.HintStr = text;
    message.Result = show ? 0 : 1;
}

void TStringAlignGrid::WndProc(rt::TMessage& message) {
    switch (message.Msg) {
        case rt::WM_COPY: CopyToClipboard(); return;
        case rt::WM_CUT: CutToClipboard(); return;
        case rt::WM_PASTE: PasteFromClipboard(); return;
        case rt::CM_HINTSHOW:
            if (!ShowCellHints || message.LParam == 0) break;
            HintShow(*reinterpret_cast<rt::THintInfo*>(message.LParam), message);
            return;
        default: break;
    }
    rt::TStringGrid::WndProc(message);
}

// ---- Editing ----

bool TStringAlignGrid::CanEditShow() {
    return rt::TStringGrid::CanEditShow() && CellEditable(Col(), Row());
}

std::string TStringAlignGrid::GetEditMask(int col, int row) {
    const TControlInfo* editor = CellEditor(col, row);
    if (editor != nullptr && (editor->Kind() == ekCheckBox || editor->Kind() == ekDropDown)) return {};
    return CellEditMask(col, row);
}

void TStringAlignGrid::EditorShown(int col, int row) {
    typeAhead_.Reset();
    editFinished_ = false;
    if (!SelectEditText) InplaceEditor()->SetSelStart(InplaceEditor()->TextLength());
    OnBeforeEdit(this, col, row);
}

// Leaving the cell ends its edit first; an edit found invalid keeps the cell.
bool TStringAlignGrid::SelectCell(int col, int row) {
    if (!rt::TStringGrid::SelectCell(col, row)) return false;
    const rt::TGridCoord edited = EditCell();
    if (edited.X < 0 || edited == rt::TGridCoord{col, row}) return true;
    return FinishEdit();
}

bool TStringAlignGrid::FinishEdit() {
    const rt::TGridCoord cell = EditCell();
    if (cell.X < 0 || finishing_ || editFinished_) return true;
    finishing_ = true;
    bool valid = true;
    const std::string start = EditStartText();
    try {
        UpdateText();
        OnValidateEdit(this, cell.X, cell.Y, valid);
    } catch (...) {
        finishing_ = false;
        throw;
    }
    finishing_ = false;
    if (!valid) {
        // Escape still goes back to the text from before the refused one.
        SetEditStartText(start);
        if (InplaceEditor()->CanFocus()) InplaceEditor()->SetFocus();
        return false;
    }
    editFinished_ = true;
    OnAfterEdit(this, cell.X, cell.Y);
    return true;
}

void TStringAlignGrid::DoExit() {
    if (EditCell().X >= 0 && !FinishEdit()) return;
    rt::TStringGrid::DoExit();
}

// Writes into the cell at once and keeps the text the edit began with, for Escape.
void TStringAlignGrid::WriteWhileEditing(const std::string& text) {
    const std::string start = EditStartText();
    InplaceEditor()->SetText(text);
    UpdateText();
    SetEditStartText(start);
}

void TStringAlignGrid::ToggleCheckBox(const TControlInfo& editor) {
    const std::string text = InplaceEditor()->GetText();
    WriteWhileEditing(editor.IsChecked(text) ? editor.UncheckedValue() : editor.CheckedValue());
}

void TStringAlignGrid::PickListItem(const TControlInfo& editor, int index) {
    const rt::TGridCoord cell = EditCell();
    WriteWhileEditing(editor.Items()[static_cast<size_t>(index)]);
    OnComboBoxClick(this, cell.X, cell.Y);
}

void TStringAlignGrid::StepList(const TControlInfo& editor, int step) {
    const auto& items = editor.Items();
    if (items.empty()) return;
    const auto at = std::find(items.begin(), items.end(), InplaceEditor()->GetText());
    const int current = at == items.end() ? -1 : static_cast<int>(at - items.begin());
    const int next = std::clamp(current + step, 0, static_cast<int>(items.size()) - 1);
    if (next != current) PickListItem(editor, next);
}

void TStringAlignGrid::TypeIntoList(const TControlInfo& editor, char& key) {
    if (key == '\b') {
        key = 0;
        typeAhead_.Back();
        if (typeAhead_.Text().empty()) return;
        if (const int found = editor.FindItemPrefix(typeAhead_.Text()); found >= 0) PickListItem(editor, found);
        return;
    }
    if (static_cast<unsigned char>(key) < ' ') return;
    const bool added = typeAhead_.Add(key);
    key = 0;
    const int found = added ? editor.FindItemPrefix(typeAhead_.Text()) : -1;
    if (found < 0) {
        if (added) typeAhead_.Refuse();
        rt::MessageBeep();
        return;
    }
    PickListItem(editor, found);
}

void TStringAlignGrid::EditorKeyDown(uint16_t& key, rt::TShiftState shift) {
    const rt::TGridCoord cell = EditCell();
    const TControlInfo* editor = cell.X >= 0 ? CellEditor(cell.X, cell.Y) : nullptr;
    const int kind = editor != nullptr ? editor->Kind() : int{ekNone};
    switch (key) {
        case rt::VK_ESCAPE:
            key = 0;
            InplaceEditor()->SetText(EditStartText());
            // A refused text may already stand in the cell.
            if (Cells(cell.X, cell.Y) != EditStartText()) SetCells(cell.X, cell.Y, EditStartText());
            OnCancelEdit(this, cell.X, cell.Y);
            EnterInEditor(shift);
            return;
        case rt::VK_RETURN:
            key = 0;
            if (!shift.Contains(rt::ssAlt)) return EnterInEditor(shift);
            if (kind == ekButton) OnEditButtonClick(this, cell.X, cell.Y);
            return;
        case rt::VK_DELETE:
            if (kind == ekCheckBox || (kind == ekDropDown && editor->ListOnly())) {
                key = 0;
                return;
            }
            break;
        case rt::VK_UP:
        case rt::VK_DOWN:
            if (kind == ekDropDown && shift.Contains(rt::ssAlt) && CellEditable(cell.X, cell.Y)) {
                StepList(*editor, key == rt::VK_DOWN ? 1 : -1);
                key = 0;
                return;
            }
            break;
        default: break;
    }
    rt::TStringGrid::EditorKeyDown(key, shift);
}

void TStringAlignGrid::EditorKeyPress(char& key) {
    const rt::TGridCoord cell = EditCell();
    const TControlInfo* editor = cell.X >= 0 ? CellEditor(cell.X, cell.Y) : nullptr;
    // Tab moves between cells and is never typed into one.
    if (key == '\t') {
        key = 0;
        return;
    }
    if (editor != nullptr && editor->Kind() == ekCheckBox) {
        if (key == ' ') ToggleCheckBox(*editor);
        if (key != '\r') key = 0;
    } else if (editor != nullptr && editor->Kind() == ekDropDown && editor->ListOnly()) {
        TypeIntoList(*editor, key);
    }
    if (key != 0) rt::TStringGrid::EditorKeyPress(key);
}

// Enter ends the edit (validated); with AutoEditNextCell on a single-line
// editor it goes on to the next cell, otherwise it closes the editor as a
// standard grid does.
void TStringAlignGrid::EnterInEditor(rt::TShiftState shift) {
    if (!FinishEdit()) return;
    if (!AutoEditNextCell || EditMultiline) {
        char enter = '\r';
        rt::TStringGrid::EditorKeyPress(enter);
        // An editor that always shows stays open: what is typed next is a new edit.
        if (EditCell().X >= 0) editFinished_ = false;
        return;
    }
    const T_nextcell direction = shift.Contains(rt::ssShift) ? TNextCellWalk::Reverse(NextCellEdit) : NextCellEdit;
    const rt::TGridCoord before{Col(), Row()};
    MoveToNextCell(direction, AfterLastCellEdit, false);
    // Staying on the cell starts a new edit of it.
    if (rt::TGridCoord{Col(), Row()} == before && EditCell() == before) {
        HideEditor();
        if (EditorMode()) ShowEditor();
    }
}

// ---- Walking from cell to cell ----

TWalkArea TStringAlignGrid::DataArea() const {
    return {FixedCols(), ColCount() - 1, FixedRows(), RowCount() - 1};
}

void TStringAlignGrid::MoveToNextCell(T_nextcell direction, T_lastcell afterLast, bool skipNoTabStop) {
    const TWalkArea area = DataArea();
    const rt::TGridCoord start{Col(), Row()};
    rt::TGridCoord pos = start;
    bool wrapped = false;
    for (;;) {
        std::optional<rt::TGridCoord> next = TNextCellWalk::Next(direction, pos, area);
        if (!next) {
            if (afterLast == lc_newcolrow) return GrowFor(direction);
            if (afterLast == lc_exit) return LeaveGrid();
            if (afterLast == lc_stop || wrapped) return;
            wrapped = true;
            next = TNextCellWalk::First(direction, area);
        }
        // A walk that comes round to where it began stays there.
        if (*next == start) return;
        pos = *next;
        if (!skipNoTabStop || ColTabStop(pos.X)) return MoveTo(pos);
    }
}

void TStringAlignGrid::GrowFor(T_nextcell direction) {
    const TWalkGrowth growth = TNextCellWalk::Growth(direction);
    const bool atEnd = growth.Place == TWalkGrowth::AtEnd;
    // The editor, closed by the insertion, opens again on the cell moved to.
    if (growth.Line == TWalkGrowth::Row) InsertLine(true, atEnd ? RowCount() : FixedRows());
    else InsertLine(false, atEnd ? ColCount() : FixedCols());
    MoveTo(TNextCellWalk::AfterGrowth(direction, DataArea()));
}

void TStringAlignGrid::LeaveGrid() {
    HideEditor();
    SetEditorMode(false);
    rt::TControl* root = RootParent();
    if (auto* host = dynamic_cast<rt::TWinControl*>(root); host != nullptr && host != this) {
        host->SelectNext(this, true, true);
    }
}

void TStringAlignGrid::DefaultKeyDown(uint16_t key, rt::TShiftState shift) {
    const bool shifted = shift.Contains(rt::ssShift);
    const bool ctrl = shift.Contains(rt::ssCtrl);
    if (key == rt::VK_INSERT && ctrl && !shifted) return void(Perform(rt::WM_COPY));
    if (key == rt::VK_INSERT && shifted && !ctrl) return void(Perform(rt::WM_PASTE));
    if (key == rt::VK_DELETE && shifted && !ctrl) return void(Perform(rt::WM_CUT));
    const TControlInfo* editor = CellEditor(Col(), Row());
    if ((key == rt::VK_DOWN || key == rt::VK_UP) && shift.Contains(rt::ssAlt) && editor != nullptr &&
        editor->Kind() == ekDropDown) {
        return StepDropDown(Col(), Row(), key == rt::VK_DOWN ? 1 : -1);
    }
    if (key == rt::VK_TAB && Options().Contains(rt::goTabs) && !shift.Contains(rt::ssAlt)) {
        const T_nextcell direction = shifted ? TNextCellWalk::Reverse(NextCellTab) : NextCellTab;
        MoveToNextCell(direction, AfterLastCellTab, true);
        return;
    }
    rt::TStringGrid::DefaultKeyDown(key, shift);
}

// A character typed where nothing may be edited is refused with a beep.
void TStringAlignGrid::DefaultKeyPress(char key) {
    const bool printable = static_cast<unsigned char>(key) >= ' ';
    if (printable && Options().Contains(rt::goEditing) && !CanEditShow()) {
        rt::MessageBeep();
        return;
    }
    rt::TStringGrid::DefaultKeyPress(key);
}

// ---- Mouse ----

// The editor leaves the cell's button uncovered, so that the button takes its clicks.
rt::TRect TStringAlignGrid::EditorRect(int col, int row) const {
    rt::TRect rect = rt::TStringGrid::EditorRect(col, row);
    const TControlInfo* editor = CellEditor(col, row);
    const bool button = editor != nullptr && (editor->Kind() == ekButton || editor->Kind() == ekDropDown);
    if (button && rect.Width() > TAlignGridPainter::kButtonWidth) rect.Right -= TAlignGridPainter::kButtonWidth;
    return rect;
}

bool TStringAlignGrid::OverCellButton(int col, int row, int x) const {
    if (!Options().Contains(rt::goEditing) || Options().Contains(rt::goRowSelect)) return false;
    if (col != Col() || row != Row()) return false;
    const TControlInfo* editor = CellEditor(col, row);
    if (editor == nullptr || (editor->Kind() != ekButton && editor->Kind() != ekDropDown)) return false;
    const rt::TRect rect = CellRect(col, row);
    return x >= rect.Right - TAlignGridPainter::kButtonWidth && x < rect.Right;
}

void TStringAlignGrid::ClickCellButton(int col, int row) {
    const TControlInfo* editor = CellEditor(col, row);
    if (editor->Kind() == ekButton) return OnEditButtonClick(this, col, row);
    StepDropDown(col, row, 1);
}

// The drop-down list steps like a closed combo box: the editor opens (and
// takes the keys again) and shows the next or previous item.
void TStringAlignGrid::StepDropDown(int col, int row, int step) {
    if (!CellEditable(col, row)) return;
    SetEditorMode(true);
    if (EditCell() != rt::TGridCoord{col, row}) return;
    if (Focused() && InplaceEditor()->CanFocus()) InplaceEditor()->SetFocus();
    StepList(*CellEditor(col, row), step);
}

void TStringAlignGrid::MouseDown(rt::TMouseButton button, rt::TShiftState shift, int x, int y) {
    const rt::TGridCoord cell = MouseCoord(x, y);
    if (button == rt::mbLeft && cell.X >= 0 && OverCellButton(cell.X, cell.Y, x)) {
        if (CanFocus() && !Focused()) SetFocus();
        return ClickCellButton(cell.X, cell.Y);
    }
    rt::TStringGrid::MouseDown(button, shift, x, y);
    if (button != rt::mbLeft || SizingColumn() || cell.X < 0) return;
    if (cell.Y < FixedRows()) OnFixedColClick(this, cell.X);
    else if (cell.X < FixedCols()) OnFixedRowClick(this, cell.Y);
}

void TStringAlignGrid::MouseUp(rt::TMouseButton button, rt::TShiftState shift, int x, int y) {
    const bool sized = SizingColumn();
    rt::TStringGrid::MouseUp(button, shift, x, y);
    if (sized) AdjustLastCol();
}

// ---- Conversion ----

void TStringAlignGrid::ConvertContents(const std::function<std::string(const std::string&)>& text,
                                       const std::function<void(rt::TFont&)>& font) {
    for (int col = 0; col < ColCount(); ++col) {
        for (int row = 0; row < RowCount(); ++row) {
            const std::string cell = Cells(col, row);
            if (!cell.empty()) SetCells(col, row, text(cell));
        }
    }
    hints_.ForEach([&text](int, int, std::string& hint) { hint = text(hint); });
    const auto record = [&text, &font](TCellProperties& p) {
        if (p.Font) font(*p.Font);
        if (p.SelectedFont) font(*p.SelectedFont);
        if (p.Editor && !p.Editor->Items().empty()) {
            std::vector<std::string> items;
            for (const std::string& item : p.Editor->Items()) items.push_back(text(item));
            p.Editor->SetItems(std::move(items));
        }
    };
    cellProps_.ForEach([&record](int, int, TCellProperties& p) { record(p); });
    for (TRecordMap* lines : {&colProps_, &rowProps_, &fixedColProps_, &fixedRowProps_})
        for (auto& [index, p] : lines->Items()) record(p);
    Invalidate();
}

// ---- Drawing and streaming ----

void TStringAlignGrid::DrawCellText(int col, int row, const rt::TRect& rect, rt::TGridDrawState state) {
    TAlignGridPainter(*this).Draw(col, row, rect, state);
}

rt::TColor TStringAlignGrid::CellLineColor(int, int) const { return gridLineColor_; }

void TStringAlignGrid::DefineProperties(rt::TFiler& filer) {
    rt::TStringGrid::DefineProperties(filer);
    TAlignGridStreamer(*this).DefineProperties(filer);
}

void TStringAlignGrid::Loaded() {
    rt::TStringGrid::Loaded();
    for (const auto& [col, row, text] : loadedCells_)
        if (col < ColCount() && row < RowCount()) SetCells(col, row, text);
    loadedCells_.clear();
    // A resource may name cells beyond its own counts.
    DropOutside();
    AdjustLastCol();
}

}  // namespace hemr
