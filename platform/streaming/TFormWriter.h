#pragma once
// Builds the resource tree of a root component: only stored, non-default
// values, in table order, then the object's own custom entries; children as
// the root's GetChildren walk gives them.

#include <string>
#include <vector>

#include "platform/classes/TComponent.h"
#include "platform/streaming/TResourceNode.h"

namespace rt {

class TCollection;

class TFormWriter {
public:
    static TResourceNode WriteNode(TComponent* root);
    static std::string WriteText(TComponent* root);

private:
    explicit TFormWriter(TComponent* root) : root_(root) {}
    TResourceNode ComponentNode(TComponent* component);
    void WriteProperties(TObject* instance, const std::string& prefix, std::vector<TResourceProperty>& out);
    bool PropertyValue(TObject* instance, const TPropInfo& info, TResourceValue& value);
    TResourceValue CollectionValue(TCollection* collection);
    std::string ReferenceName(const TComponent* component) const;

    TComponent* root_;
};

}  // namespace rt
