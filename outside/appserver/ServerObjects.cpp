#include "outside/appserver/ServerObjects.h"

#include "outside/appserver/ReportCounter.h"
#include "outside/appserver/SessionManager.h"
#include "platform/automation/ComObj.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

bool IsServerProgId(const std::string& progId) {
    return rt::SameText(progId, kSessionProgId) || rt::SameText(progId, kReportCounterProgId);
}

std::unique_ptr<rt::IDispatch> CreateServerObject(const std::string& progId, const StorePtr& store,
                                                  const std::string& packageAddress) {
    if (rt::SameText(progId, kSessionProgId))
        return std::make_unique<SessionManager>(store, packageAddress);
    if (rt::SameText(progId, kReportCounterProgId))
        return std::make_unique<ReportCounter>(store);
    return nullptr;
}

void RegisterServerObjects(const std::string& home) {
    for (const char* progId : {kSessionProgId, kReportCounterProgId}) {
        std::string id = progId;
        rt::RegisterAutoObjectFactory(id, [id, home] {
            return rt::DispatchPtr(
                CreateServerObject(id, home.empty() ? ServerStore::OpenDefault() : ServerStore::Open(home)));
        });
    }
}

void UnregisterServerObjects() {
    rt::UnregisterAutoObjectFactory(kSessionProgId);
    rt::UnregisterAutoObjectFactory(kReportCounterProgId);
}

}  // namespace appserver
