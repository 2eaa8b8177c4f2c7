#pragma once
// A grid holding a text and an object per cell, drawn as text and edited in
// place. Reading a cell outside the grid gives an empty text; writing one
// raises EInvalidGridOperation.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/grids/TDrawGrid.h"

namespace rt {

class TStrings;
class TStringGridStrings;

class TStringGrid : public TDrawGrid {
    RT_CLASS(TStringGrid, TDrawGrid)

public:
    explicit TStringGrid(TComponent* owner);
    ~TStringGrid() override;

    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& value);
    TObject* Objects(int col, int row) const;
    void SetObjects(int col, int row, TObject* object);
    // The column or row as a string list, alive as long as the grid.
    TStrings* Cols(int col);
    TStrings* Rows(int row);

    using TCustomGrid::DeleteColumn;
    using TCustomGrid::DeleteRow;
    using TCustomGrid::InsertColumn;
    using TCustomGrid::InsertRow;
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;

protected:
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    // With DefaultDrawing: the cell's text, left at +2/+2 over the filled
    // cell; derived grids draw their own look of a cell here.
    virtual void DrawCellText(int col, int row, const TRect& rect, TGridDrawState state);
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
    void ColumnMoved(int from, int to) override;
    void RowMoved(int from, int to) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;

private:
    struct TCell {
        std::string Text;
        TObject* Object = nullptr;
    };
    const TCell* CellAt(int col, int row) const;
    TCell& WritableCell(int col, int row);
    TStrings* LineView(std::map<int, std::unique_ptr<TStringGridStrings>>& views, int kind, int index, int count);

    // cells_[row][col], always RowCount x ColCount.
    std::vector<std::vector<TCell>> cells_;
    std::map<int, std::unique_ptr<TStringGridStrings>> colViews_;
    std::map<int, std::unique_ptr<TStringGridStrings>> rowViews_;
};

}  // namespace rt
