// Updating a local work library before it is loaded: the registry switch,
// reading the update description, and the whole update through NVDownLoad.so
// with the user's retries answered by the dialog driver.

#include "src/environment/NVDownLoadNewFile.h"
#include "tests/outside/nvdownload/ZipTestSupport.h"
#include "tests/platform/os/TempFolder.h"

#include "platform/forms/TApplication.h"
#include "platform/os/DynLib.h"
#include "platform/os/Paths.h"
#include "platform/os/SysInfo.h"
#include "src/environment/LibSys.h"

#include <gtest/gtest.h>

#include <httplib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace hemr_test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using outside_test::ReadFile;
using outside_test::WriteFile;
using outside_test::WriteZip;

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
    void ServeUpdate() { Serve({{"hemr07s.so", "library v2"}}); }
    void Serve(const std::map<std::string, std::string>& entries) {
        WriteZip(temp_.File("server/hemr07s.so.zip"), entries);
        outside_test::PublishDigest(temp_.File("server/hemr07s.so.zip"));
    }

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
    UseRegistry("[HKEY_LOCAL_MACHINE\\Software\\PLWK\\Velmoran]\r\n\"Other\"=\"1\"\r\n");
    EXPECT_FALSE(hemr::UpdaterSwitchOn()) << "GoAhead absent";
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
}

TEST_F(UpdateFileTest, RegressionLostTemporaryZipNoZipIsLeftAfterAnUpdateSuccessfulOrNot) {
    SwitchOn();
    ServeUpdate();
    EXPECT_TRUE(Update("2099-01-01 00:00:00", false)) << message_;
    EXPECT_TRUE(fs::is_empty(temp_.File("tmp"))) << "after success";
    fs::last_write_time(local_, fs::file_time_type::clock::now() - 24h * 400);
    WriteFile(temp_.File("server/hemr07s.so.zip"), "not a zip");
    outside_test::PublishDigest(temp_.File("server/hemr07s.so.zip"));
    EXPECT_FALSE(Update("2099-01-01 00:00:00", false)) << "downloaded, but nothing to unpack";
    EXPECT_TRUE(fs::is_empty(temp_.File("tmp"))) << "after a failed unpack";
    fs::remove(temp_.File("server/hemr07s.so.zip"));
    EXPECT_FALSE(Update("2099-01-01 00:00:00", false));
    EXPECT_TRUE(fs::is_empty(temp_.File("tmp"))) << "after a failed download";
}

TEST_F(UpdateFileTest, AServerPathWithoutFolderIsTheBareLowerCaseNameWithZip) {
    SwitchOn();
    ServeUpdate();
    const fs::path before = fs::current_path();
    fs::current_path(temp_.File("server"));
    std::string message;
    const bool updated =
        hemr::UpdateFileFromXML("Modify = '20990101000000' Path = 'HEMR07S.SO'", local_, false, message);
    fs::current_path(before);
    EXPECT_TRUE(updated) << "hemr07s.so.zip fetched from the current folder: " << message;
    EXPECT_EQ(ReadFile(local_), "library v2");
}

