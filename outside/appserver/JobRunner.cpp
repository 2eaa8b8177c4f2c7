#include "outside/appserver/JobRunner.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <cstdio>

#include "outside/appserver/RunDates.h"
#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerHome.h"
#include "outside/appserver/ServerLibraryCall.h"
#include "outside/appserver/ServerValues.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

constexpr const char* kReportPrefix = "报表已生成: ";

std::string HostName() {
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    return name;
}

std::string EnvItem(const rt::Variant& env, int position) {
    const rt::Variant& e = env.Deref();
    int index = e.LowBound() + position - 1;
    return index <= e.HighBound() && !e[index].Deref().IsArray() ? ArgText(e[index]) : "";
}

std::string Sibling(const std::string& textFile, const std::string& extension) {
    std::string file = textFile.substr(0, textFile.size() - 4) + extension;
    return rt::FileExists(file) ? file : "";
}

// Keeps renewing a run's lease from its own connection while the run goes
// on, so that a long run is not taken for one whose runner died.
class LeaseKeeper {
public:
    LeaseKeeper(const std::string& home, const RunClaim& claim, const std::string& runner, const JobClock& clock,
                double leaseDays)
        : thread_([=, this, &clock] {
              RunStore runs(ServerStore::Open(home));
              auto pause = std::chrono::milliseconds(static_cast<int64_t>(leaseDays * 86400000 / 3));
              std::unique_lock<std::mutex> lock(mutex_);
              while (!wake_.wait_for(lock, pause, [this] { return done_; })) {
                  try {
                      runs.Renew(claim, runner, clock.Now() + leaseDays);
                  } catch (const std::exception&) {
                      // A busy database: the next renewal tries again.
                  }
              }
          }) {}
    ~LeaseKeeper() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    LeaseKeeper(const LeaseKeeper&) = delete;
    LeaseKeeper& operator=(const LeaseKeeper&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace

JobRunner::JobRunner(StorePtr store, const JobClock& clock, Options options)
    : store_(store), clock_(clock), options_(std::move(options)), runs_(store), notifier_(store, clock) {
    if (options_.runnerId.empty())
        options_.runnerId = ThisRunner();
}

std::string JobRunner::ThisRunner() { return HostName() + ":" + std::to_string(getpid()); }

bool JobRunner::IsDeadHere(const std::string& runner) {
    size_t colon = runner.rfind(':');
    if (colon == std::string::npos || runner.substr(0, colon) != HostName())
        return false;
    pid_t pid = static_cast<pid_t>(std::atol(runner.c_str() + colon + 1));
    return pid > 0 && pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
}

rt::Variant JobRunner::RunValues(const rt::Variant& conditions, const std::string& runDate) {
    const rt::Variant& c = conditions.Deref();
    rt::Variant values = c[c.LowBound() + 2].Deref();
    if (c.HighBound() >= c.LowBound() + 4)
        values = ApplyRunDateRules(values, c[c.LowBound() + 4], runDate);
    return values;
}

std::vector<RunRecord> JobRunner::RunDueRecords() {
    runs_.Recover(clock_.Now(), &JobRunner::IsDeadHere);
    std::vector<RunRecord> ran;
    while (std::optional<RunClaim> claim =
               runs_.Claim(clock_.Now(), options_.runnerId, clock_.Now() + options_.leaseDays)) {
        RunOutcome outcome;
        {
            LeaseKeeper lease(store_->Home(), *claim, options_.runnerId, clock_, options_.leaseDays);
            outcome = Execute(*claim);
        }
        runs_.Finish(*claim, options_.runnerId, clock_.Now(), outcome.error, outcome.runDate,
                     outcome.textFile.empty() ? "" : outcome.csvFile + ";" + outcome.textFile + ";" + outcome.htmlFile);
        try {
            notifier_.Notify(*claim, outcome);
        } catch (const rt::Exception&) {
            // A receiver document that cannot be used tells nobody; the run stands.
        }
        for (const RunRecord& run : runs_.Runs(claim->jobId))
            if (run.runNumber == claim->runNumber)
                ran.push_back(run);
    }
    notifier_.DeliverDue();
    return ran;
}

RunOutcome JobRunner::Execute(const RunClaim& claim) {
    RunOutcome outcome;
    outcome.runDate = rt::FormatDateTime("yyyymmdd", claim.planned);
    try {
        const rt::Variant& c = claim.conditions.Deref();
        if (!c.IsArray())
            throw EServerError("作业的条件数组已遗失");
        const rt::Variant& env = c[c.LowBound()];
        std::vector<std::string> folders{LibraryFolderIn(store_->Home())};
        folders.insert(folders.end(), options_.libraryFolders.begin(), options_.libraryFolders.end());
        char runId[32];
        std::snprintf(runId, sizeof runId, "%s%04d", claim.jobId.substr(0, 8).c_str(), claim.runNumber);
        outcome.values = RunValues(c, outcome.runDate);
        rt::Variant arguments = rt::Variant::ArrayOf(
            {claim.jobId, "", EnvItem(env, 4), EnvItem(env, 5), EnvItem(env, 6), outcome.values, 1,
             rt::UpperCase(EnvItem(env, 9)), std::string(runId), 3, true, "936"});
        std::string message = ServerLibraryCall(folders).RunIsolated(EnvItem(env, 1), arguments);
        if (message.rfind(kReportPrefix, 0) == 0) {
            outcome.textFile = message.substr(std::string(kReportPrefix).size());
            outcome.csvFile = Sibling(outcome.textFile, ".csv");
            outcome.htmlFile = Sibling(outcome.textFile, ".html");
        }
        outcome.status = "DONE";
    } catch (const std::exception& e) {
        outcome.status = "FAILED";
        outcome.error = e.what();
        if (outcome.error.empty())
            outcome.error = "未知错误";
    }
    return outcome;
}

}  // namespace appserver
