#pragma once
// A grid whose cells are drawn and edited by its events.

#include "platform/grids/TCustomGrid.h"

namespace rt {

class TDrawGrid : public TCustomGrid {
    RT_CLASS(TDrawGrid, TCustomGrid)

public:
    explicit TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}

    static void Publish(TPublisher<TDrawGrid>& p);

    using TCustomGrid::CellRect;
    using TCustomGrid::MouseToCell;

    TDrawCellEvent OnDrawCell;
    // Clearing CanSelect keeps the current cell where it is.
    TSelectCellEvent OnSelectCell;
    TGetEditEvent OnGetEditMask;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
    std::string GetEditMask(int col, int row) override;
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
    void ColumnMoved(int from, int to) override;
    void RowMoved(int from, int to) override;
    void TopLeftChanged() override;
};

}  // namespace rt
