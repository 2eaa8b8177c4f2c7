#include <string>

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TTextLayout.h"
#include "src/grid/TAlignGridPainter.h"
#include "tests/src/grid/AlignGridTestSupport.h"

namespace hemr_test {
namespace {

using hemr::TPropTarget;
using Op = rt::TCanvasOperation;

class AlignGridDrawTest : public AlignGridTest {
protected:
    // The operations of one whole paint of the grid.
    const std::vector<Op>& Paint() {
        rt::TCanvas* canvas = grid->Canvas();
        canvas->ClearOperations();
        canvas->StartRecording();
        grid->Invalidate();
        grid->Repaint();
        canvas->StopRecording();
        return canvas->Operations();
    }
    // The text drawn inside cell (col, row).
    const Op* TextIn(int col, int row) {
        const rt::TRect cell = grid->CellRect(col, row);
        for (const Op& op : Paint()) {
            if (op.Kind != rt::TCanvasOpKind::DrawText || !rt::PtInRect(cell, {op.Rect.Left, op.Rect.Top})) continue;
            ops_ = op;
            return &ops_;
        }
        return nullptr;
    }
    Op ops_;
};

TEST_F(AlignGridDrawTest, ACellDrawsWithItsOwnAlignmentAndFallsBackToItsColumns) {
    grid->SetCells(2, 1, "abc");
    grid->SetAlignmentOf(TPropTarget::Column(2), hemr::alRight);
    grid->SetAlignmentOf(TPropTarget::Cell(2, 1), hemr::alCenter);
    ASSERT_NE(TextIn(2, 1), nullptr);
    EXPECT_EQ(ops_.Flags & (rt::DT_CENTER | rt::DT_RIGHT), rt::DT_CENTER);
    EXPECT_TRUE(ops_.Flags & rt::DT_NOPREFIX) << "an ampersand is no accelerator in a cell";
    grid->SetAlignmentOf(TPropTarget::Cell(2, 1), hemr::alDefault);
    ASSERT_NE(TextIn(2, 1), nullptr);
    EXPECT_EQ(ops_.Flags & (rt::DT_CENTER | rt::DT_RIGHT), rt::DT_RIGHT);

    grid->SetWordwrapOf(TPropTarget::Line(1), hemr::ww_ellipsis);
    ASSERT_NE(TextIn(2, 1), nullptr);
    EXPECT_TRUE(ops_.Flags & rt::DT_END_ELLIPSIS);
}

TEST_F(AlignGridDrawTest, MaskedTextsAndTheEmptyMaskShowBlank) {
    EXPECT_EQ(hemr::TAlignGridPainter::ShownText("", "x"), "x");
    EXPECT_EQ(hemr::TAlignGridPainter::ShownText("!999;1;_", ""), "") << "the formatted empty mask shows nothing";
    EXPECT_NE(hemr::TAlignGridPainter::ShownText("!999;1;_", "12"), "");
}

TEST_F(AlignGridDrawTest, CheckBoxesSelectionLinesAndTheCurrentCellsButton) {
    grid->SetCellEditor(1, -1, hemr::ekCheckBox, "Y;N");
    grid->SetCells(1, 1, "Y");
    grid->SetCellEditor(2, 2, hemr::ekButton);
    grid->SetGridLineColor(rt::clBlue);
    grid->SetSelectedCellColor(rt::clLime);
    grid->SetOptions(grid->Options() + rt::TGridOptions{rt::goRangeSelect});
    grid->SetSelection({3, 1, 3, 3});
    Go(2, 2);
    grid->SetSelection({3, 3, 2, 2});
    int pictures = 0, lines = 0, selected = 0, buttons = 0;
    const rt::TRect button = grid->CellRect(2, 2);
    for (const Op& op : Paint()) {
        if (op.Kind == rt::TCanvasOpKind::Draw && op.Rect.Width() == 19 && op.Rect.Height() == 14) ++pictures;
        if (op.Kind != rt::TCanvasOpKind::FillRect) continue;
        lines += op.BrushColor == rt::clBlue;
        selected += op.BrushColor == rt::clLime;
        buttons += op.BrushColor == rt::clBtnFace && op.Rect.Left == button.Right - 16;
    }
    EXPECT_EQ(pictures, 3) << "every check-box cell shows a picture";
    EXPECT_GT(lines, 0) << "grid lines in GridLineColor";
    EXPECT_EQ(selected, 3) << "the selected cells but the focused one";
    EXPECT_EQ(buttons, 1) << "the focused button cell shows its button";
    EXPECT_EQ(hemr::TAlignGridPainter::Picture(true).Width(), 19);
}

}  // namespace
}  // namespace hemr_test
