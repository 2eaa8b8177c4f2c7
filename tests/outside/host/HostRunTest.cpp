#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"
#include "tests/support/BadInput.h"

namespace {

using outside_test::EventsOf;
using outside_test::HostRun;
using outside_test::RunHost;
using outside_test::SourceFolder;

TEST(HostRun, TheShippedExampleOpensTheFormAndEscapeCancelsIt) {
    rt::test::TempFolder temp;
    const std::string home = temp.Path() + "/fresh";
    const HostRun run = RunHost(home, SourceFolder() + "/docs/examples/hemr07.json");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(EventsOf(run), (std::vector<int>{256, 272, 288, 304}));
    ASSERT_FALSE(run.lines.empty());
    const nlohmann::json& last = run.lines.back();
    ASSERT_TRUE(last.contains("result")) << last.dump();
    EXPECT_EQ(last["result"]["code"], 2);
    EXPECT_EQ(last["result"]["data"], nlohmann::json({{"empty", true}}));
    EXPECT_TRUE(std::filesystem::exists(home + "/KestrelC.ini")) << "a fresh home gets the default configuration";
    EXPECT_TRUE(std::filesystem::exists(home + "/nvr.reg"));
}

TEST(HostRun, HostCallsGetsAndABadStepAreWrittenInOrder) {
    rt::test::TempFolder temp;
    const std::string scenario = temp.Write("s.json", R"({"steps": [
        {"host": {"call": "GetVersion"}},
        {"get": {"control": "frmHemr07", "property": "KeyPreview"}},
        {"host": {"call": "HostMessage", "args": [5, 0, "hello"]}},
        {"get": {"control": "frmHemr07", "property": "Caption"}},
        {"click": "btnNowhere"},
        {"host": {"call": "GetVisible"}}
    ]})");
    const HostRun run = RunHost(temp.Path() + "/home", scenario);
    EXPECT_NE(run.exitCode, 0) << "a step that cannot run fails the run";
    ASSERT_GE(run.lines.size(), 8u);
    EXPECT_EQ(run.lines[2]["result"], "890901");
    EXPECT_EQ(run.lines[3]["value"], true);
    EXPECT_EQ(run.lines[4]["result"], 0);
    EXPECT_EQ(run.lines[5]["value"], "员工年龄分布表[V9.0 Build 890901]");
    ASSERT_TRUE(run.lines[6].contains("error"));
    EXPECT_NE(run.lines[6]["error"].get<std::string>().find("btnNowhere"), std::string::npos);
    EXPECT_EQ(EventsOf(run), (std::vector<int>{256, 272, 288, 304})) << "the rest is skipped and Escape closes";
    EXPECT_EQ(run.lines.back()["result"]["code"], 2);
}

// The host may free the form early, also inside its modal loop with a selection
// panel focused: the run ends cleanly, with event 304 once and a result line.
TEST(HostRun, FreeFormModalOrModelessEndsWithOneDestroyEventAndAResult) {
    for (const char* modal : {"true", "false"}) {
        SCOPED_TRACE(std::string("modal ") + modal);
        rt::test::TempFolder temp;
        const std::string scenario = temp.Write(
            "s.json", std::string(R"({"modal": )") + modal +
                          R"(, "steps": [{"focus": "sp01"}, {"host": {"call": "FreeForm"}}]})");
        const HostRun run = RunHost(temp.Path() + "/home", scenario);
        EXPECT_EQ(run.exitCode, 0);
        const std::vector<int> events = EventsOf(run);
        EXPECT_EQ(std::count(events.begin(), events.end(), 304), 1) << "event 304 once";
        ASSERT_FALSE(run.lines.empty());
        EXPECT_TRUE(run.lines.back().contains("result")) << run.lines.back().dump();
    }
}

TEST(HostRun, AModelessRunClosesTheFormWhenTheStepsRunOut) {
    rt::test::TempFolder temp;
    const std::string scenario =
        temp.Write("s.json", R"({"modal": false, "steps": [{"host": {"call": "GetVisible"}}]})");
    const HostRun run = RunHost(temp.Path() + "/home", scenario);
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines[2]["result"], -1) << "visible, with every bit set";
    EXPECT_EQ(EventsOf(run), (std::vector<int>{256, 272, 304})) << "a modeless form is freed while it is up";
    EXPECT_EQ(run.lines.back()["result"]["code"], 2);
}

}  // namespace

namespace {

TEST(HostRun, TheReportFormOpensOnTheEmbeddedServerAndCancelGivesResultTwo) {
    rt::test::TempFolder temp;
    const HostRun run = RunHost(temp.Path() + "/home", SourceFolder() + "/docs/examples/hemr07-cancel.json");
    ASSERT_EQ(run.exitCode, 0);
    bool captionRead = false;
    for (const nlohmann::json& line : run.lines) {
        EXPECT_EQ(line.dump().find("程序窗口与程序代号不符"), std::string::npos) << "no E;000036: " << line.dump();
        if (line.contains("value")) {
            EXPECT_EQ(line["value"], "员工年龄分布表[V9.0 Build 890901]") << "program title and system version";
            captionRead = true;
        }
    }
    EXPECT_TRUE(captionRead);
    EXPECT_EQ(EventsOf(run), (std::vector<int>{256, 272, 288, 304}));
    EXPECT_EQ(run.lines.back()["result"]["code"], 2);
}

}  // namespace

