#pragma once
// The tiny built-in 5 x 7 font that text drawn into bitmaps is made of, so
// that text changes real pixels the same way on every machine.

namespace rt {

constexpr int kPixelFontColumns = 5;
constexpr int kPixelFontRows = 7;

// True when printable ASCII character `ch` has its pixel (column, row) set;
// false for anything else, which callers draw as a box.
bool PixelFontHasGlyph(char32_t ch);
bool PixelFontBit(char32_t ch, int column, int row);

}  // namespace rt
