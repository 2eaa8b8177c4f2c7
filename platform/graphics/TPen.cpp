#include "platform/graphics/TPen.h"

namespace rt {

void TPen::Publish(TPublisher<TPen>& p) {
    p.Property("Color", &TPen::Color, &TPen::SetColor).TypeName("TColor").Default(clBlack);
    p.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
    p.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
}

void TPen::Assign(const TPersistent* source) {
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (pen == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    SetColor(pen->color_);
    SetWidth(pen->width_);
    SetStyle(pen->style_);
    EndUpdate();
}

void TPen::SetColor(TColor color) {
    if (color_ == color) return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width) {
    if (width < 1) width = 1;
    if (width_ == width) return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style_ == style) return;
    style_ = style;
    Changed();
}

}  // namespace rt
