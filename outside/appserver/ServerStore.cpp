#include "outside/appserver/ServerStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "outside/appserver/JobStore.h"
#include "outside/appserver/Seeder.h"
#include "outside/appserver/ServerHome.h"
#include "outside/appserver/ServerSchema.h"
#include "outside/appserver/UserLogins.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"

namespace appserver {

namespace {

// The server's folder and database are its owner's alone: passwords hashes,
// every user's jobs and the staff's birthdays live there.
const std::string& PreparedHome(const std::string& home) {
    if (!rt::DirectoryExists(home)) {
        if (!rt::ForceDirectories(home))
            throw rt::EDatabaseError("Cannot create the server folder " + home);
        ::chmod(home.c_str(), 0700);
    }
    return home;
}

// A database file that is a link (or no plain file) is refused, not opened
// through; a new one is created owner-only before the database engine opens it.
std::string PreparedDatabaseFile(const std::string& file) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            throw rt::EDatabaseError("\"" + file + "\" refused: it is not a regular file");
        return file;
    }
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST)
        throw rt::EDatabaseError("Cannot create " + file + ": " + std::strerror(errno));
    if (fd >= 0)
        ::close(fd);
    return file;
}

}  // namespace

ServerStore::ServerStore(const std::string& home)
    : home_(home), db_(PreparedDatabaseFile(DatabaseFileIn(PreparedHome(home)))) {
    // Jobs stored before the runner's plan existed would otherwise never run.
    fromBeforeTheRunner_ = HoldsJobsFromBeforeTheRunner(db_);
    CreateSchema(db_);
    seededNow_ = SeedOnce(db_);
    UserLogins(db_).SeedDemoOnce();
}

std::shared_ptr<ServerStore> ServerStore::Open(const std::string& home) {
    auto store = std::make_shared<ServerStore>(home);
    if (store->fromBeforeTheRunner_)
        JobStore(store).PlanJobsFromBeforeTheRunner();
    return store;
}

std::shared_ptr<ServerStore> ServerStore::OpenDefault() { return Open(ResolveServerHome()); }

}  // namespace appserver
