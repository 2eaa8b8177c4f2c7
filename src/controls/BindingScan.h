#pragma once
// The components a glued control (a lookup button, a caption label) checks
// before it binds to a control, so that two of a kind never point to one.

#include <vector>

namespace rt {
class TComponent;
class TControl;
}  // namespace rt

namespace hemr {

// The components owned by `control`'s parent, then the parent's child
// controls not among them, each once and in order; empty without a parent.
// Children count as well because a form owns the controls of its group boxes.
std::vector<rt::TComponent*> BindingNeighbours(const rt::TControl* control);

}  // namespace hemr
