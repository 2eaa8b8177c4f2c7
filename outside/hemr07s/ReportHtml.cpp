#include "outside/hemr07s/ReportHtml.h"

#include <algorithm>

#include "platform/sysutils/StrUtils.h"

namespace hemr07s {

namespace {

constexpr int kChartWidth = 640;
constexpr int kLabelWidth = 120;
constexpr int kBarHeight = 22;
constexpr int kBarGap = 8;

std::string HeadingLine(const char* caption, const std::string& value) {
    return "<tr><th>" + std::string(caption) + "</th><td>" + rt::MarkupEscaped(value) + "</td></tr>\n";
}

std::string Heading(const ReportHeading& h, const AgeConditions& c) {
    std::string out = "<h1>" + rt::MarkupEscaped(h.title) + "</h1>\n<table class=\"heading\">\n";
    out += HeadingLine("作业编号", h.jobId.empty() ? std::string("(直接查询)") : h.jobId);
    out += HeadingLine("统计日期", DottedDate(c.statDate));
    if (!h.printDate.empty()) out += HeadingLine("制表日期", DottedDate(h.printDate));
    out += HeadingLine("制表人", h.user);
    out += HeadingLine("公司", c.companies.Describe());
    out += HeadingLine("部门", c.departments.Describe());
    return out + "</table>\n";
}

// One horizontal bar per bracket, scaled to the largest head count.
std::string Chart(const AgeDistribution& d) {
    int most = 1;
    for (const BracketCount& r : d.rows) most = std::max(most, r.total);
    const int height = static_cast<int>(d.rows.size()) * (kBarHeight + kBarGap) + kBarGap;
    const int room = kChartWidth - kLabelWidth - 60;
    std::string out = "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(kChartWidth) + "\" height=\"" + std::to_string(height) + "\">\n";
    int y = kBarGap;
    for (const BracketCount& r : d.rows) {
        const int width = r.total * room / most;
        const std::string mid = std::to_string(y + kBarHeight / 2 + 5);
        out += "<text x=\"0\" y=\"" + mid + "\">" + rt::MarkupEscaped(r.bracket.label) + "</text>";
        out += "<rect x=\"" + std::to_string(kLabelWidth) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
               std::to_string(width) + "\" height=\"" + std::to_string(kBarHeight) + "\"/>";
        out += "<text x=\"" + std::to_string(kLabelWidth + width + 6) + "\" y=\"" + mid + "\">" +
               std::to_string(r.total) + "</text>\n";
        y += kBarHeight + kBarGap;
    }
    return out + "</svg>\n";
}

std::string TableRow(const std::string& label, int total, int male, int female, int whole, const char* cell) {
    std::string out = "<tr><" + std::string(cell) + ">" + rt::MarkupEscaped(label) + "</" + cell + ">";
    for (const std::string& v : {std::to_string(total), std::to_string(male), std::to_string(female), SharePercent(total, whole)})
        out += "<td class=\"n\">" + v + "</td>";
    return out + "</tr>\n";
}

std::string Table(const AgeDistribution& d) {
    std::string out = "<table class=\"counts\">\n<tr><th>年龄区间</th><th>人数</th><th>男</th><th>女</th><th>占比%</th></tr>\n";
    for (const BracketCount& r : d.rows) out += TableRow(r.bracket.label, r.total, r.male, r.female, d.total, "td");
    out += TableRow("合计", d.total, d.male, d.female, d.total, "th");
    return out + "</table>\n";
}

std::string Block(const char* css, const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts)
        if (!t.empty()) out += "<span>" + rt::MarkupEscaped(t) + "</span>";
    return out.empty() ? out : "<p class=\"" + std::string(css) + "\">" + out + "</p>\n";
}

}  // namespace

std::string ReportHtml(const ReportHeading& heading, const AgeConditions& conditions, const AgeDistribution& counts) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"zh\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      rt::MarkupEscaped(heading.title) + "</title>\n";
    out += "<style>body{font-family:sans-serif;margin:2em}table{border-collapse:collapse;margin:1em 0}"
           "th,td{border:1px solid #999;padding:2px 8px}th{text-align:left}td.n{text-align:right}"
           ".heading th,.heading td{border:none}.chart rect{fill:#4a7ebb}.chart text{font-size:13px}"
           "p.note span,p.sign span{margin-right:3em}</style>\n</head>\n<body>\n";
    out += Heading(heading, conditions) + Chart(counts) + Table(counts);
    out += Block("note", heading.footer) + Block("sign", heading.signOff);
    return out + "</body>\n</html>\n";
}

}  // namespace hemr07s
