// The factory symbol of HemrBrowser.so, named in the registry file:
//   [HKEY_CLASSES_ROOT\InternetExplorer.Application\InprocServer32]
//   @="<folder>/HemrBrowser.so"
//   "Factory"="HemrBrowserFactory"

#include <new>

#include "outside/browser/BrowserApplication.h"
#include "platform/sysutils/StrUtils.h"

extern "C" __attribute__((visibility("default"))) rt::IDispatch* HemrBrowserFactory(const char* progId) {
    if (!progId || !rt::SameText(progId, browser::kBrowserProgId))
        return nullptr;
    return new (std::nothrow) browser::TBrowserApplication();
}
