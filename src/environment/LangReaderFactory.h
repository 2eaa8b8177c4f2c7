#pragma once
// Picks the element reader by the component's class, recognised by class
// name so that the packs need no control classes.

#include "src/environment/LangComponentRead.h"

#include <memory>

namespace hemr {

class TReaderFactory {
public:
    static std::unique_ptr<ILangRead> CreateReader(rt::TComponent* component);
};

}  // namespace hemr
