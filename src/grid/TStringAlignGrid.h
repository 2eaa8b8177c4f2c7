#pragma once
// A string grid whose cells, columns and rows (and the fixed ones apart)
// carry their own alignment, word wrap, editability, colours, fonts, edit
// mask and cell editor (button, drop-down list, check box), plus a hint per
// cell; all of it is stored with the form and travels with its lines when
// they are inserted, removed, moved or sorted.
//
// A cell's property is its own record's; else its column's (the fixed
// column's when the cell is fixed); else its row's (likewise); else the
// grid's. Editing walks from cell to cell in one of eight directions, and
// copy, cut and paste use the clipboard's text.

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/grids/TStringGrid.h"
#include "src/grid/AlignGridTypes.h"
#include "src/grid/GridIndexMap.h"
#include "src/grid/TCellProperties.h"
#include "src/grid/TNextCellWalk.h"
#include "src/grid/TTypeAheadBuffer.h"

namespace rt {
class TBitmap;
}

namespace hemr {

enum class TPropLevel { Cell, Col, Row, FixedCol, FixedRow };

// Which record a property goes to: a cell's, a column's, a row's, a fixed column's or a fixed row's.
struct TPropTarget {
    TPropLevel Level = TPropLevel::Cell;
    int Col = 0;
    int Row = 0;
    static TPropTarget Cell(int col, int row) { return {TPropLevel::Cell, col, row}; }
    static TPropTarget Column(int col) { return {TPropLevel::Col, col, 0}; }
    static TPropTarget Line(int row) { return {TPropLevel::Row, 0, row}; }
    static TPropTarget FixedColumn(int col) { return {TPropLevel::FixedCol, col, 0}; }
    static TPropTarget FixedLine(int row) { return {TPropLevel::FixedRow, 0, row}; }
};

class TStringAlignGrid : public rt::TStringGrid {
    RT_CLASS(TStringAlignGrid, rt::TStringGrid)

public:
    explicit TStringAlignGrid(rt::TComponent* owner);
    ~TStringAlignGrid() override;

    static void Publish(rt::TPublisher<TStringAlignGrid>& p);

    // Grid-wide values, the last step of every cell's resolution.
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);
    TMyAlign Alignment() const { return alignment_; }
    void SetAlignment(TMyAlign v);
    T_Wordwrap Wordwrap() const { return wordwrap_; }
    void SetWordwrap(T_Wordwrap v);
    bool Editable() const { return editable_; }
    void SetEditable(bool v);
    rt::TColor SelectedCellColor() const { return selectedCellColor_; }
    void SetSelectedCellColor(rt::TColor v);
    rt::TColor SelectedFontColor() const { return selectedFontColor_; }
    void SetSelectedFontColor(rt::TColor v);
    rt::TColor GridLineColor() const { return gridLineColor_; }
    void SetGridLineColor(rt::TColor v);
    bool DrawSelection() const { return drawSelection_; }
    void SetDrawSelection(bool v);
    bool AutoAdjustLastCol() const { return autoAdjustLastCol_; }
    void SetAutoAdjustLastCol(bool v);

    bool ShowCellHints = true;
    bool SelectEditText = true;
    bool EditMultiline = false;
    bool AutoEditNextCell = false;
    T_nextcell NextCellEdit = nc_rightdown;
    T_nextcell NextCellTab = nc_rightdown;
    T_lastcell AfterLastCellEdit = lc_newcolrow;
    T_lastcell AfterLastCellTab = lc_first;
    // Kept for stored forms; scrolling always redraws here.
    bool RedrawWhileScroll = false;

