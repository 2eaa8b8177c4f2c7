// Pellwick.so through its entry points, loaded by name as the module does:
// the request posted with the service name, the answer written whole, and
// every failure writing nothing and leaving its reason.

#include "outside/pellwick/Pellwick.h"

#include <httplib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/os/DynLib.h"
#include "tests/platform/os/TempFolder.h"

namespace outside_test {

class PellwickTest : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = rt::LoadLibrary("Pellwick.dll");
        ASSERT_NE(module_, 0u) << rt::LastLibraryError();
        call_ = reinterpret_cast<decltype(call_)>(rt::GetProcAddress(module_, "PellwickFx"));
        lastError_ = reinterpret_cast<decltype(lastError_)>(rt::GetProcAddress(module_, "PellwickLastError"));
        ASSERT_TRUE(call_ && lastError_) << "both entry points are exported";
        server_.Post("/ws", [this](const httplib::Request& req, httplib::Response& res) {
            service_ = req.get_header_value("X-Service-Name");
            body_ = req.body;
            res.status = status_;
            res.set_content(answer_, "text/xml");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::yield();
    }
    void TearDown() override {
        server_.stop();
        if (thread_.joinable()) thread_.join();
    }
    std::string Url(const std::string& path = "/ws") const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    bool Call(const std::string& url, const std::string& service = "PORTAL.getAllUser") {
        return call_(url.c_str(), service.c_str(), "<Request/>", result_.c_str()) != 0;
    }
    static std::string Read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool OnlyResultFile() const {
        for (const auto& e : std::filesystem::directory_iterator(temp_.Path()))
            if (e.path().string() != result_) return false;
        return true;
    }

    rt::test::TempFolder temp_;
    std::string result_ = temp_.File("~Kavra_1.tmp");
    rt::HMODULE module_ = 0;
    decltype(&PellwickFx) call_ = nullptr;
    decltype(&PellwickLastError) lastError_ = nullptr;
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    int status_ = 200;
    std::string answer_ = "<Response><Status code=\"0\"/></Response>\n";
    std::string service_, body_;
};

TEST_F(PellwickTest, PostsTheRequestWithTheServiceNameAndWritesTheAnswer) {
    ASSERT_TRUE(Call(Url())) << lastError_();
    EXPECT_EQ(service_, "PORTAL.getAllUser");
    EXPECT_EQ(body_, "<Request/>");
    EXPECT_EQ(Read(result_), answer_);
    EXPECT_STREQ(lastError_(), "");
    EXPECT_TRUE(OnlyResultFile()) << "no temporary file is left beside it";
}

TEST_F(PellwickTest, ALinkAtTheResultNameIsReplacedNotWrittenThrough) {
    const std::string victim = temp_.Write("victim", "keep");
    std::filesystem::create_symlink(victim, result_);
    ASSERT_TRUE(Call(Url())) << lastError_();
    EXPECT_EQ(Read(victim), "keep");
    EXPECT_FALSE(std::filesystem::is_symlink(result_));
}

TEST_F(PellwickTest, FailuresWriteNothingAndLeaveTheirReason) {
    struct Case {
        std::string url, service, why;
        int status;
    };
    const int closedPort = port_;
    const std::vector<Case> cases{
        {Url("/missing"), "PORTAL.getAllUser", "HTTP status 404", 200},
        {Url(), "PORTAL.getAllUser", "HTTP status 500", 500},
        {Url(), "A\r\nX-Other: 1", "line break", 200},
        {"file:///etc/passwd", "PORTAL.getAllUser", "Not a web address", 200},
    };
    for (const Case& c : cases) {
        status_ = c.status;
        EXPECT_FALSE(Call(c.url, c.service)) << c.why;
        EXPECT_NE(std::string(lastError_()).find(c.why), std::string::npos) << lastError_();
        EXPECT_FALSE(std::filesystem::exists(result_)) << c.why;
    }
    TearDown();
    EXPECT_FALSE(Call("http://127.0.0.1:" + std::to_string(closedPort) + "/ws"));
    EXPECT_STRNE(lastError_(), "") << "a refused connection says why";
    EXPECT_TRUE(std::filesystem::is_empty(temp_.Path()));
}

}  // namespace outside_test

#include "outside/pellwick/TServicePost.h"

namespace outside_test {

TEST_F(PellwickTest, AnAnswerOverTheCapIsRefused) {
    answer_ = std::string(64, 'x');
    EXPECT_THROW(pellwick::TServicePost::Post(Url(), "S", "", {.maxAnswerBytes = 63}), std::runtime_error);
    EXPECT_EQ(pellwick::TServicePost::Post(Url(), "S", "", {.maxAnswerBytes = 64}), answer_);
}

}  // namespace outside_test
