#pragma once
// Registers the creatable classes of the component model with the class
// registry; run once when the runtime loads (and harmless to run again).

namespace rt {

void RegisterClassesUnit();

}  // namespace rt
