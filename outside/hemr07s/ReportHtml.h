#pragma once
// The age-distribution report as one self-contained HTML page in UTF-8: the
// heading (title, job, dates, maker, company and department choice), a bar
// chart of the head count per bracket drawn as inline SVG, the table with
// men, women and share, and the footer and sign-off texts. Every text from
// the database or the form is escaped, so a name holding "<" or "&" shows
// as written instead of breaking the page.

#include <string>

#include "outside/hemr07s/AgeDistribution.h"
#include "outside/hemr07s/ReportDocument.h"

namespace hemr07s {

std::string ReportHtml(const ReportHeading& heading, const AgeConditions& conditions, const AgeDistribution& counts);

}  // namespace hemr07s
