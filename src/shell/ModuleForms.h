#pragma once
// The form resources built into the module, one file per form class named
// after the class ("TNVForm.dfm"), registered with the toolkit when it loads.

namespace hemr {

void RegisterModuleFormResources();

}  // namespace hemr
