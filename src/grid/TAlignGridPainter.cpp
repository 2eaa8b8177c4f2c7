#include "src/grid/TAlignGridPainter.h"

#include <memory>

#include "platform/core/EmbeddedFile.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TTextLayout.h"
#include "platform/mask/MaskFunctions.h"
#include "src/grid/TStringAlignGrid.h"

const rt::EmbeddedFile* AlignGridPictureFiles(size_t& count);

namespace hemr {
namespace {

std::unique_ptr<rt::TBitmap> LoadPicture(const char* name) {
    auto bitmap = std::make_unique<rt::TBitmap>();
    size_t count = 0;
    const rt::EmbeddedFile* files = AlignGridPictureFiles(count);
    if (const rt::EmbeddedFile* file = rt::FindEmbeddedFile(files, count, name)) {
        const std::string_view bytes = file->Bytes();
        bitmap->LoadFromStream(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }
    return bitmap;
}

uint32_t AlignFlags(TMyAlign align) {
    switch (align) {
        case alRight: return rt::DT_RIGHT;
        case alCenter: return rt::DT_CENTER;
        default: return rt::DT_LEFT;
    }
}

uint32_t WrapFlags(T_Wordwrap wrap) {
    switch (wrap) {
        case ww_wordwrap: return rt::DT_WORDBREAK;
        case ww_ellipsis: return rt::DT_SINGLELINE | rt::DT_END_ELLIPSIS;
        default: return rt::DT_SINGLELINE;
    }
}

}  // namespace

TAlignGridPainter::TAlignGridPainter(TStringAlignGrid& grid) : grid_(grid), canvas_(*grid.Canvas()) {}

const rt::TBitmap& TAlignGridPainter::Picture(bool checked) {
    static const std::unique_ptr<rt::TBitmap> check = LoadPicture("CHECK.bmp");
    static const std::unique_ptr<rt::TBitmap> uncheck = LoadPicture("UNCHECK.bmp");
    return checked ? *check : *uncheck;
}

std::string TAlignGridPainter::ShownText(const std::string& mask, const std::string& text) {
    if (mask.empty()) return text;
    const std::string shown = rt::FormatMaskText(mask, text);
    return shown == rt::FormatMaskText(mask, {}) ? std::string() : shown;
}

// The current cell keeps its own colours unless the options draw it selected.
bool TAlignGridPainter::DrawnSelected(rt::TGridDrawState state) const {
    if (!grid_.DrawSelection() || !state.Contains(rt::gdSelected)) return false;
    return !state.Contains(rt::gdFocused) || grid_.Options().Contains(rt::goDrawFocusSelected) ||
           grid_.Options().Contains(rt::goRowSelect);
}

void TAlignGridPainter::PrepareColors(int col, int row, rt::TGridDrawState state, rt::TBrush& brush,
                                      rt::TFont& font) const {
    const bool fixed = grid_.IsFixed(col, row);
    const rt::TFont* ownFont = grid_.Resolve(col, row, [](const TCellProperties& p) { return p.Font.get(); });
    font.Assign(ownFont != nullptr ? ownFont : grid_.Font());
    const rt::TBrush* ownBrush = grid_.Resolve(col, row, [](const TCellProperties& p) { return p.Brush.get(); });
    if (ownBrush != nullptr) {
        brush.Assign(ownBrush);
    } else {
        brush.SetStyle(rt::bsSolid);
        brush.SetColor(fixed ? grid_.FixedColor() : grid_.Color());
    }
    if (!fixed && DrawnSelected(state)) {
        const auto* selBrush = grid_.Resolve(col, row, [](const TCellProperties& p) { return p.SelectedBrush.get(); });
        if (selBrush != nullptr) brush.Assign(selBrush);
        else brush.SetColor(grid_.SelectedCellColor());
        const auto* selFont = grid_.Resolve(col, row, [](const TCellProperties& p) { return p.SelectedFont.get(); });
        if (selFont != nullptr) font.Assign(selFont);
        else font.SetColor(grid_.SelectedFontColor());
    }
    grid_.OnCalcCellColors(&grid_, col, row, state, &brush, &font);
}

void TAlignGridPainter::Draw(int col, int row, const rt::TRect& rect, rt::TGridDrawState state) {
    rt::TBrush brush;
    rt::TFont font;
    PrepareColors(col, row, state, brush, font);
    canvas_.SetBrush(&brush);
    canvas_.SetFont(&font);
    canvas_.FillRect(rect);
    const TControlInfo* editor = grid_.CellEditor(col, row);
    if (editor != nullptr && editor->Kind() == ekCheckBox) {
        DrawCheckBox(*editor, grid_.Cells(col, row), rect);
        return;
    }
    DrawCellText(col, row, rect);
    const bool current = col == grid_.Col() && row == grid_.Row();
    const bool buttons = grid_.Options().Contains(rt::goEditing) && !grid_.Options().Contains(rt::goRowSelect);
    if (current && buttons && editor != nullptr && (editor->Kind() == ekButton || editor->Kind() == ekDropDown)) {
        DrawButton(*editor, grid_.CellEditable(col, row), rect);
    }
}

void TAlignGridPainter::DrawCellText(int col, int row, const rt::TRect& rect) {
    rt::TRect inner = rect;
    rt::InflateRect(inner, -2, -2);
    const std::string text = ShownText(grid_.CellEditMask(col, row), grid_.Cells(col, row));
    canvas_.Brush()->SetStyle(rt::bsClear);
    const uint32_t flags =
        rt::DT_NOPREFIX | AlignFlags(grid_.CellAlignment(col, row)) | WrapFlags(grid_.CellWordwrap(col, row));
    canvas_.DrawText(text, inner, flags);
}

void TAlignGridPainter::DrawCheckBox(const TControlInfo& editor, const std::string& text, const rt::TRect& rect) {
    const rt::TBitmap& picture = Picture(editor.IsChecked(text));
    canvas_.Draw(rect.Left + (rect.Width() - picture.Width()) / 2, rect.Top + (rect.Height() - picture.Height()) / 2,
                 picture);
}

void TAlignGridPainter::DrawButton(const TControlInfo& editor, bool editable, const rt::TRect& rect) {
    const rt::TRect button = rt::Rect(rect.Right - kButtonWidth, rect.Top, rect.Right, rect.Bottom);
    canvas_.Brush()->SetStyle(rt::bsSolid);
    canvas_.Brush()->SetColor(rt::clBtnFace);
    canvas_.FillRect(button);
    canvas_.Brush()->SetColor(rt::clBtnShadow);
    canvas_.FrameRect(button);
    const int cx = button.Left + kButtonWidth / 2;
    const int cy = button.Top + button.Height() / 2;
    canvas_.Brush()->SetColor(editor.Kind() == ekDropDown && !editable ? rt::clGrayText : rt::clBlack);
    if (editor.Kind() == ekDropDown) {
        for (int i = 0; i < 4; ++i) canvas_.FillRect(rt::Rect(cx - 3 + i, cy - 1 + i, cx + 4 - i, cy + i));
        return;
    }
    for (int dx : {-4, 0, 4}) canvas_.FillRect(rt::Rect(cx + dx - 1, cy + 2, cx + dx + 1, cy + 4));
}

}  // namespace hemr
