#pragma once
// Makes the standard controls creatable by name, so that form resources can
// hold them. Safe to call more than once.

namespace rt {

void RegisterStdControls();

}  // namespace rt
