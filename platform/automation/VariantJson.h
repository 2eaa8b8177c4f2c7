#pragma once
// Lossless JSON form of a variant, shared by the client shell's transcript and
// the application server's wire protocol:
//   empty {"empty": true}, null null, booleans and integers as JSON values,
//   doubles always with a fraction or exponent, wide strings as strings,
//   byte strings {"bytes": TEXT, "codepage": CP} (TEXT decoded for reading;
//   "hex" added when the decoded text would not give the same bytes back),
//   dates {"date": "YYYY-MM-DDThh:nn:ss.zzz"}, arrays {"low": L, "items": [...]},
//   two-dimensional arrays {"low": [L1, L2], "rows": [[...], ...]} (rows run
//   over the first index; "count2" gives the second size when there are no
//   rows), non-finite doubles {"double": "nan" | "inf" | "-inf"},
//   objects {"dispatch": NAME} (written only; they cannot be read back).

#include <nlohmann/json.hpp>

#include "platform/core/Variant.h"

namespace rt {

nlohmann::json VariantToJson(const Variant& value);
// VariantToJson(value).dump(), written straight into the text without the
// tree in between (the server stores every job this way).
std::string VariantToJsonText(const Variant& value);
// Raises EConvertError for JSON that is no variant in this form.
Variant VariantFromJson(const nlohmann::json& json);

}  // namespace rt
