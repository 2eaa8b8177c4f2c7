#pragma once
// A thin owner of one SQLite connection: WAL journal, a busy timeout so that
// several server objects on one file wait for each other instead of failing,
// and prepared statements whose parameters are always bound, never pasted.

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace appserver {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const std::string& sql);
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    SqliteStatement(SqliteStatement&& other) noexcept;
    ~SqliteStatement();

    // Parameters are numbered from 1.
    SqliteStatement& Bind(int index, const std::string& text);
    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& BindNull(int index);

    // True while a row is available.
    bool Step();
    // Steps to completion (statements without rows).
    void Run();
    void Reset();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    bool IsNull(int column) const;
    std::string Text(int column) const;
    int64_t Int(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

class SqliteDb {
public:
    explicit SqliteDb(const std::string& fileName);
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;
    ~SqliteDb();

    // Several statements without parameters (schema creation).
    void Exec(const std::string& sql);
    SqliteStatement Prepare(const std::string& sql);
    // A statement compiled once per connection for the paths taken on every
    // job; reset, so the caller binds every parameter, and left to the caller
    // to step to its end or reset before the transaction commits.
    SqliteStatement& Cached(const std::string& sql);
    int Changes() const;
    const std::string& FileName() const { return fileName_; }

private:
    friend class SqliteTransaction;
    sqlite3* db_ = nullptr;
    std::string fileName_;
    std::map<std::string, std::unique_ptr<SqliteStatement>> cached_;
};

// BEGIN IMMEDIATE on construction; rolled back unless Commit ran, so a change
// that fails half-way leaves nothing behind.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDb& db);
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    ~SqliteTransaction();
    void Commit();

private:
    SqliteDb& db_;
    bool done_ = false;
};

}  // namespace appserver