    // One record's fields; unset reads as alDefault, ww_default, efUnset,
    // null and empty. Setting the unset value removes the field, and an
    // emptied record goes. Every change repaints.
    const TCellProperties* Props(TPropTarget t) const;
    TMyAlign AlignmentOf(TPropTarget t) const;
    void SetAlignmentOf(TPropTarget t, TMyAlign v);
    T_Wordwrap WordwrapOf(TPropTarget t) const;
    void SetWordwrapOf(TPropTarget t, T_Wordwrap v);
    int EditableOf(TPropTarget t) const;
    void SetEditableOf(TPropTarget t, int flag);
    const rt::TBrush* BrushOf(TPropTarget t) const;
    void SetBrushOf(TPropTarget t, const rt::TBrush* brush);
    const rt::TBrush* SelectedBrushOf(TPropTarget t) const;
    void SetSelectedBrushOf(TPropTarget t, const rt::TBrush* brush);
    const rt::TFont* FontOf(TPropTarget t) const;
    void SetFontOf(TPropTarget t, const rt::TFont* font);
    const rt::TFont* SelectedFontOf(TPropTarget t) const;
    void SetSelectedFontOf(TPropTarget t, const rt::TFont* font);
    std::string EditMaskOf(TPropTarget t) const;
    void SetEditMaskOf(TPropTarget t, const std::string& mask);
    const TControlInfo* EditorOf(TPropTarget t) const;
    void SetEditorOf(TPropTarget t, const TControlInfo* editor);

    // The editor of a cell, a whole column (row -1) or a whole row (column -1):
    // kind 2 takes "checked;unchecked" as its text, kind 3 its items and list-only flag.
    void SetCellEditor(int col, int row, int kind, const std::string& text = {},
                       const std::vector<std::string>& items = {}, bool listOnly = false);

    // Resolved for cell (col, row).
    TMyAlign CellAlignment(int col, int row) const;
    T_Wordwrap CellWordwrap(int col, int row) const;
    bool CellEditable(int col, int row) const;
    std::string CellEditMask(int col, int row) const;
    const TControlInfo* CellEditor(int col, int row) const;

    // A check-box cell reads as its checked value only when its text is exactly that, else as unchecked.
    std::string CellText(int col, int row) const;
    const std::string& CellHint(int col, int row) const;
    void SetCellHint(int col, int row, const std::string& hint);

    // A column whose tab stop is off is skipped by Tab.
    bool ColTabStop(int col) const { return noTabStop_.Find(col) == nullptr; }
    void SetColTabStop(int col, bool v);

    // An index inside the fixed lines means the first data line.
    void InsertRow(int row);
    void InsertCol(int col);
    // Data rows only; the last data row is cleared, never removed.
    void RemoveRow(int row);
    // Sorts lines first..last (bounds included) by OnCompareRow / OnCompareCol.
    void SortRows(int first, int last);
    void SortCols(int first, int last);

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    // Gives the last column what the others leave of the client width.
    void AdjustLastCol();

    // Passes every text the grid shows (cell texts, hints, drop-down items)
    // through `text` and every font of its records through `font`: the
    // code-page conversion of a whole form.
    void ConvertContents(const std::function<std::string(const std::string&)>& text,
                         const std::function<void(rt::TFont&)>& font);

    TShowHintCellProc OnShowHintCell;
    TCellEvent OnBeforeEdit;
    TCellEvent OnAfterEdit;
    TCellEvent OnCancelEdit;
    TCellEventBool OnValidateEdit;
    TCompareFunction OnCompareRow;
    TCompareFunction OnCompareCol;
    rt::TNotifyEvent OnColWidthsChanged;
    rt::TNotifyEvent OnRowHeightsChanged;
    TColEvent OnFixedColClick;
    TRowEvent OnFixedRowClick;
    TCellEvent OnEditButtonClick;
    TCellEvent OnComboBoxClick;
    TCalcCellColorsEvent OnCalcCellColors;

