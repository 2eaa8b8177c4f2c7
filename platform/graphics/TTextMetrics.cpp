#include "platform/graphics/TTextMetrics.h"

#include <string>

#include "platform/graphics/TFont.h"
#include "platform/mask/MaskChars.h"

namespace rt {

namespace {

const TFixedTextMetrics& DefaultMetrics() {
    static const TFixedTextMetrics metrics;
    return metrics;
}

const TTextMetrics* g_metrics = nullptr;

// A font whose height was never given (0) measures as the default font.
int CellHeight(const TFont& font) {
    const int h = font.PixelHeight();
    return h > 0 ? h : -TFont::kDefaultHeight;
}

bool IsNarrow(char32_t ch) { return std::u32string_view(U"ijlI.,:;'!|").find(ch) != std::u32string_view::npos; }

}  // namespace

TTextMetrics::~TTextMetrics() = default;

TSize TTextMetrics::TextExtent(const TFont& font, std::string_view text) const {
    return {TextWidth(font, text), LineHeight(font)};
}

int TFixedTextMetrics::CharWidth(const TFont& font, char32_t ch) const {
    if (ch < 0x20 || ch == 0x7F) return 0;
    const int h = CellHeight(font);
    int width = h;
    if (ch < 0x80) width = IsNarrow(ch) ? (h + 3) / 4 : (h + 1) / 2;
    if (font.Style().Contains(fsBold)) ++width;
    return width;
}

int TFixedTextMetrics::TextWidth(const TFont& font, std::string_view text) const {
    int width = 0;
    for (char32_t ch : maskchars::DecodeUtf8(std::string(text))) width += CharWidth(font, ch);
    return width;
}

int TFixedTextMetrics::LineHeight(const TFont& font) const { return CellHeight(font) + 2; }

const TTextMetrics& GetTextMetrics() { return g_metrics != nullptr ? *g_metrics : DefaultMetrics(); }

void SetTextMetrics(const TTextMetrics* metrics) { g_metrics = metrics; }

}  // namespace rt
