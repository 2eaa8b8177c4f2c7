#pragma once
// Makes the grid classes creatable by name (form resources, scripts).

namespace rt {

// Safe to call more than once.
void RegisterGrids();

}  // namespace rt
