// The notification examples through hemr07-host: receivers chosen in the
// notification form from the system's users through the lookup window, and
// from the portal's users with the portal switched on for the run, reach the
// submitted job as environment item 12.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "outside/appserver/ServerStore.h"
#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using outside_test::HostRun;
using outside_test::RunHost;
using outside_test::SourceFolder;
using nlohmann::json;

const std::string kHead = R"(<?xml version="1.0" encoding="GB2312"?>)";

std::vector<std::string> ValuesRead(const HostRun& run) {
    std::vector<std::string> values;
    for (const json& line : run.lines)
        if (line.contains("get")) values.push_back(line["value"].dump());
    return values;
}

// Environment item 12 of the run's one job, as the server stored it.
json ReceiverItem(const HostRun& run) {
    for (const json& line : run.lines)
        if (line.contains("job")) return line["job"]["conditions"]["items"][0]["items"][11];
    return json();
}

std::string Setting(const std::string& home, const std::string& name) {
    auto store = appserver::ServerStore::Open(home + "/server");
    auto q = store->Db().Prepare("SELECT MA003 FROM NVRINTMA WHERE MA001 = ?");
    q.Bind(1, name);
    return q.Step() ? q.Text(0) : "";
}

void ExpectClean(const HostRun& run) {
    ASSERT_EQ(run.exitCode, 0);
    for (const json& line : run.lines) EXPECT_FALSE(line.contains("error")) << line.dump();
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back()["result"]["code"], 1) << "the job was submitted";
}

TEST(NotifyScenario, ASystemUserPickedInTheLookupWindowIsNotifiedBySystemMessageAndSms) {
    rt::test::TempFolder temp;
    const HostRun run = RunHost(temp.Path() + "/home", SourceFolder() + "/docs/examples/hemr07-notify.json");
    ExpectClean(run);
    EXPECT_EQ(ValuesRead(run), std::vector<std::string>{"\"张伟\""});
    EXPECT_EQ(ReceiverItem(run),
              (json{{"bytes", kHead + R"(<Root><R1 ID="U001" Name="张伟" Mob="13800000001" )"
                                      R"(Mail="zhangwei@example.com" Type="1" Msg="YYN"/></Root>)"},
                    {"codepage", 936}}));
}

TEST(NotifyScenario, APortalUserPickedInThePortalDialogLandsWithTypeFiveAndTheSettingsComeBack) {
    rt::test::TempFolder temp;
    const std::string home = temp.Path() + "/home";
    const HostRun run = RunHost(home, SourceFolder() + "/docs/examples/hemr07-notify-portal.json");
    ExpectClean(run);
    EXPECT_EQ(ValuesRead(run), (std::vector<std::string>{"6", "\"陈静怡\"", "\"P1001\"", "\"5.Portal用户\""}))
        << "five portal users below the header; the second is picked";
    EXPECT_EQ(ReceiverItem(run),
              (json{{"bytes", kHead + R"(<Root><R1 ID="P1001" Name="陈静怡" Type="5" Msg="YNN"/></Root>)"},
                    {"codepage", 936}}));
    EXPECT_EQ(Setting(home, "StartupPortal"), "N") << "the portal is on for the run only";
    EXPECT_EQ(Setting(home, "Portal WS"), "");
}

}  // namespace
