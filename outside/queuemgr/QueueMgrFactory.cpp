// The factory symbol of HemrQueueMgr.so, named in the registry file:
//   [HKEY_CLASSES_ROOT\DovorArovuroV.Class1\InprocServer32]
//   @="<folder>/HemrQueueMgr.so"
//   "Factory"="HemrQueueMgrFactory"

#include <new>
#include <string>

#include "outside/queuemgr/QueueManager.h"
#include "platform/sysutils/StrUtils.h"

extern "C" __attribute__((visibility("default"))) rt::IDispatch* HemrQueueMgrFactory(const char* progId) {
    if (!progId || !rt::SameText(progId, queuemgr::kQueueManagerProgId))
        return nullptr;
    return new (std::nothrow) queuemgr::TQueueManager();
}
