// The periodic example through hemr07-host: every 2 weeks on Friday at 08:05
// from 2024-03-01, ten runs, with the statistics date moved to the last day of
// the month before each run.

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

}  // namespace
