#pragma once
// Makes the condition input controls creatable by name (form resources).

namespace hemr {

// Safe to call more than once.
void RegisterControlClasses();

}  // namespace hemr
