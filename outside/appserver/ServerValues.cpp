#include "outside/appserver/ServerValues.h"

#include "outside/appserver/ServerError.h"
#include "outside/appserver/SqliteDb.h"
#include "platform/codepage/CodePages.h"
#include "platform/core/Exceptions.h"

namespace appserver {

std::string ArgText(const rt::Variant& value) {
    const rt::Variant& v = value.Deref();
    if (v.IsEmpty() || v.IsNull())
        return "";
    return rt::VarToStr(v);
}

std::vector<std::string> ArrayTexts(const rt::Variant& value, const std::string& what) {
    const rt::Variant& v = value.Deref();
    if (!v.IsArray() || v.DimCount() != 1)
        throw EServerError(what + " must be a one-dimensional array");
    std::vector<std::string> texts;
    for (int i = v.LowBound(); i <= v.HighBound(); ++i) {
        if (v[i].Deref().IsArray())
            throw EServerError(what + " must hold texts, not arrays");
        texts.push_back(ArgText(v[i]));
    }
    return texts;
}

size_t NameByteLength(const rt::Variant& value) {
    const rt::Variant& v = value.Deref();
    if (v.IsByteString())
        return v.ByteData().size();
    return rt::WideToCodePage(ArgText(v), 936).size();
}

rt::Variant RowVariant(const TextRow& row) {
    rt::Variant result = rt::Variant::CreateArray({{0, static_cast<int>(row.size()) - 1}});
    for (size_t i = 0; i < row.size(); ++i)
        result[static_cast<int>(i)] = rt::Variant(row[i]);
    return result;
}

rt::Variant RowsVariant(const TextRows& rows) {
    rt::Variant result = rt::Variant::CreateArray({{0, static_cast<int>(rows.size()) - 1}});
    for (size_t i = 0; i < rows.size(); ++i)
        result[static_cast<int>(i)] = RowVariant(rows[i]);
    return result;
}

TextRows ReadRows(SqliteStatement& statement) {
    TextRows rows;
    while (statement.Step()) {
        TextRow row;
        for (int c = 0; c < statement.ColumnCount(); ++c)
            row.push_back(statement.Text(c));
        rows.push_back(std::move(row));
    }
    return rows;
}

int64_t LastRowId(SqliteDb& db, const char* table) {
    SqliteStatement q = db.Prepare(std::string("SELECT IFNULL(MAX(rowid), 0) FROM ") + table);
    return q.Step() ? q.Int(0) : 0;
}

}  // namespace appserver
