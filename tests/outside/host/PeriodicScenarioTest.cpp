// The periodic example through hemr07-host: every 2 weeks on Friday at 08:05
// from 2024-03-01, ten runs, with the statistics date moved to the last day of
// the month before each run.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using outside_test::HostRun;
using outside_test::RunHost;
using outside_test::SourceFolder;
using nlohmann::json;

std::string Bytes(const json& value) { return value["bytes"].get<std::string>(); }

TEST(PeriodicScenario, APeriodicJobCarriesItsBlockRulesAndFirstRunValues) {
    rt::test::TempFolder temp;
    const HostRun run = RunHost(temp.Path() + "/home", SourceFolder() + "/docs/examples/hemr07-periodic.json");
    ASSERT_EQ(run.exitCode, 0);
    json job, offered;
    for (const json& line : run.lines) {
        EXPECT_FALSE(line.contains("error")) << line.dump();
        if (line.contains("job")) job = line["job"];
        if (line.contains("get")) offered = line["value"];
    }
    EXPECT_EQ(offered, "统计日期") << "the one date condition of the form";
    ASSERT_TRUE(job.is_object()) << "a job was submitted";
    const json& parts = job["conditions"]["items"];
    ASSERT_EQ(parts.size(), 5u) << "environment, captions, values, period block, rules";

    const json& block = parts[3]["items"];
    EXPECT_EQ(Bytes(block[0]), "Y");
    EXPECT_EQ(Bytes(block[1]), "08:05");
    const json& rule = block[2]["items"];
    EXPECT_EQ(rule[0], 1) << "weekly";
    EXPECT_EQ(Bytes(rule[1]["items"][0]), "2");
    EXPECT_EQ(rule[1]["items"][1], 5) << "Friday";
    const json& range = block[3]["items"];
    EXPECT_EQ(Bytes(range[0]), "20240301");
    EXPECT_EQ(range[1], 1) << "ending after a number of runs";
    EXPECT_EQ(Bytes(range[2]), "10");

    const json& rules = parts[4]["items"];
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0], 1);
    EXPECT_EQ(Bytes(rules[1]), std::string("1\3ed03\3Y\3-1\0031\0032\0030\3D\3") + "3") << "the row of ed03 last";

    const json& env = parts[0]["items"];
    EXPECT_EQ(env[9], 2) << "at a time";
    EXPECT_EQ(env[10]["date"], "2024-03-08T08:05:00.000") << "the first run at the page's time";
    EXPECT_EQ(Bytes(parts[2]["items"][2]), "20240229") << "the last day of the month before the first run";
}

// The report text of run `run` in a "jobs" listing.
std::string ReportText(const std::string& listing, int run) {
    const size_t line = listing.find("  run " + std::to_string(run) + "\t");
    const size_t files = listing.find("\tfiles ", line);
    if (line == std::string::npos || files == std::string::npos) return "";
    const size_t text = listing.find(".txt", files);
    const size_t start = listing.rfind(';', text) + 1;
    std::ifstream in(listing.substr(start, text + 4 - start));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(PeriodicScenario, TheExampleRunsAtItsFirstThreeOccurrencesWithTheirOwnStatisticsDates) {
    rt::test::TempFolder temp;
    const std::string command = "'" + SourceFolder() + "/docs/examples/hemr07-periodic-runs.sh' '" +
                                outside_test::BinFolder() + "' '" + temp.Path() + "/home' 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ASSERT_EQ(::pclose(pipe), 0) << out;
    size_t at = 0;
    for (const char* ran : {"ran 0 run(s) due at 2024-03-08 08:04", "ran 1 run(s) due at 2024-03-08 08:05",
                            "ran 1 run(s) due at 2024-03-22 08:05", "ran 1 run(s) due at 2024-04-05 08:05"}) {
        at = out.find(ran, at);
        ASSERT_NE(at, std::string::npos) << ran << " in\n" << out;
    }
    EXPECT_NE(out.find("\tACTIVE\tnext 2024-04-19 08:05:00.000\truns 3"), std::string::npos) << out;
    for (const char* run : {"run 1\tplanned 2024-03-08 08:05:00.000\tDONE", "run 2\tplanned 2024-03-22 08:05:00.000\tDONE",
                            "run 3\tplanned 2024-04-05 08:05:00.000\tDONE"})
        EXPECT_NE(out.find(run), std::string::npos) << run << " in\n" << out;
    EXPECT_NE(ReportText(out, 1).find("统计日期: 2024/02/29"), std::string::npos) << ReportText(out, 1);
    EXPECT_NE(ReportText(out, 2).find("统计日期: 2024/02/29"), std::string::npos) << ReportText(out, 2);
    EXPECT_NE(ReportText(out, 3).find("统计日期: 2024/03/31"), std::string::npos) << "moved for the April run";
}

}  // namespace
