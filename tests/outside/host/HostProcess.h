#pragma once
// Runs the built hemr07-host on a scenario, as a user would from a shell,
// and reads its transcript back as JSON lines.

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/outside/host/PluginFixture.h"

namespace outside_test {

struct HostRun {
    int exitCode = -1;
    std::vector<nlohmann::json> lines;
};

inline std::string SourceFolder() {
    if (const char* src = std::getenv("HEMR_SOURCE_DIR"); src != nullptr && *src != '\0') return src;
    return HEMR_TEST_SOURCE_DIR;
}

// `options`: further options of the run, as typed after "run"; `hostFolder`:
// where the host and the libraries it loads lie.
inline HostRun RunHost(const std::string& home, const std::string& scenario, const std::string& options = "",
                       const std::string& hostFolder = BinFolder()) {
    HostRun run;
    std::string command = "'";
    command += hostFolder;
    command += "/hemr07-host' run " + options + " --home '";
    command += home;
    command += "' '";
    command += scenario;
    command += "' 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    size_t start = 0;
    while (start < out.size()) {
        size_t end = out.find('\n', start);
        if (end == std::string::npos) end = out.size();
        if (end > start) run.lines.push_back(nlohmann::json::parse(out.substr(start, end - start)));
        start = end + 1;
    }
    return run;
}

// The values of every transcript line holding `key`, in order.
inline std::vector<nlohmann::json> LinesWith(const HostRun& run, const std::string& key) {
    std::vector<nlohmann::json> found;
    for (const auto& line : run.lines)
        if (line.contains(key)) found.push_back(line[key]);
    return found;
}

inline std::vector<int> EventsOf(const HostRun& run) {
    std::vector<int> events;
    for (const auto& line : run.lines)
        if (line.contains("event")) events.push_back(line["event"].get<int>());
    return events;
}

// The values the scenario's `get` steps read, in order.
inline std::vector<nlohmann::json> Reads(const HostRun& run) {
    std::vector<nlohmann::json> values;
    for (const auto& line : run.lines)
        if (line.contains("get")) values.push_back(line["value"]);
    return values;
}

// The texts of the dialogs shown, without the blanks that pad them to the
// dialog's width.
inline std::vector<std::string> DialogTexts(const HostRun& run) {
    std::vector<std::string> texts;
    for (const auto& line : run.lines)
        if (line.contains("dialog")) {
            std::string text = line["dialog"]["text"].get<std::string>();
            texts.push_back(text.erase(text.find_last_not_of(' ') + 1));
        }
    return texts;
}

}  // namespace outside_test
