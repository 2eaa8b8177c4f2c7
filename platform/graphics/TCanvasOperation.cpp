#include "platform/graphics/TCanvasOperation.h"

namespace rt {

const char* CanvasOpKindName(TCanvasOpKind kind) {
    switch (kind) {
        case TCanvasOpKind::FillRect: return "FillRect";
        case TCanvasOpKind::FrameRect: return "FrameRect";
        case TCanvasOpKind::Rectangle: return "Rectangle";
        case TCanvasOpKind::LineTo: return "LineTo";
        case TCanvasOpKind::Polyline: return "Polyline";
        case TCanvasOpKind::TextOut: return "TextOut";
        case TCanvasOpKind::TextRect: return "TextRect";
        case TCanvasOpKind::DrawText: return "DrawText";
        case TCanvasOpKind::Draw: return "Draw";
        case TCanvasOpKind::StretchDraw: return "StretchDraw";
        case TCanvasOpKind::CopyRect: return "CopyRect";
        case TCanvasOpKind::BrushCopy: return "BrushCopy";
        case TCanvasOpKind::DrawMask: return "DrawMask";
        case TCanvasOpKind::SetPixel: return "SetPixel";
    }
    return "?";
}

}  // namespace rt
