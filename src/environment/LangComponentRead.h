#pragma once
// Applying one language element to one component: every attribute of the
// element is one assignment, made in document order; a failed assignment is
// skipped so that a pack written for another edition never breaks a form.

#include <pugixml.hpp>

namespace rt {
class TComponent;
}

namespace hemr {

class ILangRead {
public:
    virtual ~ILangRead() = default;
    // Applies `element` to the component the reader was made for.
    virtual void ReadComponent(pugi::xml_node element) = 0;
};

class TComponentRead : public ILangRead {
public:
    explicit TComponentRead(rt::TComponent* component) : component_(component) {}

    void ReadComponent(pugi::xml_node element) override;
    // How many assignments of the last ReadComponent took effect.
    int AppliedCount() const { return applied_; }

protected:
    rt::TComponent* Component() const { return component_; }

private:
    rt::TComponent* component_;
    int applied_ = 0;
};

}  // namespace hemr
