#include "outside/appserver/RunStore.h"

#include <map>

#include "outside/appserver/JobSchedule.h"
#include "platform/automation/VariantJson.h"

namespace appserver {

void RunStore::BindPlan(SqliteStatement& q, int column, int mode, std::optional<rt::TDateTime> firstRun) {
    q.Bind(column, int64_t{mode}).Bind(column + 1, std::string(firstRun ? "ACTIVE" : "FINISHED"));
    if (firstRun)
        q.Bind(column + 2, MomentText(*firstRun));
    else
        q.BindNull(column + 2);
}

void RunStore::Plan(const std::string& jobId, int mode, std::optional<rt::TDateTime> firstRun) {
    SqliteStatement q = store_->Db().Prepare(
        "UPDATE JOBS SET PLAN_MODE = ?, PLAN_STATE = ?, NEXT_RUN = ?, RUNS = 0 WHERE JOB_ID = ?");
    BindPlan(q, 1, mode, firstRun);
    q.Bind(4, jobId).Run();
}

bool RunStore::QueueBusy(const std::string& program) {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT 1 FROM JOB_RUNS r JOIN JOBS p ON p.JOB_ID = r.JOB_ID "
        "WHERE r.STATUS = 'RUNNING' AND p.PLAN_MODE = 0 AND p.PROGRAMME = ? LIMIT 1");
    q.Bind(1, program);
    return q.Step();
}

std::optional<RunClaim> RunStore::Claim(rt::TDateTime now, const std::string& runner, rt::TDateTime leaseUntil) {
    SqliteTransaction tx(store_->Db());
    // The partial index on NEXT_RUN serves this; finished jobs are not in it.
    SqliteStatement due = store_->Db().Prepare(
        "SELECT p.JOB_ID, p.PLAN_MODE, p.PROGRAMME, p.RUNS, p.NEXT_RUN FROM JOBS p "
        "WHERE p.NEXT_RUN IS NOT NULL AND p.NEXT_RUN <= ? "
        "AND NOT EXISTS (SELECT 1 FROM JOB_RUNS r WHERE r.JOB_ID = p.JOB_ID AND r.STATUS = 'RUNNING') "
        "ORDER BY p.NEXT_RUN, p.JOB_ID");
    due.Bind(1, MomentText(now));
    std::map<std::string, bool> busy;
    while (due.Step()) {
        int mode = static_cast<int>(due.Int(1));
        std::string program = due.Text(2);
        if (mode == 0) {
            auto known = busy.find(program);
            bool blocked = known != busy.end() ? known->second : (busy[program] = QueueBusy(program));
            if (blocked)
                continue;
        }
        std::string jobId = due.Text(0), nextRun = due.Text(4);
        int runs = static_cast<int>(due.Int(3));
        due.Reset();
        std::optional<RunClaim> claim = TakeRun(jobId, mode, runs, nextRun, now, runner, leaseUntil);
        tx.Commit();
        return claim;
    }
    return std::nullopt;
}

std::optional<RunClaim> RunStore::TakeRun(const std::string& jobId, int mode, int runs, const std::string& nextRun,
                                          rt::TDateTime now, const std::string& runner, rt::TDateTime leaseUntil) {
    SqliteStatement job = store_->Db().Prepare("SELECT CONDITIONS FROM JOBS WHERE JOB_ID = ?");
    job.Bind(1, jobId);
    RunClaim claim;
    claim.jobId = jobId;
    claim.runNumber = runs + 1;
    claim.planned = MomentFromText(nextRun).value_or(now);
    std::optional<rt::TDateTime> next;
    if (job.Step()) {
        claim.conditions = rt::VariantFromJson(nlohmann::json::parse(job.Text(0)));
        if (mode == 3)
            next = JobSchedule::Of(claim.conditions, claim.planned).NextAfter(claim.planned, claim.runNumber);
    }
    store_->Db()
        .Prepare("INSERT INTO JOB_RUNS (JOB_ID, RUN_NO, PLANNED, STARTED, ENDED, STATUS, ERROR, REPORT_FILES, "
                 "RUN_DATE, RUNNER, LEASE_UNTIL) VALUES (?, ?, ?, ?, '', 'RUNNING', '', '', '', ?, ?)")
        .Bind(1, jobId)
        .Bind(2, int64_t{claim.runNumber})
        .Bind(3, nextRun)
        .Bind(4, MomentText(now))
        .Bind(5, runner)
        .Bind(6, MomentText(leaseUntil))
        .Run();
    SqliteStatement plan = store_->Db().Prepare("UPDATE JOBS SET NEXT_RUN = ?, RUNS = ?, PLAN_STATE = ? WHERE JOB_ID = ?");
    if (next)
        plan.Bind(1, MomentText(*next));
    else
        plan.BindNull(1);
    plan.Bind(2, int64_t{claim.runNumber}).Bind(3, std::string(next ? "ACTIVE" : "FINISHED")).Bind(4, jobId).Run();
    SetJobStatus(jobId, "RUNNING", "", now);
    return claim;
}

