#include "platform/automation/VariantJson.h"

#include <cmath>
#include <cstdio>

#include "platform/automation/Dispatch.h"
#include "platform/codepage/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/SysUtils.h"

namespace rt {

namespace {

std::string HexOf(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string BytesOfHex(const std::string& hex) {
    if (hex.size() % 2 != 0)
        throw EConvertError("Invalid hex text in variant JSON");
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 2) {
        int value = 0;
        if (std::sscanf(hex.substr(i, 2).c_str(), "%2x", &value) != 1)
            throw EConvertError("Invalid hex text in variant JSON");
        out += static_cast<char>(value);
    }
    return out;
}

std::string DateText(TDateTime value) {
    int y, m, d, h, n, s, z;
    DecodeDateTime(value, y, m, d, h, n, s, z);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", y, m, d, h, n, s, z);
    return buf;
}

TDateTime DateFromText(const std::string& text) {
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, z = 0;
    TDateTime result = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d.%d", &y, &m, &d, &h, &n, &s, &z) < 3 ||
        !TryEncodeDateTime(y, m, d, h, n, s, z, result))
        throw EConvertError("Invalid date '" + text + "' in variant JSON");
    return result;
}

nlohmann::json DoubleToJson(double value) {
    if (std::isnan(value))
        return {{"double", "nan"}};
    if (std::isinf(value))
        return {{"double", value > 0 ? "inf" : "-inf"}};
    return value;
}

// The readable text of a byte string and, when that text would not give the
// same bytes back, the bytes in hex. ASCII needs no conversion in the code
// pages the system uses: their first half is ASCII.
std::pair<std::string, std::string> ByteStringTexts(const Variant& value) {
    const std::string& bytes = value.ByteData();
    int codePage = value.CodePage();
    bool ascii = codePage == 936 || codePage == 950 || codePage == 437 || codePage == 1252 || codePage == 65001;
    for (size_t i = 0; ascii && i < bytes.size(); ++i)
        ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
    if (ascii)
        return {bytes, ""};
    std::string text = CodePageToWide(bytes, codePage);
    return {text, WideToCodePage(text, codePage) != bytes ? HexOf(bytes) : ""};
}

// A JSON string of `text`, as the JSON library writes it. ASCII, by far the
// most of what is stored, is escaped here without building a JSON value; other
// text goes through the library, which also refuses what is not UTF-8.
void AppendJsonString(std::string& out, const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80) {
            out += nlohmann::json(text).dump();
            return;
        }
    static const char* digits = "0123456789abcdef";
    out += '"';
    for (char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\f': out += "\\f"; break;
            case '\r': out += "\\r"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    out += "\\u00";
                    out += digits[c >> 4];
                    out += digits[c & 15];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void AppendJsonText(std::string& out, const Variant& value);

void AppendArrayText(std::string& out, const Variant& value) {
    if (value.DimCount() == 1) {
        out += "{\"items\":[";
        for (int i = value.LowBound(1); i <= value.HighBound(1); ++i) {
            if (i > value.LowBound(1))
                out += ',';
            AppendJsonText(out, value[i]);
        }
        out += "],\"low\":" + std::to_string(value.LowBound(1)) + "}";
        return;
    }
    out += '{';
    if (value.HighBound(1) < value.LowBound(1))
        out += "\"count2\":" + std::to_string(value.ElementCount(2)) + ",";
    out += "\"low\":[" + std::to_string(value.LowBound(1)) + "," + std::to_string(value.LowBound(2)) + "],\"rows\":[";
    for (int i = value.LowBound(1); i <= value.HighBound(1); ++i) {
        out += i > value.LowBound(1) ? ",[" : "[";
        for (int j = value.LowBound(2); j <= value.HighBound(2); ++j) {
            if (j > value.LowBound(2))
                out += ',';
            AppendJsonText(out, value.At(i, j));
        }
        out += ']';
    }
    out += "]}";
}

void AppendJsonText(std::string& out, const Variant& value) {
    switch (value.VarType()) {
        case varEmpty:
        case varNull:
        case varBoolean:
        case varInteger:
        case varInt64:
        case varDouble:
        case varDate:
        case varDispatch: out += VariantToJson(value).dump(); return;
        case varOleStr: AppendJsonString(out, value.ToString()); return;
        case varString: {
            auto [text, hex] = ByteStringTexts(value);
            out += "{\"bytes\":";
            AppendJsonString(out, text);
            out += ",\"codepage\":" + std::to_string(value.CodePage());
            if (!hex.empty())
                out += ",\"hex\":\"" + hex + "\"";
            out += '}';
            return;
        }
        default:
            if (value.IsByRef())
                AppendJsonText(out, value.Deref());
            else
                AppendArrayText(out, value);
    }
}

nlohmann::json ArrayToJson(const Variant& value) {
    if (value.DimCount() == 1) {
        nlohmann::json items = nlohmann::json::array();
        for (int i = value.LowBound(1); i <= value.HighBound(1); ++i)
            items.push_back(VariantToJson(value[i]));
        // Moved, not copied: a brace list would copy every subtree once per level.
        nlohmann::json out = nlohmann::json::object();
        out["low"] = value.LowBound(1);
        out["items"] = std::move(items);
        return out;
    }
    nlohmann::json rows = nlohmann::json::array();
    for (int i = value.LowBound(1); i <= value.HighBound(1); ++i) {
        nlohmann::json row = nlohmann::json::array();
        for (int j = value.LowBound(2); j <= value.HighBound(2); ++j)
            row.push_back(VariantToJson(value.At(i, j)));
        rows.push_back(std::move(row));
    }
    bool noRows = rows.empty();
    nlohmann::json out = nlohmann::json::object();
    out["low"] = {value.LowBound(1), value.LowBound(2)};
    out["rows"] = std::move(rows);
    if (noRows)
        out["count2"] = value.ElementCount(2);
    return out;
}

// The high bound of `count` elements from `low`; raises for bounds no array can have.
int HighBoundOf(const nlohmann::json& low, size_t count) {
    const int64_t high = low.get<int64_t>() + static_cast<int64_t>(count) - 1;
    if (low.get<int64_t>() < INT32_MIN || high > INT32_MAX)
        throw EConvertError("Array bounds out of range in variant JSON");
    return static_cast<int>(high);
}

Variant ArrayFromJson(const nlohmann::json& json) {
    const nlohmann::json& low = json.at("low");
    if (low.is_number_integer()) {
        const nlohmann::json& items = json.at("items");
        int lo = low.get<int>();
        Variant result = Variant::CreateArray({{lo, HighBoundOf(low, items.size())}});
        for (size_t i = 0; i < items.size(); ++i)
            result[lo + static_cast<int>(i)] = VariantFromJson(items[i]);
        return result;
    }
    const nlohmann::json& rows = json.at("rows");
    // An array without rows still has a second dimension; its size travels apart.
    const size_t count2 = json.contains("count2") ? json["count2"].get<size_t>() : (rows.empty() ? 0 : rows[0].size());
    // Checked before anything is allocated: a stated size must match the rows sent.
    for (const nlohmann::json& row : rows)
        if (!row.is_array() || row.size() != count2)
            throw EConvertError("Ragged two-dimensional array in variant JSON");
    const int lo1 = HighBoundOf(low.at(0), 1);
    const int lo2 = HighBoundOf(low.at(1), 1);
    Variant result = Variant::CreateArray({{lo1, HighBoundOf(low.at(0), rows.size())},
                                           {lo2, HighBoundOf(low.at(1), count2)}});
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t j = 0; j < count2; ++j)
            result.At(lo1 + static_cast<int>(i), lo2 + static_cast<int>(j)) = VariantFromJson(rows[i][j]);
    return result;
}

Variant ObjectFromJson(const nlohmann::json& json) {
    if (json.contains("empty"))
        return Variant();
    if (json.contains("bytes")) {
        const nlohmann::json& page = json.contains("codepage") ? json["codepage"] : nlohmann::json();
        if (!page.is_number_integer() || page.get<int64_t>() < 0 || page.get<int64_t>() > 65535)
            throw EConvertError("Missing or invalid code page in variant JSON");
        const int codePage = static_cast<int>(page.get<int64_t>());
        // Raw bytes skip the conversion that would refuse the code page; a
        // string no code page can read back must not get in either.
        if (!IsSupportedCodePage(codePage))
            throw EConvertError("Code page " + std::to_string(codePage) + " is not supported");
        if (json.contains("hex"))
            return Variant::Bytes(BytesOfHex(json["hex"].get<std::string>()), codePage);
        return Variant::Bytes(WideToCodePage(json["bytes"].get<std::string>(), codePage), codePage);
    }
    if (json.contains("date"))
        return Variant::FromDate(DateFromText(json["date"].get<std::string>()));
    if (json.contains("double")) {
        std::string kind = json["double"].get<std::string>();
        if (kind == "nan")
            return Variant(std::nan(""));
        if (kind == "inf")
            return Variant(HUGE_VAL);
        if (kind == "-inf")
            return Variant(-HUGE_VAL);
    }
    if (json.contains("low"))
        return ArrayFromJson(json);
    throw EConvertError("Unknown variant form in JSON: " + json.dump());
}

}  // namespace

