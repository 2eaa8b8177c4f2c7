#pragma once
// Enumerations and events of the aligned string grid. The order of every
// enumeration is stored in form resources and must not change.

#include <string>

#include "platform/classes/Events.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/controls/HintInfo.h"
#include "platform/grids/GridTypes.h"

namespace rt {
class TBrush;
class TFont;
}  // namespace rt

namespace hemr {

RT_ENUM(TMyAlign, alRight, alLeft, alCenter, alDefault)
RT_ENUM(T_Wordwrap, ww_none, ww_wordwrap, ww_ellipsis, ww_default)
RT_ENUM(T_nextcell, nc_rightdown, nc_downright, nc_leftdown, nc_downleft, nc_leftup, nc_upleft, nc_rightup, nc_upright)
RT_ENUM(T_lastcell, lc_newcolrow, lc_stop, lc_first, lc_exit)

// The editable field of a property record: unset, or 1 = no, 2 = yes.
enum TEditableFlag : int { efUnset = 0, efNo = 1, efYes = 2 };

using TCellEvent = rt::TEvent<void(rt::TObject* Sender, int ACol, int ARow)>;
using TCellEventBool = rt::TEvent<void(rt::TObject* Sender, int ACol, int ARow, bool& Valid)>;
// Result < 0 keeps Index1 before Index2, > 0 puts it after.
using TCompareFunction = rt::TEvent<void(rt::TObject* Sender, int Index1, int Index2, int& Result)>;
using TColEvent = rt::TEvent<void(rt::TObject* Sender, int ACol)>;
using TRowEvent = rt::TEvent<void(rt::TObject* Sender, int ARow)>;
// Clearing CanShow hides the hint; HintText is what shows.
using TShowHintCellProc = rt::TEvent<void(rt::TObject* Sender, int ACol, int ARow, rt::THintInfo& HintInfo,
                                          bool& CanShow, std::string& HintText)>;
// The brush and font are the ones about to draw the cell and may be changed.
using TCalcCellColorsEvent = rt::TEvent<void(rt::TObject* Sender, int ACol, int ARow, rt::TGridDrawState State,
                                             rt::TBrush* ABrush, rt::TFont* AFont)>;

}  // namespace hemr
