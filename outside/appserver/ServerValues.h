#pragma once
// Conversions between call arguments, result arrays and database rows that
// every server object uses.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Variant.h"

namespace appserver {

class SqliteStatement;

using TextRow = std::vector<std::string>;
using TextRows = std::vector<TextRow>;

// The text of an argument: byte strings are decoded from their code page,
// empty and null give "".
std::string ArgText(const rt::Variant& value);

// Texts of the elements of a one-dimensional array argument in index order;
// raises EServerError naming `what` when the argument is not such an array.
std::vector<std::string> ArrayTexts(const rt::Variant& value, const std::string& what);

// Length in bytes of a name as the forms measure it: a byte string's own
// bytes, a wide text in code page 936.
size_t NameByteLength(const rt::Variant& value);

// A zero-based array of texts, and a zero-based array of such rows.
rt::Variant RowVariant(const TextRow& row);
rt::Variant RowsVariant(const TextRows& rows);

// All remaining rows of a statement, every column as text.
TextRows ReadRows(SqliteStatement& statement);

class SqliteDb;
// The highest row number of one of the server's own tables, 0 when it is empty:
// what a later look starts after.
int64_t LastRowId(SqliteDb& db, const char* table);

}  // namespace appserver
