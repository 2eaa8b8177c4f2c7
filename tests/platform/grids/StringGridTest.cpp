#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/TStringList.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/forms/ToolkitClasses.h"
#include "platform/grids/TInplaceEdit.h"
#include "platform/grids/TStringGrid.h"
#include "platform/streaming/FormResources.h"

namespace rt {
namespace {

// Records the grid's events and may refuse cells.
struct TGridLog : TObject {
    std::vector<std::string> Lines;
    TGridCoord Refused{-1, -1};
    void SelectCell(TObject*, int col, int row, bool& canSelect) {
        Lines.push_back("select " + std::to_string(col) + "," + std::to_string(row));
        if (col == Refused.X && row == Refused.Y) canSelect = false;
    }
    void SetEditText(TObject*, int col, int row, const std::string& value) {
        Lines.push_back("set " + std::to_string(col) + "," + std::to_string(row) + "=" + value);
    }
    void DrawCell(TObject*, int col, int row, TRect, TGridDrawState state) {
        if (state.Contains(gdSelected)) Lines.push_back("selected " + std::to_string(col) + "," + std::to_string(row));
    }
};

class StringGridTest : public ::testing::Test {
protected:
    StringGridTest() : grid_(nullptr) {
        grid_.OnSelectCell = TSelectCellEvent::Of<&TGridLog::SelectCell>(&log_);
        grid_.OnSetEditText = TSetEditEvent::Of<&TGridLog::SetEditText>(&log_);
    }
    void Key(uint16_t key, TShiftState shift = {}) { grid_.Perform(WM_KEYDOWN, key, KeyDataFromShift(shift)); }
    void EditorKey(uint16_t key, TShiftState shift = {}) {
        grid_.InplaceEditor()->Perform(WM_KEYDOWN, key, KeyDataFromShift(shift));
    }
    void TypeInEditor(const std::string& text) {
        for (char c : text) grid_.InplaceEditor()->Perform(WM_CHAR, static_cast<unsigned char>(c));
    }

