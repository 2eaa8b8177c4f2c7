#pragma once
// Makes the spin edit creatable by name (form resources, scripts).

namespace rt {

// Safe to call more than once.
void RegisterSpinControls();

}  // namespace rt
