#pragma once
// The rows the F2 lookup window lists, per table. Every row starts with the
// code, then the other fields in this order:
//   TAXMA   companies     [code, name, short name, English name]
//   CMSME   departments   [code, name, company]; key [company] narrows to one company
//   CMSMS   footers and sign-offs [code, kind, text 1, text 2, text 3];
//           key [kind] ("1" footers, "2" sign-offs) narrows to one kind
//   NVRMA   users         [code, name, mobile, e-mail, department]
//   ADMMB   programs      [code, name, English name]
// Rows are in code order. An unknown table raises EServerError.

#include <string>

#include "outside/appserver/ServerValues.h"

namespace appserver {

class SqliteDb;

TextRows F2TableRows(SqliteDb& db, const std::string& table, const TextRow& key);

// The rows holding `search` in any field (ASCII letters without regard to
// case); every row for an empty or blank search.
TextRows FilterRows(const TextRows& rows, const std::string& search);

}  // namespace appserver
