// hemr07-host run [--plugin FILE] [--home DIR] SCENARIO.json
// Hosts the report plug-in the way the ERP shell does and runs a scenario,
// printing the transcript on standard output.

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "outside/host/HostHome.h"
#include "outside/host/PluginSession.h"
#include "outside/host/ServerActivity.h"
#include "outside/host/Transcript.h"
#include "platform/automation/BoundedJson.h"
#include "platform/os/DynLib.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"

namespace {

constexpr int kUsageError = 2;

struct Options {
    std::string plugin;
    std::string home;
    std::string scenario;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr, "hemr07-host: %s\nusage: hemr07-host run [--plugin FILE] [--home DIR] SCENARIO.json\n",
                 problem.c_str());
    return kUsageError;
}

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& problem) {
    if (args.empty() || args[0] != "run") {
        problem = "the only command is run";
        return false;
    }
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--plugin" || a == "--home") {
            if (i + 1 >= args.size()) {
                problem = a + " needs a value";
                return false;
            }
            (a == "--plugin" ? options.plugin : options.home) = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            problem = "unknown option " + a;
            return false;
        } else if (options.scenario.empty()) {
            options.scenario = a;
        } else {
            problem = "one scenario at a time";
            return false;
        }
    }
    if (options.scenario.empty()) problem = "no scenario given";
    return problem.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string problem;
    if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, problem)) return Usage(problem);

    host::Transcript transcript(stdout);
    nlohmann::json scenario;
    try {
        std::string text;
        if (!rt::ReadFileToString(options.scenario, text)) throw std::runtime_error("cannot read " + options.scenario);
        // Steps, parameters and arguments are walked and copied as they run: bounded when read.
        scenario = rt::ParseBoundedJson(text);
        if (!scenario.is_object()) throw std::runtime_error("a scenario is a JSON object");
        if (scenario.contains("steps") && !scenario["steps"].is_array())
            throw std::runtime_error("steps must be a list");
    } catch (const std::exception& e) {
        transcript.Error("scenario " + options.scenario + ": " + e.what());
        return 1;
    }

    const std::string binFolder = rt::ExtractFileDir(rt::GetModuleFileName(0));
    if (options.plugin.empty()) options.plugin = binFolder + "/Hemr07C.so";
    std::optional<host::ServerActivity> activity;
    try {
        const host::HostHome home(options.home);
        home.Prepare(binFolder);
        activity.emplace(home.ServerFolder(), transcript);
    } catch (const std::exception& e) {
        transcript.Error(e.what());
        return 1;
    }
    // The jobs and report files of the run come out in the transcript where they happened.
    transcript.SetBeforeLine([&activity] { activity->Report(); });
    int code = 1;
    try {
        host::PluginSession session(options.plugin, transcript);
        code = session.Run(scenario);
    } catch (const std::exception& e) {
        transcript.Error(e.what());
    }
    activity->Report();
    transcript.SetBeforeLine({});
    return code;
}
