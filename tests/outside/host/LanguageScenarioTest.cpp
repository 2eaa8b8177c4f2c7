// The languages of an installation through hemr07-host: --lang eng reads the
// English packs and catalogue, --lang cht shows Traditional Chinese while the
// server keeps receiving and storing Simplified Chinese in code page 936.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "platform/os/Files.h"
#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"
#include "tests/support/BadInput.h"

namespace {

using nlohmann::json;
using outside_test::DialogTexts;
using outside_test::HostRun;
using outside_test::Reads;
using outside_test::RunHost;
using outside_test::SourceFolder;

std::string Example(const char* name) { return SourceFolder() + "/docs/examples/" + name; }

void ExpectClean(const HostRun& run) {
    ASSERT_EQ(run.exitCode, 0);
    for (const json& line : run.lines) EXPECT_FALSE(line.contains("error")) << line.dump();
}

TEST(LanguageScenario, EnglishCaptionsListItemsAndDialogs) {
    const rt::test::TempFolder temp;
    const HostRun run = RunHost(temp.Path() + "/home", Example("hemr07-english.json"), "--lang eng");
    ExpectClean(run);
    const std::vector<json> reads = Reads(run);
    ASSERT_EQ(reads.size(), 6u);
    EXPECT_EQ(reads[0], "Conditions") << "tsOption1";
    EXPECT_EQ(reads[1], " Condition schemes") << "lblCondition";
    EXPECT_EQ(reads[2], "yrs and under") << "the first bracket label";
    EXPECT_EQ(reads[3], "Submit") << "btnOk of the condition form";
    EXPECT_EQ(reads[4][0], "Gregorian YYYYMMDD") << "cboDateType's items";
    EXPECT_EQ(reads[4].size(), 5u);
    EXPECT_EQ(reads[5], "OK") << "btnOk of the scheme dialog";
    EXPECT_EQ(DialogTexts(run), (std::vector<std::string>{"The date is not in a valid format or is not a real date!",
                                                          "Please enter a scheme name."}))
        << "a catalogue message answered in English by the session, then a pack's message";
    std::string ini;
    ASSERT_TRUE(rt::ReadFileToString(temp.Path() + "/home/KestrelC.ini", ini));
    EXPECT_NE(ini.find("LangType=ENG"), std::string::npos);
    EXPECT_NE(ini.find("UICodePage=437"), std::string::npos);
    EXPECT_NE(ini.find("ComputerName=127.0.0.1"), std::string::npos) << "the rest of the configuration is kept";
}

TEST(LanguageScenario, TraditionalOnScreenSimplifiedOnTheServer) {
    const rt::test::TempFolder temp;
    const std::string home = temp.Path() + "/home";
    const HostRun run = RunHost(home, Example("hemr07-traditional.json"), "--lang cht");
    ExpectClean(run);
    const std::vector<json> reads = Reads(run);
    ASSERT_EQ(reads.size(), 6u);
    EXPECT_EQ(reads[0], "基本選項");
    EXPECT_EQ(reads[1], " 條件方案");
    EXPECT_EQ(reads[2], "歲以內");
    EXPECT_EQ(reads[3], "背景處理");
    EXPECT_EQ(reads[4][3], "民國年 YYMMDD");
    EXPECT_EQ(reads[5]["items"][0]["caption"], "月初統計") << "the scheme list read back from the server";
    const std::vector<std::string> dialogs = DialogTexts(run);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0], "日期格式不正確或不是有效的日期!") << "the catalogue text converted for the screen";
    EXPECT_EQ(dialogs[1].rfind("作業已提交", 0), 0u) << dialogs[1];

    const json* job = nullptr;
    for (const json& line : run.lines)
        if (line.contains("job")) job = &line["job"];
    ASSERT_NE(job, nullptr);
    const json& company = (*job)["conditions"]["items"][1]["items"][0]["items"][0];
    EXPECT_EQ(company["bytes"], "选择公司") << "captions travel in Simplified Chinese";
    EXPECT_EQ(company["codepage"], 936);

    // The scheme named in Traditional is stored in Simplified and shown so under chs.
    const HostRun chs = RunHost(home, Example("hemr07-scheme-list.json"), "--lang chs");
    ExpectClean(chs);
    EXPECT_EQ(Reads(chs).at(0)["items"][0]["caption"], "月初统计");
}

TEST(LanguageScenario, AnUnknownLanguageOrALinkedConfigurationChangesNothingOutside) {
    const rt::test::TempFolder temp;
    const std::string home = temp.Path() + "/home";
    EXPECT_EQ(RunHost(home, Example("hemr07-scheme-list.json"), "--lang fr").exitCode, 2) << "a usage error";
    EXPECT_FALSE(std::filesystem::exists(home)) << "nothing was set up";

    std::filesystem::create_directories(home);
    const std::string elsewhere = temp.Write("other.ini", "[CodePage]\r\nUICodePage=936\r\n");
    ASSERT_EQ(::symlink(elsewhere.c_str(), (home + "/KestrelC.ini").c_str()), 0);
    RunHost(home, Example("hemr07-scheme-list.json"), "--lang eng");
    std::string target;
    ASSERT_TRUE(rt::ReadFileToString(elsewhere, target));
    EXPECT_EQ(target, "[CodePage]\r\nUICodePage=936\r\n") << "the link's target is not written";
    EXPECT_FALSE(std::filesystem::is_symlink(home + "/KestrelC.ini")) << "the link is replaced by the file";
    std::string ini;
    ASSERT_TRUE(rt::ReadFileToString(home + "/KestrelC.ini", ini));
    EXPECT_EQ(ini, "[CodePage]\r\nUICodePage=437\r\nDBCodePage=936\r\n\r\n[Client Components]\r\nLangType=ENG\r\n")
        << "keys replaced in place, missing keys and sections added";
    test_support::BadInput("files and links", "--lang with KestrelC.ini a link to another file",
                           "the link is replaced; its target is untouched");
}

}  // namespace
