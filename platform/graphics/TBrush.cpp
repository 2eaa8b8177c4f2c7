#include "platform/graphics/TBrush.h"

namespace rt {

void TBrush::Publish(TPublisher<TBrush>& p) {
    p.Property("Color", &TBrush::Color, &TBrush::SetColor).TypeName("TColor").Default(clWhite);
    p.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(const TPersistent* source) {
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (brush == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    SetColor(brush->color_);
    SetStyle(brush->style_);
    EndUpdate();
}

void TBrush::SetColor(TColor color) {
    if (color_ == color) return;
    color_ = color;
    // Choosing a colour for a clear brush makes it solid again, as the toolkit always did.
    if (style_ == bsClear) style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style_ == style) return;
    style_ = style;
    Changed();
}

}  // namespace rt
