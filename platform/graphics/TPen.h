#pragma once
// How lines and frames are drawn: colour, width in pixels and line style.

#include "platform/classes/TEnumInfo.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TGraphicsObject.h"

namespace rt {

RT_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)

class TPen : public TGraphicsObject {
    RT_CLASS(TPen, TGraphicsObject)

public:
    TPen() = default;
    static void Publish(TPublisher<TPen>& p);

    void Assign(const TPersistent* source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    // Widths below 1 draw as 1.
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
};

}  // namespace rt
