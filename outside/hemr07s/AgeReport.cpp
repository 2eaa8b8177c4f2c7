#include "outside/hemr07s/AgeReport.h"

#include <cctype>

#include "outside/appserver/JobStore.h"
#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "outside/hemr07s/AgeConditions.h"
#include "outside/hemr07s/AgeDistribution.h"
#include "outside/hemr07s/ReportDocument.h"
#include "outside/hemr07s/ReportHtml.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"

namespace hemr07s {

namespace {

constexpr const char* kProgram = "HEMR07";

// Job identifiers come from outside: only plain names become file names.
bool IsPlainName(const std::string& name) {
    if (name.empty() || name.size() > 64)
        return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
            return false;
    return true;
}

std::vector<Employee> ReadStaff(appserver::SqliteDb& db) {
    appserver::SqliteStatement q = db.Prepare(
        "SELECT EMP_ID, COMPANY, DEPT, BIRTHDAY, GENDER, HIRE_DATE, LEAVE_DATE FROM EMPLOYEE ORDER BY EMP_ID");
    std::vector<Employee> staff;
    while (q.Step())
        staff.push_back({q.Text(0), q.Text(1), q.Text(2), q.Text(3), q.Text(4), q.Text(5), q.Text(6)});
    return staff;
}

// Texts 3..5 of a footer or sign-off row [caption, checked, code, t1, t2, t3].
std::vector<std::string> BlockTexts(const rt::Variant& values, int row) {
    const rt::Variant& v = values.Deref();
    int index = v.LowBound() + row - 1;
    if (index > v.HighBound())
        return {};
    const rt::Variant& block = v[index].Deref();
    if (!block.IsArray() || block.ElementCount() != 6)
        return {};
    std::vector<std::string> texts;
    for (int i = 3; i < 6; ++i)
        if (!block[block.LowBound() + i].Deref().IsArray())
            texts.push_back(appserver::ArgText(block[block.LowBound() + i]));
    return texts;
}

}  // namespace

std::string AgeReport::ReportFolderIn(const std::string& home) { return rt::IncludeTrailingPathDelimiter(home) + "Report/"; }

std::string AgeReport::ProgramTitle() {
    appserver::SqliteStatement q = store_->Db().Prepare("SELECT MB002 FROM ADMMB WHERE MB001 = ?");
    q.Bind(1, std::string(kProgram));
    return q.Step() ? q.Text(0) : kProgram;
}

std::string AgeReport::ReportName(const SvrRunArguments& a) {
    if (a.HasJob()) {
        if (!IsPlainName(a.jobId))
            throw appserver::EServerError("作业编号不可作为报表文件名: " + a.jobId);
        return a.jobId;
    }
    appserver::ReportStore reports(store_);
    std::string base = std::string(kProgram) + "_" + rt::FormatDateTime("yyyymmddhhnnsszzz", rt::Now());
    std::string name = base;
    for (int n = 2; reports.Exists(name); ++n)
        name = base + "_" + std::to_string(n);
    return name;
}

appserver::ReportRecord AgeReport::Run(const SvrRunArguments& a) {
    rt::TDateTime now = rt::Now();
    AgeConditions conditions = AgeConditions::FromValues(a.values, rt::FormatDateTime("yyyymmdd", now));
    AgeDistribution counts = AgeDistribution::Count(conditions, ReadStaff(store_->Db()));
    ReportHeading heading{ProgramTitle(), a.HasJob() ? a.jobId : "", a.user, conditions.printDate,
                          BlockTexts(a.values, 14), BlockTexts(a.values, 13)};

    appserver::ReportRecord record;
    record.reportId = ReportName(a);
    std::string folder = ReportFolderIn(store_->Home());
    if (!rt::DirectoryExists(folder) && !rt::ForceDirectories(folder))
        throw rt::EOSError("Cannot create the report folder " + folder, 0);
    record.jobId = a.HasJob() ? a.jobId : "";
    record.program = kProgram;
    record.creator = a.user;
    record.company = a.company;
    record.csvFile = folder + record.reportId + ".csv";
    record.textFile = folder + record.reportId + ".txt";
    record.created = rt::FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", now);
    rt::WriteFileAtomically(record.csvFile, ReportCsv(counts));
    rt::WriteFileAtomically(record.textFile, ReportTextTable(heading, conditions, counts));
    record.htmlFile = folder + record.reportId + ".html";
    rt::WriteFileAtomically(record.htmlFile, ReportHtml(heading, conditions, counts));

    appserver::ReportStore(store_).Record(record);
    appserver::JobStore jobs(store_);
    if (record.jobId.size() && jobs.Find(record.jobId))
        jobs.UpdateStatus(record.jobId, "", now);
    return record;
}

}  // namespace hemr07s
