// Opening a job's report through the queue manager, as the design run does.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "outside/appserver/JobStore.h"
#include "outside/appserver/ReportStore.h"
#include "outside/hemr07s/AgeReport.h"
#include "outside/queuemgr/QueueManager.h"
#include "platform/automation/ComObj.h"
#include "platform/os/Files.h"
#include "platform/os/ShellExecuteRecorder.h"
#include "tests/outside/hemr07s/Hemr07Values.h"

using rt::Variant;

namespace {

class QueueManager : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "hemr-queuemgr-XXXXXX").string();
        home_ = mkdtemp(pattern.data()) ? pattern : "";
        store_ = appserver::ServerStore::Open(home_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(home_, ignored);
    }

    // A HEMR07 job as Request stores it.
    std::string AddJob() {
        Variant env = Variant::ArrayOf({"HEMR07", 14, 16, "01", "DS"});
        Variant captions = Variant::CreateArray({{1, 16}});
        for (int i = 1; i <= 16; ++i)
            captions[i] = Variant::ArrayOf({"c", "ed"});
        return appserver::JobStore(store_).Add(
            Variant::ArrayOf({env, captions, hemr07test::Hemr07Form().Values()}), "PC1");
    }
    static Variant Request(const std::string& jobId) {
        return Variant::ArrayOf(
            {Variant::ArrayOf({jobId, jobId.substr(0, 8) + "0001", "DS", 3}), "DS", true});
    }
    int Open(const Variant& request) { return manager_.OpenReport(request); }

    std::string home_;
    appserver::StorePtr store_;
    queuemgr::TQueueManager manager_{[this] { return store_; }};
};

TEST_F(QueueManager, AJobWithAReportOpensItsTextFile) {
    rt::TShellExecuteRecorder launcher;
    std::string id = AddJob();
    auto args = hemr07s::SvrRunArguments::Parse(hemr07test::RunArguments(id, hemr07test::Hemr07Form().Values()));
    appserver::ReportRecord report = hemr07s::AgeReport(store_).Run(args);
    EXPECT_EQ(Open(Request(id)), queuemgr::kOpened) << manager_.LastError();
    ASSERT_EQ(launcher.Calls().size(), 1u);
    EXPECT_EQ(launcher.Calls()[0].Verb, "open");
    EXPECT_EQ(launcher.Calls()[0].File, report.textFile);
}

TEST_F(QueueManager, AQueuedJobWithoutAReportIsRunFromItsStoredConditionsFirst) {
    rt::TShellExecuteRecorder launcher;
    std::string id = AddJob();
    EXPECT_EQ(Open(Request(id)), queuemgr::kOpened) << manager_.LastError();
    auto report = appserver::ReportStore(store_).FindByJob(id);
    ASSERT_TRUE(report);
    std::string text;
    ASSERT_TRUE(rt::ReadFileToString(report->textFile, text));
    EXPECT_NE(text.find("88"), std::string::npos) << "the seeded staff, counted";
    EXPECT_EQ(appserver::JobStore(store_).Find(id)->status, "DONE");
}

TEST_F(QueueManager, MissingJobsFilesAndLaunchersAnswerDistinctCodes) {
    rt::TShellExecuteRecorder launcher;
    EXPECT_EQ(Open(Request("20240101999999")), queuemgr::kUnknownJob);
    EXPECT_NE(manager_.LastError().find("20240101999999"), std::string::npos);
    EXPECT_EQ(Open(Request("ERROR")), queuemgr::kBadArgument) << "what the form keeps when Request1 failed";
    EXPECT_EQ(Open(Variant::ArrayOf({"x", "DS", true})), queuemgr::kBadArgument);
    EXPECT_EQ(Open(Variant("20240101000001")), queuemgr::kBadArgument);

    std::string id = AddJob();
    ASSERT_EQ(Open(Request(id)), queuemgr::kOpened);
    std::filesystem::remove(appserver::ReportStore(store_).FindByJob(id)->textFile);
    EXPECT_EQ(Open(Request(id)), queuemgr::kNoReportFile);

    std::string other = AddJob();
    launcher.SetResult(rt::SE_ERR_NOASSOC);
    EXPECT_EQ(Open(Request(other)), queuemgr::kLaunchFailed);
    EXPECT_EQ(launcher.Calls().size(), 2u) << "no launch was tried for the missing file";
}

TEST_F(QueueManager, TheShellCreatesItByProgIdFromTheRegistryFile) {
    rt::TShellExecuteRecorder launcher;
    std::string reg = home_ + "/classes.reg";
    std::ofstream(reg) << "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\DovorArovuroV.Class1\\InprocServer32]\n@=\""
                       << std::filesystem::path(std::getenv("HEMR_BINARY_DIR") ? std::getenv("HEMR_BINARY_DIR")
                                                                                : std::filesystem::read_symlink(
                                                                                      "/proc/self/exe")
                                                                                      .parent_path()
                                                                                      .string())
                                  .string()
                       << "/HemrQueueMgr.so\"\n\"Factory\"=\"HemrQueueMgrFactory\"\n";
    setenv("NVR_REGISTRY", reg.c_str(), 1);
    setenv("NVR_SERVER_HOME", home_.c_str(), 1);
    std::string id = AddJob();
    Variant manager = rt::CreateOleObject("DovorArovuroV.Class1");
    EXPECT_EQ(manager.Call("OpenReport", {Request(id)}).ToInt(), 0) << manager.Get("LastError").ToString();
    EXPECT_EQ(manager.Call("OpenReport", {Request("X1")}).ToInt(), queuemgr::kUnknownJob);
    unsetenv("NVR_REGISTRY");
    unsetenv("NVR_SERVER_HOME");
    EXPECT_EQ(launcher.Calls().size(), 1u);
}

}  // namespace
