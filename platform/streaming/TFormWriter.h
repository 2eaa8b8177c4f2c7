#pragma once
// Prints the resource text of a root component as it walks it: only stored,
// non-default values, in table order, then the object's own custom entries;
// children as the root's GetChildren walk gives them.

#include <string>
#include <vector>

#include "platform/classes/TComponent.h"
#include "platform/streaming/TFormPrinter.h"

namespace rt {

class TCollection;

class TFormWriter {
public:
    static std::string WriteText(TComponent* root);

private:
    TFormWriter(TComponent* root, TFormPrinter& printer) : root_(root), printer_(printer) {}
    void Component(TComponent* component, int depth);
    void WriteProperties(TObject* instance, const std::string& prefix, int depth);
    bool PropertyValue(TObject* instance, const TPropInfo& info, TResourceValue& value);
    void Collection(const std::string& path, TCollection* collection, int depth);
    std::string ReferenceName(const TComponent* component) const;

    TComponent* root_;
    TFormPrinter& printer_;
};

}  // namespace rt
