#pragma once
// The first run date of a periodic schedule, from its start date and period
// rule. Weeks run from Sunday; shifts go through ShiftYmd so month ends are
// handled the same way everywhere.

#include "platform/core/Variant.h"

#include <string>

namespace hemr {

// Kinds in element 0 of a period rule.
enum PeriodKind : int {
    pkDaily = 0,    // [n]: every n days
    pkWeekly = 1,   // [n, w]: every n weeks on weekday index w (0 = Sunday)
    pkMonthly = 2,  // [0, n, d]: day d; [1, n, o, w]: the o-th weekday w (o = 4: the last)
};

enum MonthlyMode : int { mmByDay = 0, mmByWeekday = 1 };

// First run date "YYYYMMDD" on or after the start date "YYYYMMDD", or "" when
// the rule gives none (unknown kind, malformed rule, intervals below 1). Never raises.
std::string ComputeFirstRunDate(const std::string& startDate, const rt::Variant& periodRule);

}  // namespace hemr
