#pragma once
// Runs the jobs the report-counter server accepted when they are due: claims
// a run, derives the run's values (a periodic job's dates moved by its
// change-date rules to the run date), calls the program's server library,
// records the outcome and notifies the receivers. A failing run fails only
// itself. Runs a runner left behind when it died are first marked
// "interrupted"; their next occurrence was planned when they were claimed.

#include <string>
#include <vector>

#include "outside/appserver/JobClock.h"
#include "outside/appserver/Notifier.h"
#include "outside/appserver/RunStore.h"
#include "outside/appserver/ServerStore.h"

namespace appserver {

class JobRunner {
public:
    struct Options {
        std::string runnerId;                      // "" = this host and process
        std::vector<std::string> libraryFolders;   // after the server folder's "S_PKG"
        double leaseDays = 1.0 / 24;               // how long a claim holds without its runner
    };

    JobRunner(StorePtr store, const JobClock& clock, Options options);

    // Runs everything due now, one run after the other; answers how many ran.
    int RunDue() { return static_cast<int>(RunDueRecords().size()); }
    // The same, answering the runs as recorded.
    std::vector<RunRecord> RunDueRecords();
    // The values array a run of the job receives for the run date "YYYYMMDD".
    static rt::Variant RunValues(const rt::Variant& conditions, const std::string& runDate);
    // The runner identifier of this process: "host:pid".
    static std::string ThisRunner();
    // True when `runner` names a process of this host that no longer exists.
    static bool IsDeadHere(const std::string& runner);

private:
    RunOutcome Execute(const RunClaim& claim);

    StorePtr store_;
    const JobClock& clock_;
    Options options_;
    RunStore runs_;
    Notifier notifier_;
};

}  // namespace appserver
