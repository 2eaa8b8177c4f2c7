#include "outside/appserver/Seeder.h"

#include "outside/appserver/SqliteDb.h"

namespace appserver {

namespace {

constexpr const char* kSeedEdition = "1";

bool IsSeeded(SqliteDb& db) {
    SqliteStatement q = db.Prepare("SELECT VALUE FROM SEEDINFO WHERE NAME = 'seeded'");
    return q.Step();
}

}  // namespace

bool SeedOnce(SqliteDb& db) {
    SqliteTransaction tx(db);
    // Checked inside the write transaction: two objects starting together
    // cannot both see an empty database.
    if (IsSeeded(db))
        return false;
    SeedMessages(db);
    SeedMasters(db);
    SeedEmployees(db);
    db.Prepare("INSERT INTO SEEDINFO (NAME, VALUE) VALUES ('seeded', ?)").Bind(1, std::string(kSeedEdition)).Run();
    tx.Commit();
    return true;
}

}  // namespace appserver
