#pragma once
// Components: named, owned objects with published properties.
//
// Lifetime: an owner holds raw pointers to its owned components and deletes
// them when it is destroyed, the last inserted first. Deleting a component
// yourself is allowed at any time: its destructor removes it from its owner and
// tells everyone who asked for a free notification. A derived class whose owned
// components must go while its own members still exist (a form with its
// controls) calls DestroyComponents() at the start of its destructor.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/TComponentState.h"
#include "platform/classes/TPersistent.h"

namespace rt {

class TComponent : public TPersistent {
    RT_CLASS(TComponent, TPersistent)

public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    static void Publish(TPublisher<TComponent>& p);

    TComponent* Owner() const { return owner_; }
    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

    const std::string& Name() const { return name_; }
    // Raises EComponentError for an invalid identifier or a name the owner already has.
    virtual void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TComponent* Components(int index) const;
    // Index of this component in its owner's list, -1 without owner.
    int ComponentIndex() const;
    // Owned component by name, ignoring case; null when none.
    TComponent* FindComponent(std::string_view name) const;

    // Moves `component` under this owner (taking it from its previous one).
    void InsertComponent(TComponent* component);
    // Releases `component` from this owner without destroying it.
    void RemoveComponent(TComponent* component);
    // Destroys the owned components, the last inserted first.
    void DestroyComponents();

    TComponentState ComponentState() const { return state_; }
    // Marks the start of destruction on this component and all it owns.
    void Destroying();
    void SetDesigning(bool designing, bool setChildren = true);
    // The form reader brackets loading: Loading() before properties are read,
    // Loaded() after the whole tree is read.
    void Loading();
    void SetReading(bool reading);
    virtual void Loaded();

    // Asks `component` to tell this one (Notification opRemove) when it is destroyed, and vice versa.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Hooks for a parent/child relation kept by the control layer: the writer
    // walks GetChildren, the reader calls SetParentComponent on each child it creates.
    using TGetChildProc = std::function<void(TComponent*)>;
    virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
    virtual bool HasParent() const;
    virtual TComponent* GetParentComponent() const;
    virtual void SetParentComponent(TComponent* parent);

    // Told about every component inserted into or removed from this owner's
    // tree, and about freed components this one asked to hear of.
    virtual void Notification(TComponent* component, TOperation operation);

protected:
    virtual void ValidateRename(TComponent* component, const std::string& currentName, const std::string& newName);

private:
    void InsertOwned(TComponent* component);
    void RemoveOwned(TComponent* component);
    void RemoveNotifier(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    int tag_ = 0;
    TComponentState state_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

}  // namespace rt
