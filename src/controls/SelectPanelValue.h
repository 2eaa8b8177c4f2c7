#pragma once
// The selection panel's value inside a saved condition scheme: the style's
// name, then the range texts or the rows, separated by the characters with
// codes 3 (fields), 1 (texts of a row) and 4 (end of a row). Nothing is
// escaped, so texts holding those characters do not survive.

#include <string>
#include <vector>

namespace rt {
class TListItems;
}

namespace hemr {

constexpr char kSavedFieldSeparator = '\x03';
constexpr char kSavedRowEnd = '\x04';
constexpr char kSavedTextSeparator = '\x01';

using TSavedRow = std::vector<std::string>;

// Every row as caption and sub-items joined by code 1, closed by code 4.
std::string JoinSavedRows(const rt::TListItems& items);
// The rows of a field, skipping empty pieces; an empty field gives none.
std::vector<TSavedRow> SplitSavedRows(const std::string& field);
// The fields of a saved value, split at code 3; an empty value has none.
std::vector<std::string> SplitSavedFields(const std::string& value);

}  // namespace hemr
