#pragma once
// The runtime's one registration place: every toolkit class a form resource may
// name, the identifiers of its typed integers, and its automation objects. A
// library that reads form resources calls it when it loads.

namespace rt {

// Safe to call more than once.
void RegisterToolkitClasses();

}  // namespace rt