void RunStore::SetJobStatus(const std::string& jobId, const std::string& status, const std::string& error,
                            rt::TDateTime moment) {
    store_->Db()
        .Prepare("UPDATE JOBS SET STATUS = ?, LAST_ERROR = ?, STATUS_TIME = ? WHERE JOB_ID = ?")
        .Bind(1, status)
        .Bind(2, error)
        .Bind(3, MomentText(moment))
        .Bind(4, jobId)
        .Run();
}

void RunStore::Renew(const RunClaim& claim, const std::string& runner, rt::TDateTime leaseUntil) {
    store_->Db()
        .Prepare("UPDATE JOB_RUNS SET LEASE_UNTIL = ? WHERE JOB_ID = ? AND RUN_NO = ? AND STATUS = 'RUNNING' "
                 "AND RUNNER = ?")
        .Bind(1, MomentText(leaseUntil))
        .Bind(2, claim.jobId)
        .Bind(3, int64_t{claim.runNumber})
        .Bind(4, runner)
        .Run();
}

void RunStore::Finish(const RunClaim& claim, const std::string& runner, rt::TDateTime ended, const std::string& error,
                      const std::string& runDate, const std::string& reportFiles) {
    std::string status = error.empty() ? "DONE" : "FAILED";
    SqliteTransaction tx(store_->Db());
    store_->Db()
        .Prepare("UPDATE JOB_RUNS SET ENDED = ?, STATUS = ?, ERROR = ?, RUN_DATE = ?, REPORT_FILES = ? "
                 "WHERE JOB_ID = ? AND RUN_NO = ? AND STATUS = 'RUNNING' AND RUNNER = ?")
        .Bind(1, MomentText(ended))
        .Bind(2, status)
        .Bind(3, error)
        .Bind(4, runDate)
        .Bind(5, reportFiles)
        .Bind(6, claim.jobId)
        .Bind(7, int64_t{claim.runNumber})
        .Bind(8, runner)
        .Run();
    // A run another runner already declared interrupted keeps that verdict.
    if (store_->Db().Changes() == 1)
        SetJobStatus(claim.jobId, status, error, ended);
    tx.Commit();
}

int RunStore::Recover(rt::TDateTime now, const std::function<bool(const std::string&)>& isDead) {
    SqliteTransaction tx(store_->Db());
    SqliteStatement running =
        store_->Db().Prepare("SELECT JOB_ID, RUN_NO, RUNNER, LEASE_UNTIL FROM JOB_RUNS WHERE STATUS = 'RUNNING'");
    std::vector<std::pair<std::string, int64_t>> lost;
    std::string nowText = MomentText(now);
    while (running.Step())
        if (running.Text(3) < nowText || isDead(running.Text(2)))
            lost.emplace_back(running.Text(0), running.Int(1));
    for (const auto& [jobId, runNo] : lost) {
        store_->Db()
            .Prepare("UPDATE JOB_RUNS SET STATUS = 'FAILED', ERROR = ?, ENDED = ? WHERE JOB_ID = ? AND RUN_NO = ?")
            .Bind(1, std::string(kInterrupted))
            .Bind(2, nowText)
            .Bind(3, jobId)
            .Bind(4, runNo)
            .Run();
        SetJobStatus(jobId, "FAILED", kInterrupted, now);
    }
    tx.Commit();
    return static_cast<int>(lost.size());
}

bool RunStore::Cancel(const std::string& jobId) {
    SqliteTransaction tx(store_->Db());
    store_->Db()
        .Prepare("UPDATE JOBS SET NEXT_RUN = NULL, PLAN_STATE = 'CANCELLED' WHERE JOB_ID = ? AND PLAN_STATE IS NOT NULL")
        .Bind(1, jobId)
        .Run();
    if (store_->Db().Changes() == 0)
        return false;
    store_->Db()
        .Prepare("UPDATE JOBS SET STATUS = 'CANCELLED' WHERE JOB_ID = ? AND STATUS <> 'RUNNING'")
        .Bind(1, jobId)
        .Run();
    tx.Commit();
    return true;
}

std::vector<PlanRecord> RunStore::Plans() {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT JOB_ID, PROGRAMME, PLAN_STATE, IFNULL(NEXT_RUN, ''), PLAN_MODE, RUNS FROM JOBS "
        "WHERE PLAN_STATE IS NOT NULL ORDER BY JOB_ID");
    std::vector<PlanRecord> plans;
    while (q.Step())
        plans.push_back({q.Text(0), q.Text(1), q.Text(2), q.Text(3), static_cast<int>(q.Int(4)),
                         static_cast<int>(q.Int(5))});
    return plans;
}

std::vector<RunRecord> RunStore::Runs(const std::string& jobId) {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT JOB_ID, RUN_NO, PLANNED, STARTED, ENDED, STATUS, ERROR, REPORT_FILES, RUN_DATE, RUNNER "
        "FROM JOB_RUNS WHERE JOB_ID = ? ORDER BY RUN_NO");
    q.Bind(1, jobId);
    std::vector<RunRecord> runs;
    while (q.Step())
        runs.push_back({q.Text(0), static_cast<int>(q.Int(1)), q.Text(2), q.Text(3), q.Text(4), q.Text(5), q.Text(6),
                        q.Text(7), q.Text(8), q.Text(9)});
    return runs;
}

}  // namespace appserver
