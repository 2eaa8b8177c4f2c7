#pragma once
// The job runner's part of hemr07-appserver:
//   run-due --home DIR [--at MOMENT] [--lib-dir DIR] [--demo-sinks]
//                               runs what is due at that moment and exits
//   jobs --home DIR             every job: state, next run, runs
//   inbox USER --home DIR       the user's system messages
//   cancel JOB --home DIR       drops the job's future runs
// and the runner loop that serves beside the RPC service. MOMENT is
// "yyyy-mm-dd hh:nn[:ss]" or "yyyymmdd".

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "outside/appserver/ServerStore.h"

namespace appserver {

class SmtpSink;
class SmsGatewayStub;

// True when argv[1] names one of the commands above.
bool IsRunnerCommand(int argc, char** argv);
// Runs it; answers the exit code (2 for a usage error).
int RunRunnerCommand(int argc, char** argv);

// The loopback SMTP sink and SMS gateway stand-in, named in the server's
// settings for as long as they live; the settings are put back afterwards.
class DemoSinks {
public:
    explicit DemoSinks(const StorePtr& store);
    ~DemoSinks();
    std::string Summary() const;

private:
    StorePtr store_;
    std::unique_ptr<SmtpSink> smtp_;
    std::unique_ptr<SmsGatewayStub> sms_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// Runs due jobs every `periodSeconds` on its own thread until Stop.
class RunnerLoop {
public:
    RunnerLoop(std::string home, int periodSeconds);
    ~RunnerLoop();
    void Stop();

private:
    void Loop();

    std::string home_;
    int periodSeconds_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace appserver
