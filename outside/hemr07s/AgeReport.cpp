#include "outside/hemr07s/AgeReport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

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

// Streams the staff who can count on the statistics date (employed then,
// born by then) through the counter; memory stays the same whatever the
// size of the table.
AgeDistribution CountStaff(appserver::SqliteDb& db, const AgeConditions& conditions) {
    AgeDistribution counts = AgeDistribution::Empty(conditions);
    appserver::SqliteStatement q = db.Prepare(
        "SELECT COMPANY, DEPT, BIRTHDAY, GENDER, HIRE_DATE, LEAVE_DATE FROM EMPLOYEE WHERE BIRTHDAY <= ?1 "
        "AND (HIRE_DATE = '' OR HIRE_DATE <= ?1) AND (LEAVE_DATE = '' OR LEAVE_DATE > ?1)");
    q.Bind(1, conditions.statDate);
    Employee e;
    while (q.Step()) {
        e.company = q.Text(0);
        e.department = q.Text(1);
        e.birthday = q.Text(2);
        e.gender = q.Text(3);
        e.hireDate = q.Text(4);
        e.leaveDate = q.Text(5);
        counts.Tally(conditions, e);
    }
    return counts;
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

// A build may mark the title of its reports, so that two builds of the
// library can be told apart by what they write.
#ifndef HEMR07S_TITLE_MARK
#define HEMR07S_TITLE_MARK ""
#endif

std::string AgeReport::ProgramTitle() {
    appserver::SqliteStatement q = store_->Db().Prepare("SELECT MB002 FROM ADMMB WHERE MB001 = ?");
    q.Bind(1, std::string(kProgram));
    return (q.Step() ? q.Text(0) : std::string(kProgram)) + HEMR07S_TITLE_MARK;
}

std::string AgeReport::ReportName(const SvrRunArguments& a) {
    if (a.HasJob()) {
        if (!IsPlainName(a.jobId))
            throw appserver::EServerError("作业编号不可作为报表文件名: " + a.jobId);
        // Later runs of a periodic job keep their own files beside the first.
        std::string run = a.runId.size() > 8 ? a.runId.substr(8) : "";
        if (IsPlainName(run) && std::atoi(run.c_str()) > 1)
            return a.jobId + "_" + run;
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
    AgeDistribution counts = CountStaff(store_->Db(), conditions);
    ReportHeading heading{ProgramTitle(), a.HasJob() ? a.jobId : "", a.user, conditions.printDate,
                          BlockTexts(a.values, 14), BlockTexts(a.values, 13)};

    appserver::ReportRecord record;
    record.reportId = ReportName(a);
    std::string folder = ReportFolderIn(store_->Home());
    if (!rt::DirectoryExists(folder)) {
        if (!rt::ForceDirectories(folder))
            throw rt::EOSError("Cannot create the report folder " + folder, 0);
        ::chmod(folder.c_str(), 0700);
    }
    record.jobId = a.HasJob() ? a.jobId : "";
    record.program = kProgram;
    record.creator = a.user;
    record.company = a.company;
    record.csvFile = folder + record.reportId + ".csv";
    record.textFile = folder + record.reportId + ".txt";
    record.created = rt::FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", now);
    record.htmlFile = folder + record.reportId + ".html";
    // The set is whole or absent: a file that cannot be written, or a record
    // that cannot be stored, takes the files already written with it.
    std::vector<std::string> written;
    try {
        const std::pair<const std::string&, std::string> files[] = {
            {record.csvFile, ReportCsv(counts)},
            {record.textFile, ReportTextTable(heading, conditions, counts)},
            {record.htmlFile, ReportHtml(heading, conditions, counts)}};
        for (const auto& [file, bytes] : files) {
            rt::WriteFileAtomically(file, bytes, 0600);  // the staff's figures are the owner's
            written.push_back(file);
        }
        appserver::ReportStore(store_).Record(record);
    } catch (...) {
        for (const std::string& file : written)
            ::unlink(file.c_str());
        throw;
    }
    appserver::JobStore jobs(store_);
    if (record.jobId.size() && jobs.Find(record.jobId))
        jobs.UpdateStatus(record.jobId, "", now);
    return record;
}

}  // namespace hemr07s
