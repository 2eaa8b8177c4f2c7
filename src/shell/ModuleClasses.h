#pragma once
// The module's one registration place: every class of its own that a form
// resource may name, after the toolkit's. The library's load calls it.

namespace hemr {

// Safe to call more than once.
void RegisterModuleClasses();

}  // namespace hemr
