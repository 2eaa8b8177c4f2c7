#pragma once
// Where editing or Tab goes next in a grid's data cells, for the eight walk
// directions, and what happens when a walk runs out of cells.

#include <optional>

#include "platform/grids/GridTypes.h"
#include "src/grid/AlignGridTypes.h"

namespace hemr {

// The data cells: first and last column and row, bounds included.
struct TWalkArea {
    int FirstCol = 1;
    int LastCol = 1;
    int FirstRow = 1;
    int LastRow = 1;
};

// How the grid grows for lc_newcolrow: a row or a column, before the first
// data line or after the last one.
struct TWalkGrowth {
    enum TLine { Row, Col } Line = Row;
    enum TPlace { AtEnd, AtFirst } Place = AtEnd;
};

class TNextCellWalk {
public:
    // Shift turns a walk round: rightdown <-> leftup, downright <-> upleft,
    // leftdown <-> rightup, downleft <-> upright.
    static T_nextcell Reverse(T_nextcell direction);
    // The cell after `from`; none when the walk leaves the area.
    static std::optional<rt::TGridCoord> Next(T_nextcell direction, rt::TGridCoord from, const TWalkArea& area);
    // Where the walk starts (lc_first).
    static rt::TGridCoord First(T_nextcell direction, const TWalkArea& area);
    // The line lc_newcolrow adds when the walk runs out.
    static TWalkGrowth Growth(T_nextcell direction);
    // The cell to go to in the grown area (`area` already holds the new line).
    static rt::TGridCoord AfterGrowth(T_nextcell direction, const TWalkArea& area);
};

}  // namespace hemr
