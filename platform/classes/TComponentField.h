#pragma once
// A form class's field that holds one of its components, bound by name when the
// form's resource is read (see TFormReader::Finish). Declared in the class's
// Publish next to its properties: RT_COMPONENT(p, btnOk);

#include <functional>
#include <string>

namespace rt {

class TObject;
class TComponent;
class TMetaClass;
using TClass = const TMetaClass*;

struct TComponentField {
    std::string Name;
    // The class the field holds, resolved on use (classes are built on first use).
    TClass (*ClassFn)() = nullptr;
    std::function<void(TObject* instance, TComponent* component)> Assign;
};

}  // namespace rt
