#include "outside/host/PortalSwitch.h"

#include <stdexcept>

namespace host {

namespace {

constexpr const char* kStartup = "StartupPortal";
constexpr const char* kAddress = "Portal WS";

portal::TPortalOptions OptionsOf(const nlohmann::json& setting) {
    portal::TPortalOptions options;
    if (setting.is_object()) {
        for (const auto& [key, value] : setting.items()) {
            if (key != "declaration" || !value.is_boolean())
                throw std::runtime_error("portal: the only setting is \"declaration\": true or false");
            options.declaration = value.get<bool>();
        }
    } else if (!setting.is_boolean()) {
        throw std::runtime_error("portal must be true, false or {\"declaration\": false}");
    }
    return options;
}

}  // namespace

PortalSwitch::PortalSwitch(const std::string& serverFolder, const nlohmann::json& setting) {
    if (setting.is_null() || (setting.is_boolean() && !setting.get<bool>())) return;
    server_ = std::make_unique<portal::TPortalServer>(portal::TPortalDirectory{}, OptionsOf(setting));
    server_->Start();
    store_ = appserver::ServerStore::Open(serverFolder);
    oldStartup_ = ReadSetting(kStartup);
    oldAddress_ = ReadSetting(kAddress);
    WriteSetting(kStartup, "Y");
    WriteSetting(kAddress, server_->Address());
}

PortalSwitch::~PortalSwitch() {
    if (!store_) return;
    try {
        WriteSetting(kStartup, oldStartup_);
        WriteSetting(kAddress, oldAddress_);
    } catch (const std::exception&) {
        // The run is over; a setting left on names a service that is gone and fails visibly.
    }
}

std::string PortalSwitch::Address() const { return server_ ? server_->Address() : ""; }

std::string PortalSwitch::ReadSetting(const std::string& name) {
    appserver::SqliteStatement q = store_->Db().Prepare("SELECT MA003 FROM NVRINTMA WHERE MA001 = ?");
    q.Bind(1, name);
    return q.Step() ? q.Text(0) : "";
}

void PortalSwitch::WriteSetting(const std::string& name, const std::string& value) {
    store_->Db()
        .Prepare("INSERT INTO NVRINTMA (MA001, MA002, MA003) VALUES (?, ?, ?) "
                 "ON CONFLICT(MA001) DO UPDATE SET MA003 = excluded.MA003")
        .Bind(1, name)
        .Bind(2, name)
        .Bind(3, value)
        .Run();
}

}  // namespace host
