#include "outside/hemr07s/ReportDocument.h"

#include <algorithm>

namespace hemr07s {

namespace {

std::string Bound(int value) { return value < 0 ? "" : std::to_string(value); }

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Padded(const std::string& text, int width, bool right) {
    std::string pad(static_cast<size_t>(std::max(0, width - DisplayWidth(text))), ' ');
    return right ? pad + text : text + pad;
}

void AppendLines(std::string& out, const char* caption, const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& t : texts)
        if (!t.empty())
            joined += (joined.empty() ? "" : "    ") + t;
    if (!joined.empty())
        out += std::string(caption) + joined + "\n";
}

}  // namespace

std::string DottedDate(const std::string& ymd) {
    return ymd.size() == 8 ? ymd.substr(0, 4) + "/" + ymd.substr(4, 2) + "/" + ymd.substr(6, 2) : ymd;
}

std::string SharePercent(int part, int whole) {
    const int tenths = whole ? (part * 1000 + whole / 2) / whole : 0;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

int DisplayWidth(const std::string& text) {
    int width = 0;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        // Three- and four-byte sequences cover the CJK blocks and full-width forms.
        width += len >= 3 ? 2 : 1;
        i += len;
    }
    return width;
}

std::string ReportCsv(const AgeDistribution& d) {
    std::string out = "区间,起始年龄,截止年龄,人数,男,女\r\n";
    for (const BracketCount& r : d.rows)
        out += CsvField(r.bracket.label) + "," + Bound(r.bracket.from) + "," + Bound(r.bracket.to) + "," +
               std::to_string(r.total) + "," + std::to_string(r.male) + "," + std::to_string(r.female) + "\r\n";
    out += "合计,,," + std::to_string(d.total) + "," + std::to_string(d.male) + "," + std::to_string(d.female) + "\r\n";
    return out;
}

std::string ReportTextTable(const ReportHeading& h, const AgeConditions& c, const AgeDistribution& d) {
    std::string out = h.title + "\n";
    out += "作业编号: " + (h.jobId.empty() ? std::string("(直接查询)") : h.jobId) + "\n";
    out += "统计日期: " + DottedDate(c.statDate) + "\n";
    if (!h.printDate.empty())
        out += "制表日期: " + DottedDate(h.printDate) + "\n";
    out += "制表人: " + h.user + "\n";
    out += "公司: " + c.companies.Describe() + "\n";
    out += "部门: " + c.departments.Describe() + "\n\n";
    constexpr int kLabel = 14, kNumber = 6;
    std::string rule(kLabel + 4 * (kNumber + 2), '-');
    out += Padded("年龄区间", kLabel, false);
    for (const char* caption : {"人数", "男", "女", "占比%"})
        out += "  " + Padded(caption, kNumber, true);
    out += "\n" + rule + "\n";
    auto line = [&](const std::string& label, int total, int male, int female) {
        const std::string share = SharePercent(total, d.total);
        out += Padded(label, kLabel, false);
        for (const std::string& v : {std::to_string(total), std::to_string(male), std::to_string(female), share})
            out += "  " + Padded(v, kNumber, true);
        out += "\n";
    };
    for (const BracketCount& r : d.rows)
        line(r.bracket.label, r.total, r.male, r.female);
    out += rule + "\n";
    line("合计", d.total, d.male, d.female);
    AppendLines(out, "\n", h.footer);
    AppendLines(out, "", h.signOff);
    return out;
}

}  // namespace hemr07s
