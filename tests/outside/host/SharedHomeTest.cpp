// Several shells on one home folder: each prepares it without disturbing the
// other, writes nothing through a link, and lists only what its own run did.

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using outside_test::HostRun;
using outside_test::LinesWith;
using outside_test::RunHost;
using outside_test::SourceFolder;

std::string Contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A second shell on the same home failed about one run in seven (a shared ".tmp"
// name), and each transcript listed the other's job as its own.
TEST(SharedHome, TwoShellsSubmittingAtOnceBothSucceedAndEachListsItsOwnJob) {
    rt::test::TempFolder temp;
    const std::string home = temp.Path() + "/home";
    const std::string scenario = SourceFolder() + "/docs/examples/hemr07-job.json";
    for (int round = 0; round < 3; ++round) {
        auto first = std::async(std::launch::async, [&] { return RunHost(home, scenario); });
        auto second = std::async(std::launch::async, [&] { return RunHost(home, scenario); });
        std::set<std::string> ids;
        for (const HostRun& run : {first.get(), second.get()}) {
            ASSERT_EQ(run.exitCode, 0) << "round " << round << ": " << (run.lines.empty() ? "" : run.lines[0].dump());
            const std::vector<nlohmann::json> jobs = LinesWith(run, "job");
            ASSERT_EQ(jobs.size(), 1u) << "round " << round << ": only the job this run submitted";
            EXPECT_EQ(jobs[0]["id"], run.lines.back()["result"]["data"]) << "and it is the run's result";
            ids.insert(jobs[0]["id"].get<std::string>());
        }
        EXPECT_EQ(ids.size(), 2u) << "two jobs, one in each transcript";
    }
}

TEST(SharedHome, LinksAtTheTemporaryAndInstalledNamesAreNotWrittenThrough) {
    rt::test::TempFolder temp;
    const std::string home = temp.Path() + "/home";
    const std::string victim = temp.Write("victim", "untouched");
    std::filesystem::create_directories(home + "/server/S_PKG");
    for (const std::string& link : {home + "/nvr.reg.tmp", home + "/KestrelC.ini.tmp", home + "/server/S_PKG/HEMR07S.so"})
        ASSERT_EQ(::symlink(victim.c_str(), link.c_str()), 0) << link;
    const HostRun run = RunHost(home, SourceFolder() + "/docs/examples/hemr07.json");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(Contents(victim), "untouched");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(home + "/server/S_PKG/HEMR07S.so")))
        << "the link where the server library goes is replaced by the library";
    EXPECT_EQ(std::filesystem::file_size(home + "/server/S_PKG/HEMR07S.so"),
              std::filesystem::file_size(outside_test::BinFolder() + std::string("/HEMR07S.so")));
    EXPECT_FALSE(Contents(home + "/KestrelC.ini").empty()) << "the default configuration was written";
}

}  // namespace
