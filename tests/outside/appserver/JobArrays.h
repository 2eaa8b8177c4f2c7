#pragma once
// HEMR07 jobs as the condition form submits them, for the job runner's tests:
// environment 1..14, the report's sixteen caption and value rows (row 3 the
// statistics date "ed03"), and for a periodic job the period block and the
// change-date rules appended as elements 3 and 4.

#include <string>
#include <vector>

#include "platform/core/Variant.h"
#include "platform/sysutils/DateTime.h"

namespace outside_test {

// Item 10 `mode` (0 queue, 1 now, 2 at `at`), item 12 `receivers`.
rt::Variant Hemr07Job(int mode, rt::TDateTime at, const std::string& receivers = "",
                      const std::string& program = "HEMR07");
rt::Variant Periodic(const rt::Variant& job, const std::string& runTime, const rt::Variant& rule,
                     const rt::Variant& range, const std::vector<std::string>& rules);
// Fields joined by the character 3.
std::string Fields(const std::vector<std::string>& fields);

rt::TDateTime At(int year, int month, int day, int hour = 0, int minute = 0);

}  // namespace outside_test
