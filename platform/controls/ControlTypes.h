#pragma once
// Geometry, alignment, cursors and the event types of controls.

#include <cstdint>

#include "platform/classes/Events.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TSet.h"
#include "platform/graphics/Geometry.h"

namespace rt {

RT_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
RT_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;
RT_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
RT_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
RT_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
// Controls use the first two values.
using TBorderStyle = TFormBorderStyle;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

}  // namespace rt
