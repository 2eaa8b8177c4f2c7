#include "outside/appserver/RunnerCommands.h"

#include <cstdlib>
#include <iostream>

#include "outside/appserver/JobClock.h"
#include "outside/appserver/JobRunner.h"
#include "outside/appserver/JobSchedule.h"
#include "outside/appserver/Notifier.h"
#include "outside/appserver/RunStore.h"
#include "outside/appserver/SmsGatewayStub.h"
#include "outside/appserver/SmtpSink.h"
#include "platform/core/Exceptions.h"

namespace appserver {

namespace {

struct Command {
    std::string name, subject, home, at;
    std::vector<std::string> libraryFolders;
    bool demoSinks = false;
};

const char* kUsage =
    "usage: hemr07-appserver run-due --home DIR [--at MOMENT] [--lib-dir DIR] [--demo-sinks]\n"
    "       hemr07-appserver jobs --home DIR\n"
    "       hemr07-appserver inbox USER --home DIR\n"
    "       hemr07-appserver cancel JOB --home DIR\n";

bool Parse(int argc, char** argv, Command& c, std::string& why) {
    c.name = argv[1];
    int i = 2;
    if (c.name == "inbox" || c.name == "cancel") {
        if (argc < 3 || argv[2][0] == '-') {
            why = c.name + " needs " + (c.name == "inbox" ? "a user code" : "a job identifier");
            return false;
        }
        c.subject = argv[i++];
    }
    for (; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--demo-sinks" && c.name == "run-due") {
            c.demoSinks = true;
            continue;
        }
        if (i + 1 >= argc) {
            why = "missing value after " + arg;
            return false;
        }
        std::string value = argv[++i];
        if (arg == "--home")
            c.home = value;
        else if (arg == "--at" && c.name == "run-due")
            c.at = value;
        else if (arg == "--lib-dir" && c.name == "run-due")
            c.libraryFolders.push_back(value);
        else {
            why = "unknown option " + arg;
            return false;
        }
    }
    if (c.home.empty())
        why = "--home is required";
    else if (!c.at.empty() && !MomentFromText(c.at))
        why = "bad moment " + c.at;
    return why.empty();
}

int RunDue(const Command& c, const StorePtr& store) {
    std::unique_ptr<DemoSinks> sinks = c.demoSinks ? std::make_unique<DemoSinks>(store) : nullptr;
    JobClock clock(c.at.empty() ? std::nullopt : MomentFromText(c.at));
    JobRunner::Options options;
    options.libraryFolders = c.libraryFolders;
    int ran = JobRunner(store, clock, options).RunDue();
    std::cout << "ran " << ran << " run(s) due at " << MomentText(clock.Now()) << std::endl;
    if (sinks)
        std::cout << sinks->Summary();
    return 0;
}

int ListJobs(const StorePtr& store) {
    RunStore runs(store);
    for (const PlanRecord& plan : runs.Plans()) {
        std::cout << plan.jobId << "\t" << plan.program << "\t" << plan.state << "\tnext "
                  << (plan.nextRun.empty() ? "-" : plan.nextRun) << "\truns " << plan.runs << "\n";
        for (const RunRecord& r : runs.Runs(plan.jobId))
            std::cout << "  run " << r.runNumber << "\tplanned " << r.planned << "\t" << r.status << "\tstarted "
                      << r.started << "\tended " << (r.ended.empty() ? "-" : r.ended) << "\tdates " << r.runDate
                      << (r.error.empty() ? "" : "\terror " + r.error)
                      << (r.reportFiles.empty() ? "" : "\tfiles " + r.reportFiles) << "\n";
    }
    return 0;
}

int ListInbox(const StorePtr& store, const std::string& user) {
    JobClock clock;
    for (const InboxRow& row : Notifier(store, clock).Inbox(user))
        std::cout << row.id << "\t" << row.created << "\t" << row.jobId << "\t" << row.runNumber << "\t" << row.message
                  << "\n";
    return 0;
}

}  // namespace

bool IsRunnerCommand(int argc, char** argv) {
    if (argc < 2)
        return false;
    std::string name = argv[1];
    return name == "run-due" || name == "jobs" || name == "inbox" || name == "cancel";
}

