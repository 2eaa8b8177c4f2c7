#pragma once
// Creating automation objects by ProgID: factories registered in-process,
// or listed in the registry file as a shared library and a factory symbol.

#include <functional>
#include <string>

#include "platform/automation/Dispatch.h"

namespace rt {

using AutoObjectFactory = std::function<DispatchPtr()>;

// Symbol a library names in the registry file; it returns a new object
// (owned by the caller) or null.
extern "C" {
typedef IDispatch* (*AutoObjectFactoryFn)(const char* progId);
}

void RegisterAutoObjectFactory(const std::string& progId, AutoObjectFactory factory);
void UnregisterAutoObjectFactory(const std::string& progId);

// Creates the object for `progId`, raising EOleSysError "Invalid class string"
// when it is neither registered in-process nor listed in the registry file
// (key HKEY_CLASSES_ROOT\<ProgID>\InprocServer32: default value = library
// path, value "Factory" = factory symbol).
Variant CreateOleObject(const std::string& progId);

}  // namespace rt
