#include "platform/automation/ComObj.h"

#include <dlfcn.h>

#include <mutex>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/os/Registry.h"
#include "platform/sysutils/SysUtils.h"

namespace rt {

namespace {

struct FactoryEntry {
    std::string progId;
    AutoObjectFactory factory;
};

std::vector<FactoryEntry>& Factories() {
    static std::vector<FactoryEntry> factories;
    return factories;
}

std::mutex& FactoriesLock() {
    static std::mutex lock;
    return lock;
}

AutoObjectFactory FindInProcess(const std::string& progId) {
    std::lock_guard<std::mutex> guard(FactoriesLock());
    for (const FactoryEntry& e : Factories())
        if (SameText(e.progId, progId))
            return e.factory;
    return {};
}

[[noreturn]] void InvalidClass(const std::string& progId, const std::string& why) {
    throw EOleSysError("Invalid class string: " + progId + (why.empty() ? "" : " (" + why + ")"), CO_E_CLASSSTRING);
}

// A ProgID listed in the registry file: the library stays loaded for the life
// of the process, as in-process servers do.
DispatchPtr CreateFromRegistry(const std::string& progId) {
    TRegistry reg;
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    if (!reg.OpenKeyReadOnly("\\" + progId + "\\InprocServer32"))
        InvalidClass(progId, "");
    std::string library = reg.ReadString("");
    std::string symbol = reg.ReadString("Factory");
    if (library.empty() || symbol.empty())
        InvalidClass(progId, "no library or factory listed");
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        InvalidClass(progId, dlerror());
    auto factory = reinterpret_cast<AutoObjectFactoryFn>(dlsym(handle, symbol.c_str()));
    if (!factory)
        InvalidClass(progId, "factory " + symbol + " not found in " + library);
    IDispatch* object = factory(progId.c_str());
    if (!object)
        InvalidClass(progId, "factory refused the class");
    return DispatchPtr(object);
}

}  // namespace

void RegisterAutoObjectFactory(const std::string& progId, AutoObjectFactory factory) {
    std::lock_guard<std::mutex> guard(FactoriesLock());
    for (FactoryEntry& e : Factories()) {
        if (SameText(e.progId, progId)) {
            e.factory = std::move(factory);
            return;
        }
    }
    Factories().push_back({progId, std::move(factory)});
}

void UnregisterAutoObjectFactory(const std::string& progId) {
    std::lock_guard<std::mutex> guard(FactoriesLock());
    auto& all = Factories();
    std::erase_if(all, [&](const FactoryEntry& e) { return SameText(e.progId, progId); });
}

Variant CreateOleObject(const std::string& progId) {
    if (AutoObjectFactory factory = FindInProcess(progId)) {
        DispatchPtr object = factory();
        if (!object)
            InvalidClass(progId, "factory refused the class");
        return Variant(object);
    }
    return Variant(CreateFromRegistry(progId));
}

}  // namespace rt
