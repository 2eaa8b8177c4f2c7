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

}  // namespace

std::string JobStore::NextId(const std::string& day) {
    // The day's counter row, moved on in one statement; a day begun without
    // one starts from its highest identifier, found by a range on the key.
    SqliteStatement& next = store_->Db().Cached(
        "UPDATE COUNTERS SET VALUE = VALUE + 1 WHERE NAME = 'JOB#' AND KEYTEXT = ? AND COMPANY = '' AND VALUE < ? "
        "RETURNING VALUE");
    next.Bind(1, day).Bind(2, kLastJobNumber);
    int64_t number = 0;
    const bool counted = next.Step();
    if (counted)
        number = next.Int(0);
    next.Reset();  // done before the transaction commits
    if (!counted) {
        SqliteStatement exists =
            store_->Db().Prepare("SELECT 1 FROM COUNTERS WHERE NAME = 'JOB#' AND KEYTEXT = ? AND COMPANY = ''");
        if (exists.Bind(1, day).Step())
            throw EServerError("当日作业编号已用尽: " + day);
        SqliteStatement q = store_->Db().Prepare("SELECT MAX(JOB_ID) FROM JOBS WHERE JOB_ID >= ? AND JOB_ID < ?");
        q.Bind(1, day).Bind(2, day + ":");
        if (q.Step() && !q.IsNull(0))
            number = std::stoll(q.Text(0).substr(8));
        if (++number > kLastJobNumber)
            throw EServerError("当日作业编号已用尽: " + day);
        store_->Db()
            .Prepare("INSERT INTO COUNTERS (NAME, KEYTEXT, COMPANY, VALUE) VALUES ('JOB#', ?, '', ?)")
            .Bind(1, day)
            .Bind(2, number)
            .Run();
    }
    char id[40];
    std::snprintf(id, sizeof id, "%s%06lld", day.c_str(), static_cast<long long>(number));
    return id;
}

std::string JobStore::Add(const rt::Variant& conditions, const std::string& computer, Runner runner) {
    std::string json = rt::VariantToJsonText(conditions);
    rt::TDateTime now = rt::Now();
    JobSchedule schedule = runner == Runner::Server ? JobSchedule::Of(conditions, now) : JobSchedule();
    std::string program = EnvText(conditions, 1);
    SqliteTransaction tx(store_->Db());
    std::string id = NextId(rt::FormatDateTime("yyyymmdd", now));
    store_->Db()
        .Cached("INSERT INTO JOBS (JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, "
                "STATUS_TIME, CONDITIONS, SERVER_PROCESS) VALUES (?, ?, ?, ?, ?, ?, 'QUEUED', '', '', ?, ?)")
        .Bind(1, id)
        .Bind(2, program)
        .Bind(3, EnvText(conditions, 5))
        .Bind(4, EnvText(conditions, 4))
        .Bind(5, computer)
        .Bind(6, MomentText(now))
        .Bind(7, json)
        .Bind(8, ThisProcessIdentity())
        .Run();
    if (runner == Runner::Server)
        RunStore(store_).Plan(id, program, schedule.IsPeriodic() ? 3 : static_cast<int>(schedule.RunMode()),
                              schedule.FirstRun());
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
        "AND NOT EXISTS (SELECT 1 FROM JOB_PLAN p WHERE p.JOB_ID = j.JOB_ID) ORDER BY JOB_ID");
    std::vector<std::pair<std::string, std::string>> unreadable;
    int planned = 0;
    while (q.Step()) {
        const std::string id = q.Text(0);
        try {
            const JobRecord job = ReadJob(q);
            const JobSchedule schedule =
                JobSchedule::Of(job.conditions, MomentFromText(job.submitted).value_or(rt::Now()));
            RunStore(store_).Plan(id, job.program, schedule.IsPeriodic() ? 3 : static_cast<int>(schedule.RunMode()),
                                  schedule.FirstRun());
            ++planned;
        } catch (const std::exception& e) {
            unreadable.emplace_back(id, e.what());
        }
    }
    for (const auto& [id, why] : unreadable) {
        RunStore(store_).Plan(id, "", 0, std::nullopt);
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
