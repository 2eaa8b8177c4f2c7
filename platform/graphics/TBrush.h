#pragma once
// How areas are filled: a colour and a fill style (bsClear leaves them as they are).

#include "platform/classes/TEnumInfo.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TGraphicsObject.h"

namespace rt {

RT_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross)

class TBrush : public TGraphicsObject {
    RT_CLASS(TBrush, TGraphicsObject)

public:
    TBrush() = default;
    static void Publish(TPublisher<TBrush>& p);

    void Assign(const TPersistent* source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

}  // namespace rt
