// The direct query through hemr07-host with the updater on, as it is by
// default: the client's own copy of the server library comes from the
// embedded application server on first use, and a newer build dropped into
// the server's package folder replaces it before the next query.

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/outside/nvdownload/ZipTestSupport.h"
#include "tests/platform/os/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using outside_test::BinFolder;
using outside_test::HostRun;
using outside_test::LinesWith;
using outside_test::RunHost;
using outside_test::SourceFolder;
using nlohmann::json;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The first line of the text report the run wrote.
std::string ReportTitle(const HostRun& run) {
    for (const json& report : LinesWith(run, "report")) {
        const std::string path = report["path"].get<std::string>();
        if (path.size() < 4 || path.substr(path.size() - 4) != ".txt") continue;
        const std::string text = FileBytes(path);
        std::string title = text.substr(0, text.find('\n'));
        if (!title.empty() && title.back() == '\r') title.pop_back();
        return title;
    }
    return "";
}

// Lines of the updater's alert logs beside the programs that name `home`.
std::vector<std::string> UpdaterAlertsAbout(const std::string& home) {
    std::vector<std::string> lines;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(BinFolder() + "/Log", ec)) {
        if (entry.path().filename().string().rfind("Alert_NVDownLoadNewFileU_", 0) != 0) continue;
        std::istringstream log(FileBytes(entry.path().string()));
        for (std::string line; std::getline(log, line);)
            if (line.find(home) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

void ExpectNoErrorDialog(const HostRun& run, const char* which) {
    for (const json& dialog : LinesWith(run, "dialog"))
        EXPECT_NE(dialog["kind"], "error") << which << ": " << dialog.dump();
}

class LibraryUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp_.Path().empty());
        fs::create_directories(tmp_);
    }

    // A newer build, published while the client's updater is off, and then
    // replaced on its way by an archive that climbs out of the folder: the
    // updater refuses it with Abort / Retry.
    void PublishClimbingUpdate() {
        fs::copy_file(BinFolder() + "/retitled/HEMR07S.so", published_, fs::copy_options::overwrite_existing);
        fs::last_write_time(published_, fs::last_write_time(local_) + 10s);
        ASSERT_EQ(RunHost(home_, query_, "--no-update").exitCode, 0);
        const std::string zip = home_ + "/server/Published/hemr07s.so.zip";
        ASSERT_TRUE(fs::exists(zip));
        outside_test::WriteZip(zip, {{"HEMR07S.so", "not a library"}, {"../../x", "planted"}});
        outside_test::PublishDigest(zip);
    }

    rt::test::TempFolder temp_;
    const std::string tmp_ = temp_.File("tmp");
    // The shell's temporary folder is the test's own, to see what is left there.
    rt::test::ScopedEnv tmpEnv_{"TMPDIR", tmp_.c_str()};
    const std::string home_ = temp_.File("home");
    const std::string local_ = home_ + "/server/Local/S_PKG/HEMR07S.so";
    const std::string published_ = home_ + "/server/S_PKG/HEMR07S.so";
    const std::string query_ = SourceFolder() + "/docs/examples/hemr07-query.json";
};

TEST_F(LibraryUpdate, AFreshHomeFetchesTheLibraryAndTheNextQueryLoadsANewerBuildPublishedOnTheServer) {
    const HostRun first = RunHost(home_, query_);
    ASSERT_EQ(first.exitCode, 0);
    ExpectNoErrorDialog(first, "first query");
    ASSERT_TRUE(fs::exists(local_)) << "the first direct query fetched the client's copy";
    EXPECT_EQ(FileBytes(local_), FileBytes(published_)) << "the copy is the server's library";
    EXPECT_EQ(ReportTitle(first), "员工年龄分布表");

    const std::string newBuild = BinFolder() + "/retitled/HEMR07S.so";
    fs::copy_file(newBuild, published_, fs::copy_options::overwrite_existing);
    fs::last_write_time(published_, fs::last_write_time(local_) + 10s);
    const HostRun second = RunHost(home_, query_);
    ASSERT_EQ(second.exitCode, 0);
    ExpectNoErrorDialog(second, "second query");
    EXPECT_EQ(FileBytes(local_), FileBytes(newBuild)) << "the newer build replaced the client's copy";
    EXPECT_EQ(ReportTitle(second), "员工年龄分布表(R2)") << "the report comes from the new build";

    EXPECT_EQ(UpdaterAlertsAbout(home_), std::vector<std::string>{}) << "no upgrader error was logged";
    EXPECT_TRUE(fs::is_empty(tmp_)) << "no temporary zip is left behind";
    std::ifstream registry(home_ + "/nvr.reg");
    std::stringstream text;
    text << registry.rdbuf();
    EXPECT_NE(text.str().find("[HKEY_LOCAL_MACHINE\\Software\\PLWK\\Velmoran]\r\n\"GoAhead\"=\"1\""),
              std::string::npos)
        << "the updater is on by default: " << text.str();
}

