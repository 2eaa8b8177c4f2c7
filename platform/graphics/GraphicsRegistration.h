#pragma once
// Makes the graphics classes creatable by name (form resources, scripts).

namespace rt {

// Safe to call more than once.
void RegisterGraphicsClasses();

}  // namespace rt
