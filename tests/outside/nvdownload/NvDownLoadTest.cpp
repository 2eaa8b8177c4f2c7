// NVDownLoad.so through its entry points, loaded by name as the module does:
// comparing stamps, downloading over file:// and HTTP, and unpacking, with
// every failure leaving the old file as it was.

#include "outside/nvdownload/NvDownLoad.h"
#include "tests/outside/nvdownload/ZipTestSupport.h"
#include "tests/platform/os/TempFolder.h"

#include "platform/os/DynLib.h"
#include "platform/os/Sha256.h"

#include <httplib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace outside_test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class NvDownLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = rt::LoadLibrary("NVDownLoad.dll");
        ASSERT_NE(module_, 0u) << rt::LastLibraryError();
        compare_ = reinterpret_cast<decltype(compare_)>(rt::GetProcAddress(module_, "CompareFileToDown"));
        download_ = reinterpret_cast<decltype(download_)>(rt::GetProcAddress(module_, "NVDownLoadFileEx"));
        unzip_ = reinterpret_cast<decltype(unzip_)>(rt::GetProcAddress(module_, "UnZipFilesOrDir"));
        ASSERT_TRUE(compare_ && download_ && unzip_) << "every entry point is exported";
        ASSERT_FALSE(temp_.Path().empty());
    }
    void TearDown() override {
        if (module_ != 0) rt::FreeLibrary(module_);
    }

    bool Download(const std::string& source, const std::string& target) {
        message_[0] = 'x';
        int32_t size = -1, code = -1;
        return download_(0, "", "PLWK", "60", source.c_str(), target.c_str(), &size, message_, &code, 0) != 0;
    }
    bool Unzip(const std::string& zip, const std::string& folder, int32_t* count = nullptr) {
        int32_t ignored = 0;
        return unzip_(zip.c_str(), folder.c_str(), message_, count ? count : &ignored) != 0;
    }
    // Files in `folder` other than `keep`: leftovers of a write.
    static int OtherFiles(const std::string& folder, const std::string& keep) {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(folder)) count += entry.path().filename() != keep;
        return count;
    }

    rt::test::TempFolder temp_;
    rt::HMODULE module_ = 0;
    decltype(&CompareFileToDown) compare_ = nullptr;
    decltype(&NVDownLoadFileEx) download_ = nullptr;
    decltype(&UnZipFilesOrDir) unzip_ = nullptr;
    char message_[256] = {};
};

TEST_F(NvDownLoadTest, CompareDecidesByTheLocalFileTimeAgainstTheStamp) {
    const std::string local = temp_.Write("a.so", "old");
    fs::last_write_time(local, fs::file_time_type::clock::now() - 24h * 400);
    EXPECT_EQ(compare_("2099-01-01 00:00:00", temp_.File("missing.so").c_str()), 1) << "a missing file is fetched";
    EXPECT_EQ(compare_("2099/01/01 08:30:00", local.c_str()), 1) << "older than the stamp";
    EXPECT_EQ(compare_("20990101083000", local.c_str()), 1);
    EXPECT_EQ(compare_("2000-01-01 00:00:00.000", local.c_str()), 0) << "newer than the stamp";
    EXPECT_EQ(compare_("20000101", local.c_str()), 0);
    EXPECT_EQ(compare_("", local.c_str()), 0) << "no stamp proves nothing";
    EXPECT_EQ(compare_("yesterday", local.c_str()), 0);
    EXPECT_EQ(compare_("2099-13-01", local.c_str()), 0) << "month 13 is no date";
    EXPECT_EQ(compare_(nullptr, nullptr), 1) << "null texts are empty: no file there";
}

TEST_F(NvDownLoadTest, DownloadReplacesAChangedFileFromAPathFoundIgnoringCase) {
    fs::create_directories(temp_.File("Server"));
    WriteFile(temp_.File("Server/Lib.ZIP"), "new contents");
    PublishDigest(temp_.File("Server/Lib.ZIP"));
    const std::string target = temp_.Write("lib.zip", "old contents");
    ASSERT_TRUE(Download(temp_.File("server/lib.zip"), target)) << message_;
    EXPECT_STREQ(message_, "") << "success clears the message";
    EXPECT_EQ(ReadFile(target), "new contents");
    EXPECT_EQ(OtherFiles(temp_.Path(), "lib.zip"), 1) << "only the server folder besides the target, no temporary file";
}

