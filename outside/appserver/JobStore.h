#pragma once
// Accepted jobs. The whole condition array is kept in its lossless JSON form
// (byte strings keep their bytes and code page), so a job reads back exactly
// as it was sent. A job identifier is the submission date "YYYYMMDD" and a
// number of at least six digits counting the jobs of that day
// ("20240115000003"), so its first eight characters are the date the report
// runs under. Each job is planned for running as it is stored (RunStore.h).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "outside/appserver/ServerStore.h"
#include "platform/core/Variant.h"

namespace appserver {

struct JobRecord {
    std::string id, program, creator, company, computer, submitted, status, lastError, statusTime;
    rt::Variant conditions;
};

class JobStore {
public:
    explicit JobStore(StorePtr store) : store_(std::move(store)) {}

    // The highest job number of one day; a day that reaches it refuses jobs
    // instead of reusing identifiers.
    static constexpr int64_t kLastJobNumber = 999999999999;

    // Stores a checked condition array and plans its runs; answers the new
    // job identifier. Raises EServerError for a schedule that cannot be read.
    // Who runs a job: the server's job runner, or the client that logged it.
    enum class Runner { Server, Client };
    std::string Add(const rt::Variant& conditions, const std::string& computer, Runner runner = Runner::Server);
    // Records the outcome of a run: DONE for an empty error text, else FAILED.
    // Raises EServerError for an unknown job.
    void UpdateStatus(const std::string& id, const std::string& error, rt::TDateTime moment);
    std::vector<JobRecord> List();
    // Jobs this process accepted after row `rowId` (a LastRowId), in order;
    // moves `rowId` past them.
    std::vector<JobRecord> AcceptedHereAfter(int64_t& rowId);
    // The job of that identifier, nullopt when there is none.
    std::optional<JobRecord> Find(const std::string& id);
    // Plans the jobs a database from before the job runner holds: each one
    // still queued that the server was to run (no computer logged it). One
    // whose schedule cannot be read is failed with the reason instead of
    // waiting forever. Answers how many were planned.
    int PlanJobsFromBeforeTheRunner();

private:
    static JobRecord ReadJob(SqliteStatement& q);
    std::string NextId(const std::string& day);
    int64_t NextNumber(const std::string& day);
    int64_t CountPastSixDigits(const std::string& day);

    StorePtr store_;
};

}  // namespace appserver
