#include "outside/appserver/ServerStore.h"

#include "outside/appserver/Seeder.h"
#include "outside/appserver/ServerHome.h"
#include "outside/appserver/ServerSchema.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"

namespace appserver {

namespace {

const std::string& PreparedHome(const std::string& home) {
    if (!rt::DirectoryExists(home) && !rt::ForceDirectories(home))
        throw rt::EDatabaseError("Cannot create the server folder " + home);
    return home;
}

}  // namespace

ServerStore::ServerStore(const std::string& home) : home_(home), db_(DatabaseFileIn(PreparedHome(home))) {
    CreateSchema(db_);
    seededNow_ = SeedOnce(db_);
}

std::shared_ptr<ServerStore> ServerStore::Open(const std::string& home) { return std::make_shared<ServerStore>(home); }

std::shared_ptr<ServerStore> ServerStore::OpenDefault() { return Open(ResolveServerHome()); }

}  // namespace appserver
