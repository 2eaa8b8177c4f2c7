#pragma once
// The company portal switched on for one run when the scenario asks for it
// ("portal": true, or {"declaration": false} for answers without an XML
// declaration): the portal web service on a free loopback port, and the
// settings "StartupPortal" = "Y" and "Portal WS" = its address in the run's
// server database. The settings as they were come back when the run ends.

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "outside/appserver/ServerStore.h"
#include "outside/portal/TPortalServer.h"

namespace host {

class PortalSwitch {
public:
    // Nothing happens when `setting` is absent, null or false. Raises
    // std::runtime_error for a setting of another form or a failed start.
    PortalSwitch(const std::string& serverFolder, const nlohmann::json& setting);
    ~PortalSwitch();
    PortalSwitch(const PortalSwitch&) = delete;
    PortalSwitch& operator=(const PortalSwitch&) = delete;

    // "" when the portal is off for this run.
    std::string Address() const;

private:
    void WriteSetting(const std::string& name, const std::string& value);
    std::string ReadSetting(const std::string& name);

    appserver::StorePtr store_;
    std::unique_ptr<portal::TPortalServer> server_;
    std::string oldStartup_;
    std::string oldAddress_;
};

}  // namespace host
