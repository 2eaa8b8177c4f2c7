#include "src/shell/WebReportAddress.h"

#include <cstdio>

#include "platform/sysutils/DateFormat.h"

namespace hemr {

namespace {

constexpr const char* kViewerPath = "/Server/ReportView.aspx";

bool NeedsEncoding(unsigned char c) {
    return c <= 0x20 || c >= 0x7F || c == '&' || c == '=' || c == '#' || c == '+' || c == '%';
}

}  // namespace

std::string JobSubIdentifier(const std::string& jobID) { return jobID.substr(0, 8) + "0001"; }

std::string TWebReportAddress::CultureOf(const std::string& uiCodePage) {
    if (uiCodePage == "437") return "en";
    if (uiCodePage == "936") return "zh-CHS";
    return "zh-CHT";
}

std::string TWebReportAddress::QueryValue(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (!NeedsEncoding(c)) {
            out += ch;
            continue;
        }
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", c);
        out += escaped;
    }
    return out;
}

std::string TWebReportAddress::MainTable() const { return ProgramCode + JobID + JobSubIdentifier(JobID) + ExtName; }

std::string TWebReportAddress::Build(rt::TDateTime moment) const {
    const auto pair = [](const char* key, const std::string& value) { return key + QueryValue(value); };
    return SiteAddress + kViewerPath + "?" + pair("UserID=", UserID) + "&" + pair("CompanyID=", CompanyID) + "&" +
           pair("DbName=", DbName) + "&" + pair("Culture=", Culture) + "&" + pair("ReportID=", ProgramCode) + "&" +
           pair("ExtName=", ExtName) + "&" + pair("MainTable=", MainTable()) + "&" + "IsPageBreak='N'" + "&" +
           pair("SendKey=", rt::FormatDateTime("yyyymmddhhnnss", moment));
}

}  // namespace hemr
