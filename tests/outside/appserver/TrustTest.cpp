// The network server as an untrusted caller meets it: every call needs the
// secret of a login, a user acts only for itself, what is stored is checked,
// and slow, idle or duplicate servers and clients cannot lock others out.

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "outside/appserver/HttpServer.h"
#include "outside/appserver/ServerStore.h"
#include "platform/automation/VariantJson.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/TRemoteConnection.h"
#include "platform/sysutils/Clock.h"
#include "tests/outside/appserver/ConditionArrays.h"
#include "tests/outside/appserver/JobArrays.h"
#include "tests/outside/appserver/ServerProcess.h"
#include "tests/outside/appserver/TestHome.h"
#include "tests/outside/hemr07s/Hemr07Values.h"
#include "tests/support/BadInput.h"

namespace {

using nlohmann::json;
using test_support::BadInput;

const char* kPasswords[][2] = {{"796", "demo796"}, {"797", "demo797"}};

class Trust : public ::testing::Test {
protected:
    outside_test::TestHome home_;
    outside_test::ServerProcess server_{home_.Path()};

    std::unique_ptr<rt::TRemoteConnection> Login(const std::string& user, const std::string& progId) {
        auto connection = std::make_unique<rt::TRemoteConnection>();
        connection->SetAddress("localhost");
        connection->SetPort(server_.Port());
        connection->SetServerName(progId);
        for (const auto& [code, password] : kPasswords)
            if (user == code) connection->SetCredentials({code, password});
        connection->Open();
        return connection;
    }
    std::unique_ptr<rt::TRemoteConnection> Counter(const std::string& user) {
        return Login(user, "ZizuvaRoderirO.dmReportCounter");
    }
    httplib::Result Post(const std::string& path, const json& body) {
        httplib::Client client("127.0.0.1", server_.Port());
        return client.Post(path.c_str(), body.dump(), "application/json");
    }
    static std::vector<std::string> JobIds(const rt::Variant& counter) {
        std::vector<std::string> ids;
        rt::Variant jobs = counter.Call("Jobs");
        for (int i = jobs.LowBound(); i <= jobs.HighBound(); ++i) ids.push_back(jobs[i][0].ToString());
        return ids;
    }
    static rt::Variant Job(const hemr07test::Hemr07Form& form = {}) {
        rt::Variant job = outside_test::Hemr07Job(0, outside_test::At(2024, 6, 30));
        job[2] = form.Values();
        return job;
    }
};

TEST_F(Trust, ACallWithoutAValidSessionSecretIsRefused) {
    const std::string counter = "ZizuvaRoderirO.dmReportCounter";
    struct Case {
        std::string path;
        json body;
        int status;
        std::string what;
    } cases[] = {
        {"/connect", {{"server", counter}}, 400, "a login without user and password"},
        {"/connect", {{"server", counter}, {"user", "796"}, {"password", "wrong"}}, 401, "a wrong password"},
        {"/connect", {{"server", counter}, {"user", "nobody"}, {"password", "demo796"}}, 401, "an unknown user"},
        {"/invoke", {{"name", "Jobs"}}, 400, "a call without a session secret"},
        {"/invoke", {{"id", std::string(64, '0')}, {"name", "Jobs"}}, 404, "a call with a guessed secret"},
    };
    for (const Case& c : cases) {
        httplib::Result reply = Post(c.path, c.body);
        ASSERT_TRUE(reply) << c.what;
        EXPECT_EQ(reply->status, c.status) << c.what;
        EXPECT_TRUE(json::parse(reply->body).contains("error")) << c.what;
        BadInput("RPC protocol", c.what, "refused with HTTP " + std::to_string(c.status));
    }
    httplib::Result login = Post("/connect", {{"server", counter}, {"user", "796"}, {"password", "demo796"}});
    ASSERT_TRUE(login);
    const std::string secret = json::parse(login->body)["id"];
    EXPECT_EQ(secret.size(), 64u) << "256 bits of the system's random source";
    EXPECT_EQ(Post("/invoke", {{"id", secret}, {"name", "SQLType"}, {"kind", "get"}})->status, 200);
    EXPECT_EQ(Post("/disconnect", {{"id", secret}})->status, 200);
    EXPECT_EQ(Post("/invoke", {{"id", secret}, {"name", "SQLType"}, {"kind", "get"}})->status, 404);
    BadInput("RPC protocol", "a call with the secret of an ended session", "refused with HTTP 404");
}

TEST_F(Trust, AUserNeitherReadsNorChangesAnotherUsersSchemesAndJobs) {
    auto own = Counter("796");
    const rt::Variant mine = own->AppServer();
    ASSERT_EQ(mine.Call("InsertConTable", {rt::Variant::ArrayOf({"S796", "796", "20240301", "HEMR07", "a;", "\r\n",
                                                                 false})})
                  .ToString(),
              "");
    const std::string job = mine.Call("Request", {Job()}).ToString();
    ASSERT_EQ(job.size(), 14u) << mine.Get("ErrorDescript").ToString();

    auto other = Counter("797");
    const rt::Variant theirs = other->AppServer();
    EXPECT_THROW(theirs.Call("LoadTable", {rt::Variant::ArrayOf({"796", "HEMR07"})}), rt::EOleException);
    BadInput("RPC protocol", "user 797 loads user 796's schemes", "refused");
    for (const auto& [call, args] : std::vector<std::pair<std::string, std::vector<rt::Variant>>>{
             {"DeleteConTable", {rt::Variant::ArrayOf({"S796", "796", "HEMR07"})}},
             {"ChangeConName",
              {rt::Variant::ArrayOf({"S796", "796", "HEMR07"}), rt::Variant::ArrayOf({"X", "796", "HEMR07"})}},
             {"InsertConTable", {rt::Variant::ArrayOf({"S796", "796", "20240301", "HEMR07", "b;", "\r\n", true})}}}) {
        EXPECT_NE(theirs.Call(call, args).ToString(), "") << call;
        BadInput("RPC protocol", "user 797 calls " + call + " on user 796's scheme", "refused with an error text");
    }
    EXPECT_EQ(JobIds(theirs), std::vector<std::string>{}) << "797 does not see 796's job";
    EXPECT_THROW(theirs.Call("UpdateStatus1", {job, "forged failure"}), rt::EOleException);
    BadInput("RPC protocol", "user 797 marks user 796's job failed", "refused");

    mine.Call("LoadTable", {rt::Variant::ArrayOf({"796", "HEMR07"})});
    rt::Variant records = mine.Call("AS_GetRecords", {"pvdConSave"})[1];
    ASSERT_EQ(records.ElementCount(), 1);
    EXPECT_EQ(records[0][4].ToString(), "a;") << "the scheme is unchanged";
    rt::Variant jobs = mine.Call("Jobs");
    ASSERT_EQ(jobs.ElementCount(), 1);
    EXPECT_EQ(jobs[0][3].ToString(), "QUEUED");
}

TEST_F(Trust, AUserNeitherReadsNorDeletesAnotherUsersInbox) {
    auto own = Counter("796");
    const rt::Variant mine = own->AppServer();
    auto other = Counter("797");
    const rt::Variant theirs = other->AppServer();
    appserver::ServerStore::Open(home_.Path())
        ->Db()
        .Prepare("INSERT INTO INBOX (USER_ID, CREATED, JOB_ID, RUN_NO, MESSAGE) "
                 "VALUES ('796', '2024-07-01 09:00:00', '20240701000001', 1, 'for 796')")
        .Run();
    const rt::Variant inbox = mine.Call("Inbox", {"796"});
    ASSERT_EQ(inbox.ElementCount(), 1);
    const rt::Variant id = inbox[0][0];

    EXPECT_THROW(theirs.Call("Inbox", {"796"}), rt::EOleException);
    BadInput("RPC protocol", "user 797 reads user 796's inbox", "refused");
    EXPECT_THROW(theirs.Call("DeleteInbox", {"796", id}), rt::EOleException);
    BadInput("RPC protocol", "user 797 deletes a message of user 796's inbox", "refused");
    EXPECT_NE(theirs.Call("DeleteInbox", {"797", id}).ToString(), "")
        << "796's message is not 797's to delete under its own name";
    EXPECT_EQ(theirs.Call("Inbox", {"797"}).ElementCount(), 0);

    ASSERT_EQ(mine.Call("Inbox", {"796"}).ElementCount(), 1) << "the message is still there";
    EXPECT_EQ(mine.Call("Inbox", {"796"})[0][4].ToString(), "for 796");
    EXPECT_EQ(mine.Call("DeleteInbox", {"796", id}).ToString(), "");
    EXPECT_EQ(mine.Call("Inbox", {"796"}).ElementCount(), 0);
}

TEST_F(Trust, ARequestNamingAnotherCreatorStoresTheSessionsUser) {
    rt::Variant job = Job();
    rt::Variant env = job[0];
    env[5] = "796";
    job[0] = env;
    auto other = Counter("797");
    const std::string id = other->AppServer().Call("Request", {job}).ToString();
    ASSERT_EQ(id.size(), 14u);
    rt::Variant jobs = other->AppServer().Call("Jobs");
    ASSERT_EQ(jobs.ElementCount(), 1);
    EXPECT_EQ(jobs[0][2].ToString(), "797");
    EXPECT_EQ(jobs[0][4][0][5].ToString(), "797") << "the stored array names its real creator";
    EXPECT_EQ(JobIds(Counter("796")->AppServer()), std::vector<std::string>{});
    BadInput("RPC protocol", "a Request whose array names another creator", "stored as the session's user");
}

TEST_F(Trust, MasterDataQueriesAreLimitedAndEmployeesRefused) {
    auto session = Login("796", "OstrelWorkCenter.Manager");
    const rt::Variant validator = session->AppServer().Get("Com_Validator");
    struct Case {
        std::vector<rt::Variant> args;
        std::string what;
    } refused[] = {
        {{"EMPLOYEE", "KWTest60", "KWTest60", rt::Variant::ArrayOf({""}), rt::Variant()}, "QueryData on employees"},
        {{"NVRMA", "KWTest60", "KWTest60", rt::Variant::ArrayOf({""}), rt::Variant()}, "QueryData on every user"},
        {{"GENES", "KWTest60", "KWTest60", rt::Variant::ArrayOf({"", "797", "HEMR07"}), rt::Variant()},
         "QueryData on another user's schemes"},
    };
    for (const Case& c : refused) {
        EXPECT_THROW(validator.Call("QueryData", c.args), rt::EOleException) << c.what;
        BadInput("RPC protocol", c.what, "refused");
    }
    EXPECT_TRUE(validator.Call("QueryData", {"NVRMA", "KWTest60", "KWTest60", rt::Variant::ArrayOf({"796"}),
                                             rt::Variant()})
                    .IsBoolean())
        << "the own user row is answered";
}

TEST_F(Trust, InvalidJobsAreRefusedWithTheirReasonAndNothingStored) {
    auto connection = Counter("796");
    const rt::Variant counter = connection->AppServer();
    auto form = [](auto change) {
        hemr07test::Hemr07Form f;
        change(f);
        return Job(f);
    };
    rt::Variant oversized = Job();
    rt::Variant env = oversized[0];
    oversized[0] = rt::Variant::CreateArray({{1, 5000}});
    for (int i = 1; i <= 14; ++i) oversized[0][i] = env[i];
    struct Case {
        rt::Variant job;
        std::string what, reason;
    } cases[] = {
        {form([](auto& f) { f.statDate = "20241399"; }), "statistics date 2024-13-99", "统计日期不是有效的日期"},
        {form([](auto& f) { f.statDate = "garbage!"; }), "statistics date \"garbage!\"", "统计日期不是有效的日期"},
        {form([](auto& f) { f.first = "x"; }), "first bracket \"x\"", "第 4 项年龄区间不是整数"},
        {form([](auto& f) { f.pairs[1] = {"30", "abc"}; }), "bracket to \"abc\"", "第 6 项年龄区间不是整数"},
        {form([](auto& f) { f.pairs[2] = {"40", "35"}; }), "bracket 40 to 35", "第 7 项年龄区间起点不可大于终点"},
        {form([](auto& f) { f.companies = hemr07test::Range(std::string(300, 'C'), ""); }),
         "a company code of 300 bytes", "条件内容过长"},
        {oversized, "an environment of 5,000 elements", "条件数组过大"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(counter.Call("Request", {c.job}).ToString(), "ERROR") << c.what;
        const std::string reason = counter.Get("ErrorDescript").ToString();
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.what << ": " << reason;
        BadInput("RPC protocol", "Request with " + c.what, "\"ERROR\", ErrorDescript " + reason);
    }
    EXPECT_EQ(JobIds(counter), std::vector<std::string>{}) << "nothing stored";
}

TEST_F(Trust, ThreeHundredIdleSessionsDoNotLockOutANewLogin) {
    const json login = {{"server", "ZizuvaRoderirO.dmReportCounter"}, {"user", "797"}, {"password", "demo797"}};
    int opened = 0;
    for (int i = 0; i < 300; ++i) opened += Post("/connect", login)->status == 200;
    EXPECT_EQ(opened, 300) << "a user's new login ends its least used session instead of failing";
    BadInput("concurrency", "300 logins of one user left idle", "the user's oldest sessions end");
    auto fresh = Counter("796");
    EXPECT_EQ(fresh->AppServer().Get("SQLType").ToInt(), 4);
}

// Opens a connection and sends the start of a request, never its end.
int SlowClient(int port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return -1;
    const std::string start = "POST /invoke HTTP/1.1\r\nHost: x\r\nContent-Length: 500\r\n\r\n{\"id\":";
    return ::send(fd, start.data(), start.size(), 0) > 0 ? fd : -1;
}

TEST_F(Trust, TwentySlowClientsDoNotDelayALegitimateCall) {
    std::vector<int> slow;
    for (int i = 0; i < 20; ++i) slow.push_back(SlowClient(server_.Port()));
    const auto start = std::chrono::steady_clock::now();
    auto connection = Counter("796");
    EXPECT_EQ(connection->AppServer().Get("SQLType").ToInt(), 4);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(2));
    BadInput("concurrency", "20 clients that stop in the middle of a request",
             "a login and call answered in " +
                 std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()) + " ms");
    for (int fd : slow) EXPECT_GE(fd, 0), ::close(fd);
}

