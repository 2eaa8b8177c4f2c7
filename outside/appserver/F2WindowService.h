#pragma once
// The session's lookup-window service ("Com_F2Window").
//
//   F2GetData(19-element array)   the rows of the named table (F2Tables.h),
//       narrowed by the key, offered through the installed window driver
//       (F2WindowDriver.h); answers the chosen rows as a zero-based array of
//       row arrays (code first), or empty for Cancel and without a driver.
//       A single-selection lookup answers one row at most.
//   ShowInputDay([ROC flag, "YYYYMMDD", database])   the chosen day as
//       "YYYYMMDD" through the driver; "" for Cancel, without a driver, or
//       when the driver answers something that is not a date.
//   GetPhrase(user, database, window)   the user's stored phrase (PHRASES), or "".

#include "outside/appserver/ServerStore.h"
#include "platform/automation/Dispatch.h"

namespace appserver {

class F2WindowService : public rt::TAutoObject {
public:
    explicit F2WindowService(StorePtr store);
    std::string DispatchName() const override { return "F2Window"; }

private:
    rt::Variant F2GetData(const rt::Variant& request);
    std::string ShowInputDay(const rt::Variant& request);
    std::string GetPhrase(const std::string& user);

    StorePtr store_;
};

}  // namespace appserver
