#include "outside/appserver/JobStore.h"

#include <cstdio>

#include "outside/appserver/JobSchedule.h"
#include "outside/appserver/ProcessIdentity.h"
#include "outside/appserver/RunStore.h"
#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "platform/automation/BoundedJson.h"
#include "platform/automation/VariantJson.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"

namespace appserver {

namespace {

// Environment element `position` (1-based, as the forms number it) as text.
std::string EnvText(const rt::Variant& conditions, int position) {
    const rt::Variant& env = conditions[0].Deref();
    int index = env.LowBound() + position - 1;
    if (index > env.HighBound())
        return "";
    const rt::Variant& v = env[index].Deref();
    return v.IsArray() ? "" : ArgText(v);
}

// The plan's mode: the schedule's run mode, 3 for a periodic job.
int PlanMode(const JobSchedule& schedule) {
    return schedule.IsPeriodic() ? 3 : static_cast<int>(schedule.RunMode());
}

}  // namespace

int64_t JobStore::NextNumber(const std::string& day) {
    // A day within six digits keeps no counter: jobs are never deleted, so its
    // highest identifier, found by a range on the key, holds its last number,
    // and a job writes its own row only. Past six digits text order is no
    // longer number order, so from its millionth job on a day keeps a counter
    // row, moved on in one statement.
    SqliteStatement& next = store_->Db().Cached(
        "UPDATE COUNTERS SET VALUE = VALUE + 1 WHERE NAME = 'JOB#' AND KEYTEXT = ? AND COMPANY = '' AND VALUE < ? "
        "RETURNING VALUE");
    next.Bind(1, day).Bind(2, kLastJobNumber);
    const bool counted = next.Step();
    const int64_t number = counted ? next.Int(0) : 0;
    next.Reset();  // done before the transaction commits
    if (counted)
        return number;
    SqliteStatement& exists =
        store_->Db().Cached("SELECT 1 FROM COUNTERS WHERE NAME = 'JOB#' AND KEYTEXT = ? AND COMPANY = ''");
    const bool exhausted = exists.Bind(1, day).Step();
    exists.Reset();
    if (exhausted)
        throw EServerError("当日作业编号已用尽: " + day);
    SqliteStatement& highest = store_->Db().Cached("SELECT MAX(JOB_ID) FROM JOBS WHERE JOB_ID >= ? AND JOB_ID < ?");
    highest.Bind(1, day).Bind(2, day + ":");
    const std::string last = highest.Step() && !highest.IsNull(0) ? highest.Text(0) : "";
    highest.Reset();
    if (last.empty())
        return 1;
    if (last.size() == day.size() + 6 && last.substr(day.size()) != "999999")
        return std::stoll(last.substr(day.size())) + 1;
    return CountPastSixDigits(day);
}

int64_t JobStore::CountPastSixDigits(const std::string& day) {
    // Once a day: its highest number read from every identifier it has.
    SqliteStatement q = store_->Db().Prepare(
        "SELECT MAX(CAST(SUBSTR(JOB_ID, 9) AS INTEGER)) FROM JOBS WHERE JOB_ID >= ? AND JOB_ID < ?");
    q.Bind(1, day).Bind(2, day + ":");
    const int64_t number = (q.Step() ? q.Int(0) : 0) + 1;
    if (number > kLastJobNumber)
        throw EServerError("当日作业编号已用尽: " + day);
    store_->Db()
        .Prepare("INSERT INTO COUNTERS (NAME, KEYTEXT, COMPANY, VALUE) VALUES ('JOB#', ?, '', ?)")
        .Bind(1, day)
        .Bind(2, number)
        .Run();
    return number;
}

std::string JobStore::NextId(const std::string& day) {
    char id[40];
    std::snprintf(id, sizeof id, "%s%06lld", day.c_str(), static_cast<long long>(NextNumber(day)));
    return id;
}

std::string JobStore::Add(const rt::Variant& conditions, const std::string& computer, Runner runner) {
    std::string json = rt::VariantToJsonText(conditions);
    rt::TDateTime now = rt::Now();
    JobSchedule schedule = runner == Runner::Server ? JobSchedule::Of(conditions, now) : JobSchedule();
    std::string program = EnvText(conditions, 1);
    SqliteTransaction tx(store_->Db());
    std::string id = NextId(rt::FormatDateTime("yyyymmdd", now));
    SqliteStatement& insert = store_->Db().Cached(
        "INSERT INTO JOBS (JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, STATUS_TIME, "
        "CONDITIONS, SERVER_PROCESS, PLAN_MODE, PLAN_STATE, NEXT_RUN) "
        "VALUES (?, ?, ?, ?, ?, ?, 'QUEUED', '', '', ?, ?, ?, ?, ?)");
    insert.Bind(1, id)
        .Bind(2, program)
        .Bind(3, EnvText(conditions, 5))
        .Bind(4, EnvText(conditions, 4))
        .Bind(5, computer)
        .Bind(6, MomentText(now))
        .Bind(7, json)
        .Bind(8, ThisProcessIdentity());
    // A job a client logged is the client's to run: it has no plan.
    if (runner == Runner::Server)
        RunStore::BindPlan(insert, 9, PlanMode(schedule), schedule.FirstRun());
    else
        insert.BindNull(9).BindNull(10).BindNull(11);
    insert.Run();
    tx.Commit();
    return id;
}

void JobStore::UpdateStatus(const std::string& id, const std::string& error, rt::TDateTime moment) {
    SqliteTransaction tx(store_->Db());
    store_->Db()
        .Prepare("UPDATE JOBS SET STATUS = ?, LAST_ERROR = ?, STATUS_TIME = ? WHERE JOB_ID = ?")
        .Bind(1, std::string(error.empty() ? "DONE" : "FAILED"))
        .Bind(2, error)
        .Bind(3, MomentText(moment))
        .Bind(4, id)
        .Run();
    if (store_->Db().Changes() == 0)
        throw EServerError("Unknown job \"" + id + "\"");
    tx.Commit();
}

namespace {

constexpr const char* kJobColumns =
    "SELECT JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, STATUS_TIME, CONDITIONS";

}  // namespace

JobRecord JobStore::ReadJob(SqliteStatement& q) {
    return JobRecord{q.Text(0), q.Text(1), q.Text(2), q.Text(3), q.Text(4), q.Text(5), q.Text(6), q.Text(7), q.Text(8),
                     rt::VariantFromJson(rt::ParseBoundedJson(q.Text(9)))};
}

std::vector<JobRecord> JobStore::List() {
    SqliteStatement q = store_->Db().Prepare(std::string(kJobColumns) + " FROM JOBS ORDER BY JOB_ID");
    std::vector<JobRecord> jobs;
    while (q.Step())
        jobs.push_back(ReadJob(q));
    return jobs;
}

std::vector<JobRecord> JobStore::AcceptedHereAfter(int64_t& rowId) {
    SqliteStatement q = store_->Db().Prepare(std::string(kJobColumns) +
                                             ", rowid FROM JOBS WHERE rowid > ? AND SERVER_PROCESS = ? ORDER BY rowid");
    q.Bind(1, rowId).Bind(2, ThisProcessIdentity());
    std::vector<JobRecord> jobs;
    while (q.Step()) {
        // Past the row first: a record that cannot be read must not hold up the ones after it.
        rowId = q.Int(10);
        jobs.push_back(ReadJob(q));
    }
    return jobs;
}

std::optional<JobRecord> JobStore::Find(const std::string& id) {
    SqliteStatement q = store_->Db().Prepare(std::string(kJobColumns) + " FROM JOBS WHERE JOB_ID = ?");
    q.Bind(1, id);
    if (!q.Step())
        return std::nullopt;
    return ReadJob(q);
}

int JobStore::PlanJobsFromBeforeTheRunner() {
    SqliteTransaction tx(store_->Db());
    SqliteStatement q = store_->Db().Prepare(
        std::string(kJobColumns) +
        " FROM JOBS j WHERE STATUS = 'QUEUED' AND COMPUTER = '' "
        "AND PLAN_STATE IS NULL ORDER BY JOB_ID");
    std::vector<std::pair<std::string, std::string>> unreadable;
    int planned = 0;
    while (q.Step()) {
        const std::string id = q.Text(0);
        try {
            const JobRecord job = ReadJob(q);
            const JobSchedule schedule =
                JobSchedule::Of(job.conditions, MomentFromText(job.submitted).value_or(rt::Now()));
            RunStore(store_).Plan(id, PlanMode(schedule), schedule.FirstRun());
            ++planned;
        } catch (const std::exception& e) {
            unreadable.emplace_back(id, e.what());
        }
    }
    for (const auto& [id, why] : unreadable) {
        RunStore(store_).Plan(id, 0, std::nullopt);
        store_->Db()
            .Prepare("UPDATE JOBS SET STATUS = 'FAILED', LAST_ERROR = ?, STATUS_TIME = ? WHERE JOB_ID = ?")
            .Bind(1, "作业无法排程: " + why)
            .Bind(2, MomentText(rt::Now()))
            .Bind(3, id)
            .Run();
    }
    tx.Commit();
    return planned;
}

}  // namespace appserver