// How many of `fds` the server has closed once the first closing is seen,
// waiting at most `limit` for it.
int ClosedAmong(const std::vector<int>& fds, std::chrono::milliseconds limit) {
    std::vector<pollfd> polled;
    for (int fd : fds) polled.push_back({fd, POLLIN, 0});
    ::poll(polled.data(), polled.size(), static_cast<int>(limit.count()));
    int closed = 0;
    char byte;
    for (const pollfd& p : polled)
        if ((p.revents & (POLLIN | POLLHUP)) != 0 && ::recv(p.fd, &byte, 1, MSG_DONTWAIT) <= 0) ++closed;
    return closed;
}

TEST_F(Trust, OnePeerHoldsAtMostItsShareOfConnections) {
    const int cap = appserver::HttpServer::kConnectionsPerPeer;
    std::vector<int> held;
    for (int i = 0; i <= cap; ++i) held.push_back(SlowClient(server_.Port()));
    for (int fd : held) ASSERT_GE(fd, 0);
    // Well within the read time-out, which would close the others too.
    EXPECT_EQ(ClosedAmong(held, std::chrono::milliseconds(1500)), 1) << "the connection over " << cap << " is closed on arrival; the others are kept";
    BadInput("concurrency", std::to_string(cap + 1) + " connections held open from one address",
             "the one over " + std::to_string(cap) + " closed on arrival");
    for (int fd : held) ::close(fd);
    // The share comes back as the connections end.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    bool answered = false;
    while (!answered && std::chrono::steady_clock::now() < deadline) {
        try {
            answered = Counter("796")->AppServer().Get("SQLType").ToInt() == 4;
        } catch (const std::exception&) {
        }
    }
    EXPECT_TRUE(answered);
}

