#pragma once
// Lays out text in a rectangle as DrawText does: alignment, single line or
// line breaks, word break, end ellipsis and "&" accelerator prefixes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace rt {

class TFont;
class TTextMetrics;

constexpr uint32_t DT_TOP = 0x0;
constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_EXPANDTABS = 0x40;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;
constexpr uint32_t DT_END_ELLIPSIS = 0x8000;

struct TTextLine {
    std::string Text;      // as shown: prefixes removed, ellipsis added
    int X = 0;             // left edge of the line
    int Y = 0;             // top edge of the line
    int Width = 0;
    int AccelIndex = -1;   // the underlined character, counted in characters of Text; -1 when none
};

class TTextLayout {
public:
    // `rect` is where the text goes; with DT_CALCRECT its right and bottom
    // edges are what the text needs (Bounds()).
    TTextLayout(const TFont& font, const TTextMetrics& metrics, std::string_view text, const TRect& rect, uint32_t flags);

    const std::vector<TTextLine>& Lines() const { return lines_; }
    int LineHeight() const { return lineHeight_; }
    // What DrawText returns: the text height, counted from the rectangle's top
    // when the text is placed lower (DT_VCENTER, DT_BOTTOM on a single line).
    int ResultHeight() const { return resultHeight_; }
    // The rectangle DT_CALCRECT gives back: left/top kept, right/bottom fitted to the text.
    TRect Bounds() const { return bounds_; }

private:
    struct TChars {
        std::u32string Chars;
        std::vector<bool> Accel;
    };

    static TChars StripPrefixes(const std::u32string& text, bool prefixes);
    std::vector<TChars> SplitParagraphs(const TChars& text) const;
    void BreakParagraph(const TChars& paragraph, std::vector<TChars>& out) const;
    int Width(const std::u32string& chars) const;
    void AddLine(const TChars& chars);
    TChars Ellipsized(const TChars& chars) const;
    void Place(const TRect& rect);

    const TFont& font_;
    const TTextMetrics& metrics_;
    uint32_t flags_;
    int maxWidth_;
    int lineHeight_;
    int resultHeight_ = 0;
    TRect bounds_;
    std::vector<TTextLine> lines_;
};

}  // namespace rt
