#include <string>

#include "platform/clipbrd/TClipboard.h"
#include "platform/controls/HintInfo.h"
#include "platform/graphics/TBrush.h"
#include "tests/src/grid/AlignGridTestSupport.h"

namespace hemr_test {
namespace {

using hemr::TPropTarget;

struct TByFirstColumn : rt::TObject {
    hemr::TStringAlignGrid* Grid = nullptr;
    void Compare(rt::TObject*, int a, int b, int& result) {
        result = Grid->Cells(1, a).compare(Grid->Cells(1, b));
    }
};

TEST_F(AlignGridTest, InsertingAndRemovingRowsCarriesRecordsHintsAndTheCurrentRow) {
    grid->SetCells(1, 2, "two");
    grid->SetCellHint(1, 2, "hint two");
    grid->SetAlignmentOf(TPropTarget::Cell(1, 2), hemr::alRight);
    grid->SetEditableOf(TPropTarget::Line(3), hemr::efNo);
    Go(2, 2);
    grid->InsertRow(0);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->Cells(1, 1), "") << "an index inside the fixed rows inserts before the first data row";
    EXPECT_EQ(grid->Cells(1, 3), "two");
    EXPECT_EQ(grid->CellHint(1, 3), "hint two");
    EXPECT_EQ(grid->AlignmentOf(TPropTarget::Cell(1, 3)), hemr::alRight);
    EXPECT_EQ(grid->EditableOf(TPropTarget::Line(4)), hemr::efNo);
    EXPECT_EQ(grid->CellHint(1, 2), "") << "the new row is empty";
    EXPECT_EQ(grid->Row(), 3) << "the current row follows its content";

    grid->RemoveRow(1);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(1, 2), "two");
    EXPECT_EQ(grid->CellHint(1, 2), "hint two");
    EXPECT_EQ(grid->EditableOf(TPropTarget::Line(3)), hemr::efNo);
    EXPECT_EQ(grid->Row(), 2);
    grid->RemoveRow(0);
    EXPECT_EQ(grid->RowCount(), 4) << "fixed rows are not removed";
}

TEST_F(AlignGridTest, RemovingTheOnlyDataRowLeavesOneEmptyRow) {
    grid->SetRowCount(2);
    grid->SetCells(1, 1, "only");
    grid->SetCellHint(1, 1, "h");
    grid->SetAlignmentOf(TPropTarget::Cell(1, 1), hemr::alCenter);
    grid->RemoveRow(1);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(grid->CellHint(1, 1), "");
    EXPECT_EQ(grid->Props(TPropTarget::Cell(1, 1)), nullptr);
}

TEST_F(AlignGridTest, SortingByTheCompareEventMovesFormattingWithTheRows) {
    TByFirstColumn order;
    order.Grid = grid;
    grid->OnCompareRow = hemr::TCompareFunction::Of<&TByFirstColumn::Compare>(&order);
    grid->SetRowCount(6);
    const char* names[] = {"d", "b", "e", "a", "c"};
    for (int r = 1; r <= 5; ++r) grid->SetCells(1, r, names[r - 1]);
    rt::TBrush red;
    red.SetColor(rt::clRed);
    grid->SetBrushOf(TPropTarget::Cell(2, 3), &red);
    grid->SetCellHint(1, 4, "was fourth");
    grid->SortRows(1, 5);
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(grid->Cells(1, r), std::string(1, static_cast<char>('a' + r - 1)));
    EXPECT_EQ(grid->BrushOf(TPropTarget::Cell(2, 5))->Color(), rt::clRed) << "\"e\"'s formatting went with it";
    EXPECT_EQ(grid->CellHint(1, 1), "was fourth");
    EXPECT_EQ(grid->Cells(0, 0), "") << "the fixed row stays out of the range";
}

TEST_F(AlignGridTest, ClipboardCopyCutAndPasteOfARectangle) {
    grid->SetOptions(grid->Options() + rt::TGridOptions{rt::goRangeSelect});
    grid->SetCells(1, 1, "a");
    grid->SetCells(2, 1, "b");
    grid->SetCells(1, 2, "c");
    grid->SetSelection({1, 1, 2, 2});
    Press(rt::VK_INSERT, {rt::ssCtrl});
    EXPECT_EQ(rt::Clipboard().AsText(), "a\tb\t\r\nc\t\t\r\n");
    Press(rt::VK_DELETE, {rt::ssShift});
    EXPECT_EQ(grid->Cells(1, 1) + grid->Cells(2, 1) + grid->Cells(1, 2), "") << "cut empties the copied cells";
    Go(2, 2);
    Press(rt::VK_INSERT, {rt::ssShift});
    EXPECT_EQ(grid->Cells(2, 2), "a");
    EXPECT_EQ(grid->Cells(3, 2), "b");
    EXPECT_EQ(grid->Cells(2, 3), "c");

    rt::Clipboard().SetAsText("1\t2\t3\t4\r\n5\r\n6\r\n7\r\n");
    Go(3, 3);
    Press(rt::VK_INSERT, {rt::ssShift});
    EXPECT_EQ(grid->Cells(3, 3), "1") << "what lies beyond the grid is dropped";
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 4) << "a paste never adds lines";
}

struct THintLog : rt::TObject {
    void Show(rt::TObject*, int col, int row, rt::THintInfo&, bool& show, std::string& text) {
        if (col == 2) {
            text = "editing " + std::to_string(row);
            show = true;
        }
        if (col == 3) show = false;
    }
};

TEST_F(AlignGridTest, CellHintsAreAskedForTheCellUnderTheMouse) {
    grid->SetCellHint(1, 1, "first");
    const rt::TRect r11 = grid->CellRect(1, 1);
    rt::THintInfo info;
    ASSERT_TRUE(rt::QueryControlHint(*grid, {r11.Left + 3, r11.Top + 3}, info));
    EXPECT_EQ(info.HintStr, "first");
    EXPECT_EQ(info.HintPos.X, r11.Left) << "the hint sits at the cell's top-left corner";
    const rt::TRect r21 = grid->CellRect(2, 1);
    EXPECT_FALSE(rt::QueryControlHint(*grid, {r21.Left + 3, r21.Top + 3}, info)) << "no hint, nothing shown";

    THintLog log;
    grid->OnShowHintCell = hemr::TShowHintCellProc::Of<&THintLog::Show>(&log);
    grid->SetCellHint(3, 1, "hidden");
    ASSERT_TRUE(rt::QueryControlHint(*grid, {r21.Left + 3, r21.Top + 3}, info));
    EXPECT_EQ(info.HintStr, "editing 1") << "the handler may change the text";
    const rt::TRect r31 = grid->CellRect(3, 1);
    EXPECT_FALSE(rt::QueryControlHint(*grid, {r31.Left + 3, r31.Top + 3}, info)) << "and refuse the hint";
}

TEST_F(AlignGridTest, TheLastColumnTakesTheRestOfTheWidth) {
    grid->SetAutoAdjustLastCol(true);
    const int others = grid->ColWidths(0) + grid->ColWidths(1) + grid->ColWidths(2);
    EXPECT_EQ(grid->ColWidths(3), grid->ClientWidth() - others - 4 * grid->GridLineWidth());
    grid->SetWidth(grid->Width() + 50);
    EXPECT_EQ(grid->ColWidths(3), grid->ClientWidth() - others - 4 * grid->GridLineWidth()) << "and follows resizing";
}

}  // namespace
}  // namespace hemr_test
