#include "platform/classes/ClassRegistry.h"

#include <algorithm>
#include <string>

#include "platform/classes/IdentText.h"
#include "platform/core/Exceptions.h"

namespace rt {

namespace {
std::vector<TClass>& Registry() {
    static std::vector<TClass> classes;
    return classes;
}
}  // namespace

void RegisterClass(TClass cls) {
    if (cls == nullptr) throw EFilerError("Cannot register a null class");
    const TClass existing = GetClass(cls->ClassName());
    if (existing == cls) return;
    if (existing != nullptr) throw EFilerError("A class named " + cls->ClassName() + " already exists");
    Registry().push_back(cls);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
    for (TClass cls : classes) RegisterClass(cls);
}

void UnRegisterClass(TClass cls) {
    auto& classes = Registry();
    classes.erase(std::remove(classes.begin(), classes.end(), cls), classes.end());
}

TClass GetClass(std::string_view name) {
    for (TClass cls : Registry()) {
        if (SameName(cls->ClassName(), name)) return cls;
    }
    return nullptr;
}

TClass FindClass(std::string_view name) {
    const TClass cls = GetClass(name);
    if (cls == nullptr) throw EClassNotFound("Class " + std::string(name) + " not found");
    return cls;
}

std::vector<TClass> RegisteredClasses() { return Registry(); }

}  // namespace rt
