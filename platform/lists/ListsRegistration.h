#pragma once
// Makes the list box and combo box creatable by name (form resources).

namespace rt {

// Safe to call more than once.
void RegisterListClasses();

}  // namespace rt
