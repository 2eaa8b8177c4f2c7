#pragma once
// The editor a grid opens over its current cell. It is a mask edit (a cell
// may carry an edit mask) without a border that hands the keys meaning
// "leave the cell" (Up, Down, Tab, Enter, Escape, Left/Right at the edges)
// back to its grid.

#include "platform/maskedit/TCustomMaskEdit.h"

namespace rt {

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit {
    RT_CLASS(TInplaceEdit, TCustomMaskEdit)

public:
    explicit TInplaceEdit(TComponent* owner);

    // The grid that owns this editor, null when created elsewhere.
    TCustomGrid* Grid() const { return grid_; }

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    LRESULT DialogCode() const override;
    void DoExit() override;

private:
    TCustomGrid* grid_;
};

}  // namespace rt
