#include "outside/host/serve/ServeCommand.h"

#include <pthread.h>
#include <signal.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "outside/host/PluginSession.h"
#include "outside/host/serve/FormServer.h"
#include "outside/host/serve/PageChannel.h"
#include "outside/host/serve/PageDriver.h"
#include "outside/host/serve/ReportFiles.h"

namespace host::serve {

namespace {

// Waits for SIGINT or SIGTERM on a thread of its own; the signals are
// blocked everywhere else, so no handler runs inside the toolkit.
class Interruption {
public:
    Interruption() {
        sigemptyset(&signals_);
        sigaddset(&signals_, SIGINT);
        sigaddset(&signals_, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
    }

    template <class F>
    void Start(F onSignal) {
        thread_ = std::thread([this, onSignal] {
            int signal = 0;
            sigwait(&signals_, &signal);
            {
                std::lock_guard lock(mutex_);
                if (done_) return;
                signalled_ = true;
            }
            onSignal();
            cv_.notify_all();
        });
    }

    void Wait() {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return signalled_; });
    }

    ~Interruption() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        // Wakes the waiting thread when no signal came.
        if (thread_.joinable()) {
            pthread_kill(thread_.native_handle(), SIGTERM);
            thread_.join();
        }
        pthread_sigmask(SIG_UNBLOCK, &signals_, nullptr);
    }

private:
    sigset_t signals_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable cv_;
    bool signalled_ = false;
    bool done_ = false;
};

}  // namespace

ServeCommand::ServeCommand(std::string plugin, int port, ServerActivity& activity, Transcript& transcript)
    : plugin_(std::move(plugin)), port_(port), activity_(activity), transcript_(transcript) {}

int ServeCommand::Run() {
    Interruption interruption;
    PageChannel channel;
    const ReportFiles reports(activity_.ReportFolder());
    FormServer server(channel, reports);
    const int port = server.Bind(port_);
    std::thread http([&server] { server.Listen(); });
    interruption.Start([&channel] { channel.Close(); });
    transcript_.Write({{"serve", "http://127.0.0.1:" + std::to_string(port) + "/"}});

    PageDriver driver(channel, reports);
    int code = 1;
    try {
        PluginSession session(plugin_, transcript_);
        session.SetLanguage(langType_);
        session.SetRunnerHook([&driver](ScenarioRunner& runner) { driver.TakeOver(runner); });
        code = session.Run(nlohmann::json::object());
        driver.Finish(session.ResultCode(), session.ResultData());
    } catch (const std::exception& e) {
        transcript_.Error(e.what());
    }
    activity_.Report();
    // The page shows the result until serving is interrupted.
    interruption.Wait();
    server.Stop();
    http.join();
    return code;
}

}  // namespace host::serve
