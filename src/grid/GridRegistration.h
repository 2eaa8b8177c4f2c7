#pragma once
// The aligned string grid's step in the code-page conversion of whole forms:
// its cell texts, editor items and fonts. Called by the module's one
// registration function.

namespace hemr {

void RegisterAlignGridConverterStep();

}  // namespace hemr