    TGridLog log_;
    TStringGrid grid_;
};

TEST_F(StringGridTest, CellsColsAndRowsShareTheSameStorage) {
    grid_.SetCells(2, 3, "x");
    EXPECT_EQ(grid_.Cols(2)->Strings(3), "x");
    EXPECT_EQ(grid_.Rows(3)->Strings(2), "x");
    grid_.Rows(1)->SetCommaText("a,b,c");
    EXPECT_EQ(grid_.Cells(1, 1), "b");
    EXPECT_EQ(grid_.Cells(4, 1), "") << "assigning a shorter list empties the rest";
    EXPECT_EQ(grid_.Cells(9, 9), "") << "reading outside the grid gives nothing";
    EXPECT_THROW(grid_.SetCells(5, 0, "y"), EInvalidGridOperation);
    EXPECT_THROW(grid_.Cols(0)->Insert(0, "z"), EInvalidGridOperation);
}

TEST_F(StringGridTest, ShrinkingDropsCellsAndMovingRowsCarriesThem) {
    grid_.SetCells(1, 1, "one");
    grid_.SetCells(1, 2, "two");
    grid_.MoveRow(1, 3);
    EXPECT_EQ(grid_.Cells(1, 1), "two");
    EXPECT_EQ(grid_.Cells(1, 3), "one");
    grid_.SetRowCount(3);
    grid_.SetRowCount(5);
    EXPECT_EQ(grid_.Cells(1, 3), "") << "a row cut off does not come back";
    EXPECT_THROW(grid_.SetFixedCols(5), EInvalidGridOperation);
    EXPECT_EQ(grid_.FixedCols(), 1) << "a refused fixed count changes nothing";
}

TEST_F(StringGridTest, ArrowsMoveTheCurrentCellWithinTheDataCells) {
    EXPECT_EQ(grid_.Col(), 1);
    EXPECT_EQ(grid_.Row(), 1);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(grid_.Col(), 2);
    EXPECT_EQ(grid_.Row(), 2);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(grid_.Row(), 1) << "the fixed row is never current";
    Key(VK_END);
    EXPECT_EQ(grid_.Col(), 4);
    Key(VK_DOWN, {ssShift});
    EXPECT_EQ(grid_.Selection(), (TGridRect{4, 1, 4, 2})) << "Shift extends the selection";
    Key(VK_HOME);
    EXPECT_EQ(grid_.Selection(), (TGridRect{1, 2, 1, 2}));
}

TEST_F(StringGridTest, SelectCellVetoKeepsTheCurrentCell) {
    log_.Refused = {2, 1};
    Key(VK_RIGHT);
    EXPECT_EQ(grid_.Col(), 1) << "the refused cell is not entered";
    EXPECT_EQ(log_.Lines.back(), "select 2,1");
    grid_.SetRow(3);
    EXPECT_EQ(grid_.Row(), 3);
}

TEST_F(StringGridTest, RowSelectSelectsWholeRowsAndNeverEdits) {
    grid_.SetOptions(grid_.Options() + TGridOptions{goRowSelect, goEditing});
    grid_.SetRow(2);
    EXPECT_EQ(grid_.Selection(), (TGridRect{1, 2, 4, 2}));
    Key(VK_F2);
    EXPECT_FALSE(grid_.EditorMode()) << "whole-row selection has no editor";
}

TEST_F(StringGridTest, TabsMoveAlongTheRowAndWrapOnlyWithGoTabs) {
    Key(VK_TAB);
    EXPECT_EQ(grid_.Col(), 1) << "without goTabs Tab is not the grid's";
    grid_.SetOptions(grid_.Options() + TGridOptions{goTabs});
    grid_.SetCol(4);
    Key(VK_TAB);
    EXPECT_EQ(grid_.Col(), 1);
    EXPECT_EQ(grid_.Row(), 2) << "Tab after the last column goes to the next row";
    Key(VK_TAB, {ssShift});
    EXPECT_EQ(grid_.Col(), 4);
    EXPECT_EQ(grid_.Row(), 1);
}

TEST_F(StringGridTest, EditorOpensWithF2AndWritesBackWhenTheCellMoves) {
    grid_.SetCells(1, 1, "old");
    Key(VK_F2);
    EXPECT_FALSE(grid_.EditorMode()) << "no editor without goEditing";
    grid_.SetOptions(grid_.Options() + TGridOptions{goEditing});
    Key(VK_F2);
    ASSERT_TRUE(grid_.EditorMode());
    TInplaceEdit* editor = grid_.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Visible());
    EXPECT_EQ(editor->GetText(), "old");
    EXPECT_EQ(editor->BoundsRect(), grid_.CellRect(1, 1)) << "the editor covers the cell";
    TypeInEditor("new");
    EditorKey(VK_DOWN);
    EXPECT_EQ(grid_.Cells(1, 1), "new") << "leaving the cell writes the text back";
    ASSERT_GE(log_.Lines.size(), 2u);
    EXPECT_EQ(log_.Lines[log_.Lines.size() - 2], "select 1,2") << "the new cell is asked before the old one is written";
    EXPECT_EQ(log_.Lines.back(), "set 1,1=new");
    EXPECT_EQ(grid_.Row(), 2);
    EXPECT_TRUE(grid_.EditorMode()) << "editor mode goes along to the next cell";
    EXPECT_EQ(editor->GetText(), "");
}

TEST_F(StringGridTest, EnterClosesAndEscapeAbandonsTheEdit) {
    grid_.SetOptions(grid_.Options() + TGridOptions{goEditing});
    grid_.SetCells(1, 1, "keep");
    grid_.Perform(WM_CHAR, 'z');
    ASSERT_TRUE(grid_.EditorMode()) << "typing opens the editor";
    EXPECT_EQ(grid_.InplaceEditor()->GetText(), "z") << "the typed character replaces the text";
    EditorKey(VK_ESCAPE);
    EXPECT_FALSE(grid_.EditorMode());
    EXPECT_EQ(grid_.Cells(1, 1), "keep") << "Escape writes nothing";

    grid_.Perform(WM_CHAR, '\r');
    ASSERT_TRUE(grid_.EditorMode()) << "Enter opens the editor";
    TypeInEditor("q\r");
    EXPECT_FALSE(grid_.EditorMode()) << "Enter in the editor closes it";
    EXPECT_EQ(grid_.Cells(1, 1), "q");
}

TEST_F(StringGridTest, CellChangedByProgramShowsInTheOpenEditor) {
    grid_.SetOptions(grid_.Options() + TGridOptions{goEditing});
    grid_.SetEditorMode(true);
    grid_.SetCells(1, 1, "fresh");
    EXPECT_EQ(grid_.InplaceEditor()->GetText(), "fresh");
}

TEST_F(StringGridTest, MouseToCellAndScrollingFollowTheSizes) {
    grid_.SetBounds(0, 0, 200, 100);
    grid_.SetColWidths(0, 30);
    int col = 0;
    int row = 0;
    grid_.MouseToCell(35, 30, col, row);
    EXPECT_EQ(col, 1) << "column 0 is 30 wide plus a line";
    EXPECT_EQ(row, 1);
    grid_.SetRowCount(20);
    grid_.SetRow(10);
    EXPECT_GT(grid_.TopRow(), 1) << "the current row is scrolled into view";
    EXPECT_FALSE(IsRectEmpty(grid_.CellRect(1, 10)));
    EXPECT_TRUE(IsRectEmpty(grid_.CellRect(1, 1))) << "a row scrolled away has no rectangle";
    grid_.MouseToCell(5, 5, col, row);
    EXPECT_EQ(row, 0) << "the fixed row stays on top";
}

TEST_F(StringGridTest, PaintDrawsTextAndReportsTheSelection) {
    grid_.OnDrawCell = TDrawCellEvent::Of<&TGridLog::DrawCell>(&log_);
    grid_.SetBounds(0, 0, 200, 80);
    grid_.SetOptions(grid_.Options() + TGridOptions{goRowSelect});
    grid_.SetRow(2);
    grid_.SetCells(1, 1, "W");
    TBitmap surface(200, 80);
    grid_.Canvas()->SetTarget(&surface);
    log_.Lines.clear();
    grid_.Repaint();
    EXPECT_NE(std::find(log_.Lines.begin(), log_.Lines.end(), "selected 2,2"), log_.Lines.end());
    EXPECT_EQ(std::count_if(log_.Lines.begin(), log_.Lines.end(), [](const std::string& l) { return l.find(",1") != std::string::npos; }), 0)
        << "row 1 is not selected";
    const TRect cell = grid_.CellRect(1, 1);
    bool inked = false;
    for (int x = cell.Left; x < cell.Right; ++x)
        for (int y = cell.Top; y < cell.Bottom; ++y) inked |= surface.GetPixel(x, y) != grid_.Color() && surface.GetPixel(x, y) != clWindow;
    EXPECT_TRUE(inked) << "the cell text is drawn";
}

TEST_F(StringGridTest, FormResourceKeepsCountsOptionsAndSizes) {
    RegisterToolkitClasses();
    TComponent root(nullptr);
    root.SetName("Root");
    auto* grid = new TStringGrid(&root);
    grid->SetName("sgUsers");
    grid->SetColCount(3);
    grid->SetRowCount(7);
    grid->SetFixedCols(0);
    grid->SetOptions(TGridOptions{goFixedVertLine, goRowSelect});
    grid->SetColWidths(1, 120);
    const std::string text = WriteComponentResText(grid);
    EXPECT_NE(text.find("ColWidths"), std::string::npos) << text;
    EXPECT_EQ(text.find("RowHeights"), std::string::npos) << "default heights are not stored: " << text;

    TStringGrid loaded(nullptr);
    ReadComponentResText(&loaded, text);
    EXPECT_EQ(loaded.ColCount(), 3);
    EXPECT_EQ(loaded.RowCount(), 7);
    EXPECT_EQ(loaded.FixedCols(), 0);
    EXPECT_EQ(loaded.Options(), (TGridOptions{goFixedVertLine, goRowSelect}));
    EXPECT_EQ(loaded.ColWidths(1), 120);
    EXPECT_EQ(loaded.ColWidths(0), 64);
}

}  // namespace
}  // namespace rt
