// Updating a local work library before it is loaded: the registry switch,
// reading the update description, and the whole update through NVDownLoad.so
// with the user's retries answered by the dialog driver.

#include "src/environment/NVDownLoadNewFile.h"
#include "tests/outside/nvdownload/ZipTestSupport.h"
#include "tests/platform/os/TempFolder.h"

#include "platform/forms/TApplication.h"
#include "platform/os/Paths.h"
#include "platform/os/SysInfo.h"
#include "src/environment/LibSys.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace hemr_test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using nvdownload_test::ReadFile;
using nvdownload_test::WriteFile;
using nvdownload_test::WriteZip;

TEST(UpdateDescription, BothNotationsAndTheServerFolder) {
    const hemr::TUpdateDescription elements =
        hemr::ParseUpdateDescription("<File><Modify>2024-05-01 10:00:00</Modify><Path>\\\\srv\\lib\\Hemr07S.so</Path></File>");
    EXPECT_EQ(elements.Modify, "2024-05-01 10:00:00");
    EXPECT_EQ(hemr::ServerFolderOf(elements.Path), "\\\\srv\\lib\\");

    const hemr::TUpdateDescription attributes =
        hemr::ParseUpdateDescription("Modify = '20240501100000' Path = '/srv/lib/hemr07s.so' Size = '10'");
    EXPECT_EQ(attributes.Modify, "20240501100000") << "the value ends at the next quote";
    EXPECT_EQ(attributes.Path, "/srv/lib/hemr07s.so");

    const hemr::TUpdateDescription partial = hemr::ParseUpdateDescription("<Modify>x</Modify> Path = 'unclosed");
    EXPECT_EQ(partial.Modify, "x");
    EXPECT_EQ(partial.Path, "") << "an unterminated value is not found";
    EXPECT_EQ(hemr::ServerFolderOf("hemr07s.so"), "") << "a bare file name has no folder";
}

// A program folder with the local library, a server folder with its zipped
// update, a temporary folder, and the upgrader registry key.
class UpdateFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp_.Path().empty());
        for (const char* folder : {"lib", "server", "tmp"}) fs::create_directories(temp_.File(folder));
        tmpEnv_ = std::make_unique<rt::test::ScopedEnv>("TMPDIR", temp_.File("tmp").c_str());
        local_ = temp_.File("lib/hemr07s.so");
        WriteFile(local_, "library v1");
        fs::last_write_time(local_, fs::file_time_type::clock::now() - 24h * 400);
        rt::Application().DialogDriver().Reset();
    }
    void TearDown() override { rt::Application().DialogDriver().Reset(); }

    void UseRegistry(const std::string& body) {
        const std::string reg = temp_.Write("upgrader-" + std::to_string(++regCount_) + ".reg", "REGEDIT4\r\n\r\n" + body);
        regEnv_ = std::make_unique<rt::test::ScopedEnv>("NVR_REGISTRY", reg.c_str());
    }
    void SwitchOn() { UseRegistry("[HKEY_LOCAL_MACHINE\\Software\\PLWK\\Velmoran]\r\n\"GoAhead\"=\" 1 \"\r\n"); }
    void ServeUpdate() { WriteZip(temp_.File("server/hemr07s.so.zip"), {{"hemr07s.so", "library v2"}}); }

    bool Update(const std::string& stamp, bool interactive) {
        message_.clear();
        return hemr::UpdateFile(stamp, temp_.File("server"), local_, interactive, message_);
    }

    rt::test::TempFolder temp_;
    std::unique_ptr<rt::test::ScopedEnv> tmpEnv_;
    std::unique_ptr<rt::test::ScopedEnv> regEnv_;
    int regCount_ = 0;
    std::string local_;
    std::string message_;
};

