#pragma once
// Makes the mask edit creatable by name (form resources, scripts).

namespace rt {

// Safe to call more than once.
void RegisterMaskEdit();

}  // namespace rt
