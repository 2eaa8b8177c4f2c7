#pragma once
// Makes the radio group and the splitter creatable by name (form resources, scripts).

namespace rt {

// Safe to call more than once.
void RegisterExtControls();

}  // namespace rt
