#pragma once
// The read-only queries the counter service answers under the counter name
// "SIMPLESQL". Nothing a client sends is executed as SQL: the key is matched
// against a fixed whitelist and only the literal values are taken from it, as
// bound parameters of the server's own statement.
//
// The key is an array in one of two forms:
//   [statement text, result column]  the statement must equal a whitelisted
//       one up to letter case outside quotes, white space and the values of
//       its quoted literals (for example
//       "SELECT MA003 FROM NVRINTMA WHERE MA001='StartupPortal' "); the result
//       column, when given, must be the statement's column;
//   [query name, value, ...]          a whitelisted name ("NVRINTMA.MA003") with
//       one value per parameter.
// A plain text key is the statement form without a result column.
// The answer is a zero-based array of rows, each a zero-based array of texts.

#include <optional>
#include <string>
#include <vector>

#include "outside/appserver/ServerError.h"
#include "platform/core/Variant.h"

namespace appserver {

class SqliteDb;

struct SimpleSqlMatch {
    std::string sql;                  // the server's statement, with ? marks
    std::vector<std::string> params;  // bound in order
};

class SimpleSql {
public:
    // Raises EServerError "SimpleSQL refused: ..." for anything outside the whitelist.
    static SimpleSqlMatch Match(const rt::Variant& key);
    static rt::Variant Run(SqliteDb& db, const rt::Variant& key);

    // Upper-cased text outside quotes, single spaces, no spaces around "=" and
    // ",", no trailing ";", quoted literals replaced by "?" and collected in
    // `literals`; nullopt for an unterminated literal.
    static std::optional<std::string> Normalize(const std::string& text, std::vector<std::string>& literals);
};

}  // namespace appserver
