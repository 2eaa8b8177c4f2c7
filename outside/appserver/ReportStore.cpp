#include "outside/appserver/ReportStore.h"

namespace appserver {

void ReportStore::Record(const ReportRecord& r) {
    SqliteTransaction tx(store_->Db());
    store_->Db()
        .Prepare("INSERT OR REPLACE INTO REPORTS (REPORT_ID, JOB_ID, PROGRAMME, CREATOR, COMPANY, CSV_FILE, TEXT_FILE, "
                 "CREATED) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, r.reportId)
        .Bind(2, r.jobId)
        .Bind(3, r.program)
        .Bind(4, r.creator)
        .Bind(5, r.company)
        .Bind(6, r.csvFile)
        .Bind(7, r.textFile)
        .Bind(8, r.created)
        .Run();
    tx.Commit();
}

std::optional<ReportRecord> ReportStore::FindByJob(const std::string& jobId) {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT REPORT_ID, JOB_ID, PROGRAMME, CREATOR, COMPANY, CSV_FILE, TEXT_FILE, CREATED FROM REPORTS "
        "WHERE JOB_ID = ? ORDER BY CREATED DESC, REPORT_ID DESC LIMIT 1");
    q.Bind(1, jobId);
    if (!q.Step())
        return std::nullopt;
    return ReportRecord{q.Text(0), q.Text(1), q.Text(2), q.Text(3), q.Text(4), q.Text(5), q.Text(6), q.Text(7)};
}

bool ReportStore::Exists(const std::string& reportId) {
    SqliteStatement q = store_->Db().Prepare("SELECT 1 FROM REPORTS WHERE REPORT_ID = ?");
    q.Bind(1, reportId);
    return q.Step();
}

}  // namespace appserver