TEST_F(NvDownLoadTest, FailedDownloadKeepsTheOldFileAndTellsWhy) {
    const std::string target = temp_.Write("lib.zip", "old contents");
    EXPECT_FALSE(Download("file://" + temp_.File("nowhere/lib.zip"), target));
    EXPECT_NE(std::string(message_), "");
    EXPECT_EQ(ReadFile(target), "old contents");
    EXPECT_EQ(OtherFiles(temp_.Path(), "lib.zip"), 0) << "the partial file is removed";
    EXPECT_FALSE(Download("", target));
    EXPECT_STREQ(message_, "No source file given");
}

TEST_F(NvDownLoadTest, DownloadOverHttpAndAServerErrorLeavesTheFile) {
    httplib::Server server;
    server.Get("/files/lib.zip", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("served bytes", "application/zip");
    });
    const std::string digest = rt::TSha256::OfFile(temp_.Write("served", "served bytes"));
    server.Get("/files/lib.zip.sha256", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(digest + "  lib.zip\n", "text/plain");
    });
    server.Get("/files/big.zip.sha256", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(digest, "text/plain");
    });
    server.Get("/files/big.zip", [](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(1ll << 40, "application/zip", [](size_t, size_t, httplib::DataSink& sink) {
            static const std::string chunk(64 * 1024, 'x');
            return sink.write(chunk.data(), chunk.size());
        });
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    ASSERT_GT(port, 0);
    std::thread serving([&] { server.listen_after_bind(); });
    for (int i = 0; i < 200 && !server.is_running(); ++i) std::this_thread::sleep_for(10ms);
    const std::string base = "http://127.0.0.1:" + std::to_string(port) + "/files/";
    const std::string target = temp_.Write("lib.zip", "old contents");

    EXPECT_FALSE(Download(base + "missing.zip", target)) << "404 is a failure, not a file";
    EXPECT_NE(std::string(message_).find("404"), std::string::npos) << message_;
    EXPECT_FALSE(Download(base + "big.zip", target)) << "a terabyte announced is refused before it comes";
    EXPECT_NE(std::string(message_).find("Larger than the limit"), std::string::npos) << message_;
    EXPECT_EQ(ReadFile(target), "old contents");
    EXPECT_TRUE(Download(base + "lib.zip", target)) << message_;
    EXPECT_EQ(ReadFile(target), "served bytes");
    server.stop();
    serving.join();
}

TEST_F(NvDownLoadTest, UnzipWritesEveryEntryIntoTheFolder) {
    const std::string zip = temp_.File("update.zip");
    WriteZip(zip, {{"hemr07s.so", "library v2"}, {"res/", ""}, {"res/text.txt", "text"}});
    const std::string folder = temp_.File("lib");
    fs::create_directories(folder);
    WriteFile(folder + "/hemr07s.so", "library v1");
    int32_t count = 0;
    ASSERT_TRUE(Unzip(zip, folder, &count)) << message_;
    EXPECT_EQ(count, 2);
    EXPECT_EQ(ReadFile(folder + "/hemr07s.so"), "library v2");
    EXPECT_EQ(ReadFile(folder + "/res/text.txt"), "text");
}

TEST_F(NvDownLoadTest, UnzipRefusesBrokenArchivesAndEntriesLeavingTheFolder) {
    const std::string folder = temp_.File("lib");
    fs::create_directories(folder);
    WriteFile(folder + "/hemr07s.so", "library v1");
    const std::string broken = temp_.Write("broken.zip", "this is no archive");
    EXPECT_FALSE(Unzip(broken, folder));
    EXPECT_NE(std::string(message_), "");

    const std::string escaping = temp_.File("escape.zip");
    WriteZip(escaping, {{"hemr07s.so", "library v2"}, {"../outside.txt", "x"}});
    EXPECT_FALSE(Unzip(escaping, folder));
    EXPECT_NE(std::string(message_).find("../outside.txt"), std::string::npos) << message_;
    EXPECT_FALSE(fs::exists(temp_.File("outside.txt")));
    EXPECT_EQ(ReadFile(folder + "/hemr07s.so"), "library v1") << "nothing is written from a refused archive";
    EXPECT_FALSE(Unzip(temp_.File("missing.zip"), folder));
}

}  // namespace
}  // namespace outside_test
