#pragma once
// The picture part of a glyph button: a strip of up to four equally wide
// pictures (up, disabled, clicked, down), and the layout of picture and
// caption inside the button. Speed buttons and bitmap buttons both use it.

#include <memory>
#include <string>

#include "platform/buttons/ButtonTypes.h"
#include "platform/graphics/Geometry.h"

namespace rt {

class TBitmap;
class TCanvas;

// Where one paint puts the picture and the caption.
struct TGlyphPlacement {
    TPoint GlyphPos;
    TRect TextRect;
};

// What the layout needs to know about the button.
struct TGlyphArrangement {
    TButtonLayout Layout = blGlyphLeft;
    // Distance of the picture from the edge it sits at; -1 centres picture and caption together.
    int Margin = -1;
    // Gap between picture and caption; -1 spreads the free space evenly.
    int Spacing = 4;
};

class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    // The whole strip as loaded; never null, empty when the button has no picture.
    TBitmap* Glyph() const { return glyph_.get(); }
    bool HasGlyph() const;
    int NumGlyphs() const { return numGlyphs_; }
    // Values outside 1..4 are taken as the nearest bound.
    void SetNumGlyphs(int count);
    // Size of one picture of the strip (0 x 0 without a glyph).
    TSize GlyphSize() const;

    // The strip picture drawn in `state`, or -1 when the state has no picture of
    // its own and the up picture is drawn embossed (a disabled button of one glyph).
    int ImageIndexFor(TButtonState state) const;

    TGlyphPlacement Place(const TCanvas& canvas, const TRect& client, const std::string& caption,
                          const TGlyphArrangement& arrangement) const;
    // Draws picture and caption into `client`, shifted by `offset` (a pressed button moves one pixel).
    void Draw(TCanvas& canvas, const TRect& client, TPoint offset, const std::string& caption,
              const TGlyphArrangement& arrangement, TButtonState state) const;

private:
    void DrawPicture(TCanvas& canvas, TPoint at, TButtonState state) const;
    void DrawCaption(TCanvas& canvas, TRect rect, const std::string& caption, TButtonState state) const;

    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
};

}  // namespace rt
