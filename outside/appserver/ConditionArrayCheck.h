#pragma once
// What a job's condition array must look like before the server accepts it:
// a one-dimensional array with bounds 0..2, or 0..4 for a periodic job (period
// block and change-date rules appended);
//   [0] the environment: a non-empty one-dimensional array whose first element
//       is the program code (a non-empty text);
//   [1] the captions and [2] the values: one-dimensional arrays with the same
//       bounds and at least one row, every caption row an array of at least
//       two elements (caption text, control name);
//   [3], [4] (periodic jobs) arrays;
// at most kMaxElements values in all, no text longer than kMaxTextBytes, and
// the values accepted by the check registered for the program, if any.

#include <functional>
#include <string>

#include "platform/core/Variant.h"

namespace appserver {

inline constexpr size_t kMaxElements = 4096;
inline constexpr size_t kMaxTextBytes = 255;

// "" when a program's value rows can be run, otherwise why not.
using ValuesCheck = std::function<std::string(const rt::Variant& values)>;
// `program` in upper case; a later registration replaces an earlier one.
void RegisterValuesCheck(const std::string& program, ValuesCheck check);

// "" when the array is acceptable, otherwise why not (the text reported as
// the server's error description).
std::string CheckConditionArray(const rt::Variant& conditions);

}  // namespace appserver
