#include "outside/appserver/F2Tables.h"

#include "outside/appserver/ServerError.h"
#include "outside/appserver/SqliteDb.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

struct F2Table {
    const char* name;
    const char* select;     // without WHERE and ORDER BY
    const char* keyColumn;  // narrowed by key[0] when given, or nullptr
    const char* orderBy;
};

constexpr F2Table kTables[] = {
    {"TAXMA", "SELECT MA001, MA002, MA003, MA004 FROM TAXMA", nullptr, "MA001"},
    {"CMSME", "SELECT ME001, ME002, ME003 FROM CMSME", "ME003", "ME001"},
    {"CMSMS", "SELECT MS002, MS001, MS003, MS004, MS005 FROM CMSMS", "MS001", "MS001, MS002"},
    {"NVRMA", "SELECT MA001, MA002, MA003, MA004, MA005 FROM NVRMA", nullptr, "MA001"},
    {"ADMMB", "SELECT MB001, MB002, MB009 FROM ADMMB", nullptr, "MB001"},
};

}  // namespace

TextRows F2TableRows(SqliteDb& db, const std::string& table, const TextRow& key) {
    for (const F2Table& t : kTables) {
        if (!rt::SameText(t.name, rt::Trim(table)))
            continue;
        bool narrowed = t.keyColumn && !key.empty() && !rt::Trim(key[0]).empty();
        std::string sql = t.select;
        if (narrowed)
            sql += std::string(" WHERE ") + t.keyColumn + " = ?";
        SqliteStatement q = db.Prepare(sql + " ORDER BY " + t.orderBy);
        if (narrowed)
            q.Bind(1, rt::Trim(key[0]));
        return ReadRows(q);
    }
    throw EServerError("The lookup window does not know the table \"" + table + "\"");
}

TextRows FilterRows(const TextRows& rows, const std::string& search) {
    std::string wanted = rt::LowerCase(rt::Trim(search));
    if (wanted.empty())
        return rows;
    TextRows found;
    for (const TextRow& row : rows)
        for (const std::string& field : row)
            if (rt::LowerCase(field).find(wanted) != std::string::npos) {
                found.push_back(row);
                break;
            }
    return found;
}

}  // namespace appserver
