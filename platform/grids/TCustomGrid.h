#pragma once
// The grid every grid derives from: columns and rows with fixed ones at the
// top and left, sizes, the current cell and the selection, scrolling, key and
// mouse navigation, an in-place editor, and painting cell by cell through
// DrawCell. It holds no cell data: derived grids supply texts through the
// GetEditText / SetEditText hooks and draw cells themselves.
//
// The in-place editor opens with F2, Enter or a typed character (goEditing),
// or by itself with goAlwaysShowEditor; it closes when the current cell
// moves, on Enter, or when EditorMode is cleared, and writes its text back
// through SetEditText when it changed. Escape closes it without writing.

#include <memory>
#include <string>

#include "platform/controls/TWinControl.h"
#include "platform/graphics/Colors.h"
#include "platform/grids/GridTypes.h"
#include "platform/grids/TGridAxis.h"

namespace rt {

class TCanvas;
class TInplaceEdit;

class TCustomGrid : public TWinControl {
    RT_CLASS(TCustomGrid, TWinControl)

public:
    explicit TCustomGrid(TComponent* owner);
    ~TCustomGrid() override;

    static void Publish(TPublisher<TCustomGrid>& p);

    int ColCount() const { return cols_.Count(); }
    // Raises EInvalidGridOperation for a count below 1 or not above the fixed ones.
    void SetColCount(int count);
    int RowCount() const { return rows_.Count(); }
    void SetRowCount(int count);
    int FixedCols() const { return cols_.Fixed(); }
    // Raises EInvalidGridOperation "Fixed column count must be less than column count".
    void SetFixedCols(int count);
    int FixedRows() const { return rows_.Fixed(); }
    void SetFixedRows(int count);
    int DefaultColWidth() const { return cols_.DefaultSize(); }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return rows_.DefaultSize(); }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const { return cols_.Size(col); }
    void SetColWidths(int col, int width);
    int RowHeights(int row) const { return rows_.Size(row); }
    void SetRowHeights(int row, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor color);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool v) { defaultDrawing_ = v; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v) { scrollBars_ = v; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v) { borderStyle_ = v; }

    // The current cell. Moving it asks SelectCell first (a veto leaves it),
    // closes the editor, collapses the selection onto it and scrolls it into view.
    int Col() const { return current_.X; }
    void SetCol(int col) { FocusCell(col, current_.Y, MoveAnchor::Yes); }
    int Row() const { return current_.Y; }
    void SetRow(int row) { FocusCell(current_.X, row, MoveAnchor::Yes); }
    // The selected cells: from the anchor to the current cell, whole rows with goRowSelect.
    TGridRect Selection() const;
    // Makes `rect` the selection, its bottom-right the current cell (SelectCell may veto).
    void SetSelection(const TGridRect& rect);

    int TopRow() const { return rows_.First(); }
    void SetTopRow(int row);
    int LeftCol() const { return cols_.First(); }
    void SetLeftCol(int col);
    // Non-fixed cells fully shown.
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // The cell under a client point; (-1, -1) when none.
    TGridCoord MouseCoord(int x, int y) const;
    void MouseToCell(int x, int y, int& col, int& row) const;
    // The cell's client rectangle; empty when the cell is not in view.
    TRect CellRect(int col, int row) const;

    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool editing);
    // Null until the editor opens the first time.
    TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }

    // Painting goes to this canvas; give it a bitmap to get pixels.
    TCanvas* Canvas() const { return canvas_.get(); }

    // What the in-place editor calls; derived grids refine the keys of their cells.
    virtual void EditorKeyDown(uint16_t& key, TShiftState shift);
    virtual void EditorKeyPress(char& key);