nlohmann::json VariantToJson(const Variant& value) {
    switch (value.VarType()) {
        case varEmpty: return {{"empty", true}};
        case varNull: return nullptr;
        case varBoolean: return value.ToBool();
        case varInteger: return value.ToInt();
        case varInt64: return value.ToInt64();
        case varDouble: return DoubleToJson(value.ToDouble());
        case varDate: return {{"date", DateText(value.ToDate())}};
        case varOleStr: return value.ToString();
        case varString: {
            auto [text, hex] = ByteStringTexts(value);
            nlohmann::json out = {{"bytes", std::move(text)}, {"codepage", value.CodePage()}};
            if (!hex.empty())
                out["hex"] = std::move(hex);
            return out;
        }
        case varDispatch: {
            DispatchPtr object = value.ToDispatch();
            return {{"dispatch", object ? object->DispatchName() : std::string()}};
        }
        default: return ArrayToJson(value);
    }
}

std::string VariantToJsonText(const Variant& value) {
    std::string out;
    AppendJsonText(out, value);
    return out;
}

Variant VariantFromJson(const nlohmann::json& json) {
    try {
        switch (json.type()) {
            case nlohmann::json::value_t::null: return Variant::Null();
            case nlohmann::json::value_t::boolean: return Variant(json.get<bool>());
            case nlohmann::json::value_t::number_integer:
            case nlohmann::json::value_t::number_unsigned: {
                int64_t v = json.get<int64_t>();
                if (v >= INT32_MIN && v <= INT32_MAX)
                    return Variant(static_cast<int32_t>(v));
                return Variant(v);
            }
            case nlohmann::json::value_t::number_float: return Variant(json.get<double>());
            case nlohmann::json::value_t::string: return Variant(json.get<std::string>());
            case nlohmann::json::value_t::object: return ObjectFromJson(json);
            default: break;
        }
    } catch (const nlohmann::json::exception& e) {
        throw EConvertError(std::string("Malformed variant JSON: ") + e.what());
    }
    throw EConvertError("Unknown variant form in JSON: " + json.dump());
}

}  // namespace rt
