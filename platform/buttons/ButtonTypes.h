#pragma once
// Shared enumerations of the glyph buttons.

#include "platform/classes/TEnumInfo.h"

namespace rt {

// Where the glyph sits relative to the caption.
RT_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
// The look a glyph button is drawn in; the order is the order of the pictures in a glyph strip.
RT_ENUM(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive)

// A glyph strip holds one to four pictures of equal width.
inline constexpr int MaxNumGlyphs = 4;

}  // namespace rt
