#pragma once
// The HEMR07 conditions read from the value rows of the condition array:
//   1 company panel, 2 department panel, 3 statistics date "YYYYMMDD",
//   4 upper bound of the first bracket, 5..11 pairs [from, to],
//   12 lower bound of the last bracket; the last row is the print date.
// Brackets are half-open, so every age falls into exactly one of them:
// "20岁以内" is under 20, "20至30岁" is 20 up to 29, "60岁以上" is 60 and over.

#include <string>
#include <vector>

#include "outside/hemr07s/CodeFilter.h"
#include "platform/core/Variant.h"

namespace hemr07s {

struct AgeBracket {
    int from = 0;
    int to = -1;  // exclusive; -1 = no upper bound
    std::string label;

    bool Contains(int age) const { return age >= from && (to < 0 || age < to); }
};

struct AgeConditions {
    CodeFilter companies;
    CodeFilter departments;
    std::string statDate;   // "YYYYMMDD"
    std::string printDate;  // "YYYYMMDD" or ""
    std::vector<AgeBracket> brackets;  // nine, one per row 4..12

    // `today` ("YYYYMMDD") stands in for an empty statistics date. Raises
    // EServerError naming the row for a value that cannot be read.
    static AgeConditions FromValues(const rt::Variant& values, const std::string& today);
};

// True for an eight-digit calendar date from 1753-01-01 on.
bool IsYmdDate(const std::string& text);

}  // namespace hemr07s
