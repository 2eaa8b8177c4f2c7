#include "platform/classes/TPersistent.h"

#include "platform/classes/TFiler.h"
#include "platform/core/Exceptions.h"

namespace rt {

void TPersistent::Assign(const TPersistent* source) {
    if (source == nullptr) AssignError(nullptr);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) const { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
    const std::string sourceName = source != nullptr ? source->ClassName() : std::string("nil");
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

std::string TPersistent::GetNamePath() const {
    std::string path = ClassName();
    const TPersistent* owner = GetOwner();
    if (owner != nullptr) {
        const std::string ownerPath = owner->GetNamePath();
        if (!ownerPath.empty()) path = ownerPath + "." + path;
    }
    return path;
}

TPersistent* TPersistent::GetOwner() const { return nullptr; }

void TPersistent::DefineProperties(TFiler&) {}

}  // namespace rt
