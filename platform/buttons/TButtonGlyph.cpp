#include "platform/buttons/TButtonGlyph.h"

#include <algorithm>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TTextLayout.h"

namespace rt {

TButtonGlyph::TButtonGlyph() : glyph_(std::make_unique<TBitmap>()) {}

TButtonGlyph::~TButtonGlyph() = default;

bool TButtonGlyph::HasGlyph() const { return !glyph_->Empty(); }

void TButtonGlyph::SetNumGlyphs(int count) { numGlyphs_ = std::clamp(count, 1, MaxNumGlyphs); }

TSize TButtonGlyph::GlyphSize() const {
    if (!HasGlyph()) return {};
    return {glyph_->Width() / numGlyphs_, glyph_->Height()};
}

int TButtonGlyph::ImageIndexFor(TButtonState state) const {
    int index = static_cast<int>(state);
    // A strip without an exclusive picture shows the clicked one for a down button.
    if (state == bsExclusive && numGlyphs_ <= index) index = static_cast<int>(bsDown);
    if (index < numGlyphs_) return index;
    return state == bsDisabled ? -1 : 0;
}

namespace {

// One axis of the layout: where the picture and the caption start along it.
struct TAxisPlacement {
    int Glyph = 0;
    int Text = 0;
};

TAxisPlacement PlaceAlong(int extent, int glyph, int text, int margin, int spacing, bool glyphFirst) {
    if (glyph == 0 || text == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - glyph - text) / 3;
            spacing = margin;
        } else {
            margin = (extent - (glyph + spacing + text) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (extent - (margin + glyph) - text) / 2;
    }
    if (glyphFirst) return {margin, margin + glyph + spacing};
    const int glyphAt = extent - margin - glyph;
    return {glyphAt, glyphAt - spacing - text};
}

}  // namespace

TGlyphPlacement TButtonGlyph::Place(const TCanvas& canvas, const TRect& client, const std::string& caption,
                                    const TGlyphArrangement& arrangement) const {
    const TSize glyph = GlyphSize();
    TSize text;
    if (!caption.empty()) {
        text = canvas.TextExtent(caption);
    }
    TPoint glyphPos;
    TPoint textPos;
    const bool horizontal = arrangement.Layout == blGlyphLeft || arrangement.Layout == blGlyphRight;
    const bool glyphFirst = arrangement.Layout == blGlyphLeft || arrangement.Layout == blGlyphTop;
    if (horizontal) {
        glyphPos.Y = (client.Height() - glyph.cy + 1) / 2;
        textPos.Y = (client.Height() - text.cy + 1) / 2;
        const TAxisPlacement along = PlaceAlong(client.Width(), glyph.cx, text.cx, arrangement.Margin, arrangement.Spacing, glyphFirst);
        glyphPos.X = along.Glyph;
        textPos.X = along.Text;
    } else {
        glyphPos.X = (client.Width() - glyph.cx + 1) / 2;
        textPos.X = (client.Width() - text.cx + 1) / 2;
        const TAxisPlacement along = PlaceAlong(client.Height(), glyph.cy, text.cy, arrangement.Margin, arrangement.Spacing, glyphFirst);
        glyphPos.Y = along.Glyph;
        textPos.Y = along.Text;
    }
    TGlyphPlacement placed;
    placed.GlyphPos = {client.Left + glyphPos.X, client.Top + glyphPos.Y};
    placed.TextRect = Bounds(client.Left + textPos.X, client.Top + textPos.Y, text.cx, text.cy);
    return placed;
}

void TButtonGlyph::Draw(TCanvas& canvas, const TRect& client, TPoint offset, const std::string& caption,
                        const TGlyphArrangement& arrangement, TButtonState state) const {
    TGlyphPlacement placed = Place(canvas, client, caption, arrangement);
    OffsetRect(placed.TextRect, offset.X, offset.Y);
    if (HasGlyph()) DrawPicture(canvas, {placed.GlyphPos.X + offset.X, placed.GlyphPos.Y + offset.Y}, state);
    if (!caption.empty()) DrawCaption(canvas, placed.TextRect, caption, state);
}

void TButtonGlyph::DrawPicture(TCanvas& canvas, TPoint at, TButtonState state) const {
    const TSize size = GlyphSize();
    if (size.cx <= 0 || size.cy <= 0) return;
    // Cut on every paint: painting is rare and a strip is small, and nothing can go stale.
    TImageList parts(nullptr);
    parts.SetWidth(size.cx);
    parts.SetHeight(size.cy);
    parts.AddMasked(*glyph_, glyph_->TransparentColor());
    const int index = ImageIndexFor(state);
    if (index < 0) {
        parts.Draw(canvas, at.X, at.Y, 0, TImageState::Disabled);
    } else if (index < parts.Count()) {
        parts.Draw(canvas, at.X, at.Y, index);
    }
}

void TButtonGlyph::DrawCaption(TCanvas& canvas, TRect rect, const std::string& caption, TButtonState state) const {
    canvas.Brush()->SetStyle(bsClear);
    const uint32_t flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (state == bsDisabled) {
        // Engraved: a highlight copy one pixel down-right under the shadow-coloured text.
        const TColor saved = canvas.Font()->Color();
        OffsetRect(rect, 1, 1);
        canvas.Font()->SetColor(clBtnHighlight);
        canvas.DrawText(caption, rect, flags);
        OffsetRect(rect, -1, -1);
        canvas.Font()->SetColor(clBtnShadow);
        canvas.DrawText(caption, rect, flags);
        canvas.Font()->SetColor(saved);
        return;
    }
    canvas.DrawText(caption, rect, flags);
}

}  // namespace rt
