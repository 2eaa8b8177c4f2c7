// The server's libraries as clients fetch them: GetFileList names the zipped
// copy, which lies in the server's folder for the in-process server and is
// served over HTTP by hemr07-appserver, with its digest beside it; a new
// build dropped into S_PKG is published on the next question, without a restart.

#include <gtest/gtest.h>
#include <httplib.h>
#include <zip.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include "outside/appserver/ServerObjects.h"
#include "platform/os/Files.h"
#include "platform/os/Sha256.h"
#include "platform/remote/TRemoteConnection.h"
#include "tests/outside/appserver/ServerProcess.h"
#include "tests/outside/appserver/TestHome.h"

using rt::Variant;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

enum class Where { InProcess, Loopback };

std::string Between(const std::string& text, const std::string& open, const std::string& close) {
    const size_t start = text.find(open);
    if (start == std::string::npos) return "";
    const size_t from = start + open.size();
    return text.substr(from, text.find(close, from) - from);
}

// The one entry of a zip held in memory.
std::string OnlyEntry(const std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    std::string content;
    if (archive != nullptr && zip_get_num_entries(archive, 0) == 1) {
        zip_file_t* entry = zip_fopen_index(archive, 0, 0);
        char buffer[4096];
        for (zip_int64_t got; entry && (got = zip_fread(entry, buffer, sizeof buffer)) > 0;) content.append(buffer, got);
        if (entry) zip_fclose(entry);
    }
    if (archive) zip_discard(archive);
    else if (source) zip_source_free(source);
    zip_error_fini(&error);
    return content;
}

class LibraryPublishing : public ::testing::TestWithParam<Where> {
protected:
    void SetUp() override {
        fs::create_directories(library_.parent_path());
        if (GetParam() == Where::InProcess) {
            appserver::RegisterServerObjects(home_.Path());
            connection_.SetAddress("127.0.0.1");
        } else {
            process_ = std::make_unique<outside_test::ServerProcess>(home_.Path());
            connection_.SetAddress("localhost");
            connection_.SetPort(process_->Port());
        }
        connection_.SetServerName(appserver::kSessionProgId);
        connection_.SetConnected(true);
        session_ = connection_.AppServer();
    }
    void TearDown() override {
        connection_.Close();
        if (process_) process_->Stop();
        appserver::UnregisterServerObjects();
    }

    void Build(const std::string& bytes, fs::file_time_type when) {
        std::ofstream(library_, std::ios::binary | std::ios::trunc) << bytes;
        fs::last_write_time(library_, when);
    }
    std::string Describe() { return session_.Call("GetFileList", {Variant::ArrayOf({"hemr07s.dll"})}).ToString(); }

    // What a client fetches at `location` (an HTTP address or a path).
    static std::string Fetch(const std::string& location) {
        std::string bytes;
        if (location.rfind("http://", 0) != 0) return rt::ReadFileToString(location, bytes) ? bytes : "missing";
        const size_t path = location.find('/', 7);
        httplib::Client client(location.substr(0, path));
        const auto answer = client.Get(location.substr(path));
        return answer && answer->status == 200 ? answer->body : "missing";
    }
    // The zipped copy as the client names it: the folder of <Path>, the
    // lower-case file name and ".zip".
    static std::string ZipLocation(const std::string& description) {
        const std::string path = Between(description, "<Path>", "</Path>");
        return path.substr(0, path.rfind('/') + 1) + "hemr07s.so.zip";
    }

    outside_test::TestHome home_;
    const fs::path library_ = fs::path(home_.Path()) / "S_PKG" / "HEMR07S.so";
    std::unique_ptr<outside_test::ServerProcess> process_;
    rt::TRemoteConnection connection_;
    Variant session_;
};

TEST_P(LibraryPublishing, TheZippedCopyAndItsDigestAreWhereThePathSaysAndANewBuildIsPublishedAtOnce) {
    const auto old = fs::file_time_type::clock::now() - 48h;
    Build("build one", old);
    const std::string first = Describe();
    const std::string location = ZipLocation(first);
    const std::string expected = GetParam() == Where::Loopback
                                     ? "http://127.0.0.1:" + std::to_string(process_->Port()) + "/packages/"
                                     : home_.Path() + "/Published/";
    EXPECT_EQ(location, expected + "hemr07s.so.zip") << first;
    const std::string zip = Fetch(location);
    EXPECT_EQ(OnlyEntry(zip), "build one");
    const std::string digest = Fetch(location + ".sha256");
    EXPECT_EQ(digest.substr(0, 64), rt::TSha256::OfFile(home_.Path() + "/Published/hemr07s.so.zip"))
        << "the digest beside the copy is the copy's";
    const std::string folder = location.substr(0, location.rfind('/') + 1);
    if (GetParam() == Where::Loopback) {
        EXPECT_EQ(Fetch(folder + "hemr07s.so.zip.stamp"), "missing") << "only copies and digests are served";
    }

    Build("build two", old + 24h);
    const std::string second = Describe();
    EXPECT_NE(Between(second, "<Modify>", "</Modify>"), Between(first, "<Modify>", "</Modify>")) << second;
    EXPECT_EQ(OnlyEntry(Fetch(location)), "build two") << "the new build is published without a restart";
    EXPECT_NE(Fetch(location + ".sha256"), digest);
    EXPECT_EQ(Fetch(folder + "other.so.zip"), "missing");
}

INSTANTIATE_TEST_SUITE_P(BothWays, LibraryPublishing, ::testing::Values(Where::InProcess, Where::Loopback),
                         [](const auto& info) { return info.param == Where::InProcess ? "InProcess" : "Loopback"; });

}  // namespace
