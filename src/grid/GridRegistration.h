#pragma once
// Makes the aligned string grid known to form resources and to the
// code-page conversion of whole forms.

namespace hemr {

void RegisterAlignGridClasses();

}  // namespace hemr
