#pragma once
// The date rules of a periodic job, on the server's side: each run derives
// its date conditions from its run date through the job's change-date rules.
// The condition forms compute the first run with the same rules; the server
// keeps its own copy because it never links the report module.

#include <string>

#include "platform/core/Variant.h"

namespace appserver {

// Moves a "YYYYMMDD" date by `amount` units "M" or "D"; months keep the day,
// lowered to the end of a shorter month. Empty for an unreadable date.
std::string ShiftRunDate(const std::string& ymd, char unit, int amount);

// The date `date` ("YYYYMMDD", or "YYYYMM" for a year-month condition) moved
// by n weeks (unit "0") or months (any other unit), then by `days` (mode "0"),
// or to the first (mode "1") or last (mode "2") day of that week or month.
// Raises rt::Exception for numbers that do not read; empty for an empty date.
std::string ApplyDateRule(const std::string& date, const std::string& n, const std::string& unit,
                          const std::string& days, const std::string& mode);

// The values array `values` (bounds 1..count) with every change-date rule of
// `rules` ([count, rule 1 .. rule count], each rule's last field the row it
// changes) applied for the run date `runDate`. Raises rt::Exception naming
// the rule that cannot be applied; `values` itself is left unchanged.
rt::Variant ApplyRunDateRules(const rt::Variant& values, const rt::Variant& rules, const std::string& runDate);

}  // namespace appserver
