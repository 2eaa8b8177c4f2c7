// The shipped scenario examples through hemr07-host against edition 7: each
// one that does not use what edition 7 leaves out gives the jobs edition 9 gives.

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using nlohmann::json;
using outside_test::HostRun;
using outside_test::LinesWith;
using outside_test::RunHost;
using outside_test::SourceFolder;

std::string Edition7Plugin() { return outside_test::BinFolder() + "/edition7/Hemr07C.so"; }

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Whether a scenario works a control that only edition 9 has.
bool UsesEdition9Controls(const std::string& scenario) {
    for (const char* name : {"\"chkNotify\"", "\"btnNotify\"", "\"rbEveryHour\"", "\"edEveryHour\"", "\"btnWebDesign\""})
        if (scenario.find(name) != std::string::npos) return true;
    return false;
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// The job without what differs from run to run: its identifier and the moments
// of submission (today's dates).
json Comparable(json job) {
    job.erase("id");
    const std::string today = Today();
    std::vector<json*> pending = {&job};
    while (!pending.empty()) {
        json* v = pending.back();
        pending.pop_back();
        if (v->is_object() && v->contains("date") && (*v)["date"].get<std::string>().rfind(today, 0) == 0) {
            (*v)["date"] = "today";
            continue;
        }
        if (v->is_object() || v->is_array())
            for (auto& child : *v) pending.push_back(&child);
    }
    return job;
}

std::vector<json> ComparableJobs(const HostRun& run) {
    std::vector<json> jobs;
    for (const json& job : LinesWith(run, "job")) jobs.push_back(Comparable(job));
    return jobs;
}

TEST(Edition7Scenario, TheExamplesOfSharedFeaturesGiveTheJobsOfEdition9) {
    int compared = 0, jobs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SourceFolder() + "/docs/examples")) {
        if (entry.path().extension() != ".json" || UsesEdition9Controls(FileText(entry.path()))) continue;
        const std::string example = entry.path().string();
        rt::test::TempFolder nine, seven;
        const HostRun expected = RunHost(nine.Path() + "/home", example);
        const HostRun run = RunHost(seven.Path() + "/home", example, "--plugin '" + Edition7Plugin() + "'");
        EXPECT_EQ(run.exitCode, expected.exitCode) << example;
        for (const json& line : run.lines) EXPECT_FALSE(line.contains("error")) << example << ": " << line.dump();
        EXPECT_EQ(ComparableJobs(run), ComparableJobs(expected)) << example;
        for (const json& job : LinesWith(run, "job")) {
            const json& env = job["conditions"]["items"][0]["items"];
            ASSERT_GE(env.size(), 12u) << example;
            EXPECT_EQ(env[11]["bytes"], "") << example << ": environment item 12, the recipients, is empty";
            ++jobs;
        }
        ++compared;
    }
    EXPECT_GE(compared, 5) << "most examples use only what both editions have";
    EXPECT_GE(jobs, 2) << "some of them submit jobs";
}

}  // namespace
