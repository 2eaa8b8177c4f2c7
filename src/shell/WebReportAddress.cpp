#include "src/shell/WebReportAddress.h"

#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

namespace {

constexpr const char* kViewerPath = "/Server/ReportView.aspx";

// What can stand in a query value as written; the rest would end or change it.
bool KeptInQueryValue(unsigned char c) {
    return c > 0x20 && c < 0x7F && c != '&' && c != '=' && c != '#' && c != '+' && c != '%';
}

}  // namespace

std::string TWebReportAddress::CultureOf(const std::string& uiCodePage) {
    if (uiCodePage == "437") return "en";
    if (uiCodePage == "936") return "zh-CHS";
    return "zh-CHT";
}

std::string TWebReportAddress::QueryValue(const std::string& value) {
    return rt::PercentEncoded(value, KeptInQueryValue);
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
