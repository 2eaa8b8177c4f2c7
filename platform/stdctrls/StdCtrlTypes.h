#pragma once
// Enumerations of the standard controls.

#include "platform/classes/TEnumInfo.h"

namespace rt {

RT_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
RT_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
RT_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)
// Vertical placement of a label's text (the graphics layer owns the name TTextLayout).
RT_ENUM(TLabelLayout, tlTop, tlCenter, tlBottom)
RT_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

}  // namespace rt
