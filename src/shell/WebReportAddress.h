#pragma once
// The address a web report is opened at: the site's report viewer with the
// user, company, database, culture, report and the job's main table as its
// query. A value that holds characters which cannot stand in a query value
// ("&", "=", "#", "+", "%", blanks, control or non-ASCII characters) is
// percent-encoded as UTF-8, since a "&" in a user or company code would
// otherwise split the query; every other value is sent as it is written.

#include <string>

#include "platform/sysutils/DateTime.h"
#include "src/shell/JobSubIdentifier.h"

namespace hemr {

class TWebReportAddress {
public:
    std::string SiteAddress;
    std::string UserID;
    std::string CompanyID;
    std::string DbName;
    std::string Culture;
    std::string ProgramCode;
    std::string ExtName;
    std::string JobID;

    // Program code + job + the job's first eight characters + "0001" + extension.
    std::string MainTable() const;
    // The whole address, with SendKey the moment as "YYYYMMDDHHMMSS".
    std::string Build(rt::TDateTime moment) const;

    // "en" for code page "437", "zh-CHS" for "936", "zh-CHT" for any other.
    static std::string CultureOf(const std::string& uiCodePage);
    // The value percent-encoded when it needs it, else unchanged.
    static std::string QueryValue(const std::string& value);
};

}  // namespace hemr
