#include "outside/appserver/UserLogins.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <sys/random.h>

#include <utility>
#include <vector>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/SqliteDb.h"

namespace appserver {

namespace {

std::string Hex(const unsigned char* bytes, size_t count) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

std::string Hash(const std::string& password, const std::string& salt, int iterations) {
    unsigned char out[32];
    if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()),
                          reinterpret_cast<const unsigned char*>(salt.data()), static_cast<int>(salt.size()),
                          iterations, EVP_sha256(), sizeof out, out) != 1)
        throw EServerError("Cannot hash a password");
    return Hex(out, sizeof out);
}

// The demo users and their passwords, as docs/security.md lists them.
const std::pair<const char*, const char*> kDemoUsers[] = {
    {"796", "demo796"}, {"797", "demo797"}, {"DS", "demoDS"}, {"U001", "demoU001"}, {"U002", "demoU002"}};
constexpr const char* kDemoCompany = "KWTest60";

}  // namespace

std::string SecureRandomHex(size_t bytes) {
    std::vector<unsigned char> buffer(bytes);
    size_t filled = 0;
    while (filled < bytes) {
        ssize_t got = getrandom(buffer.data() + filled, bytes - filled, 0);
        if (got < 0)
            throw EServerError("The system's random source failed");
        filled += static_cast<size_t>(got);
    }
    return Hex(buffer.data(), bytes);
}

std::string UserLogins::Check(const std::string& user, const std::string& password) {
    SqliteStatement q = db_.Prepare("SELECT SALT, HASH, ITERATIONS, COMPANY FROM LOGINS WHERE USER_CODE = ?");
    q.Bind(1, user);
    // An unknown user costs the same hash, so timing does not tell the codes apart.
    const bool known = q.Step();
    const std::string salt = known ? q.Text(0) : "unknown";
    const int iterations = known ? static_cast<int>(q.Int(2)) : kIterations;
    const std::string hash = Hash(password, salt, iterations);
    if (!known || hash.size() != q.Text(1).size() || CRYPTO_memcmp(hash.data(), q.Text(1).data(), hash.size()) != 0)
        return "";
    return q.Text(3);
}

void UserLogins::Set(const std::string& user, const std::string& password, const std::string& company) {
    const std::string salt = SecureRandomHex(16);
    db_.Prepare("INSERT OR REPLACE INTO LOGINS (USER_CODE, SALT, HASH, ITERATIONS, COMPANY) VALUES (?, ?, ?, ?, ?)")
        .Bind(1, user)
        .Bind(2, salt)
        .Bind(3, Hash(password, salt, kIterations))
        .Bind(4, static_cast<int64_t>(kIterations))
        .Bind(5, company)
        .Run();
}

void UserLogins::SeedDemoOnce() {
    if (db_.Prepare("SELECT 1 FROM LOGINS LIMIT 1").Step())
        return;
    SqliteTransaction tx(db_);
    if (db_.Prepare("SELECT 1 FROM LOGINS LIMIT 1").Step())
        return;
    for (const auto& [user, password] : kDemoUsers)
        Set(user, password, kDemoCompany);
    tx.Commit();
}

}  // namespace appserver
