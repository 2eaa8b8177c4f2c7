#include "outside/appserver/Seeder.h"

#include <string>

#include "outside/appserver/SqliteDb.h"

namespace appserver {

namespace {

constexpr const char* kSeedEdition = "3";

// The seed edition of the database, "" when it was never seeded.
std::string SeededEdition(SqliteDb& db) {
    SqliteStatement q = db.Prepare("SELECT VALUE FROM SEEDINFO WHERE NAME = 'seeded'");
    return q.Step() ? q.Text(0) : "";
}

// The staff of edition 1 held only men in the departments the examples choose:
// its fifty demo employees are replaced by the present ones, unless someone
// has since taken the numbers the present staff needs.
void RestaffEditionOne(SqliteDb& db) {
    const bool taken = db.Prepare("SELECT 1 FROM EMPLOYEE WHERE EMP_ID BETWEEN 'E0051' AND 'E0096'").Step();
    if (!taken) {
        db.Exec("DELETE FROM EMPLOYEE WHERE EMP_ID BETWEEN 'E0001' AND 'E0050'");
        SeedEmployees(db);
    }
}

void MarkEdition(SqliteDb& db) {
    db.Prepare("UPDATE SEEDINFO SET VALUE = ? WHERE NAME = 'seeded'").Bind(1, std::string(kSeedEdition)).Run();
}

}  // namespace

bool SeedOnce(SqliteDb& db) {
    // Most opens find the present edition: no write transaction for them.
    if (SeededEdition(db) == kSeedEdition)
        return false;
    SqliteTransaction tx(db);
    // Checked inside the write transaction: two objects starting together
    // cannot both see an empty database.
    const std::string edition = SeededEdition(db);
    if (edition == "1" || edition == "2") {
        if (edition == "1") RestaffEditionOne(db);
        // Edition 3 adds the English catalogue texts.
        SeedMessages(db);
        MarkEdition(db);
        tx.Commit();
        return false;
    }
    if (!edition.empty())
        return false;
    SeedMessages(db);
    SeedMasters(db);
    SeedEmployees(db);
    db.Prepare("INSERT INTO SEEDINFO (NAME, VALUE) VALUES ('seeded', ?)").Bind(1, std::string(kSeedEdition)).Run();
    tx.Commit();
    return true;
}

}  // namespace appserver
