#pragma once
// Walks a component tree and applies an open language document to it: the
// document element to a form or data module, the first element named after a
// component to that component, then everything the component owns.

#include "platform/classes/TEvent.h"
#include "platform/classes/TStringList.h"

#include <pugixml.hpp>

#include <string_view>

namespace rt {
class TComponent;
}

namespace hemr {

// Told before and after an element is applied to a component.
using TLoadComponentEvent = rt::TEvent<void(rt::TComponent* xComponent, pugi::xml_node xComponentNode)>;

class TLangReader {
public:
    // `document` stays owned by the caller and must outlive the reader.
    explicit TLangReader(const pugi::xml_document& document);

    void ReadComponent(rt::TComponent* component);

    // A copy of the names never translated; an empty or null list clears it.
    void SetExcludeControls(const rt::TStrings* names);
    const rt::TStringList& ExcludeControls() const { return exclude_; }
    bool IsExcluded(std::string_view name) const;

    TLoadComponentEvent BeforeLoadComponent;
    TLoadComponentEvent AfterLoadComponent;

private:
    void ApplyElement(rt::TComponent* component, pugi::xml_node element);
    pugi::xml_node ElementNamed(const std::string& name) const;

    const pugi::xml_document& document_;
    rt::TStringList exclude_;
};

}  // namespace hemr
