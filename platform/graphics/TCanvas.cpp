#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/graphics/PixelFont.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TTextLayout.h"
#include "platform/graphics/TTextMetrics.h"
#include "platform/mask/MaskChars.h"

namespace rt {

namespace {

// On/off runs of the styled pens, one character per pixel.
std::string_view PenPattern(TPenStyle style) {
    switch (style) {
        case psDash: return "111111000";
        case psDot: return "110";
        case psDashDot: return "111111000110";
        case psDashDotDot: return "111111000110110";
        default: return "1";
    }
}

bool HatchHit(TBrushStyle style, int x, int y) {
    const bool horizontal = (y & 7) == 0;
    const bool vertical = (x & 7) == 0;
    const bool forward = ((x - y) & 7) == 0;
    const bool backward = ((x + y) & 7) == 0;
    switch (style) {
        case bsHorizontal: return horizontal;
        case bsVertical: return vertical;
        case bsFDiagonal: return forward;
        case bsBDiagonal: return backward;
        case bsCross: return horizontal || vertical;
        case bsDiagCross: return forward || backward;
        default: return true;
    }
}

TColor KeyOf(const TBitmap& bitmap) { return bitmap.Transparent() ? bitmap.TransparentColor() : clNone; }

int ScaleIndex(int i, int from, int to) { return static_cast<int>(static_cast<long long>(i) * from / to); }

}  // namespace

TCanvas::TCanvas() : TCanvas(nullptr) {}

TCanvas::TCanvas(TBitmap* target)
    : target_(target), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>()),
      font_(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

TRect TCanvas::ClipRect() const {
    if (target_ == nullptr) return clip_.value_or(TRect{});
    if (!clip_) return target_->BoundsRect();
    TRect result;
    IntersectRect(result, *clip_, target_->BoundsRect());
    return result;
}

TCanvasOperation TCanvas::Op(TCanvasOpKind kind, const TRect& rect) const {
    TCanvasOperation op;
    op.Kind = kind;
    op.Rect = rect;
    op.BrushColor = brush_->Color();
    op.BrushStyle = brush_->Style();
    op.PenColor = pen_->Color();
    op.PenWidth = pen_->Width();
    op.PenStyle = pen_->Style();
    op.FontColor = font_->Color();
    op.FontName = font_->Name();
    op.FontHeight = font_->Height();
    op.FontStyle = font_->Style();
    return op;
}

void TCanvas::Record(TCanvasOperation op) {
    if (recording_) operations_.push_back(std::move(op));
}

void TCanvas::Plot(int x, int y, TColor rgb, const TRect& clip) {
    if (target_ != nullptr && PtInRect(clip, {x, y})) target_->SetPixel(x, y, rgb);
}

void TCanvas::FillArea(const TRect& rect, TColor color, const TRect& clip) {
    TRect area;
    if (target_ == nullptr || !IntersectRect(area, rect, clip)) return;
    const TColor rgb = ColorToRGB(color);
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) target_->SetPixel(x, y, rgb);
    }
}

void TCanvas::FillWithBrush(const TRect& rect, const TRect& clip) {
    const TBrushStyle style = brush_->Style();
    if (style == bsClear) return;
    if (style == bsSolid) {
        FillArea(rect, brush_->Color(), clip);
        return;
    }
    TRect area;
    if (target_ == nullptr || !IntersectRect(area, rect, clip)) return;
    const TColor rgb = ColorToRGB(brush_->Color());
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if (HatchHit(style, x, y)) target_->SetPixel(x, y, rgb);
        }
    }
}

void TCanvas::FillRect(const TRect& rect) {
    FillWithBrush(rect, ClipRect());
    Record(Op(TCanvasOpKind::FillRect, rect));
}

void TCanvas::FrameRect(const TRect& rect) {
    if (brush_->Style() != bsClear && !IsRectEmpty(rect)) {
        const TRect clip = ClipRect();
        const TColor c = brush_->Color();
        FillArea(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1), c, clip);
        FillArea(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), c, clip);
        FillArea(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom), c, clip);
        FillArea(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), c, clip);
    }
    Record(Op(TCanvasOpKind::FrameRect, rect));
}

void TCanvas::Rectangle(const TRect& rect) {
    const TRect clip = ClipRect();
    FillWithBrush(rect, clip);
    if (pen_->Style() != psClear) {
        const int w = std::min({pen_->Width(), std::max(rect.Width(), 0), std::max(rect.Height(), 0)});
        const TColor c = pen_->Color();
        FillArea(Rect(rect.Left, rect.Top, rect.Right, rect.Top + w), c, clip);
        FillArea(Rect(rect.Left, rect.Bottom - w, rect.Right, rect.Bottom), c, clip);
        FillArea(Rect(rect.Left, rect.Top, rect.Left + w, rect.Bottom), c, clip);
        FillArea(Rect(rect.Right - w, rect.Top, rect.Right, rect.Bottom), c, clip);
    }
    Record(Op(TCanvasOpKind::Rectangle, rect));
}

