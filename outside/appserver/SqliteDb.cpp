#include "outside/appserver/SqliteDb.h"

#include <chrono>
#include <thread>

#include "platform/core/Exceptions.h"

namespace appserver {

namespace {

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
    throw rt::EDatabaseError(what + ": " + (db ? sqlite3_errmsg(db) : "no connection"));
}

}  // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
        Fail(db_, "Cannot prepare statement");
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept : db_(other.db_), stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

SqliteStatement& SqliteStatement::Bind(int index, const std::string& text) {
    if (sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        Fail(db_, "Cannot bind parameter");
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
        Fail(db_, "Cannot bind parameter");
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index) {
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK)
        Fail(db_, "Cannot bind parameter");
    return *this;
}

bool SqliteStatement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    Fail(db_, "Statement failed");
}

void SqliteStatement::Run() {
    while (Step()) {
    }
}

void SqliteStatement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int SqliteStatement::ColumnCount() const { return sqlite3_column_count(stmt_); }

std::string SqliteStatement::ColumnName(int column) const {
    const char* name = sqlite3_column_name(stmt_, column);
    return name ? name : "";
}

bool SqliteStatement::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

std::string SqliteStatement::Text(int column) const {
    const unsigned char* text = sqlite3_column_text(stmt_, column);
    if (!text)
        return "";
    return std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt_, column)));
}

int64_t SqliteStatement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

SqliteDb::SqliteDb(const std::string& fileName) : fileName_(fileName) {
    if (sqlite3_open_v2(fileName.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw rt::EDatabaseError("Cannot open database " + fileName + ": " + why);
    }
    sqlite3_busy_timeout(db_, 10000);
    try {
        // Switching a new file to WAL needs it alone, and SQLite answers "locked"
        // at once instead of waiting while another process opens it too.
        for (int attempt = 0; sqlite3_exec(db_, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) == SQLITE_BUSY &&
                              attempt < 200;
             ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        Exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

SqliteDb::~SqliteDb() {
    cached_.clear();  // statements end before their connection
    sqlite3_close(db_);
}

void SqliteDb::Exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string why = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        throw rt::EDatabaseError("Statement failed: " + why);
    }
}

SqliteStatement SqliteDb::Prepare(const std::string& sql) { return SqliteStatement(db_, sql); }

SqliteStatement& SqliteDb::Cached(const std::string& sql) {
    std::unique_ptr<SqliteStatement>& statement = cached_[sql];
    if (!statement)
        statement = std::make_unique<SqliteStatement>(db_, sql);
    else
        statement->Reset();
    return *statement;
}

int SqliteDb::Changes() const { return sqlite3_changes(db_); }

SqliteTransaction::SqliteTransaction(SqliteDb& db) : db_(db) { db_.Exec("BEGIN IMMEDIATE"); }

SqliteTransaction::~SqliteTransaction() {
    if (!done_)
        sqlite3_exec(db_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::Commit() {
    db_.Exec("COMMIT");
    done_ = true;
}

}  // namespace appserver
