#pragma once
// Raised and sunken borders drawn with two colours, as buttons and grids use them.

#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

namespace rt {

class TCanvas;

// Draws `width` rings inside `rect`: top and left in `topColor`, bottom and right
// in `bottomColor`; `rect` shrinks by the rings drawn.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

}  // namespace rt