// Bresenham's line, the end point left out; a pen wider than one pixel draws a
// square of its width around each point, and only one-pixel pens are styled.
void TCanvas::DrawLine(TPoint from, TPoint to) {
    if (pen_->Style() == psClear || target_ == nullptr) return;
    const TRect clip = ClipRect();
    const TColor rgb = ColorToRGB(pen_->Color());
    const int w = pen_->Width();
    const std::string_view pattern = w == 1 ? PenPattern(pen_->Style()) : std::string_view("1");
    const int dx = std::abs(to.X - from.X);
    const int dy = -std::abs(to.Y - from.Y);
    const int sx = from.X < to.X ? 1 : -1;
    const int sy = from.Y < to.Y ? 1 : -1;
    int err = dx + dy;
    int x = from.X;
    int y = from.Y;
    for (size_t step = 0; x != to.X || y != to.Y; ++step) {
        if (pattern[step % pattern.size()] == '1') {
            FillArea(Bounds(x - (w - 1) / 2, y - (w - 1) / 2, w, w), rgb, clip);
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    DrawLine(from, {x, y});
    penPos_ = {x, y};
    TCanvasOperation op = Op(TCanvasOpKind::LineTo, Rect(from.X, from.Y, x, y));
    op.Points = {from, {x, y}};
    Record(std::move(op));
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    for (size_t i = 1; i < points.size(); ++i) DrawLine(points[i - 1], points[i]);
    if (!points.empty()) penPos_ = points.back();
    TCanvasOperation op = Op(TCanvasOpKind::Polyline, TRect{});
    op.Points = points;
    Record(std::move(op));
}

int TCanvas::TextWidth(std::string_view text) const { return GetTextMetrics().TextWidth(*font_, text); }

int TCanvas::TextHeight(std::string_view text) const { return GetTextMetrics().TextExtent(*font_, text).cy; }

TSize TCanvas::TextExtent(std::string_view text) const { return GetTextMetrics().TextExtent(*font_, text); }

// A character is its 5 x 7 pattern scaled into the cell (one pixel of spacing
// on the right, one above), or a filled box for characters the pattern lacks.
void TCanvas::DrawGlyph(char32_t ch, int x, int y, int cellWidth, TColor rgb, const TRect& clip) {
    const int h = std::max(font_->PixelHeight(), 1);
    const int gw = std::max(cellWidth - 1, 1);
    const bool bold = font_->Style().Contains(fsBold);
    const bool pattern = PixelFontHasGlyph(ch);
    for (int py = 0; py < h; ++py) {
        for (int px = 0; px < gw; ++px) {
            const bool on = !pattern || PixelFontBit(ch, ScaleIndex(px, kPixelFontColumns, gw),
                                                      ScaleIndex(py, kPixelFontRows, h));
            if (!on) continue;
            Plot(x + px, y + 1 + py, rgb, clip);
            if (bold) Plot(x + px + 1, y + 1 + py, rgb, clip);
        }
    }
}

void TCanvas::DrawTextLine(int x, int y, std::string_view text, int accelIndex, const TRect& clip) {
    const TTextMetrics& metrics = GetTextMetrics();
    const TColor rgb = ColorToRGB(font_->Color());
    const int h = std::max(font_->PixelHeight(), 1);
    const std::u32string chars = maskchars::DecodeUtf8(std::string(text));
    if (brush_->Style() != bsClear) {
        FillArea(Bounds(x, y, metrics.TextWidth(*font_, text), metrics.LineHeight(*font_)), brush_->Color(), clip);
    }
    int cx = x;
    for (size_t i = 0; i < chars.size(); ++i) {
        const int cw = metrics.CharWidth(*font_, chars[i]);
        if (chars[i] != U' ' && cw > 0) DrawGlyph(chars[i], cx, y, cw, rgb, clip);
        const bool underline = font_->Style().Contains(fsUnderline) || static_cast<int>(i) == accelIndex;
        if (underline) FillArea(Bounds(cx, y + h + 1, cw, 1), rgb, clip);
        if (font_->Style().Contains(fsStrikeOut)) FillArea(Bounds(cx, y + 1 + h / 2, cw, 1), rgb, clip);
        cx += cw;
    }
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    DrawTextLine(x, y, text, -1, ClipRect());
    const TSize extent = TextExtent(text);
    TCanvasOperation op = Op(TCanvasOpKind::TextOut, Bounds(x, y, extent.cx, extent.cy));
    op.Points = {{x, y}};
    op.Text = std::string(text);
    Record(std::move(op));
    penPos_ = {x + extent.cx, y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    TRect clip;
    IntersectRect(clip, rect, ClipRect());
    FillWithBrush(rect, clip);
    // The rectangle is already filled; the text itself goes on without a background.
    const TBrushStyle style = brush_->Style();
    brush_->BeginUpdate();
    brush_->SetStyle(bsClear);
    DrawTextLine(x, y, text, -1, clip);
    brush_->SetStyle(style);
    brush_->EndUpdate();
    TCanvasOperation op = Op(TCanvasOpKind::TextRect, rect);
    op.Points = {{x, y}};
    op.Text = std::string(text);
    Record(std::move(op));
}

int TCanvas::DrawText(std::string_view text, TRect& rect, uint32_t flags) {
    const TTextLayout layout(*font_, GetTextMetrics(), text, rect, flags);
    if ((flags & DT_CALCRECT) != 0) {
        rect = layout.Bounds();
        return layout.ResultHeight();
    }
    TRect clip = ClipRect();
    if ((flags & DT_NOCLIP) == 0) IntersectRect(clip, clip, rect);
    TCanvasOperation op = Op(TCanvasOpKind::DrawText, rect);
    op.Text = std::string(text);
    op.Flags = flags;
    for (const TTextLine& line : layout.Lines()) {
        DrawTextLine(line.X, line.Y, line.Text, line.AccelIndex, clip);
        op.Lines.push_back(line.Text);
        op.Points.push_back({line.X, line.Y});
    }
    Record(std::move(op));
    return layout.ResultHeight();
}

// `key` (clNone for none) is left out, or replaced by `replacement` when that is not clNone.
void TCanvas::CopyPixels(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor key,
                         TColor replacement) {
    if (target_ == nullptr || IsRectEmpty(dest) || IsRectEmpty(sourceRect)) return;
    const TRect clip = ClipRect();
    if (key != clNone) key = ColorToRGB(key);
    const TColor fill = replacement == clNone ? clNone : ColorToRGB(replacement);
    // Read first: source and target may be the same bitmap.
    std::vector<TColor> pixels;
    pixels.reserve(static_cast<size_t>(dest.Width()) * static_cast<size_t>(dest.Height()));
    for (int y = 0; y < dest.Height(); ++y) {
        const int sy = sourceRect.Top + ScaleIndex(y, sourceRect.Height(), dest.Height());
        for (int x = 0; x < dest.Width(); ++x) {
            pixels.push_back(source.GetPixel(sourceRect.Left + ScaleIndex(x, sourceRect.Width(), dest.Width()), sy));
        }
    }
    size_t i = 0;
    for (int y = dest.Top; y < dest.Bottom; ++y) {
        for (int x = dest.Left; x < dest.Right; ++x, ++i) {
            TColor c = pixels[i];
            if (c == clNone) continue;  // outside the source
            if (key != clNone && c == key) {
                if (fill == clNone) continue;
                c = fill;
            }
            Plot(x, y, c, clip);
        }
    }
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    const TRect dest = Bounds(x, y, bitmap.Width(), bitmap.Height());
    CopyPixels(dest, bitmap, bitmap.BoundsRect(), KeyOf(bitmap), clNone);
    Record(Op(TCanvasOpKind::Draw, dest));
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap) {
    CopyPixels(rect, bitmap, bitmap.BoundsRect(), KeyOf(bitmap), clNone);
    Record(Op(TCanvasOpKind::StretchDraw, rect));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    if (source.target_ != nullptr) CopyPixels(dest, *source.target_, sourceRect, clNone, clNone);
    TCanvasOperation op = Op(TCanvasOpKind::CopyRect, dest);
    op.Points = {sourceRect.TopLeft(), sourceRect.BottomRight()};
    Record(std::move(op));
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor transparentColor) {
    CopyPixels(dest, source, sourceRect, transparentColor, brush_->Style() == bsClear ? clNone : brush_->Color());
    TCanvasOperation op = Op(TCanvasOpKind::BrushCopy, dest);
    op.Color = transparentColor;
    Record(std::move(op));
}

void TCanvas::DrawMask(int x, int y, const TBitmap& mask, TColor color) {
    const TRect clip = ClipRect();
    const TColor rgb = ColorToRGB(color);
    for (int my = 0; my < mask.Height(); ++my) {
        for (int mx = 0; mx < mask.Width(); ++mx) {
            if (mask.GetPixel(mx, my) == clBlack) Plot(x + mx, y + my, rgb, clip);
        }
    }
    TCanvasOperation op = Op(TCanvasOpKind::DrawMask, Bounds(x, y, mask.Width(), mask.Height()));
    op.Color = color;
    Record(std::move(op));
}

void TCanvas::DrawMasked(int x, int y, const TBitmap& picture, const TBitmap& mask) {
    const TRect clip = ClipRect();
    for (int py = 0; py < picture.Height(); ++py) {
        for (int px = 0; px < picture.Width(); ++px) {
            if (mask.GetPixel(px, py) == clBlack) Plot(x + px, y + py, picture.GetPixel(px, py), clip);
        }
    }
    Record(Op(TCanvasOpKind::Draw, Bounds(x, y, picture.Width(), picture.Height())));
}

TColor TCanvas::GetPixel(int x, int y) const { return target_ != nullptr ? target_->GetPixel(x, y) : clNone; }

void TCanvas::SetPixel(int x, int y, TColor color) {
    Plot(x, y, ColorToRGB(color), ClipRect());
    TCanvasOperation op = Op(TCanvasOpKind::SetPixel, Bounds(x, y, 1, 1));
    op.Color = color;
    Record(std::move(op));
}

}  // namespace rt
