#pragma once
// First-start contents of the server database: message catalogue, program
// catalogue, settings, master tables and a demo staff for the age report.
// Seeding runs in one transaction and only while the marker is missing, so a
// second start (or a second server object on the same file) adds nothing.

namespace appserver {

class SqliteDb;

// True when this call seeded the database, false when it was seeded already.
bool SeedOnce(SqliteDb& db);

// The parts, each writing into the open transaction of SeedOnce.
void SeedMessages(SqliteDb& db);
void SeedMasters(SqliteDb& db);
void SeedEmployees(SqliteDb& db);

}  // namespace appserver