int RunRunnerCommand(int argc, char** argv) {
    Command c;
    std::string why;
    if (!Parse(argc, argv, c, why)) {
        std::cerr << "hemr07-appserver: " << why << "\n" << kUsage;
        return 2;
    }
    try {
        StorePtr store = ServerStore::Open(c.home);
        // The server library opens the server folder it is told of.
        setenv("NVR_SERVER_HOME", store->Home().c_str(), 1);
        if (c.name == "run-due")
            return RunDue(c, store);
        if (c.name == "jobs")
            return ListJobs(store);
        if (c.name == "inbox")
            return ListInbox(store, c.subject);
        if (RunStore(store).Cancel(c.subject)) {
            std::cout << "cancelled " << c.subject << std::endl;
            return 0;
        }
        std::cerr << "hemr07-appserver: no job " << c.subject << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "hemr07-appserver: " << e.what() << "\n";
        return 1;
    }
}

namespace {

// The settings row `name`, nullopt when there is none.
std::optional<std::string> ReadSetting(SqliteDb& db, const std::string& name) {
    SqliteStatement q = db.Prepare("SELECT MA003 FROM NVRINTMA WHERE MA001 = ?");
    q.Bind(1, name);
    return q.Step() ? std::optional<std::string>(q.Text(0)) : std::nullopt;
}

void WriteSetting(SqliteDb& db, const std::string& name, const std::optional<std::string>& value) {
    if (value)
        db.Prepare("INSERT OR REPLACE INTO NVRINTMA (MA001, MA002, MA003) VALUES (?, ?, ?)")
            .Bind(1, name)
            .Bind(2, name)
            .Bind(3, *value)
            .Run();
    else
        db.Prepare("DELETE FROM NVRINTMA WHERE MA001 = ?").Bind(1, name).Run();
}

}  // namespace

DemoSinks::DemoSinks(const StorePtr& store)
    : store_(store), smtp_(std::make_unique<SmtpSink>()), sms_(std::make_unique<SmsGatewayStub>()) {
    SqliteTransaction tx(store->Db());
    for (const auto& [name, value] : {std::pair<std::string, std::string>{"SMTP Server", smtp_->Address()},
                                      {"SMS Gateway", sms_->Address()}}) {
        saved_.emplace_back(name, ReadSetting(store->Db(), name));
        WriteSetting(store->Db(), name, value);
    }
    tx.Commit();
    std::cout << "SMTP sink " << smtp_->Address() << ", SMS gateway " << sms_->Address() << std::endl;
}

// The settings go back to what they were: the sinks' ports die with them.
DemoSinks::~DemoSinks() {
    try {
        SqliteTransaction tx(store_->Db());
        for (const auto& [name, value] : saved_)
            WriteSetting(store_->Db(), name, value);
        tx.Commit();
    } catch (const std::exception& e) {
        std::cerr << "hemr07-appserver: demo sink settings not restored: " << e.what() << std::endl;
    }
}

std::string DemoSinks::Summary() const {
    std::string out;
    for (const ReceivedMail& mail : smtp_->Mails())
        out += "mail to " + (mail.to.empty() ? std::string() : mail.to[0]) + " (" + std::to_string(mail.data.size()) +
               " bytes)\n";
    for (const ReceivedSms& sms : sms_->Messages())
        out += "sms to " + sms.to + ": " + sms.text + "\n";
    return out;
}

RunnerLoop::RunnerLoop(std::string home, int periodSeconds)
    : home_(std::move(home)), periodSeconds_(periodSeconds), thread_([this] { Loop(); }) {}

RunnerLoop::~RunnerLoop() { Stop(); }

void RunnerLoop::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void RunnerLoop::Loop() {
    JobClock clock;
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        lock.unlock();
        try {
            JobRunner(ServerStore::Open(home_), clock, {}).RunDue();
        } catch (const std::exception& e) {
            std::cerr << "hemr07-appserver: job runner: " << e.what() << std::endl;
        }
        lock.lock();
        wake_.wait_for(lock, std::chrono::seconds(periodSeconds_), [this] { return stopping_; });
    }
}

}  // namespace appserver