TEST_F(UpdateFileTest, SwitchOffOrMissingKeyLeavesTheFileAndSucceeds) {
    ServeUpdate();
    UseRegistry("[HKEY_LOCAL_MACHINE\\Software\\PLWK\\Velmoran]\r\n\"GoAhead\"=\"0\"\r\n");
    EXPECT_TRUE(Update("2099-01-01 00:00:00", false));
    UseRegistry("[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"GoAhead\"=\"1\"\r\n");
    EXPECT_FALSE(hemr::UpdaterSwitchOn());
    const std::string log = hemr::AlertLogFileName(rt::ExtractFilePath(rt::GetProgramFileName()), "NVDownLoadNewFileU", "D");
    const std::string lines = ReadFile(log);
    EXPECT_NE(lines.find("] Read Upgrader Registry Error: No UPGRADER_REGISTRY_PATH"), std::string::npos)
        << "a missing key is logged beside the program: " << log;
    EXPECT_TRUE(Update("2099-01-01 00:00:00", false));
    EXPECT_EQ(ReadFile(local_), "library v1") << "nothing is fetched while the updater is off";
}

TEST_F(UpdateFileTest, OutdatedFileIsDownloadedAndUnpackedBesideItself) {
    SwitchOn();
    ServeUpdate();
    EXPECT_TRUE(Update("2099-01-01 00:00:00", false)) << message_;
    EXPECT_EQ(ReadFile(local_), "library v2");
    EXPECT_TRUE(fs::exists(temp_.File("tmp/hemr07s.so.zip"))) << "the zip is fetched into the temporary folder";
}

TEST_F(UpdateFileTest, UpToDateFileIsLeftAlone) {
    SwitchOn();
    ServeUpdate();
    EXPECT_TRUE(Update("2000-01-01 00:00:00", false));
    EXPECT_EQ(ReadFile(local_), "library v1");
    EXPECT_FALSE(fs::exists(temp_.File("tmp/hemr07s.so.zip")));
}

TEST_F(UpdateFileTest, FailedDownloadReportsAndKeepsTheOldFile) {
    SwitchOn();
    EXPECT_FALSE(Update("2099-01-01 00:00:00", false));
    EXPECT_EQ(message_.rfind("DownLoad new file[" + local_ + "] failed. ", 0), 0u) << message_;
    EXPECT_EQ(ReadFile(local_), "library v1");
    EXPECT_TRUE(rt::Application().DialogDriver().Dialogs().empty()) << "no question without the interactive flag";
}

TEST_F(UpdateFileTest, NetworkPathIsNeverReplaced) {
    SwitchOn();
    ServeUpdate();
    std::string message;
    EXPECT_FALSE(hemr::UpdateFile("2099-01-01", temp_.File("server"), "\\\\srv\\lib\\hemr07s.so", false, message));
    EXPECT_EQ(message, "Net File can't update![\\\\srv\\lib\\hemr07s.so]");
}

TEST_F(UpdateFileTest, RetryRepeatsOnlyTheDownloadAndUnpackAsksAgain) {
    SwitchOn();
    int asked = 0;
    rt::Application().DialogDriver().SetCallback([&](const rt::TDialogRecord& dialog) {
        ++asked;
        if (asked == 1) {
            EXPECT_EQ(dialog.Kind, rt::mtError);
            EXPECT_EQ(dialog.Buttons.size(), 2u) << "Abort and Retry";
            // Something the download can fetch but no archive to unpack.
            WriteFile(temp_.File("server/hemr07s.so.zip"), "not a zip");
            return rt::mrRetry;
        }
        return rt::mrAbort;
    });
    EXPECT_FALSE(Update("2099-01-01 00:00:00", true));
    const auto& dialogs = rt::Application().DialogDriver().Dialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].Text.rfind("DownLoad new file[", 0), 0u);
    EXPECT_EQ(dialogs[1].Text.rfind("Unzip new file[" + local_ + "] failed. ", 0), 0u) << dialogs[1].Text;
    EXPECT_EQ(message_, dialogs[1].Text);
    EXPECT_EQ(ReadFile(local_), "library v1");
}

TEST_F(UpdateFileTest, DescriptionDrivesTheUpdate) {
    SwitchOn();
    ServeUpdate();
    std::string message;
    const std::string description =
        "<Modify>2099-01-01 00:00:00</Modify><Path>" + temp_.File("server") + "/HEMR07S.so</Path>";
    EXPECT_TRUE(hemr::UpdateFileFromXML(description, local_, false, message)) << message;
    EXPECT_EQ(ReadFile(local_), "library v2");
}

}  // namespace
}  // namespace hemr_test