TEST_F(LibraryUpdate, WithNoUpdateNothingIsFetchedAndTheQueryFailsWithoutALocalCopy) {
    const HostRun run = RunHost(home_, query_, "--no-update");
    EXPECT_FALSE(fs::exists(local_)) << "the switch is off: the server's library is not fetched";
    EXPECT_EQ(ReportTitle(run), "") << "no library, no report";
    bool failureShown = false;
    for (const json& dialog : LinesWith(run, "dialog"))
        failureShown = failureShown || dialog.dump().find("产生报表失败") != std::string::npos;
    EXPECT_TRUE(failureShown) << "the report form says the run failed";
    EXPECT_EQ(UpdaterAlertsAbout(home_), std::vector<std::string>{}) << "a switch that is off is no error";
}

TEST_F(LibraryUpdate, ARefusedUpdateAsksAbortOrRetryAndAfterAbortTheOldCopyStaysAndStillRuns) {
    ASSERT_EQ(RunHost(home_, query_).exitCode, 0);
    const std::string original = FileBytes(local_);
    PublishClimbingUpdate();
    if (HasFatalFailure()) return;

    json scenario = json::parse(FileBytes(query_));
    json& steps = scenario["steps"];
    const auto query = std::find(steps.begin(), steps.end(), json({{"click", "btnQuery"}}));
    ASSERT_NE(query, steps.end());
    steps.insert(query, json({{"answer", "Abort"}}));
    std::ofstream(temp_.File("abort.json")) << scenario.dump();
    const HostRun refused = RunHost(home_, temp_.File("abort.json"));

    const std::vector<json> dialogs = LinesWith(refused, "dialog");
    ASSERT_GE(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0]["text"].get<std::string>().rfind(
                  "Unzip new file[" + local_ + "] failed. Entry leaves the target folder: ../../x", 0),
              0u)
        << dialogs[0].dump();
    EXPECT_EQ(dialogs[0]["buttons"], json({"Abort", "Retry"}));
    EXPECT_EQ(dialogs[0]["answer"], "Abort");
    EXPECT_NE(dialogs[1].dump().find("产生报表失败"), std::string::npos) << "the query fails: " << dialogs[1].dump();
    EXPECT_EQ(ReportTitle(refused), "") << "the refused library is not loaded";
    EXPECT_EQ(FileBytes(local_), original) << "the old copy is intact";
    EXPECT_FALSE(fs::exists(home_ + "/x")) << "nothing was planted";
    EXPECT_TRUE(fs::is_empty(tmp_)) << "no temporary zip is left behind";
    EXPECT_EQ(UpdaterAlertsAbout(home_).size(), 1u) << "the refusal is logged";

    const HostRun later = RunHost(home_, query_, "--no-update");
    EXPECT_EQ(ReportTitle(later), "员工年龄分布表") << "the old copy still loads and runs";
}

TEST_F(LibraryUpdate, AnAbortOrRetryLeftUnansweredEndsTheRunInsteadOfRetryingForEver) {
    ASSERT_EQ(RunHost(home_, query_).exitCode, 0);
    PublishClimbingUpdate();
    if (HasFatalFailure()) return;
    const HostRun run = RunHost(home_, query_);

    const std::vector<json> dialogs = LinesWith(run, "dialog");
    ASSERT_GE(dialogs.size(), 20u);
    EXPECT_EQ(dialogs[18]["answer"], "Retry") << "the default answers until the dialog keeps coming back";
    EXPECT_EQ(dialogs[19]["answer"], "Abort") << "then the scenario backs out of it";
    const std::vector<json> errors = LinesWith(run, "error");
    ASSERT_FALSE(errors.empty());
    EXPECT_NE(errors.front().get<std::string>().find("came back 20 times unanswered"), std::string::npos)
        << errors.front();
    EXPECT_NE(run.exitCode, 0);
}

}  // namespace
