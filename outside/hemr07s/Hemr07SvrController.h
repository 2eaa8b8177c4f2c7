#pragma once
// The server controller HEMR07S.so hands out: runs the age-distribution
// report on the server's database and tells the caller, on release, which
// files it wrote.

#include <functional>
#include <string>

#include "hemr/SvrController.h"
#include "outside/appserver/ServerStore.h"

namespace hemr07s {

class THemr07SvrController : public hemr::ISvrController {
public:
    using StoreOpener = std::function<appserver::StorePtr()>;

    // The database is opened when the report runs; by default the server
    // folder's (ServerHome.h).
    explicit THemr07SvrController(StoreOpener openStore = &appserver::ServerStore::OpenDefault);

    void Run(const rt::Variant& arguments) override;
    // The message is "报表已生成: <text file>" after a run, the reason after a
    // failed one, "" when Run was never called.
    void Release(std::string& message) override;

private:
    StoreOpener openStore_;
    std::string message_;
};

}  // namespace hemr07s
