#pragma once
// The plan and the runs of accepted jobs. A job the server runs carries its
// plan on its own row (its mode, its next run moment, how many runs it has
// had, its state), so accepting a job writes one row; each run
// one row (planned moment, start, end, status, error, report files, the
// runner holding it and until when). A run is claimed in one transaction that
// also moves the plan to the next occurrence, so runners sharing a database
// never claim one occurrence twice, and a runner that dies mid-run leaves a
// run that the next recovery marks failed instead of repeating it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "outside/appserver/ServerStore.h"
#include "platform/core/Variant.h"
#include "platform/sysutils/DateTime.h"

namespace appserver {

struct RunClaim {
    std::string jobId;
    int runNumber = 0;
    rt::TDateTime planned = 0;
    rt::Variant conditions;
};

struct RunRecord {
    std::string jobId;
    int runNumber = 0;
    std::string planned, started, ended, status, error, reportFiles, runDate, runner;
};

struct PlanRecord {
    std::string jobId, program, state, nextRun;
    int mode = 0, runs = 0;
};

class RunStore {
public:
    static constexpr const char* kInterrupted = "interrupted";

    explicit RunStore(StorePtr store) : store_(std::move(store)) {}

    // Binds a plan's mode, state and first run to columns `column` on, for the
    // statement storing a job.
    static void BindPlan(SqliteStatement& q, int column, int mode, std::optional<rt::TDateTime> firstRun);
    // Plans a job already stored, inside the caller's transaction.
    void Plan(const std::string& jobId, int mode, std::optional<rt::TDateTime> firstRun);
    // The earliest due run no other run blocks (a job never runs twice at
    // once; queued jobs of one program run one at a time, in submission
    // order), claimed for `runner` until `leaseUntil`. nullopt when none.
    std::optional<RunClaim> Claim(rt::TDateTime now, const std::string& runner, rt::TDateTime leaseUntil);
    // Moves the lease of a run still held by `runner`.
    void Renew(const RunClaim& claim, const std::string& runner, rt::TDateTime leaseUntil);
    void Finish(const RunClaim& claim, const std::string& runner, rt::TDateTime ended, const std::string& error,
                const std::string& runDate, const std::string& reportFiles);
    // Marks "interrupted" every running run whose lease ran out before `now`
    // or whose runner `isDead` says is gone; answers how many.
    int Recover(rt::TDateTime now, const std::function<bool(const std::string& runner)>& isDead);
    // Drops the job's future runs; a run in progress finishes. False for an
    // unknown job.
    bool Cancel(const std::string& jobId);

    std::vector<PlanRecord> Plans();
    std::vector<RunRecord> Runs(const std::string& jobId);

private:
    std::optional<RunClaim> TakeRun(const std::string& jobId, int mode, int runs, const std::string& nextRun,
                                    rt::TDateTime now, const std::string& runner, rt::TDateTime leaseUntil);
    bool QueueBusy(const std::string& program);
    void SetJobStatus(const std::string& jobId, const std::string& status, const std::string& error,
                      rt::TDateTime moment);

    StorePtr store_;
};

}  // namespace appserver
