#include "platform/classes/TComponent.h"

#include <algorithm>

#include "platform/classes/IdentText.h"
#include "platform/core/Exceptions.h"

namespace rt {

TComponent::TComponent(TComponent* owner) {
    if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Each side removes itself from the other's list as it is told.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        other->RemoveNotifier(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::Publish(TPublisher<TComponent>& p) {
    p.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    p.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TPersistent* TComponent::GetOwner() const { return owner_; }

std::string TComponent::GetNamePath() const { return name_; }

void TComponent::SetName(const std::string& name) {
    if (name_ == name) return;
    if (!name.empty() && !IsValidIdent(name)) {
        throw EComponentError("'" + name + "' is not a valid component name");
    }
    if (owner_ != nullptr) {
        owner_->ValidateRename(this, name_, name);
    } else {
        ValidateRename(nullptr, name_, name);
    }
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName, const std::string& newName) {
    if (component == nullptr || newName.empty() || SameName(currentName, newName)) return;
    TComponent* existing = FindComponent(newName);
    if (existing != nullptr && existing != component) {
        throw EComponentError("A component named " + newName + " already exists");
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (owner_ == nullptr) return -1;
    const auto& list = owner_->components_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_) {
        if (SameName(c->name_, name)) return c;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component == nullptr || component->owner_ == this) return;
    // A name taken here would break FindComponent; refuse before changing anything.
    ValidateRename(component, std::string(), component->name_);
    if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
    InsertOwned(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component == nullptr || component->owner_ != this) return;
    Notification(component, opRemove);
    RemoveOwned(component);
}

void TComponent::InsertOwned(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::RemoveOwned(TComponent* component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        RemoveOwned(last);
        delete last;
    }
}

void TComponent::Destroying() {
    if (state_.Contains(csDestroying)) return;
    state_.Include(csDestroying);
    for (TComponent* c : components_) c->Destroying();
}

void TComponent::SetDesigning(bool designing, bool setChildren) {
    if (designing) {
        state_.Include(csDesigning);
    } else {
        state_.Exclude(csDesigning);
    }
    if (!setChildren) return;
    for (TComponent* c : components_) c->SetDesigning(designing, true);
}

void TComponent::Loading() { state_.Include(csLoading); }

void TComponent::SetReading(bool reading) {
    if (reading) {
        state_.Include(csReading);
    } else {
        state_.Exclude(csReading);
    }
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::FreeNotification(TComponent* component) {
    if (component == nullptr || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
    }
    auto& theirs = component->freeNotifies_;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
    state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (component == nullptr) return;
    RemoveNotifier(component);
    component->RemoveNotifier(this);
}

void TComponent::RemoveNotifier(TComponent* component) {
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
    if (freeNotifies_.empty()) state_.Exclude(csFreeNotification);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component != nullptr) RemoveFreeNotification(component);
    // A handler may free components; re-clamp the index after each call.
    int i = ComponentCount() - 1;
    while (i >= 0) {
        components_[static_cast<size_t>(i)]->Notification(component, operation);
        --i;
        if (i >= ComponentCount()) i = ComponentCount() - 1;
    }
}

void TComponent::GetChildren(const TGetChildProc& proc, TComponent* root) {
    if (root != this) return;
    for (TComponent* c : components_) {
        if (!c->HasParent()) proc(c);
    }
}

bool TComponent::HasParent() const { return false; }

TComponent* TComponent::GetParentComponent() const { return nullptr; }

void TComponent::SetParentComponent(TComponent*) {}

}  // namespace rt
