#include "outside/appserver/JobStore.h"

#include <cstdio>

#include "outside/appserver/ProcessIdentity.h"
#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "platform/automation/BoundedJson.h"
#include "platform/automation/VariantJson.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"

namespace appserver {

namespace {

std::string MomentText(rt::TDateTime moment) { return rt::FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", moment); }

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
    SqliteStatement q = store_->Db().Prepare("SELECT MAX(JOB_ID) FROM JOBS WHERE JOB_ID LIKE ? || '%'");
    q.Bind(1, day);
    int64_t last = 0;
    if (q.Step() && !q.IsNull(0))
        last = std::stoll(q.Text(0).substr(8));
    char id[32];
    std::snprintf(id, sizeof id, "%s%06lld", day.c_str(), static_cast<long long>(last + 1));
    return id;
}

std::string JobStore::Add(const rt::Variant& conditions, const std::string& computer) {
    std::string json = rt::VariantToJson(conditions.Deref()).dump();
    rt::TDateTime now = rt::Now();
    SqliteTransaction tx(store_->Db());
    std::string id = NextId(rt::FormatDateTime("yyyymmdd", now));
    store_->Db()
        .Prepare("INSERT INTO JOBS (JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, "
                 "STATUS_TIME, CONDITIONS, SERVER_PROCESS) VALUES (?, ?, ?, ?, ?, ?, 'QUEUED', '', '', ?, ?)")
        .Bind(1, id)
        .Bind(2, EnvText(conditions.Deref(), 1))
        .Bind(3, EnvText(conditions.Deref(), 5))
        .Bind(4, EnvText(conditions.Deref(), 4))
        .Bind(5, computer)
        .Bind(6, MomentText(now))
        .Bind(7, json)
        .Bind(8, ThisProcessIdentity())
        .Run();
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

}  // namespace appserver
