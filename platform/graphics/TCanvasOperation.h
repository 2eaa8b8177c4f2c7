#pragma once
// One drawing call a recording canvas kept, with the state it was drawn in,
// so tests of owner-drawn controls can check what was drawn and how.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"

namespace rt {

enum class TCanvasOpKind {
    FillRect,
    FrameRect,
    Rectangle,
    LineTo,
    Polyline,
    TextOut,
    TextRect,
    DrawText,
    Draw,
    StretchDraw,
    CopyRect,
    BrushCopy,
    DrawMask,
    SetPixel,
};

const char* CanvasOpKindName(TCanvasOpKind kind);

struct TCanvasOperation {
    TCanvasOpKind Kind = TCanvasOpKind::FillRect;
    // The target area: the rectangle drawn, the text rectangle, the picture's place.
    TRect Rect;
    // Line ends (from, to) and polyline points; the text origin of TextOut/TextRect.
    std::vector<TPoint> Points;
    // The text as given; for DrawText also the laid-out lines.
    std::string Text;
    std::vector<std::string> Lines;
    uint32_t Flags = 0;
    // The colour of a pixel or of a drawn mask.
    TColor Color = clNone;

    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = bsSolid;
    TColor PenColor = clBlack;
    int PenWidth = 1;
    TPenStyle PenStyle = psSolid;
    TColor FontColor = clWindowText;
    std::string FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
};

}  // namespace rt
