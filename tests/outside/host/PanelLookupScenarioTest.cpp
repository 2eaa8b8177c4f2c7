// F2 in the begin and end edits of the company panel through hemr07-host:
// the lookup window's chosen row fills the edit, Cancel leaves it as it was,
// and the job carries the panel's range as typed by the lookups.

#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using outside_test::HostRun;
using outside_test::RunHost;
using nlohmann::json;

// The begin edit takes the second company (Down onto the list, Down once
// more, Enter); the end edit's window moves two rows and is cancelled.
constexpr const char* kScenario = R"({"steps": [
  {"focus": "sp01"}, {"key": "Tab"}, {"key": "Tab"},
  {"key": "F2"}, {"get": {"control": "lblCount", "property": "Caption"}},
  {"key": "Down"}, {"key": "Down"}, {"key": "Enter"},
  {"key": "Tab"},
  {"key": "F2"}, {"key": "Down"}, {"key": "Down"}, {"key": "Escape"},
  {"click": "btnOk"}
]})";

std::string Text(const json& v) { return v.is_object() && v.contains("bytes") ? v["bytes"].get<std::string>() : "?"; }

TEST(PanelLookupScenario, TheLookupWindowFillsTheBeginEditAndCancelKeepsTheEndEdit) {
    rt::test::TempFolder temp;
    const std::string scenario = temp.Path() + "/panel-lookup.json";
    std::FILE* f = std::fopen(scenario.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs(kScenario, f);
    std::fclose(f);

    const HostRun run = RunHost(temp.Path() + "/home", scenario);
    ASSERT_EQ(run.exitCode, 0);
    const json* job = nullptr;
    std::string count;
    for (const json& line : run.lines) {
        EXPECT_FALSE(line.contains("error")) << line.dump();
        if (line.contains("job")) job = &line["job"];
        if (line.contains("get")) count = line["value"].get<std::string>();
    }
    EXPECT_EQ(count, "共 3 笔");  // the three demo companies
    ASSERT_NE(job, nullptr);
    // Row 1 of the values: [range mark, begin, end].
    const json& company = (*job)["conditions"]["items"][2]["items"][0]["items"];
    ASSERT_EQ(company.size(), 3u) << company.dump();
    EXPECT_EQ(Text(company[0]), "\x04");
    EXPECT_EQ(Text(company[1]), "02");
    EXPECT_EQ(Text(company[2]), "");
    EXPECT_EQ(run.lines.back()["result"]["code"], 1);
}

}  // namespace
