#include <string>

#include "tests/src/grid/AlignGridTestSupport.h"

namespace hemr_test {
namespace {

using hemr::T_lastcell;
using hemr::T_nextcell;
using C = rt::TGridCoord;

// One walk over the 3 x 3 data cells (1..3): a step inside the area, the
// last cell of the walk, and where each after-last rule leads from there.
struct TWalkCase {
    T_nextcell Direction;
    C StepFrom, StepTo;
    C Last;
    C Grown;
    int GrownCols, GrownRows;
    C First;
};

const TWalkCase kWalks[] = {
    {hemr::nc_rightdown, {1, 1}, {2, 1}, {3, 3}, {1, 4}, 4, 5, {1, 1}},
    {hemr::nc_downright, {1, 1}, {1, 2}, {3, 3}, {4, 1}, 5, 4, {1, 1}},
    {hemr::nc_leftdown, {3, 1}, {2, 1}, {1, 3}, {3, 4}, 4, 5, {3, 1}},
    {hemr::nc_downleft, {3, 1}, {3, 2}, {1, 3}, {1, 1}, 5, 4, {3, 1}},
    {hemr::nc_leftup, {3, 3}, {2, 3}, {1, 1}, {3, 1}, 4, 5, {3, 3}},
    {hemr::nc_upleft, {3, 3}, {3, 2}, {1, 1}, {1, 3}, 5, 4, {3, 3}},
    {hemr::nc_rightup, {1, 3}, {2, 3}, {3, 1}, {1, 1}, 4, 5, {1, 3}},
    {hemr::nc_upright, {1, 3}, {1, 2}, {3, 1}, {4, 3}, 5, 4, {1, 3}},
};

class AlignGridWalkTest : public AlignGridTest {
protected:
    void SetUp() override {
        AlignGridTest::SetUp();
        grid->AutoEditNextCell = true;
    }
    // Opens the editor on `cell` and presses Enter there.
    void EnterAt(C cell, rt::TShiftState shift = {}) {
        Go(cell.X, cell.Y);
        Press(rt::VK_F2);
        Press(rt::VK_RETURN, shift);
    }
    void Reset() {
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->SetFocus();
    }
};

TEST_F(AlignGridWalkTest, EveryDirectionWithEveryAfterLastRule) {
    for (const TWalkCase& w : kWalks) {
        const std::string d = hemr::EnumInfoOf(static_cast<T_nextcell*>(nullptr)).NameOf(w.Direction);
        grid->NextCellEdit = w.Direction;
        grid->AfterLastCellEdit = hemr::lc_stop;
        EnterAt(w.StepFrom);
        EXPECT_EQ(At(), w.StepTo) << d << ": one step";
        EnterAt(w.StepTo, {rt::ssShift});
        EXPECT_EQ(At(), w.StepFrom) << d << ": Shift walks the reverse direction back";

        EnterAt(w.Last);
        EXPECT_EQ(At(), w.Last) << d << ": lc_stop stays";
        EXPECT_TRUE(Editing()) << d << ": lc_stop edits the cell again";

        grid->AfterLastCellEdit = hemr::lc_first;
        EnterAt(w.Last);
        EXPECT_EQ(At(), w.First) << d << ": lc_first";

        grid->AfterLastCellEdit = hemr::lc_newcolrow;
        grid->SetCells(w.Last.X, w.Last.Y, "mark");
        EnterAt(w.Last);
        EXPECT_EQ(At(), w.Grown) << d << ": lc_newcolrow";
        EXPECT_EQ(grid->ColCount(), w.GrownCols) << d;
        EXPECT_EQ(grid->RowCount(), w.GrownRows) << d;
        EXPECT_TRUE(Editing()) << d << ": the new cell is edited";
        EXPECT_EQ(grid->Cells(At().X, At().Y), "") << d << ": the new line is empty";
        grid->SetCells(w.Last.X, w.Last.Y, "");
        Reset();
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r) grid->SetCells(c, r, "");

        grid->AfterLastCellEdit = hemr::lc_exit;
        EnterAt(w.Last);
        EXPECT_TRUE(next->Focused()) << d << ": lc_exit leaves for the next control";
        grid->SetFocus();
    }
}

TEST_F(AlignGridWalkTest, ReversingTwiceGivesTheDirectionBack) {
    for (const TWalkCase& w : kWalks) {
        const T_nextcell back = hemr::TNextCellWalk::Reverse(w.Direction);
        EXPECT_NE(back, w.Direction);
        EXPECT_EQ(hemr::TNextCellWalk::Reverse(back), w.Direction);
    }
}

}  // namespace
}  // namespace hemr_test
