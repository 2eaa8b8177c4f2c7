#pragma once
// Makes the glyph button classes creatable by name (form resources, scripts).

namespace rt {

// Safe to call more than once.
void RegisterButtons();

}  // namespace rt
