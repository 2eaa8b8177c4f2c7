#include "outside/hemr07s/ReportHtml.h"

#include <algorithm>

namespace hemr07s {

namespace {

constexpr int kChartWidth = 640;
constexpr int kLabelWidth = 120;
constexpr int kBarHeight = 22;
constexpr int kBarGap = 8;

std::string Dotted(const std::string& ymd) {
    return ymd.size() == 8 ? ymd.substr(0, 4) + "/" + ymd.substr(4, 2) + "/" + ymd.substr(6, 2) : ymd;
}

// Share of the whole in tenths of a percent, rounded, as "12.5".
std::string Share(int part, int whole) {
    const int tenths = whole ? (part * 1000 + whole / 2) / whole : 0;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string HeadingLine(const char* caption, const std::string& value) {
    return "<tr><th>" + std::string(caption) + "</th><td>" + HtmlEscaped(value) + "</td></tr>\n";
}

std::string Heading(const ReportHeading& h, const AgeConditions& c) {
    std::string out = "<h1>" + HtmlEscaped(h.title) + "</h1>\n<table class=\"heading\">\n";
    out += HeadingLine("作业编号", h.jobId.empty() ? std::string("(直接查询)") : h.jobId);
    out += HeadingLine("统计日期", Dotted(c.statDate));
    if (!h.printDate.empty()) out += HeadingLine("制表日期", Dotted(h.printDate));
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
        out += "<text x=\"0\" y=\"" + mid + "\">" + HtmlEscaped(r.bracket.label) + "</text>";
        out += "<rect x=\"" + std::to_string(kLabelWidth) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
               std::to_string(width) + "\" height=\"" + std::to_string(kBarHeight) + "\"/>";
        out += "<text x=\"" + std::to_string(kLabelWidth + width + 6) + "\" y=\"" + mid + "\">" +
               std::to_string(r.total) + "</text>\n";
        y += kBarHeight + kBarGap;
    }
    return out + "</svg>\n";
}

std::string TableRow(const std::string& label, int total, int male, int female, int whole, const char* cell) {
    std::string out = "<tr><" + std::string(cell) + ">" + HtmlEscaped(label) + "</" + cell + ">";
    for (const std::string& v : {std::to_string(total), std::to_string(male), std::to_string(female), Share(total, whole)})
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
        if (!t.empty()) out += "<span>" + HtmlEscaped(t) + "</span>";
    return out.empty() ? out : "<p class=\"" + std::string(css) + "\">" + out + "</p>\n";
}

}  // namespace

std::string HtmlEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string ReportHtml(const ReportHeading& heading, const AgeConditions& conditions, const AgeDistribution& counts) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"zh\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      HtmlEscaped(heading.title) + "</title>\n";
    out += "<style>body{font-family:sans-serif;margin:2em}table{border-collapse:collapse;margin:1em 0}"
           "th,td{border:1px solid #999;padding:2px 8px}th{text-align:left}td.n{text-align:right}"
           ".heading th,.heading td{border:none}.chart rect{fill:#4a7ebb}.chart text{font-size:13px}"
           "p.note span,p.sign span{margin-right:3em}</style>\n</head>\n<body>\n";
    out += Heading(heading, conditions) + Chart(counts) + Table(counts);
    out += Block("note", heading.footer) + Block("sign", heading.signOff);
    return out + "</body>\n</html>\n";
}

}  // namespace hemr07s
