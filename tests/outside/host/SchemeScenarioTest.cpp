// The condition-scheme examples through hemr07-host: saving with a date rule,
// opening, renaming and deleting, with the scheme list in the transcript
// after each step; and the dialog's refusals of bad names.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using outside_test::DialogTexts;
using outside_test::HostRun;
using outside_test::Reads;
using outside_test::RunHost;
using outside_test::SourceFolder;
using nlohmann::json;

// The captions of a list read with {"items": true}.
std::vector<std::string> CaptionsOf(const json& list) {
    std::vector<std::string> captions;
    for (const json& item : list["items"]) captions.push_back(item["caption"].get<std::string>());
    EXPECT_EQ(list["count"].get<size_t>(), captions.size());
    return captions;
}

TEST(SchemeScenario, ASchemeWithARuleIsSavedOpenedRenamedAndDeleted) {
    rt::test::TempFolder temp;
    const HostRun run = RunHost(temp.Path() + "/home", SourceFolder() + "/docs/examples/hemr07-scheme.json");
    ASSERT_EQ(run.exitCode, 0);
    for (const json& line : run.lines) EXPECT_FALSE(line.contains("error")) << line.dump();
    const std::vector<json> reads = Reads(run);
    ASSERT_EQ(reads.size(), 9u);
    EXPECT_TRUE(CaptionsOf(reads[0]).empty());
    EXPECT_EQ(CaptionsOf(reads[1]), std::vector<std::string>{"月初统计"});
    EXPECT_EQ(reads[1]["items"][0]["subItems"].size(), 1u) << "the creation date";
    EXPECT_EQ(reads[2], "40") << "the bracket below followed the changed bound";
    EXPECT_EQ(reads[3], "2024/05/01") << "2024/06/18 moved by its rule when saved, shown in the user's layout";
    EXPECT_EQ(reads[4], "25");
    EXPECT_EQ(reads[5], "25") << "the brackets chain again after opening";
    EXPECT_EQ(CaptionsOf(reads[6]), std::vector<std::string>{"月初统计"}) << "opening keeps the list";
    EXPECT_EQ(CaptionsOf(reads[7]), std::vector<std::string>{"上月初统计"});
    EXPECT_TRUE(CaptionsOf(reads[8]).empty());
    EXPECT_EQ(DialogTexts(run), std::vector<std::string>{"确实要删除此方案吗？上月初统计"});
    EXPECT_EQ(run.lines.back()["result"]["code"], 2);
}

TEST(SchemeScenario, AnEmptyNameAndA21ByteNameAreRefusedAndNothingIsSaved) {
    rt::test::TempFolder temp;
    const HostRun run = RunHost(temp.Path() + "/home", SourceFolder() + "/docs/examples/hemr07-scheme-bad.json");
    ASSERT_EQ(run.exitCode, 0);
    for (const json& line : run.lines) EXPECT_FALSE(line.contains("error")) << line.dump();
    EXPECT_EQ(DialogTexts(run), (std::vector<std::string>{"方案名不可空白!", "方案名长度不可大于20!"}));
    const std::vector<json> reads = Reads(run);
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_TRUE(CaptionsOf(reads[0]).empty());
}

}  // namespace