namespace {

TEST(HostRun, RunJobsRunsTheQueuedJobAndShowsItsReportAndInboxRow) {
    rt::test::TempFolder temp;
    const HostRun run =
        RunHost(temp.Path() + "/home", SourceFolder() + "/docs/examples/hemr07-queue.json", "--run-jobs");
    ASSERT_EQ(run.exitCode, 0);
    std::string job, runStatus, inboxUser, csv;
    for (const nlohmann::json& line : run.lines) {
        if (line.contains("result")) job = line["result"]["data"].get<std::string>();
        if (line.contains("run")) runStatus = line["run"]["status"];
        if (line.contains("inbox")) inboxUser = line["inbox"]["user"];
        if (line.contains("report") && line["report"]["path"].get<std::string>().ends_with(".csv"))
            csv = line["report"]["path"];
    }
    ASSERT_FALSE(job.empty()) << "the form submitted a job";
    EXPECT_EQ(runStatus, "DONE") << "the queued job ran before the shell ended";
    EXPECT_EQ(inboxUser, "796") << "the submitting user was told, as the ticked notify box asked";
    EXPECT_NE(csv.find(job), std::string::npos) << "the report of the job is in the transcript";
}

// Nested lists 100,000 deep used to end the shell in SIGSEGV wherever a scenario holds one.
TEST(HostRun, AScenarioNestedTooDeepIsRefusedWithAClearError) {
    rt::test::TempFolder temp;
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const std::string places[] = {R"({"steps": )" + deep + "}", R"({"params": )" + deep + "}",
                                  R"({"steps": [{"host": {"call": "ApplyParams", "args": )" + deep + "}}]}"};
    for (const std::string& scenario : places) {
        const HostRun run = RunHost(temp.Path() + "/home", temp.Write("deep.json", scenario));
        EXPECT_EQ(run.exitCode, 1) << scenario.substr(0, 40);
        ASSERT_EQ(run.lines.size(), 1u) << "nothing runs";
        const std::string error = run.lines[0].value("error", "");
        EXPECT_NE(error.find("deep.json"), std::string::npos) << error;
        EXPECT_NE(error.find("nested deeper than"), std::string::npos) << error;
        test_support::BadInput("scenario runner", "lists 100,000 deep at " + scenario.substr(0, 12), error);
    }
}

// A KestrelC.ini that was a device was read whole, for as long as the device gave bytes.
TEST(HostRun, AConfigurationThatIsNoPlainFileIsRefusedNamingIt) {
    rt::test::TempFolder temp;
    const std::string home = temp.Path() + "/home";
    std::filesystem::create_directories(home);
    ASSERT_EQ(::symlink("/dev/zero", (home + "/KestrelC.ini").c_str()), 0);
    const HostRun run = RunHost(home, SourceFolder() + "/docs/examples/hemr07.json");
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines[0].value("error", ""), "\"" + home + "/KestrelC.ini\" refused: it is not a regular file");
    test_support::BadInput("configuration files", "KestrelC.ini a link to /dev/zero", run.lines[0].value("error", ""));
}

// Exit code 0 says every step ran; steps dropped because the form had closed said so too.
TEST(HostRun, StepsLeftWhenTheFormClosedFailTheRun) {
    rt::test::TempFolder temp;
    const std::string scenario = temp.Write(
        "s.json", R"({"steps": [{"key": "Escape"}, {"host": {"call": "GetVersion"}}, {"key": "Escape"}]})");
    const HostRun run = RunHost(temp.Path() + "/home", scenario);
    EXPECT_EQ(run.exitCode, 1);
    std::string error;
    for (const nlohmann::json& line : run.lines)
        if (line.contains("error")) error = line["error"];
    EXPECT_NE(error.find("2 step(s) left after the form closed"), std::string::npos) << error;
    EXPECT_EQ(run.lines.back()["result"]["code"], 2) << "the result is still reported";
}

// Values a property cannot take, and a "modal" that is no boolean, are refused in a sentence.
TEST(HostRun, ValuesNoPropertyTakesAndANonBooleanModalAreRefused) {
    rt::test::TempFolder temp;
    for (const char* value : {R"({"a": 1})", "null", "[1, 2]"}) {
        const std::string scenario = temp.Write(
            "set.json", std::string(R"({"steps": [{"set": {"control": "frmHemr07", "property": "Caption", "value": )") +
                            value + R"(}}, {"key": "Escape"}]})");
        const HostRun run = RunHost(temp.Path() + "/home", scenario);
        EXPECT_EQ(run.exitCode, 1) << value;
        std::string error;
        for (const nlohmann::json& line : run.lines)
            if (line.contains("error")) error = line["error"];
        EXPECT_NE(error.find("set: Caption takes a text, a number or true/false, not "), std::string::npos) << error;
        test_support::BadInput("scenario runner", std::string("set Caption to ") + value, error);
    }
    const HostRun run = RunHost(temp.Path() + "/home", temp.Write("modal.json", R"({"modal": "yes", "steps": []})"));
    EXPECT_EQ(run.exitCode, 1);
    std::string error;
    for (const nlohmann::json& line : run.lines)
        if (line.contains("error")) error = line["error"];
    EXPECT_EQ(error, "\"modal\" is true or false, not \"yes\"");
    test_support::BadInput("scenario runner", "\"modal\": \"yes\"", error);
}

}  // namespace
