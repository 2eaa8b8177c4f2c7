#include "outside/appserver/SimpleSql.h"

#include <cctype>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "outside/appserver/SqliteDb.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

struct WhitelistEntry {
    const char* name;       // the query name form
    const char* statement;  // what a client may send, normalised
    const char* column;     // its result column
    const char* sql;        // what the server runs
    int paramCount;
};

constexpr WhitelistEntry kWhitelist[] = {
    {"NVRINTMA.MA003", "SELECT MA003 FROM NVRINTMA WHERE MA001=?", "MA003",
     "SELECT MA003 FROM NVRINTMA WHERE MA001 = ?", 1},
    {"TAXMA.MA002", "SELECT MA002 FROM TAXMA WHERE MA001=?", "MA002", "SELECT MA002 FROM TAXMA WHERE MA001 = ?", 1},
    {"CMSME.ME002", "SELECT ME002 FROM CMSME WHERE ME001=?", "ME002", "SELECT ME002 FROM CMSME WHERE ME001 = ?", 1},
    {"NVRMA.MA002", "SELECT MA002 FROM NVRMA WHERE MA001=?", "MA002", "SELECT MA002 FROM NVRMA WHERE MA001 = ?", 1},
    {"ADMMB.MB002", "SELECT MB002 FROM ADMMB WHERE MB001=?", "MB002", "SELECT MB002 FROM ADMMB WHERE MB001 = ?", 1},
    {"CMSME.COMPANY", "SELECT ME001,ME002 FROM CMSME WHERE ME003=?", "ME001",
     "SELECT ME001, ME002 FROM CMSME WHERE ME003 = ? ORDER BY ME001", 1},
};

[[noreturn]] void Refuse(const std::string& why) { throw EServerError("SimpleSQL refused: " + why); }

const WhitelistEntry* ByName(const std::string& name) {
    for (const WhitelistEntry& e : kWhitelist)
        if (rt::SameText(e.name, name))
            return &e;
    return nullptr;
}

const WhitelistEntry* ByStatement(const std::string& normalized) {
    for (const WhitelistEntry& e : kWhitelist)
        if (normalized == e.statement)
            return &e;
    return nullptr;
}

std::vector<std::string> KeyParts(const rt::Variant& key) {
    const rt::Variant& k = key.Deref();
    if (k.IsArray())
        return ArrayTexts(k, "The SimpleSQL key");
    if (k.IsString())
        return {ArgText(k)};
    Refuse("the key must be a statement text or an array");
}

}  // namespace

std::optional<std::string> SimpleSql::Normalize(const std::string& text, std::vector<std::string>& literals) {
    std::string out;
    bool pendingSpace = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\'') {
            std::string literal;
            size_t j = i + 1;
            for (;; ++j) {
                if (j >= text.size())
                    return std::nullopt;
                if (text[j] == '\'') {
                    if (j + 1 < text.size() && text[j + 1] == '\'') {
                        literal += '\'';
                        ++j;
                        continue;
                    }
                    break;
                }
                literal += text[j];
            }
            if (pendingSpace && !out.empty() && out.back() != '=' && out.back() != ',')
                out += ' ';
            pendingSpace = false;
            out += '?';
            literals.push_back(literal);
            i = j;
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            pendingSpace = true;
            continue;
        }
        bool tight = c == '=' || c == ',';
        bool afterTight = !out.empty() && (out.back() == '=' || out.back() == ',');
        if (pendingSpace && !out.empty() && !tight && !afterTight)
            out += ' ';
        pendingSpace = false;
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    while (!out.empty() && out.back() == ';')
        out.pop_back();
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

SimpleSqlMatch SimpleSql::Match(const rt::Variant& key) {
    std::vector<std::string> parts = KeyParts(key);
    if (parts.empty() || rt::Trim(parts[0]).empty())
        Refuse("no statement");
    if (const WhitelistEntry* named = ByName(rt::Trim(parts[0]))) {
        if (static_cast<int>(parts.size()) - 1 != named->paramCount)
            Refuse(std::string("query ") + named->name + " takes " + std::to_string(named->paramCount) + " value(s)");
        return {named->sql, std::vector<std::string>(parts.begin() + 1, parts.end())};
    }
    std::vector<std::string> literals;
    std::optional<std::string> normalized = Normalize(parts[0], literals);
    if (!normalized)
        Refuse("unterminated text literal");
    const WhitelistEntry* entry = ByStatement(*normalized);
    if (!entry)
        Refuse("statement not in the whitelist: " + parts[0]);
    if (parts.size() > 2)
        Refuse("a statement key has at most a result column after it");
    if (parts.size() == 2 && !rt::Trim(parts[1]).empty() && !rt::SameText(rt::Trim(parts[1]), entry->column))
        Refuse("result column " + parts[1] + " is not " + entry->column);
    return {entry->sql, literals};
}

rt::Variant SimpleSql::Run(SqliteDb& db, const rt::Variant& key) {
    SimpleSqlMatch match = Match(key);
    SqliteStatement query = db.Prepare(match.sql);
    for (size_t i = 0; i < match.params.size(); ++i)
        query.Bind(static_cast<int>(i) + 1, match.params[i]);
    return RowsVariant(ReadRows(query));
}

}  // namespace appserver
