#include "platform/grids/TDrawGrid.h"

namespace rt {

void TDrawGrid::Publish(TPublisher<TDrawGrid>& p) {
    p.Property("OnColumnMoved", &TDrawGrid::OnColumnMoved);
    p.Property("OnDrawCell", &TDrawGrid::OnDrawCell);
    p.Property("OnGetEditMask", &TDrawGrid::OnGetEditMask);
    p.Property("OnGetEditText", &TDrawGrid::OnGetEditText);
    p.Property("OnRowMoved", &TDrawGrid::OnRowMoved);
    p.Property("OnSelectCell", &TDrawGrid::OnSelectCell);
    p.Property("OnSetEditText", &TDrawGrid::OnSetEditText);
    p.Property("OnTopLeftChanged", &TDrawGrid::OnTopLeftChanged);
}

void TDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    OnDrawCell(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(int col, int row) {
    bool canSelect = true;
    OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

std::string TDrawGrid::GetEditMask(int col, int row) {
    std::string mask;
    OnGetEditMask(this, col, row, mask);
    return mask;
}

std::string TDrawGrid::GetEditText(int col, int row) {
    std::string text;
    OnGetEditText(this, col, row, text);
    return text;
}

void TDrawGrid::SetEditText(int col, int row, const std::string& value) { OnSetEditText(this, col, row, value); }

void TDrawGrid::ColumnMoved(int from, int to) { OnColumnMoved(this, from, to); }

void TDrawGrid::RowMoved(int from, int to) { OnRowMoved(this, from, to); }

void TDrawGrid::TopLeftChanged() { OnTopLeftChanged(this); }

}  // namespace rt
