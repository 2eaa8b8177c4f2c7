#include "platform/grids/TInplaceEdit.h"

#include "platform/grids/TCustomGrid.h"

namespace rt {

TInplaceEdit::TInplaceEdit(TComponent* owner) : TCustomMaskEdit(owner), grid_(dynamic_cast<TCustomGrid*>(owner)) {
    SetBorderStyle(bsNone);
    SetTabStop(false);
    SetVisible(false);
    SetParentColor(true);
}

// The grid sees the key first: Escape must close the cell before the mask edit would undo into it.
void TInplaceEdit::KeyDown(uint16_t& key, TShiftState shift) {
    if (grid_ != nullptr) grid_->EditorKeyDown(key, shift);
    if (key != 0) TCustomMaskEdit::KeyDown(key, shift);
}

void TInplaceEdit::KeyPress(char& key) {
    TCustomMaskEdit::KeyPress(key);
    if (key != 0 && grid_ != nullptr) grid_->EditorKeyPress(key);
}

// Tab, Enter and Escape belong to the grid while a cell is being edited.
LRESULT TInplaceEdit::DialogCode() const { return TCustomMaskEdit::DialogCode() | DLGC_WANTTAB | DLGC_WANTALLKEYS; }

// A cell's mask is checked by its grid when the text is written back, not when the focus moves.
void TInplaceEdit::DoExit() { TCustomEdit::DoExit(); }

}  // namespace rt
