#include "platform/grids/TStringGrid.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/grids/TStringGridStrings.h"

namespace rt {

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) { SizeChanged(0, 0); }

TStringGrid::~TStringGrid() = default;

const TStringGrid::TCell* TStringGrid::CellAt(int col, int row) const {
    if (row < 0 || col < 0 || row >= static_cast<int>(cells_.size())) return nullptr;
    const auto& line = cells_[static_cast<size_t>(row)];
    if (col >= static_cast<int>(line.size())) return nullptr;
    return &line[static_cast<size_t>(col)];
}

TStringGrid::TCell& TStringGrid::WritableCell(int col, int row) {
    if (CellAt(col, row) == nullptr) throw EInvalidGridOperation("Grid index out of range");
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

std::string TStringGrid::Cells(int col, int row) const {
    const TCell* cell = CellAt(col, row);
    return cell != nullptr ? cell->Text : std::string();
}

void TStringGrid::SetCells(int col, int row, const std::string& value) {
    TCell& cell = WritableCell(col, row);
    if (cell.Text == value) return;
    cell.Text = value;
    CellTextChanged(col, row);
}

TObject* TStringGrid::Objects(int col, int row) const {
    const TCell* cell = CellAt(col, row);
    return cell != nullptr ? cell->Object : nullptr;
}

void TStringGrid::SetObjects(int col, int row, TObject* object) { WritableCell(col, row).Object = object; }

TStrings* TStringGrid::LineView(std::map<int, std::unique_ptr<TStringGridStrings>>& views, int kind, int index,
                                int count) {
    if (index < 0 || index >= count) throw EInvalidGridOperation("Grid index out of range");
    auto& view = views[index];
    if (!view) view = std::make_unique<TStringGridStrings>(*this, static_cast<TStringGridStrings::TKind>(kind), index);
    return view.get();
}

TStrings* TStringGrid::Cols(int col) {
    return LineView(colViews_, static_cast<int>(TStringGridStrings::TKind::Column), col, ColCount());
}

TStrings* TStringGrid::Rows(int row) {
    return LineView(rowViews_, static_cast<int>(TStringGridStrings::TKind::Row), row, RowCount());
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (DefaultDrawing()) DrawCellText(col, row, rect, state);
    TDrawGrid::DrawCell(col, row, rect, state);
}

void TStringGrid::DrawCellText(int col, int row, const TRect& rect, TGridDrawState) {
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
}

std::string TStringGrid::GetEditText(int col, int row) {
    std::string text = Cells(col, row);
    OnGetEditText(this, col, row, text);
    return text;
}

void TStringGrid::SetEditText(int col, int row, const std::string& value) {
    SetCells(col, row, value);
    TDrawGrid::SetEditText(col, row, value);
}

void TStringGrid::ColumnMoved(int from, int to) {
    for (auto& line : cells_) {
        TCell moved = std::move(line[static_cast<size_t>(from)]);
        line.erase(line.begin() + from);
        line.insert(line.begin() + to, std::move(moved));
    }
    TDrawGrid::ColumnMoved(from, to);
}

void TStringGrid::RowMoved(int from, int to) {
    auto moved = std::move(cells_[static_cast<size_t>(from)]);
    cells_.erase(cells_.begin() + from);
    cells_.insert(cells_.begin() + to, std::move(moved));
    TDrawGrid::RowMoved(from, to);
}

void TStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
    // Only new rows need their cells when the column count stays: growing a
    // grid row by row then costs nothing per row already there.
    const size_t kept = oldColCount == ColCount() ? std::min(cells_.size(), static_cast<size_t>(RowCount())) : 0;
    cells_.resize(static_cast<size_t>(RowCount()));
    for (size_t row = kept; row < cells_.size(); ++row) cells_[row].resize(static_cast<size_t>(ColCount()));
    // Views of lines that are gone would reach outside the grid.
    std::erase_if(colViews_, [this](const auto& v) { return v.first >= ColCount(); });
    std::erase_if(rowViews_, [this](const auto& v) { return v.first >= RowCount(); });
    TDrawGrid::SizeChanged(oldColCount, oldRowCount);
}

}  // namespace rt
