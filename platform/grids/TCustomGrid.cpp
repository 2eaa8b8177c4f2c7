#include "platform/grids/TCustomGrid.h"

#include <algorithm>

#include "platform/classes/TReader.h"
#include "platform/classes/TWriter.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/graphics/TCanvas.h"
#include "platform/grids/TInplaceEdit.h"

namespace rt {

TCustomGrid::TCustomGrid(TComponent* owner)
    : TWinControl(owner), cols_(64), rows_(24), canvas_(std::make_unique<TCanvas>()) {
    SetTabStop(true);
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::Publish(TPublisher<TCustomGrid>& p) {
    p.Property("BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle).Default(bsSingle);
    p.Property("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount).Default(5);
    p.Property("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth).Default(64);
    p.Property("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight).Default(24);
    p.Property("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing).Default(true);
    p.Property("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor).Default(clBtnFace);
    p.Property("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols).Default(1);
    p.Property("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount).Default(5);
    p.Property("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows).Default(1);
    p.Property("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth).Default(1);
    p.Property("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions).Default(DefaultGridOptions);
    p.Property("ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars).Default(ssBoth);
    p.Republish("TabStop").Default(true);
}

// Column widths and row heights are stored only when some differ from the default.
void TCustomGrid::DefineAxisSizes(TFiler& filer, const char* name, TGridAxis& axis) {
    filer.DefineProperty(
        name,
        [&axis](TReader& reader) {
            reader.ReadListBegin();
            for (int i = 0; !reader.EndOfList(); ++i) axis.SetSize(i, static_cast<int>(reader.ReadInteger()));
            reader.ReadListEnd();
        },
        [&axis](TWriter& writer) {
            writer.WriteListBegin();
            for (int i = 0; i < axis.Count(); ++i) writer.WriteInteger(axis.Size(i));
            writer.WriteListEnd();
        },
        axis.HasCustomSizes());
}

void TCustomGrid::DefineProperties(TFiler& filer) {
    TWinControl::DefineProperties(filer);
    DefineAxisSizes(filer, "ColWidths", cols_);
    DefineAxisSizes(filer, "RowHeights", rows_);
}

void TCustomGrid::ChangeSize(int colCount, int rowCount) {
    if (colCount < 1 || rowCount < 1) throw EInvalidGridOperation("Grid index out of range");
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    if (colCount == oldCols && rowCount == oldRows) return;
    HideEditor();
    cols_.SetCount(colCount);
    rows_.SetCount(rowCount);
    cols_.SetFirst(std::clamp(cols_.First(), cols_.Fixed(), std::max(cols_.Fixed(), colCount - 1)));
    rows_.SetFirst(std::clamp(rows_.First(), rows_.Fixed(), std::max(rows_.Fixed(), rowCount - 1)));
    const auto clampCoord = [&](TGridCoord& c) {
        c.X = std::clamp(c.X, std::min(cols_.Fixed(), colCount - 1), colCount - 1);
        c.Y = std::clamp(c.Y, std::min(rows_.Fixed(), rowCount - 1), rowCount - 1);
    };
    clampCoord(current_);
    clampCoord(anchor_);
    SizeChanged(oldCols, oldRows);
    Invalidate();
}

void TCustomGrid::SetColCount(int count) {
    if (count <= FixedCols() && count >= 1) SetFixedCols(count - 1);
    ChangeSize(count, RowCount());
}

void TCustomGrid::SetRowCount(int count) {
    if (count <= FixedRows() && count >= 1) SetFixedRows(count - 1);
    ChangeSize(ColCount(), count);
}

void TCustomGrid::SetFixedCols(int count) {
    if (count < 0 || count >= ColCount()) throw EInvalidGridOperation("Fixed column count must be less than column count");
    HideEditor();
    cols_.SetFixed(count);
    cols_.SetFirst(std::max(cols_.First(), count));
    current_.X = std::max(current_.X, count);
    anchor_.X = std::max(anchor_.X, count);
    Invalidate();
}

void TCustomGrid::SetFixedRows(int count) {
    if (count < 0 || count >= RowCount()) throw EInvalidGridOperation("Fixed row count must be less than row count");
    HideEditor();
    rows_.SetFixed(count);
    rows_.SetFirst(std::max(rows_.First(), count));
    current_.Y = std::max(current_.Y, count);
    anchor_.Y = std::max(anchor_.Y, count);
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int width) {
    cols_.SetDefaultSize(std::max(width, 0));
    ColWidthsChanged();
    InvalidateEditor();
}

void TCustomGrid::SetDefaultRowHeight(int height) {
    rows_.SetDefaultSize(std::max(height, 0));
    RowHeightsChanged();
    InvalidateEditor();
}

void TCustomGrid::SetColWidths(int col, int width) {
    if (col < 0 || col >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
    cols_.SetSize(col, width);
    ColWidthsChanged();
    InvalidateEditor();
}

void TCustomGrid::SetRowHeights(int row, int height) {
    if (row < 0 || row >= RowCount()) throw EInvalidGridOperation("Grid index out of range");
    rows_.SetSize(row, height);
    RowHeightsChanged();
    InvalidateEditor();
}

void TCustomGrid::SetGridLineWidth(int width) {
    gridLineWidth_ = std::max(width, 0);
    ApplyLineWidths();
    // The lines take room from the columns, as a change of widths would.
    ColWidthsChanged();
    InvalidateEditor();
}

// A direction without its lines drawn gives them no room either.
void TCustomGrid::ApplyLineWidths() {
    cols_.SetLineWidth(options_.Contains(goVertLine) ? gridLineWidth_ : 0);
    rows_.SetLineWidth(options_.Contains(goHorzLine) ? gridLineWidth_ : 0);
}

void TCustomGrid::SetOptions(TGridOptions options) {
    if (options.Contains(goRowSelect)) options.Exclude(goAlwaysShowEditor);
    if (options == options_) return;
    options_ = options;
    if (!options_.Contains(goEditing) || options_.Contains(goRowSelect)) HideEditor();
    if (options_.Contains(goRowSelect)) anchor_.Y = current_.Y;
    ApplyLineWidths();
    InvalidateEditor();
}

void TCustomGrid::SetFixedColor(TColor color) {
    fixedColor_ = color;
    Invalidate();
}

TGridRect TCustomGrid::Selection() const {
    TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                std::max(anchor_.Y, current_.Y)};
    if (options_.Contains(goRowSelect)) {
        r.Left = FixedCols();
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& rect) {
    CheckCoord(rect.Left, rect.Top);
    CheckCoord(rect.Right, rect.Bottom);
    const TGridCoord oldAnchor = anchor_;
    anchor_ = {rect.Left, rect.Top};
    MoveCurrent(rect.Right, rect.Bottom, MoveAnchor::No);
    if (current_ != TGridCoord{rect.Right, rect.Bottom}) anchor_ = oldAnchor;
}

void TCustomGrid::CheckCoord(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) {
        throw EInvalidGridOperation("Grid index out of range");
    }
}

void TCustomGrid::FocusCell(int col, int row, MoveAnchor moveAnchor) {
    MoveCurrent(col, row, moveAnchor);
    Click();
}

void TCustomGrid::MoveCurrent(int col, int row, MoveAnchor moveAnchor) {
    CheckCoord(col, row);
    if (TGridCoord{col, row} == current_ && moveAnchor == MoveAnchor::No) return;
    if (!SelectCell(col, row)) return;
    const bool reopen = editorMode_;
    HideEditor();
    current_ = {col, row};
    if (moveAnchor == MoveAnchor::Yes || !options_.Contains(goRangeSelect)) anchor_ = current_;
    if (options_.Contains(goRowSelect)) anchor_.Y = current_.Y;
    ClampInView();
    Invalidate();
    if (reopen || options_.Contains(goAlwaysShowEditor)) ShowEditor();
}

void TCustomGrid::ClampInView() {
    const auto clampAxis = [](TGridAxis& axis, int index, int extent) {
        if (index < axis.Fixed()) return;
        if (index < axis.First()) {
            axis.SetFirst(index);
        } else {
            while (axis.First() < index && axis.LastFullyVisible(extent) < index) axis.SetFirst(axis.First() + 1);
        }
    };
    const int oldTop = TopRow();
    const int oldLeft = LeftCol();
    clampAxis(cols_, current_.X, ClientWidth());
    clampAxis(rows_, current_.Y, ClientHeight());
    if (oldTop != TopRow() || oldLeft != LeftCol()) TopLeftChanged();
}

void TCustomGrid::SetTopRow(int row) {
    row = std::clamp(row, FixedRows(), std::max(FixedRows(), rows_.MaxFirst(ClientHeight())));
    if (row == TopRow()) return;
    rows_.SetFirst(row);
    TopLeftChanged();
    InvalidateEditor();
}

void TCustomGrid::SetLeftCol(int col) {
    col = std::clamp(col, FixedCols(), std::max(FixedCols(), cols_.MaxFirst(ClientWidth())));
    if (col == LeftCol()) return;
    cols_.SetFirst(col);
    TopLeftChanged();
    InvalidateEditor();
}

int TCustomGrid::VisibleColCount() const { return cols_.LastFullyVisible(ClientWidth()) - LeftCol() + 1; }

int TCustomGrid::VisibleRowCount() const { return rows_.LastFullyVisible(ClientHeight()) - TopRow() + 1; }

TGridCoord TCustomGrid::MouseCoord(int x, int y) const {
    const int col = cols_.IndexAt(x, ClientWidth());
    const int row = rows_.IndexAt(y, ClientHeight());
    if (col < 0 || row < 0) return {-1, -1};
    return {col, row};
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
    const TGridCoord c = MouseCoord(x, y);
    col = c.X;
    row = c.Y;
}

TRect TCustomGrid::CellRect(int col, int row) const {
    const int left = cols_.Start(col);
    const int top = rows_.Start(row);
    if (left < 0 || top < 0 || left >= ClientWidth() || top >= ClientHeight()) return {};
    return Bounds(left, top, cols_.Size(col), rows_.Size(row));
}

bool TCustomGrid::SelectCell(int, int) { return true; }

std::string TCustomGrid::GetEditText(int, int) { return {}; }

void TCustomGrid::SetEditText(int, int, const std::string&) {}

std::string TCustomGrid::GetEditMask(int, int) { return {}; }

bool TCustomGrid::CanEditShow() {
    return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && current_.X >= FixedCols() &&
           current_.Y >= FixedRows() && EnabledInTree();
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::SetEditorMode(bool editing) {
    if (editing) {
        editorMode_ = true;
        ShowEditor();
        return;
    }
    if (options_.Contains(goAlwaysShowEditor)) return;
    HideEditor();
    editorMode_ = false;
}

void TCustomGrid::ShowEditor() {
    if (!CanEditShow()) {
        editorMode_ = false;
        return;
    }
    editorMode_ = true;
    if (inplaceEdit_ == nullptr) {
        inplaceEdit_ = CreateEditor();
        inplaceEdit_->SetParent(this);
    }
    if (editCell_ == current_ && inplaceEdit_->Visible()) return;
    editCell_ = current_;
    SetEditorText();
    PlaceEditor();
    inplaceEdit_->Show();
    if (Focused()) inplaceEdit_->SetFocus();
    EditorShown(editCell_.X, editCell_.Y);
}

void TCustomGrid::SetEditorText() {
    inplaceEdit_->SetEditMask(GetEditMask(current_.X, current_.Y));
    editStartText_ = GetEditText(current_.X, current_.Y);
    inplaceEdit_->SetText(editStartText_);
    inplaceEdit_->SetReadOnly(!CanEditModify());
    inplaceEdit_->SetModified(false);
    inplaceEdit_->SelectAll();
}

TRect TCustomGrid::EditorRect(int col, int row) const { return CellRect(col, row); }

void TCustomGrid::PlaceEditor() {
    const TRect r = EditorRect(editCell_.X, editCell_.Y);
    if (IsRectEmpty(r)) {
        inplaceEdit_->SetBounds(0, 0, 0, 0);
        return;
    }
    inplaceEdit_->SetBoundsRect(r);
}

void TCustomGrid::InvalidateEditor() {
    Invalidate();
    if (inplaceEdit_ != nullptr && inplaceEdit_->Visible()) PlaceEditor();
}

void TCustomGrid::UpdateText() {
    if (inplaceEdit_ == nullptr || editCell_.X < 0) return;
    const std::string text = inplaceEdit_->GetText();
    if (text == editStartText_) return;
    editStartText_ = text;
    writingBack_ = true;
    try {
        SetEditText(editCell_.X, editCell_.Y, text);
    } catch (...) {
        writingBack_ = false;
        throw;
    }
    writingBack_ = false;
}

void TCustomGrid::CellTextChanged(int col, int row) {
    InvalidateCell(col, row);
    if (writingBack_ || inplaceEdit_ == nullptr || editCell_ != TGridCoord{col, row}) return;
    SetEditorText();
}

void TCustomGrid::HideEditor() {
    if (inplaceEdit_ == nullptr || editCell_.X < 0) return;
    UpdateText();
    const bool hadFocus = inplaceEdit_->Focused();
    editCell_ = {-1, -1};
    inplaceEdit_->Hide();
    if (hadFocus && CanFocus()) SetFocus();
    Invalidate();
}

void TCustomGrid::MoveColumn(int from, int to) {
    CheckCoord(from, 0);
    CheckCoord(to, 0);
    if (from == to) return;
    HideEditor();
    cols_.MoveSize(from, to);
    ColumnMoved(from, to);
    Invalidate();
}

void TCustomGrid::MoveRow(int from, int to) {
    CheckCoord(0, from);
    CheckCoord(0, to);
    if (from == to) return;
    HideEditor();
    rows_.MoveSize(from, to);
    RowMoved(from, to);
    Invalidate();
}

// The current cell stays with its content; on the deleted line it takes the next one's.
void TCustomGrid::DeleteColumn(int col) {
    const int last = ColCount() - 1;
    MoveColumn(col, last);
    for (TGridCoord* c : {&current_, &anchor_})
        if (c->X > col && c->X < last) --c->X;
    SetColCount(last);
}

void TCustomGrid::DeleteRow(int row) {
    const int last = RowCount() - 1;
    MoveRow(row, last);
    for (TGridCoord* c : {&current_, &anchor_})
        if (c->Y > row && c->Y < last) --c->Y;
    SetRowCount(last);
}

void TCustomGrid::InsertColumn(int col) {
    if (col < 0 || col > ColCount()) throw EInvalidGridOperation("Grid index out of range");
    const int last = ColCount();
    ChangeSize(last + 1, RowCount());
    MoveColumn(last, col);
    for (TGridCoord* c : {&current_, &anchor_})
        if (c->X >= col && c->X < last) ++c->X;
}

void TCustomGrid::InsertRow(int row) {
    if (row < 0 || row > RowCount()) throw EInvalidGridOperation("Grid index out of range");
    const int last = RowCount();
    ChangeSize(ColCount(), last + 1);
    MoveRow(last, row);
    for (TGridCoord* c : {&current_, &anchor_})
        if (c->Y >= row && c->Y < last) ++c->Y;
}

LRESULT TCustomGrid::DialogCode() const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (options_.Contains(goTabs)) code |= DLGC_WANTTAB;
    return code;
}

void TCustomGrid::DoEnter() {
    TWinControl::DoEnter();
    if (options_.Contains(goAlwaysShowEditor)) ShowEditor();
}

bool TCustomGrid::TabToNextCell(bool backwards) {
    int col = current_.X;
    int row = current_.Y;
    if (backwards) {
        if (--col < FixedCols()) {
            col = ColCount() - 1;
            if (--row < FixedRows()) row = RowCount() - 1;
        }
    } else if (++col >= ColCount()) {
        col = FixedCols();
        if (++row >= RowCount()) row = FixedRows();
    }
    if (col == current_.X && row == current_.Y) return false;
    FocusCell(col, row, MoveAnchor::Yes);
    return true;
}

void TCustomGrid::NavigateKey(uint16_t key, TShiftState shift) {
    int col = current_.X;
    int row = current_.Y;
    const int page = std::max(1, VisibleRowCount());
    const bool ctrl = shift.Contains(ssCtrl);
    switch (key) {
        case VK_UP: --row; break;
        case VK_DOWN: ++row; break;
        case VK_LEFT: options_.Contains(goRowSelect) ? --row : --col; break;
        case VK_RIGHT: options_.Contains(goRowSelect) ? ++row : ++col; break;
        case VK_PRIOR: row -= page; break;
        case VK_NEXT: row += page; break;
        case VK_HOME:
            if (ctrl) row = FixedRows();
            col = FixedCols();
            break;
        case VK_END:
            if (ctrl) row = RowCount() - 1;
            col = ColCount() - 1;
            break;
        default: return;
    }
    col = std::clamp(col, FixedCols(), ColCount() - 1);
    row = std::clamp(row, FixedRows(), RowCount() - 1);
    const bool extend = shift.Contains(ssShift) && options_.Contains(goRangeSelect);
    if (col != current_.X || row != current_.Y || extend) {
        FocusCell(col, row, extend ? MoveAnchor::No : MoveAnchor::Yes);
    }
}

void TCustomGrid::DefaultKeyDown(uint16_t key, TShiftState shift) {
    switch (key) {
        case VK_F2:
            if (options_.Contains(goEditing)) SetEditorMode(true);
            return;
        case VK_TAB:
            if (options_.Contains(goTabs) && !shift.Contains(ssAlt)) TabToNextCell(shift.Contains(ssShift));
            return;
        default: NavigateKey(key, shift); return;
    }
}

void TCustomGrid::DefaultKeyPress(char key) {
    if (key == '\r') {
        if (options_.Contains(goAlwaysShowEditor)) return;
        SetEditorMode(!editorMode_);
        return;
    }
    if (!options_.Contains(goEditing) || static_cast<unsigned char>(key) < ' ') return;
    SetEditorMode(true);
    // The typed character replaces the cell's text, as when typing over a selection.
    if (inplaceEdit_ != nullptr && editCell_ == current_) inplaceEdit_->Perform(WM_CHAR, static_cast<unsigned char>(key));
}

void TCustomGrid::EditorKeyDown(uint16_t& key, TShiftState shift) {
    const int caret = inplaceEdit_->CaretIndex();
    const bool noSelection = inplaceEdit_->SelLength() == 0;
    switch (key) {
        case VK_ESCAPE:
            inplaceEdit_->SetText(editStartText_);
            HideEditor();
            if (!options_.Contains(goAlwaysShowEditor)) editorMode_ = false;
            else ShowEditor();
            key = 0;
            return;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT: break;
        case VK_TAB:
            if (!options_.Contains(goTabs)) return;
            break;
        case VK_LEFT:
            if (!(noSelection && caret == 0)) return;
            break;
        case VK_RIGHT:
            if (!(noSelection && caret == inplaceEdit_->TextLength())) return;
            break;
        case VK_HOME:
        case VK_END:
            if (!shift.Contains(ssCtrl)) return;
            break;
        default: return;
    }
    const uint16_t forwarded = key;
    key = 0;
    DefaultKeyDown(forwarded, shift);
}

void TCustomGrid::EditorKeyPress(char& key) {
    if (key != '\r') return;
    key = 0;
    DefaultKeyPress('\r');
}

// A column's right line inside the fixed rows, give or take two pixels, is its sizing handle.
int TCustomGrid::SizingColumnAt(int x, int y) const {
    if (!options_.Contains(goColSizing) || y < 0 || y >= rows_.FixedExtent()) return -1;
    for (int col = 0; col < ColCount(); ++col) {
        const int start = cols_.Start(col);
        if (start < 0) continue;
        const int edge = start + cols_.Size(col);
        if (x >= edge - 2 && x <= edge + cols_.LineWidth() + 1) return col;
        if (start > x) break;
    }
    return -1;
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWinControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    if (const int col = SizingColumnAt(x, y); col >= 0) {
        HideEditor();
        sizingCol_ = col;
        sizingStart_ = x - cols_.Size(col);
        return;
    }
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < FixedCols() || cell.Y < FixedRows()) return;
    const bool extend = shift.Contains(ssShift) && options_.Contains(goRangeSelect);
    if (cell == current_ && !extend) {
        if (options_.Contains(goEditing)) SetEditorMode(true);
        return;
    }
    FocusCell(cell.X, cell.Y, extend ? MoveAnchor::No : MoveAnchor::Yes);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
    TWinControl::MouseMove(shift, x, y);
    if (sizingCol_ >= 0) SetColWidths(sizingCol_, std::max(0, x - sizingStart_));
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (sizingCol_ >= 0 && button == mbLeft) {
        SetColWidths(sizingCol_, std::max(0, x - sizingStart_));
        sizingCol_ = -1;
    }
    TWinControl::MouseUp(button, shift, x, y);
}

void TCustomGrid::BoundsChanged() {
    TWinControl::BoundsChanged();
    InvalidateEditor();
}

void TCustomGrid::Paint() {
    canvas_->SetFont(Font());
    const TRect client = ClientRect();
    canvas_->Brush()->SetStyle(bsSolid);
    canvas_->Brush()->SetColor(Color());
    canvas_->FillRect(client);
    // Positions are summed along the walk: asking each cell for its start
    // would add up all the lines before it, again for every cell.
    const auto paintRow = [&](int row, int top) {
        int left = 0;
        const auto paintCol = [&](int col) {
            PaintCell(col, row, Bounds(left, top, cols_.Size(col), rows_.Size(row)));
            left += cols_.Size(col) + cols_.LineWidth();
        };
        for (int col = 0; col < FixedCols() && left < ClientWidth(); ++col) paintCol(col);
        for (int col = LeftCol(); col < ColCount() && left < ClientWidth(); ++col) paintCol(col);
    };
    int top = 0;
    const auto paintRows = [&](int from, int to) {
        for (int row = from; row < to && top < ClientHeight(); ++row) {
            paintRow(row, top);
            top += rows_.Size(row) + rows_.LineWidth();
        }
    };
    paintRows(0, FixedRows());
    paintRows(TopRow(), RowCount());
}

void TCustomGrid::PaintCell(int col, int row, const TRect& rect) {
    if (IsRectEmpty(rect)) return;
    TGridDrawState state;
    const bool fixed = col < FixedCols() || row < FixedRows();
    if (fixed) state.Include(gdFixed);
    const bool focusedCell = col == current_.X && row == current_.Y;
    if (focusedCell && (Focused() || (inplaceEdit_ != nullptr && inplaceEdit_->Focused()))) state.Include(gdFocused);
    if (!fixed && Selection().Contains(col, row)) state.Include(gdSelected);
    PaintLines(col, row, rect);
    if (defaultDrawing_) {
        // The current cell keeps the window colour unless the options draw it selected.
        const bool highlight = state.Contains(gdSelected) &&
                               (!focusedCell || options_.Contains(goDrawFocusSelected) || options_.Contains(goRowSelect));
        canvas_->Brush()->SetStyle(bsSolid);
        canvas_->Brush()->SetColor(fixed ? fixedColor_ : (highlight ? clHighlight : Color()));
        canvas_->Font()->SetColor(highlight ? clHighlightText : Font()->Color());
        canvas_->FillRect(rect);
    }
    DrawCell(col, row, rect, state);
}

TColor TCustomGrid::CellLineColor(int col, int row) const {
    return col < FixedCols() || row < FixedRows() ? clBlack : clSilver;
}

void TCustomGrid::PaintLines(int col, int row, const TRect& rect) {
    const bool fixed = col < FixedCols() || row < FixedRows();
    const bool vert = options_.Contains(fixed ? goFixedVertLine : goVertLine);
    const bool horz = options_.Contains(fixed ? goFixedHorzLine : goHorzLine);
    canvas_->Brush()->SetStyle(bsSolid);
    canvas_->Brush()->SetColor(CellLineColor(col, row));
    if (vert && cols_.LineWidth() > 0) {
        canvas_->FillRect(Rect(rect.Right, rect.Top, rect.Right + cols_.LineWidth(), rect.Bottom + rows_.LineWidth()));
    }
    if (horz && rows_.LineWidth() > 0) {
        canvas_->FillRect(Rect(rect.Left, rect.Bottom, rect.Right + cols_.LineWidth(), rect.Bottom + rows_.LineWidth()));
    }
}

}  // namespace rt
