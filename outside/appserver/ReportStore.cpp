#include "outside/appserver/ReportStore.h"

#include "outside/appserver/ProcessIdentity.h"

namespace appserver {

namespace {

constexpr const char* kReportColumns =
    "SELECT REPORT_ID, JOB_ID, PROGRAMME, CREATOR, COMPANY, CSV_FILE, TEXT_FILE, HTML_FILE, CREATED";

ReportRecord ReadReport(SqliteStatement& q) {
    return ReportRecord{q.Text(0), q.Text(1), q.Text(2), q.Text(3), q.Text(4), q.Text(5), q.Text(6), q.Text(7), q.Text(8)};
}

}  // namespace

void ReportStore::Record(const ReportRecord& r) {
    SqliteTransaction tx(store_->Db());
    // A replaced record gets a new row, so that a report written again counts as new.
    store_->Db()
        .Prepare("INSERT OR REPLACE INTO REPORTS (REPORT_ID, JOB_ID, PROGRAMME, CREATOR, COMPANY, CSV_FILE, TEXT_FILE, "
                 "HTML_FILE, CREATED, SERVER_PROCESS) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, r.reportId)
        .Bind(2, r.jobId)
        .Bind(3, r.program)
        .Bind(4, r.creator)
        .Bind(5, r.company)
        .Bind(6, r.csvFile)
        .Bind(7, r.textFile)
        .Bind(8, r.htmlFile)
        .Bind(9, r.created)
        .Bind(10, ThisProcessIdentity())
        .Run();
    tx.Commit();
}

std::optional<ReportRecord> ReportStore::FindByJob(const std::string& jobId) {
    SqliteStatement q = store_->Db().Prepare(std::string(kReportColumns) +
                                             " FROM REPORTS WHERE JOB_ID = ? ORDER BY CREATED DESC, REPORT_ID DESC LIMIT 1");
    q.Bind(1, jobId);
    if (!q.Step())
        return std::nullopt;
    return ReadReport(q);
}

bool ReportStore::Exists(const std::string& reportId) {
    SqliteStatement q = store_->Db().Prepare("SELECT 1 FROM REPORTS WHERE REPORT_ID = ?");
    q.Bind(1, reportId);
    return q.Step();
}

std::vector<ReportRecord> ReportStore::WrittenHereAfter(int64_t& rowId) {
    SqliteStatement q = store_->Db().Prepare(std::string(kReportColumns) +
                                             ", rowid FROM REPORTS WHERE rowid > ? AND SERVER_PROCESS = ? ORDER BY rowid");
    q.Bind(1, rowId).Bind(2, ThisProcessIdentity());
    std::vector<ReportRecord> reports;
    while (q.Step()) {
        reports.push_back(ReadReport(q));
        rowId = q.Int(9);
    }
    return reports;
}

}  // namespace appserver
