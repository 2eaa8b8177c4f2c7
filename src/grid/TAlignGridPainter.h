#pragma once
// Draws one cell of an aligned string grid: the resolved font and brush (or
// the selected ones), OnCalcCellColors, then the text aligned, wrapped or cut
// with an ellipsis and shown through its edit mask, or a check box picture,
// and the button of the current button or drop-down cell.

#include "platform/graphics/Geometry.h"
#include "platform/grids/GridTypes.h"

namespace rt {
class TBitmap;
class TBrush;
class TCanvas;
class TFont;
}  // namespace rt

namespace hemr {

class TControlInfo;
class TStringAlignGrid;

class TAlignGridPainter {
public:
    // Width of the button a button or drop-down cell shows at its right edge.
    static constexpr int kButtonWidth = 16;

    explicit TAlignGridPainter(TStringAlignGrid& grid);
    void Draw(int col, int row, const rt::TRect& rect, rt::TGridDrawState state);

    // "CHECK" or "UNCHECK", 19 x 14, shipped with the library.
    static const rt::TBitmap& Picture(bool checked);
    // The text as the cell shows it: formatted by its mask, blank when that equals the empty mask.
    static std::string ShownText(const std::string& mask, const std::string& text);

private:
    bool DrawnSelected(rt::TGridDrawState state) const;
    void PrepareColors(int col, int row, rt::TGridDrawState state, rt::TBrush& brush, rt::TFont& font) const;
    void DrawCellText(int col, int row, const rt::TRect& rect);
    void DrawCheckBox(const TControlInfo& editor, const std::string& text, const rt::TRect& rect);
    void DrawButton(const TControlInfo& editor, bool editable, const rt::TRect& rect);

    TStringAlignGrid& grid_;
    rt::TCanvas& canvas_;
};

}  // namespace hemr
