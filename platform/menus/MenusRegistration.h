#pragma once
// Makes the menu classes creatable by name (form resources).

namespace rt {

// Safe to call more than once.
void RegisterMenuClasses();

}  // namespace rt