    void Loaded() override;
    void WndProc(rt::TMessage& message) override;
    void EditorKeyDown(uint16_t& key, rt::TShiftState shift) override;
    void EditorKeyPress(char& key) override;

protected:
    void DrawCellText(int col, int row, const rt::TRect& rect, rt::TGridDrawState state) override;
    rt::TColor CellLineColor(int col, int row) const override;
    rt::TRect EditorRect(int col, int row) const override;
    bool CanEditShow() override;
    std::string GetEditMask(int col, int row) override;
    bool SelectCell(int col, int row) override;
    void EditorShown(int col, int row) override;
    void ColumnMoved(int from, int to) override;
    void RowMoved(int from, int to) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void DefaultKeyDown(uint16_t key, rt::TShiftState shift) override;
    void DefaultKeyPress(char key) override;
    void MouseDown(rt::TMouseButton button, rt::TShiftState shift, int x, int y) override;
    void MouseUp(rt::TMouseButton button, rt::TShiftState shift, int x, int y) override;
    void BoundsChanged() override;
    void DoExit() override;
    void DefineProperties(rt::TFiler& filer) override;

private:
    friend class TAlignGridStreamer;
    friend class TAlignGridPainter;

    using TRecordMap = TIndexMap<TCellProperties>;

    const TCellProperties* Find(TPropTarget t) const;
    TCellProperties& Record(TPropTarget t);
    void DropIfEmpty(TPropTarget t);
    template <class V>
    void SetField(TPropTarget t, V TCellProperties::*field, V value);
    bool IsFixed(int col, int row) const { return col < FixedCols() || row < FixedRows(); }
    // The records asked in order for cell (col, row): cell, column, row.
    template <class F>
    auto Resolve(int col, int row, F&& pick) const -> decltype(pick(std::declval<const TCellProperties&>()));

    TWalkArea DataArea() const;
    bool FinishEdit();
    void EnterInEditor(rt::TShiftState shift);
    void MoveToNextCell(T_nextcell direction, T_lastcell afterLast, bool skipNoTabStop);
    void GrowFor(T_nextcell direction);
    void LeaveGrid();
    void MoveTo(rt::TGridCoord cell) { FocusCell(cell.X, cell.Y, MoveAnchor::Yes); }
    void WriteWhileEditing(const std::string& text);
    void ToggleCheckBox(const TControlInfo& editor);
    void TypeIntoList(const TControlInfo& editor, char& key);
    void StepList(const TControlInfo& editor, int step);
    void PickListItem(const TControlInfo& editor, int index);
    void ClickCellButton(int col, int row);
    void StepDropDown(int col, int row, int step);
    bool OverCellButton(int col, int row, int x) const;
    void ExchangeLines(bool rows, int a, int b);
    void SortLines(bool rows, int first, int last);
    void ClearRow(int row);
    void DropOutside();
    void InsertLine(bool row, int index);
    rt::TGridRect ClipboardRect() const;
    void HintShow(rt::THintInfo& info, rt::TMessage& message);

    std::string editMask_;
    TMyAlign alignment_ = alLeft;
    T_Wordwrap wordwrap_ = ww_none;
    bool editable_ = true;
    rt::TColor selectedCellColor_;
    rt::TColor selectedFontColor_;
    rt::TColor gridLineColor_;
    bool drawSelection_ = true;
    bool autoAdjustLastCol_ = false;
    bool adjusting_ = false;
    bool finishing_ = false;
    // The open edit has been validated and reported (OnAfterEdit) already.
    bool editFinished_ = false;
    int lineWidthSeen_ = 1;

    TCellMap<TCellProperties> cellProps_;
    TRecordMap colProps_;
    TRecordMap rowProps_;
    TRecordMap fixedColProps_;
    TRecordMap fixedRowProps_;
    TCellMap<std::string> hints_;
    TIndexMap<bool> noTabStop_;
    TTypeAheadBuffer typeAhead_;
    // Cell texts read from a form, applied once the counts are known.
    std::vector<std::tuple<int, int, std::string>> loadedCells_;
};

template <class F>
auto TStringAlignGrid::Resolve(int col, int row, F&& pick) const
    -> decltype(pick(std::declval<const TCellProperties&>())) {
    const bool fixed = IsFixed(col, row);
    const TCellProperties* chain[] = {cellProps_.Find(col, row), (fixed ? fixedColProps_ : colProps_).Find(col),
                                      (fixed ? fixedRowProps_ : rowProps_).Find(row)};
    for (const TCellProperties* record : chain) {
        if (record == nullptr) continue;
        if (auto value = pick(*record)) return value;
    }
    return nullptr;
}

}  // namespace hemr
