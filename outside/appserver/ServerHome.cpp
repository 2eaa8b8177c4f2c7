#include "outside/appserver/ServerHome.h"

#include <cstdlib>

#include "outside/appserver/ServerError.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Paths.h"
#include "platform/os/Registry.h"
#include "platform/os/RegistryException.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

std::string RegistryServerPath() {
    try {
        rt::TRegistry reg;
        reg.SetRootKey(rt::HKEY_LOCAL_MACHINE);
        if (!reg.OpenKeyReadOnly("\\Software\\NVR\\Kestrel"))
            return "";
        return rt::Trim(reg.ReadString("ServerPath"));
    } catch (const rt::ERegistryException&) {
        return "";  // a value of the wrong type counts as missing; a refused registry file is reported
    }
}

}  // namespace

std::string ResolveServerHome() {
    std::string home = RegistryServerPath();
    if (home.empty()) {
        const char* env = std::getenv("NVR_SERVER_HOME");
        home = env ? rt::Trim(env) : "";
    }
    if (home.empty())
        throw EServerError(
            "No server folder: set ServerPath under Software\\NVR\\Kestrel or the variable NVR_SERVER_HOME");
    return rt::ExcludeTrailingPathDelimiter(rt::ToNativePath(home));
}

std::string DatabaseFileIn(const std::string& home) {
    return rt::IncludeTrailingPathDelimiter(home) + "HemrServer.db";
}

std::string LibraryFolderIn(const std::string& home) { return rt::IncludeTrailingPathDelimiter(home) + "S_PKG/"; }

}  // namespace appserver
