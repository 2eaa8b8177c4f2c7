#pragma once
// The library's main block: registers the module's classes and form
// resources and chooses the form class the controller creates.

namespace hemr {

void Hemr07CMain();

}  // namespace hemr
