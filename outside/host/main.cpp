// hemr07-host run [--plugin FILE] [--home DIR] [--lang chs|cht|eng] [--no-update] [--run-jobs] SCENARIO.json
// hemr07-host serve [--plugin FILE] [--home DIR] [--lang chs|cht|eng] [--no-update] [--port N]
// Hosts the report plug-in the way the ERP shell does and runs a scenario,
// or serves its forms to a web browser, printing the transcript on standard
// output. --run-jobs then runs the jobs of the embedded server that are due,
// so that a queued job's report and the system messages it left appear in the
// transcript too. --lang sets the home folder up as an installation of that
// language (KestrelC.ini and NVR_ACP).

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "outside/appserver/JobClock.h"
#include "outside/appserver/JobRunner.h"
#include "outside/appserver/Notifier.h"
#include "outside/host/HostHome.h"
#include "outside/host/PluginSession.h"
#include "outside/host/PortalSwitch.h"
#include "outside/host/ServerActivity.h"
#include "outside/host/Transcript.h"
#include "outside/host/ScenarioFile.h"
#include "outside/host/ShellLogin.h"
#include "outside/host/serve/ServeCommand.h"
#include "platform/os/DynLib.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"

namespace {

constexpr int kUsageError = 2;

// Runs what is due now on the embedded server; {"run": ...} for every run and
// {"inbox": ...} for every system message it left.
bool RunDueJobs(const std::string& serverFolder, host::Transcript& transcript) {
    try {
        appserver::StorePtr store = appserver::ServerStore::Open(serverFolder);
        appserver::JobClock clock;
        appserver::Notifier notifier(store, clock);
        int64_t seen = notifier.LastInboxId();
        std::vector<appserver::RunRecord> runs = appserver::JobRunner(store, clock, {}).RunDueRecords();
        for (const appserver::RunRecord& run : runs)
            transcript.Write({{"run",
                               {{"job", run.jobId}, {"run", run.runNumber}, {"status", run.status}, {"error", run.error},
                                {"files", run.reportFiles}}}});
        for (const appserver::InboxRow& row : notifier.InboxSince(seen))
            transcript.Write({{"inbox", {{"user", row.user}, {"job", row.jobId}, {"run", row.runNumber},
                                         {"message", row.message}}}});
        return true;
    } catch (const std::exception& e) {
        transcript.Error(std::string("run-jobs: ") + e.what());
        return false;
    }
}

struct Options {
    std::string command;
    int port = 0;
    std::string plugin;
    std::string home;
    std::string scenario;
    host::LibraryUpdates updates = host::LibraryUpdates::On;
    bool runJobs = false;
    std::optional<host::HostLanguage> language;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr, "hemr07-host: %s\nusage: hemr07-host run [--plugin FILE] [--home DIR] [--lang chs|cht|eng] [--no-update] [--run-jobs] "
                 "SCENARIO.json\n"
                 "       hemr07-host serve [--plugin FILE] [--home DIR] [--lang chs|cht|eng] [--no-update] [--port N]\n",
                 problem.c_str());
    return kUsageError;
}

bool ParsePort(const std::string& text, int& port) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    port = std::stoi(text);
    return port <= 65535;
}

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& problem) {
    if (args.empty() || (args[0] != "run" && args[0] != "serve")) {
        problem = "the commands are run and serve";
        return false;
    }
    options.command = args[0];
    const bool serve = options.command == "serve";
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!serve && a == "--run-jobs") {
            options.runJobs = true;
        } else if (serve && a == "--port") {
            if (i + 1 >= args.size() || !ParsePort(args[++i], options.port)) {
                problem = "--port needs a port number (0 to 65535)";
                return false;
            }
        } else if (a == "--lang") {
            host::HostLanguage language{};
            if (i + 1 >= args.size() || !host::ParseHostLanguage(args[++i], language)) {
                problem = "--lang needs chs, cht or eng";
                return false;
            }
            options.language = language;
        } else if (a == "--plugin" || a == "--home") {
            if (i + 1 >= args.size()) {
                problem = a + " needs a value";
                return false;
            }
            (a == "--plugin" ? options.plugin : options.home) = args[++i];
        } else if (a == "--no-update") {
            options.updates = host::LibraryUpdates::Off;
        } else if (!a.empty() && a[0] == '-') {
            problem = "unknown option " + a;
            return false;
        } else if (serve) {
            problem = "serve takes no scenario";
            return false;
        } else if (options.scenario.empty()) {
            options.scenario = a;
        } else {
            problem = "one scenario at a time";
            return false;
        }
    }
    if (!serve && options.scenario.empty()) problem = "no scenario given";
    return problem.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string problem;
    if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, problem)) return Usage(problem);

    host::Transcript transcript(stdout);
    nlohmann::json scenario;
    if (options.command == "run") {
        try {
            std::string text;
            if (!rt::ReadFileToString(options.scenario, text)) throw std::runtime_error("cannot read " + options.scenario);
            scenario = host::ReadScenario(text);
        } catch (const std::exception& e) {
            transcript.Error("scenario " + options.scenario + ": " + e.what());
            return 1;
        }
    }

    const std::string binFolder = rt::ExtractFileDir(rt::GetModuleFileName(0));
    if (options.plugin.empty()) options.plugin = binFolder + "/Hemr07C.so";
    std::optional<host::ServerActivity> activity;
    std::string serverFolder;
    std::optional<host::PortalSwitch> portal;
    std::string langType;
    try {
        host::HostHome home(options.home, options.updates);
        if (options.language) home.SetLanguage(*options.language);
        home.Prepare(binFolder);
        serverFolder = home.ServerFolder();
        langType = home.LangType();
        activity.emplace(serverFolder, transcript);
        portal.emplace(serverFolder, scenario.contains("portal") ? scenario["portal"] : nlohmann::json());
        // A configuration naming a network server reaches it as the scenario's user.
        rt::SetRemoteCredentials(host::ShellLogin(scenario, home.Folder()));
    } catch (const std::exception& e) {
        transcript.Error(e.what());
        return 1;
    }
    // The jobs and report files of the run come out in the transcript where they happened.
    transcript.SetBeforeLine([&activity] { activity->Report(); });
    if (options.command == "serve") {
        int served = 1;
        try {
            host::serve::ServeCommand serve(options.plugin, options.port, *activity, transcript);
            serve.SetLanguage(langType);
            served = serve.Run();
        } catch (const std::exception& e) {
            transcript.Error(e.what());
        }
        transcript.SetBeforeLine({});
        return served;
    }
    int code = 1;
    try {
        host::PluginSession session(options.plugin, transcript);
        session.SetLanguage(langType);
        code = session.Run(scenario);
    } catch (const std::exception& e) {
        transcript.Error(e.what());
    }
    activity->Report();
    if (options.runJobs && !RunDueJobs(serverFolder, transcript))
        code = 1;
    activity->Report();
    transcript.SetBeforeLine({});
    return code;
}
