#pragma once
// The form resources built into the module, one file per form, registered
// with the toolkit under the class their first line names when it loads.

#include <string>
#include <vector>

namespace hemr {

// The class names of the module's form resources, in the order they are embedded.
std::vector<std::string> ModuleFormClasses();

void RegisterModuleFormResources();
// "inherited frmHemr07: TfrmHemr07" gives "TfrmHemr07"; "" when the first line names none.
std::string FormResourceClassName(const std::string& text);

}  // namespace hemr
