#pragma once
// The classes of the collaboration forms (notification, portal users and
// their dialog base), registered together: an edition either holds them all
// or none of them.

namespace hemr {

void RegisterCollaborationClasses();

}  // namespace hemr
