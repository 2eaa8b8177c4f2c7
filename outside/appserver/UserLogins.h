#pragma once
// Who may log in to the network server: one row per user code with a random
// salt and a slow salted hash of the password (PBKDF2 with SHA-256; the
// iteration count is kept per row, so it can grow without losing old rows).
// A new database gets the demo users of docs/security.md with their demo
// passwords.

#include <string>

namespace appserver {

class SqliteDb;

class UserLogins {
public:
    static constexpr int kIterations = 20000;

    explicit UserLogins(SqliteDb& db) : db_(db) {}

    // The company the user acts for when the password is right; "" otherwise
    // (also for an unknown user: the answer does not tell which was wrong).
    std::string Check(const std::string& user, const std::string& password);
    // Adds or replaces a user's password.
    void Set(const std::string& user, const std::string& password, const std::string& company);
    // Seeds the demo users while the table is empty.
    void SeedDemoOnce();

private:
    SqliteDb& db_;
};

// `bytes` bytes of the system's secure random source, as lower-case hex.
std::string SecureRandomHex(size_t bytes);

}  // namespace appserver
