#pragma once
// What a job's condition array must look like before the server accepts it:
// a one-dimensional array with bounds 0..2, or 0..4 for a periodic job (period
// block and change-date rules appended);
//   [0] the environment: a non-empty one-dimensional array whose first element
//       is the program code (a non-empty text);
//   [1] the captions and [2] the values: one-dimensional arrays with the same
//       bounds and at least one row, every caption row an array of at least
//       two elements (caption text, control name);
//   [3], [4] (periodic jobs) arrays.

#include <string>

#include "platform/core/Variant.h"

namespace appserver {

// "" when the array is acceptable, otherwise why not (the text reported as
// the server's error description).
std::string CheckConditionArray(const rt::Variant& conditions);

}  // namespace appserver
