#pragma once
// How wide and high text is in a font. The toolkit never asks a real font:
// layout and auto-size go through this interface, whose default model is
// fixed and exact so tests can count pixels; a renderer may install its own.

#include <string_view>

#include "platform/graphics/Geometry.h"

namespace rt {

class TFont;

class TTextMetrics {
public:
    virtual ~TTextMetrics();

    // Width in pixels of `text` (UTF-8) on one line.
    virtual int TextWidth(const TFont& font, std::string_view text) const = 0;
    // Width of one character (a code point).
    virtual int CharWidth(const TFont& font, char32_t ch) const = 0;
    // Height of one line, leading included.
    virtual int LineHeight(const TFont& font) const = 0;

    TSize TextExtent(const TFont& font, std::string_view text) const;
};

// The default model: an ASCII character is half the pixel height wide (rounded
// up), the narrow ones ("ijlI.,:;'!|") a quarter; every other character is a
// square of the pixel height; bold adds one pixel per character; control
// characters take no room. A line is the pixel height plus 2.
class TFixedTextMetrics : public TTextMetrics {
public:
    int TextWidth(const TFont& font, std::string_view text) const override;
    int CharWidth(const TFont& font, char32_t ch) const override;
    int LineHeight(const TFont& font) const override;
};

// The model in use. SetTextMetrics(nullptr) restores the default; the caller
// keeps ownership of what it installs and must uninstall it before freeing it.
const TTextMetrics& GetTextMetrics();
void SetTextMetrics(const TTextMetrics* metrics);

}  // namespace rt
