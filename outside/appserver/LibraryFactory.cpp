// The factory symbol of HemrAppServer.so, named in the registry file under
// HKEY_CLASSES_ROOT\<ProgID>\InprocServer32 as the value "Factory":
//   [HKEY_CLASSES_ROOT\ZizuvaRoderirO.dmReportCounter\InprocServer32]
//   @="/opt/hemr/HemrAppServer.so"
//   "Factory"="HemrAppServerFactory"
// The database is the one of the server folder (ServerHome.h).

#include <cstdio>
#include <string>

#include "outside/appserver/ServerObjects.h"
#include "outside/appserver/ToolkitF2WindowDriver.h"
#include "outside/hemr07s/IntakeCheck.h"
#include "platform/core/Exceptions.h"

extern "C" __attribute__((visibility("default"))) rt::IDispatch* HemrAppServerFactory(const char* progId) {
    try {
        std::string id = progId ? progId : "";
        if (!appserver::IsServerProgId(id))
            return nullptr;
        // Loaded in-process, the server's lookup windows are the client shell's own forms.
        appserver::InstallToolkitF2WindowDriver();
        hemr07s::RegisterIntakeCheck();
        return appserver::CreateServerObject(id, appserver::ServerStore::OpenDefault()).release();
    } catch (const std::exception& e) {
        // No exception may cross the C boundary; the reason goes to the log stream.
        std::fprintf(stderr, "HemrAppServer: cannot create %s: %s\n", progId ? progId : "", e.what());
        return nullptr;
    }
}
