#pragma once
// The registry of classes that can be created by name (form resources name
// their components' classes). Each library registers its classes from its own
// registration function when it loads.

#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/classes/TMetaClass.h"

namespace rt {

// Registering the same class twice is harmless; another class of the same name
// raises EFilerError "A class named %s already exists".
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
template <class T>
void RegisterClass() {
    RegisterClass(T::StaticClass());
}
void UnRegisterClass(TClass cls);

// Lookups ignore case. FindClass raises EClassNotFound "Class %s not found".
TClass FindClass(std::string_view name);
TClass GetClass(std::string_view name);

// Registered classes in registration order.
std::vector<TClass> RegisteredClasses();

}  // namespace rt