protected:
    enum class MoveAnchor { No, Yes };

    // Hooks for derived grids.
    virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) = 0;
    virtual bool SelectCell(int col, int row);
    virtual std::string GetEditText(int col, int row);
    virtual void SetEditText(int col, int row, const std::string& value);
    virtual std::string GetEditMask(int col, int row);
    virtual bool CanEditShow();
    virtual bool CanEditModify() { return true; }
    virtual TInplaceEdit* CreateEditor();
    virtual void ColumnMoved(int /*from*/, int /*to*/) {}
    virtual void RowMoved(int /*from*/, int /*to*/) {}
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    virtual void TopLeftChanged() {}
    // The counts changed from the old ones (cells beyond them are gone).
    virtual void SizeChanged(int /*oldColCount*/, int /*oldRowCount*/) {}
    // The editor has just opened on (col, row) with the cell's text, selected.
    virtual void EditorShown(int /*col*/, int /*row*/) {}
    // Where the editor of a cell goes; empty when the cell is out of view.
    virtual TRect EditorRect(int col, int row) const;
    // The colour of the lines right of and below a cell.
    virtual TColor CellLineColor(int col, int row) const;

    // Moves column or row `from` to `to`, the ones between shifting by one.
    void MoveColumn(int from, int to);
    void MoveRow(int from, int to);
    void DeleteColumn(int col);
    void DeleteRow(int row);
    // A new empty column or row at `index` (up to the count), the later ones
    // moving on by one (through ColumnMoved / RowMoved); the current cell
    // stays with its content.
    void InsertColumn(int col);
    void InsertRow(int row);
    void FocusCell(int col, int row, MoveAnchor moveAnchor);
    void InvalidateCell(int /*col*/, int /*row*/) { Invalidate(); }
    void InvalidateEditor();
    void ShowEditor();
    void HideEditor();
    // Writes the editor's text into the cell when it changed.
    void UpdateText();
    // A cell's text changed from outside the editor: an editor open on it shows the new text.
    void CellTextChanged(int col, int row);

    // The cell the open editor belongs to, (-1, -1) when it is closed.
    TGridCoord EditCell() const { return editCell_; }
    // The cell's text when the editor opened; Escape goes back to it.
    const std::string& EditStartText() const { return editStartText_; }
    void SetEditStartText(const std::string& text) { editStartText_ = text; }
    // True while the mouse sizes a column (goColSizing).
    bool SizingColumn() const { return sizingCol_ >= 0; }

    void Paint() override;
    void DefaultKeyDown(uint16_t key, TShiftState shift) override;
    void DefaultKeyPress(char key) override;
    LRESULT DialogCode() const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void BoundsChanged() override;
    void DoEnter() override;
    void DefineProperties(TFiler& filer) override;

    TGridAxis& Cols() { return cols_; }
    TGridAxis& Rows() { return rows_; }

private:
    void MoveCurrent(int col, int row, MoveAnchor moveAnchor);
    void CheckCoord(int col, int row) const;
    void ClampInView();
    void ApplyLineWidths();
    void ChangeSize(int colCount, int rowCount);
    void NavigateKey(uint16_t key, TShiftState shift);
    bool TabToNextCell(bool backwards);
    void PaintCell(int col, int row, const TRect& rect);
    void PaintLines(int col, int row, const TRect& rect);
    void PlaceEditor();
    void SetEditorText();
    void DefineAxisSizes(TFiler& filer, const char* name, TGridAxis& axis);
    int SizingColumnAt(int x, int y) const;

    TGridAxis cols_;
    TGridAxis rows_;
    int gridLineWidth_ = 1;
    TGridOptions options_ = DefaultGridOptions;
    TColor fixedColor_ = clBtnFace;
    bool defaultDrawing_ = true;
    TScrollStyle scrollBars_ = ssBoth;
    TBorderStyle borderStyle_ = bsSingle;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    bool editorMode_ = false;
    TInplaceEdit* inplaceEdit_ = nullptr;
    // The cell the open editor belongs to, and its text when it opened.
    TGridCoord editCell_{-1, -1};
    std::string editStartText_;
    bool writingBack_ = false;
    // The column the mouse sizes and the pixel its right edge had when sizing began.
    int sizingCol_ = -1;
    int sizingStart_ = 0;
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace rt
