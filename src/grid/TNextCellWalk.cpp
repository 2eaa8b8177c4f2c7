#include "src/grid/TNextCellWalk.h"

namespace hemr {
namespace {

// A walk moves along its main axis and, when that runs out, wraps it and
// steps the other axis once.
struct TWalkShape {
    bool ColsFirst;  // columns are the main axis
    int MainStep;
    int CrossStep;
};

TWalkShape Shape(T_nextcell d) {
    switch (d) {
        case nc_rightdown: return {true, +1, +1};
        case nc_downright: return {false, +1, +1};
        case nc_leftdown: return {true, -1, +1};
        case nc_downleft: return {false, +1, -1};
        case nc_leftup: return {true, -1, -1};
        case nc_upleft: return {false, -1, -1};
        case nc_rightup: return {true, +1, -1};
        case nc_upright: return {false, -1, +1};
    }
    return {true, +1, +1};
}

int StartOf(int step, int first, int last) { return step > 0 ? first : last; }

}  // namespace

T_nextcell TNextCellWalk::Reverse(T_nextcell d) {
    switch (d) {
        case nc_rightdown: return nc_leftup;
        case nc_leftup: return nc_rightdown;
        case nc_downright: return nc_upleft;
        case nc_upleft: return nc_downright;
        case nc_leftdown: return nc_rightup;
        case nc_rightup: return nc_leftdown;
        case nc_downleft: return nc_upright;
        case nc_upright: return nc_downleft;
    }
    return d;
}

std::optional<rt::TGridCoord> TNextCellWalk::Next(T_nextcell d, rt::TGridCoord from, const TWalkArea& a) {
    const TWalkShape s = Shape(d);
    int& main = s.ColsFirst ? from.X : from.Y;
    int& cross = s.ColsFirst ? from.Y : from.X;
    const int mainFirst = s.ColsFirst ? a.FirstCol : a.FirstRow;
    const int mainLast = s.ColsFirst ? a.LastCol : a.LastRow;
    const int crossFirst = s.ColsFirst ? a.FirstRow : a.FirstCol;
    const int crossLast = s.ColsFirst ? a.LastRow : a.LastCol;
    main += s.MainStep;
    if (main < mainFirst || main > mainLast) {
        main = StartOf(s.MainStep, mainFirst, mainLast);
        cross += s.CrossStep;
        if (cross < crossFirst || cross > crossLast) return std::nullopt;
    }
    return from;
}

rt::TGridCoord TNextCellWalk::First(T_nextcell d, const TWalkArea& a) {
    const TWalkShape s = Shape(d);
    const int colStep = s.ColsFirst ? s.MainStep : s.CrossStep;
    const int rowStep = s.ColsFirst ? s.CrossStep : s.MainStep;
    return {StartOf(colStep, a.FirstCol, a.LastCol), StartOf(rowStep, a.FirstRow, a.LastRow)};
}

// The line is added across the walk's cross axis, on the side the walk runs to.
TWalkGrowth TNextCellWalk::Growth(T_nextcell d) {
    const TWalkShape s = Shape(d);
    return {s.ColsFirst ? TWalkGrowth::Row : TWalkGrowth::Col,
            s.CrossStep > 0 ? TWalkGrowth::AtEnd : TWalkGrowth::AtFirst};
}

rt::TGridCoord TNextCellWalk::AfterGrowth(T_nextcell d, const TWalkArea& a) {
    const TWalkShape s = Shape(d);
    const TWalkGrowth g = Growth(d);
    const int mainStart = s.ColsFirst ? StartOf(s.MainStep, a.FirstCol, a.LastCol)
                                      : StartOf(s.MainStep, a.FirstRow, a.LastRow);
    if (g.Line == TWalkGrowth::Row) {
        return {mainStart, g.Place == TWalkGrowth::AtEnd ? a.LastRow : a.FirstRow};
    }
    return {g.Place == TWalkGrowth::AtEnd ? a.LastCol : a.FirstCol, mainStart};
}

}  // namespace hemr
