#pragma once
// A drawing surface over a bitmap: real pixels change, deterministically. It
// can also record every drawing call with the state it was made in; a canvas
// without a bitmap only measures and records (an owner-drawn control in tests).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/TPersistent.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvasOperation.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/graphics/TTextLayout.h"

namespace rt {

class TBitmap;

class TCanvas : public TPersistent {
    RT_CLASS(TCanvas, TPersistent)

public:
    TCanvas();
    explicit TCanvas(TBitmap* target);
    ~TCanvas() override;

    // The bitmap drawn into (not owned); null for a measuring and recording canvas.
    TBitmap* Target() const { return target_; }
    void SetTarget(TBitmap* target) { target_ = target; }

    TBrush* Brush() const { return brush_.get(); }
    TPen* Pen() const { return pen_.get(); }
    TFont* Font() const { return font_.get(); }
    // Copy the given object's values (the canvas keeps its own objects).
    void SetBrush(const TBrush* brush) { brush_->Assign(brush); }
    void SetPen(const TPen* pen) { pen_->Assign(pen); }
    void SetFont(const TFont* font) { font_->Assign(font); }

    // Drawing is limited to the clip rectangle and the bitmap. Without a clip
    // set, ClipRect is the bitmap's bounds (empty without a bitmap).
    TRect ClipRect() const;
    void SetClipRect(const TRect& clip) { clip_ = clip; }
    void ResetClipRect() { clip_.reset(); }

    void StartRecording() { recording_ = true; }
    void StopRecording() { recording_ = false; }
    bool Recording() const { return recording_; }
    const std::vector<TCanvasOperation>& Operations() const { return operations_; }
    void ClearOperations() { operations_.clear(); }

    // Brush-coloured areas: FillRect fills, FrameRect draws a one-pixel border.
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    // Filled with the brush and framed with the pen, the frame inside the rectangle.
    void Rectangle(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(Rect(left, top, right, bottom)); }

    TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    // A line in the pen from the pen position up to (not including) the end point, which becomes the pen position.
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);

    // Text at (x, y), its cell background in the brush unless the brush is clear; the pen moves past it.
    void TextOut(int x, int y, std::string_view text);
    // Fills `rect` with the brush (unless clear) and draws the text at (x, y) clipped to it.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    TSize TextExtent(std::string_view text) const;
    // Lays out and draws text in `rect` by the DT_ flags; with DT_CALCRECT only
    // fits `rect` to the text. Returns the text height.
    int DrawText(std::string_view text, TRect& rect, uint32_t flags);

    // Copies the picture, leaving out its transparent colour when it is transparent.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);
    // Copies (and scales) part of another canvas's bitmap.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    // Copies part of a picture, its `transparentColor` pixels replaced by the brush colour.
    void BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor transparentColor);
    // Copies the pixels of `picture` where `mask` is black (0), leaving the rest.
    void DrawMasked(int x, int y, const TBitmap& picture, const TBitmap& mask);
    // Paints `color` at every black pixel of `mask` (a one-bit mask's 0 pixels), its top-left at (x, y).
    void DrawMask(int x, int y, const TBitmap& mask, TColor color);

    // clNone outside the bitmap or without one.
    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

private:
    void Record(TCanvasOperation op);
    TCanvasOperation Op(TCanvasOpKind kind, const TRect& rect) const;
    void FillArea(const TRect& rect, TColor color, const TRect& clip);
    void FillWithBrush(const TRect& rect, const TRect& clip);
    void DrawLine(TPoint from, TPoint to);
    void DrawTextLine(int x, int y, std::string_view text, int accelIndex, const TRect& clip);
    void DrawGlyph(char32_t ch, int x, int y, int cellWidth, TColor color, const TRect& clip);
    void CopyPixels(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor key, TColor replacement);
    void Plot(int x, int y, TColor rgb, const TRect& clip);

    TBitmap* target_ = nullptr;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TFont> font_;
    std::optional<TRect> clip_;
    TPoint penPos_;
    bool recording_ = false;
    std::vector<TCanvasOperation> operations_;
};

}  // namespace rt