TEST_F(Trust, ASecondServerOnAUsedPortExitsWithItsMessage) {
    const std::string command = outside_test::BinaryDir() + "/hemr07-appserver --home " + home_.Path() +
                                "/second --port " + std::to_string(server_.Port()) + " 2>&1";
    std::FILE* out = ::popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, out)) text += buffer;
    const int status = ::pclose(out);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(text.find("Cannot listen on 127.0.0.1:" + std::to_string(server_.Port()) +
                        ": the port is already in use by another program"),
              std::string::npos)
        << text;
    BadInput("concurrency", "a second server on a port in use", "exits 1: " + text.substr(0, text.find('\n')));
    EXPECT_EQ(Counter("796")->AppServer().Get("SQLType").ToInt(), 4) << "the first one serves on";
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

TEST_F(Trust, DatabaseAndReportFilesAreCreatedOwnerOnly) {
    const std::string fresh = home_.Path() + "/fresh";
    appserver::ServerStore::Open(fresh);
    EXPECT_EQ(ModeOf(fresh), 0700u);
    EXPECT_EQ(ModeOf(fresh + "/HemrServer.db"), 0600u);
    EXPECT_EQ(ModeOf(home_.Path() + "/HemrServer.db"), 0600u) << "the network server's own";

    std::filesystem::create_directories(home_.Path() + "/S_PKG");
    std::filesystem::copy_file(outside_test::BinaryDir() + "/HEMR07S.so", home_.Path() + "/S_PKG/HEMR07S.so");
    rt::Variant now = outside_test::Hemr07Job(1, rt::Now());
    now[2] = hemr07test::Hemr07Form().Values();
    ASSERT_EQ(Counter("796")->AppServer().Call("Request", {now}).ToString().size(), 14u);
    const std::string run = outside_test::BinaryDir() + "/hemr07-appserver run-due --home " + home_.Path() + " > /dev/null";
    ASSERT_EQ(std::system(run.c_str()), 0);
    const std::string reports = home_.Path() + "/Report";
    EXPECT_EQ(ModeOf(reports), 0700u);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(reports)) {
        EXPECT_EQ(ModeOf(entry.path().string()), 0600u) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 3) << "csv, text and page of the one job";
}

TEST_F(Trust, ADatabaseFileThatIsALinkIsRefused) {
    const std::string home = home_.Path() + "/linked";
    std::filesystem::create_directories(home);
    ASSERT_EQ(::symlink((home_.Path() + "/elsewhere.db").c_str(), (home + "/HemrServer.db").c_str()), 0);
    try {
        appserver::ServerStore::Open(home);
        ADD_FAILURE() << "opened through a link";
    } catch (const rt::Exception& e) {
        EXPECT_NE(e.Message().find("refused: it is not a regular file"), std::string::npos) << e.Message();
        BadInput("files and links", "the server database is a link", e.Message());
    }
    EXPECT_FALSE(std::filesystem::exists(home_.Path() + "/elsewhere.db")) << "nothing written through it";
}

}  // namespace