TEST_F(UpdateFileTest, UpToDateFileIsLeftAlone) {
    SwitchOn();
    ServeUpdate();
    EXPECT_TRUE(Update("2000-01-01 00:00:00", false));
    EXPECT_EQ(ReadFile(local_), "library v1");
    EXPECT_TRUE(fs::is_empty(temp_.File("tmp"))) << "nothing fetched";
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
            outside_test::PublishDigest(temp_.File("server/hemr07s.so.zip"));
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

// What a download may carry, each refused with its reason: the local library,
// a real one, stays as it was and loads, and nothing is left in the
// temporary folder or beside the library.
class UpdateRefusalTest : public UpdateFileTest {
protected:
    void SetUp() override {
        UpdateFileTest::SetUp();
        const char* bin = std::getenv("HEMR_BINARY_DIR");
        const std::string folder = bin != nullptr ? bin : rt::ExtractFileDir(rt::GetModuleFileName(0));
        fs::copy_file(folder + "/NVDownLoad.so", local_, fs::copy_options::overwrite_existing);
        fs::last_write_time(local_, fs::file_time_type::clock::now() - 24h * 400);
        original_ = ReadFile(local_);
        SwitchOn();
    }

    // Updates from `serverFolder` and checks the refusal and what it left.
    void ExpectRefused(const std::string& serverFolder, const std::string& step, const std::string& reason) {
        SCOPED_TRACE(reason);
        message_.clear();
        EXPECT_FALSE(hemr::UpdateFile("2099-01-01 00:00:00", serverFolder, local_, false, message_));
        EXPECT_EQ(message_.rfind(step + " new file[" + local_ + "] failed. ", 0), 0u) << message_;
        EXPECT_NE(message_.find(reason), std::string::npos) << message_;
        EXPECT_EQ(ReadFile(local_), original_) << "the old library is intact";
        const rt::HMODULE module = rt::LoadLibrary(local_);
        EXPECT_NE(module, 0u) << "and loads";
        if (module != 0) rt::FreeLibrary(module);
        EXPECT_TRUE(fs::is_empty(temp_.File("tmp"))) << "no temporary zip is left";
        int besides = 0;
        for (const auto& entry : fs::directory_iterator(temp_.File("lib"))) besides += entry.path() != local_;
        EXPECT_EQ(besides, 0) << "nothing was unpacked beside the library";
    }
    void ExpectRefused(const std::string& step, const std::string& reason) {
        ExpectRefused(temp_.File("server"), step, reason);
    }
    std::string Zip() const { return temp_.File("server/hemr07s.so.zip"); }

    std::string original_;
};

TEST_F(UpdateRefusalTest, ADigestMismatchIsAFailedDownload) {
    Serve({{"hemr07s.so", "library v2"}});
    WriteFile(Zip() + ".sha256", std::string(64, 'a') + "\n");
    ExpectRefused("DownLoad", "does not match its published digest");
    fs::remove(Zip() + ".sha256");
    ExpectRefused("DownLoad", "No published digest");
}

TEST_F(UpdateRefusalTest, EntriesLeavingTheFolderAreRefusedBeforeAnythingIsWritten) {
    for (const char* name : {"../../x", "/etc/x", "C:\\x", "a\\..\\..\\x", "sub/../../x"}) {
        Serve({{"hemr07s.so", "library v2"}, {name, "escaped"}});
        ExpectRefused("Unzip", std::string("Entry leaves the target folder: ") + name);
    }
    EXPECT_FALSE(fs::exists(temp_.File("x")));
}

TEST_F(UpdateRefusalTest, ALinkEntryIsRefused) {
    outside_test::WriteLinkZip(Zip(), "hemr07s.so", "/etc/passwd");
    outside_test::PublishDigest(Zip());
    ExpectRefused("Unzip", "Entry is a link: hemr07s.so");
}

TEST_F(UpdateRefusalTest, ArchivesOverTheCapsAreRefused) {
    outside_test::WriteClaimingZip(Zip(), "hemr07s.so", 10ull << 30);
    outside_test::PublishDigest(Zip());
    ExpectRefused("Unzip", "claims 10737418240 bytes");
    outside_test::WriteZipOfEntries(Zip(), 100000);
    outside_test::PublishDigest(Zip());
    ExpectRefused("Unzip", "holds 100000 entries");
}

TEST_F(UpdateRefusalTest, ADownloadCutOffHalfwayIsRefused) {
    Serve({{"hemr07s.so", std::string(256 * 1024, 'x')}});
    const std::string zip = ReadFile(Zip());
    const std::string digest = ReadFile(Zip() + ".sha256");
    httplib::Server server;
    server.Get("/lib/hemr07s.so.zip.sha256", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(digest, "text/plain");
    });
    server.Get("/lib/hemr07s.so.zip", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(zip.size(), "application/zip", [&](size_t offset, size_t, httplib::DataSink& sink) {
            if (offset > 0) return false;  // the connection drops after the first half
            sink.write(zip.data(), zip.size() / 2);
            return true;
        });
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    ASSERT_GT(port, 0);
    std::thread serving([&] { server.listen_after_bind(); });
    for (int i = 0; i < 200 && !server.is_running(); ++i) std::this_thread::sleep_for(10ms);
    ExpectRefused("http://127.0.0.1:" + std::to_string(port) + "/lib/", "DownLoad", "transfer closed");
    server.stop();
    serving.join();
}

}  // namespace
}  // namespace hemr_test
