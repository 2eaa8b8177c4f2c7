// The print-date example through hemr07-host: F2 in the print date opens the
// shell's date window at the field's date, OK writes the chosen day back in
// the user's layout, and Cancel leaves the field alone.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using outside_test::HostRun;
using outside_test::RunHost;
using outside_test::SourceFolder;
using nlohmann::json;

std::vector<std::string> ValuesRead(const HostRun& run) {
    std::vector<std::string> values;
    for (const json& line : run.lines)
        if (line.contains("get")) values.push_back(line["value"].get<std::string>());
    return values;
}

TEST(PrintDateScenario, TheDateWindowWritesTheChosenDayAndCancelKeepsIt) {
    rt::test::TempFolder temp;
    const HostRun run = RunHost(temp.Path() + "/home", SourceFolder() + "/docs/examples/hemr07-printdate.json");
    ASSERT_EQ(run.exitCode, 0);
    for (const json& line : run.lines) EXPECT_FALSE(line.contains("error")) << line.dump();
    // The window starts at the field's day; two weeks on is written back;
    // the second window moves a day and is cancelled.
    EXPECT_EQ(ValuesRead(run), (std::vector<std::string>{"2024/03/07", "2024/03/21", "2024/03/21"}));
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back()["result"]["code"], 2);
}

TEST(PrintDateScenario, SelectingAPageWithoutATabIsAnError) {
    rt::test::TempFolder temp;
    const std::string scenario = temp.Path() + "/hidden-page.json";
    // The period page's tab is shown only in period mode.
    {
        std::FILE* f = std::fopen(scenario.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(R"({"steps": [{"select": {"control": "pgOption", "index": 2}}]})", f);
        std::fclose(f);
    }
    const HostRun run = RunHost(temp.Path() + "/home", scenario);
    EXPECT_EQ(run.exitCode, 1);
    bool reported = false;
    for (const json& line : run.lines)
        if (line.contains("error")) reported = line["error"].get<std::string>().find("no tab") != std::string::npos;
    EXPECT_TRUE(reported);
}

}  // namespace
