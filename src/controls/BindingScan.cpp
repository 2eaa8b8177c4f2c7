#include "src/controls/BindingScan.h"

#include <algorithm>

#include "platform/controls/TWinControl.h"

namespace hemr {

std::vector<rt::TComponent*> BindingNeighbours(const rt::TControl* control) {
    std::vector<rt::TComponent*> found;
    rt::TWinControl* parent = control != nullptr ? control->Parent() : nullptr;
    if (parent == nullptr) return found;
    for (int i = 0; i < parent->ComponentCount(); ++i) found.push_back(parent->Components(i));
    for (int i = 0; i < parent->ControlCount(); ++i) {
        rt::TControl* child = parent->Controls(i);
        if (child->Owner() != parent) found.push_back(child);
    }
    return found;
}

}  // namespace hemr
