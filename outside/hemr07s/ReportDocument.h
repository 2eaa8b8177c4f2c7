#pragma once
// The two files of an age-distribution report, as texts in UTF-8:
//   CSV   a header line "区间,起始年龄,截止年龄,人数,男,女", one line per
//         bracket (an open bound is empty), then "合计,,,N,M,F"; CRLF line ends
//         so that spreadsheet programs read it as they would a report export;
//   text  the title, job, statistics date, company and department choice,
//         then the same table with aligned columns, and the footer and
//         sign-off texts when the form sent any.

#include <string>
#include <vector>

#include "outside/hemr07s/AgeDistribution.h"

namespace hemr07s {

struct ReportHeading {
    std::string title;      // program name from the catalogue
    std::string jobId;      // "" for an unlogged run
    std::string user;
    std::string printDate;  // "YYYYMMDD" or ""
    std::vector<std::string> footer;   // up to three texts
    std::vector<std::string> signOff;  // up to three texts
};

std::string ReportCsv(const AgeDistribution& d);
std::string ReportTextTable(const ReportHeading& heading, const AgeConditions& c, const AgeDistribution& d);

// "YYYYMMDD" as "YYYY/MM/DD"; any other text unchanged.
std::string DottedDate(const std::string& ymd);
// Share of the whole in percent with one decimal, rounded ("12.5"; "0.0" of nothing).
std::string SharePercent(int part, int whole);

// Width of a UTF-8 text in character cells: East Asian wide characters take two.
int DisplayWidth(const std::string& text);

}  // namespace hemr07s
