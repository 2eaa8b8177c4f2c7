#pragma once
// The server's database for one server object: the connection, created,
// schema-checked and seeded on first use of a server folder.

#include <memory>
#include <string>

#include "outside/appserver/SqliteDb.h"

namespace appserver {

class ServerStore {
public:
    // Creates the folder when needed; raises rt::EDatabaseError when the
    // database cannot be opened or seeded.
    static std::shared_ptr<ServerStore> Open(const std::string& home);
    // The folder of ResolveServerHome.
    static std::shared_ptr<ServerStore> OpenDefault();

    SqliteDb& Db() { return db_; }
    const std::string& Home() const { return home_; }
    // True when opening this store seeded the database.
    bool SeededNow() const { return seededNow_; }
    // The logged-in user a network session acts for, and that user's company;
    // both empty for the in-process server, which belongs to the owner of its
    // files and acts for whichever user the caller names.
    const std::string& Caller() const { return caller_; }
    const std::string& CallerCompany() const { return callerCompany_; }
    void SetCaller(const std::string& user, const std::string& company) {
        caller_ = user;
        callerCompany_ = company;
    }

    explicit ServerStore(const std::string& home);

private:
    std::string home_;
    SqliteDb db_;
    bool seededNow_ = false;
    bool fromBeforeTheRunner_ = false;  // jobs without plans when opened
    std::string caller_, callerCompany_;
};

using StorePtr = std::shared_ptr<ServerStore>;

}  // namespace appserver
