#pragma once
// Makes the common controls creatable by name (form resources).

namespace rt {

// Safe to call more than once.
void RegisterComCtrlsClasses();

}  // namespace rt
