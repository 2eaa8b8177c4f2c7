#pragma once
// Relative date rules: a date moved by n weeks or months, then by a number of
// days or to the first or last day of that week or month. The scheme dialog
// keeps one entry per date condition in its owner's date environment; saving a
// scheme stores each date already moved, and a periodic job moves its date
// conditions to every run date by the same entries.
//
// An entry is a text of fields separated by character 3, numbered from 1:
//   edit  "1", name, Y/N, n, unit, mode, days, kind [, condition row]
//   panel "0", name, Y/N, n, unit, mode, days, Y/N, n, unit, mode, days, kind [, condition row]
// unit "0" weeks, "1" months; mode "0" add days, "1" first day, "2" last day;
// kind "D" a full date, "M" a year and month.

#include <string>
#include <vector>

#include "platform/core/Variant.h"

namespace hemr {

inline constexpr char kDateEntrySeparator = '\3';
inline constexpr const char* kEditEntry = "1";
inline constexpr const char* kPanelEntry = "0";

// The fields of an entry; fields[0] is field 1.
std::vector<std::string> SplitDateEntry(const std::string& entry);
std::string JoinDateEntry(const std::vector<std::string>& fields);

// `date` ("YYYYMMDD", or "YYYYMM" which only moves by n months) moved by the
// rule; numbers are read from their texts and an unreadable one raises
// rt::EConvertError. An empty or invalid date gives "".
std::string ApplyDateRule(const std::string& date, const std::string& n, const std::string& unit,
                          const std::string& days, const std::string& mode);

// The rule starting at `first` (1-based field of n) applied to `base`, or `base`
// itself when n, mode and days are all "0".
std::string ApplyEntryRule(const std::vector<std::string>& fields, int first, const std::string& base);

// A periodic job's date conditions for the run date `runDate` ("YYYYMMDD"):
// `job` is [values 1..ConditionCount, period block, rules] (bounds 1..3), the
// rules [k, entry 1, ..., entry k] with the condition row as last field. The
// values come back with every ruled date recomputed; any error gives "" instead.
rt::Variant ApplyDateEnvironment(const rt::Variant& job, const std::string& runDate);

}  // namespace hemr
