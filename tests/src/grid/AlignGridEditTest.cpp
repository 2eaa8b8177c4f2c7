#include <string>

#include "platform/sysutils/Beep.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"
#include "tests/src/grid/AlignGridTestSupport.h"

namespace hemr_test {
namespace {

using rt::VK_RETURN;

TEST_F(AlignGridTest, ACheckBoxCellHoldingNeitherValueReadsUncheckedAndSpaceChecksIt) {
    grid->SetCellEditor(2, -1, hemr::ekCheckBox, "Y;N");
    grid->SetCells(2, 1, "maybe");
    EXPECT_EQ(grid->CellText(2, 1), "N") << "neither value reads as the unchecked one";
    Go(2, 1);
    Press(rt::VK_SPACE);
    EXPECT_EQ(grid->Cells(2, 1), "Y") << "Space toggles to the checked value";
    Type("x");
    EXPECT_EQ(grid->Cells(2, 1), "Y") << "other characters are ignored";
    Press(rt::VK_DELETE);
    Press(rt::VK_SPACE);
    EXPECT_EQ(grid->CellText(2, 1), "N");
}

TEST_F(AlignGridTest, EnterInTheLastCellAppendsARowAndOpensItsFirstDataCell) {
    grid->AutoEditNextCell = true;
    Go(3, 3);
    Type("z");
    Press(VK_RETURN);
    EXPECT_EQ(grid->Cells(3, 3), "z");
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(At(), (rt::TGridCoord{1, 4}));
    EXPECT_TRUE(Editing()) << "the editor moved on with the walk";
    EXPECT_EQ(events.Lines, (std::vector<std::string>{"before 3,3", "validate 3,3", "after 3,3", "before 1,4"}));
}

TEST_F(AlignGridTest, AnInvalidEditKeepsTheCellAndEscapeRestoresTheText) {
    grid->AutoEditNextCell = true;
    grid->SetCells(1, 1, "old");
    Go(1, 1);
    Type("bad");
    events.RefuseNext = true;
    Press(VK_RETURN);
    EXPECT_EQ(At(), (rt::TGridCoord{1, 1})) << "the refused edit keeps the cell";
    EXPECT_TRUE(Editing());
    Press(rt::VK_ESCAPE);
    EXPECT_EQ(grid->Cells(1, 1), "old") << "Escape writes back the text the edit began with";
    EXPECT_EQ(At(), (rt::TGridCoord{2, 1})) << "and then goes on as Enter does";
    EXPECT_NE(std::find(events.Lines.begin(), events.Lines.end(), "cancel 1,1"), events.Lines.end());

    next->SetFocus();
    EXPECT_EQ(events.Lines.back(), "after 2,1") << "leaving the grid ends the open edit";
}

TEST_F(AlignGridTest, AltEnterOrAClickOnTheButtonOfAButtonCellAsksForIt) {
    grid->SetCellEditor(1, 2, hemr::ekButton, "...");
    grid->SetCellEditor(2, 2, hemr::ekDropDown, {}, {"Mail", "SMS"});
    Go(1, 2);
    Press(rt::VK_F2);
    Press(VK_RETURN, {rt::ssAlt});
    EXPECT_EQ(events.Lines.back(), "button 1,2");
    const rt::TRect cell = grid->CellRect(1, 2);
    EXPECT_EQ(grid->InplaceEditor()->Width(), cell.Width() - 16) << "the editor leaves the button free";
    const rt::TPoint onButton = grid->ClientToRoot({cell.Right - 4, cell.Top + 4});
    rt::Input().MouseDown(form, onButton);
    rt::Input().MouseUp(form, onButton);
    EXPECT_EQ(std::count(events.Lines.begin(), events.Lines.end(), "button 1,2"), 2);

    Go(2, 2);
    const rt::TRect list = grid->CellRect(2, 2);
    const rt::TPoint arrow = grid->ClientToRoot({list.Right - 4, list.Top + 4});
    rt::Input().MouseDown(form, arrow);
    rt::Input().MouseUp(form, arrow);
    EXPECT_EQ(grid->Cells(2, 2), "Mail") << "the drop-down button steps through the items";
    Press(rt::VK_DOWN, {rt::ssAlt});
    EXPECT_EQ(grid->Cells(2, 2), "SMS");
}

TEST_F(AlignGridTest, ListOnlyTypingFindsItemsAndForgetsAfterTwoSeconds) {
    grid->SetCellEditor(3, -1, hemr::ekDropDown, {}, {"Mail", "Message", "SMS"}, true);
    rt::TDateTime now = rt::EncodeDateTime(2026, 1, 5, 9, 0, 0, 0);
    rt::SetClockOverride(now);
    Go(3, 1);
    Type("me");
    EXPECT_EQ(grid->Cells(3, 1), "Message") << "\"me\" is the start of the second item";
    const int beeps = rt::BeepCount();
    Type("x");
    EXPECT_EQ(rt::BeepCount(), beeps + 1) << "a character that finds nothing is refused with a beep";
    EXPECT_EQ(grid->Cells(3, 1), "Message");
    Press(rt::VK_BACK);
    EXPECT_EQ(grid->Cells(3, 1), "Mail") << "Backspace leaves \"m\"";

    rt::SetClockOverride(now + 1.9 / 86400);
    Type("e");
    EXPECT_EQ(grid->Cells(3, 1), "Message") << "within two seconds the typing goes on";
    rt::SetClockOverride(now + 4.0 / 86400);
    Type("s");
    EXPECT_EQ(grid->Cells(3, 1), "SMS") << "after a pause it starts again";
    Press(rt::VK_DELETE);
    EXPECT_EQ(grid->Cells(3, 1), "SMS") << "Delete is ignored in a list-only cell";
    rt::SetClockOverride(std::nullopt);
    EXPECT_EQ(std::count(events.Lines.begin(), events.Lines.end(), "combo 3,1"), 5) << "every item found is reported";
}

TEST_F(AlignGridTest, ACharacterTheCellsMaskRefusesBeeps) {
    grid->SetEditMaskOf(hemr::TPropTarget::Column(1), "999;0;_");
    Go(1, 1);
    const int beeps = rt::BeepCount();
    Type("7a");
    EXPECT_EQ(rt::BeepCount(), beeps + 1);
    EXPECT_EQ(EditorText().substr(0, 1), "7");
}

TEST_F(AlignGridTest, TabSkipsColumnsWithoutTabStopAndWrapsToTheFirstCell) {
    grid->SetOptions(grid->Options() + rt::TGridOptions{rt::goTabs});
    grid->SetColTabStop(2, false);
    Go(1, 1);
    Press(rt::VK_TAB);
    EXPECT_EQ(At(), (rt::TGridCoord{3, 1}));
    Go(3, 3);
    Press(rt::VK_TAB);
    EXPECT_EQ(At(), (rt::TGridCoord{1, 1})) << "lc_first after the last cell";
    Press(rt::VK_TAB, {rt::ssShift});
    EXPECT_EQ(At(), (rt::TGridCoord{3, 3})) << "Shift walks backwards";
}

TEST_F(AlignGridTest, AMegabyteCellIsDrawnAndEdited) {
    const std::string big(1 << 20, 'x');
    grid->SetCells(1, 1, big);
    grid->SetWordwrapOf(hemr::TPropTarget::Cell(1, 1), hemr::ww_wordwrap);
    grid->Repaint();
    Go(1, 1);
    Press(rt::VK_F2);
    Press(rt::VK_END);
    Type("y");
    Press(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1).size(), big.size() + 1);
}

}  // namespace
}  // namespace hemr_test
