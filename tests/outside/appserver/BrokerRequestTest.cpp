// Requests the broker must refuse without changing anything, directly and
// over HTTP against the running server.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "outside/appserver/ObjectBroker.h"
#include "outside/appserver/ServerObjects.h"
#include "platform/automation/VariantJson.h"
#include "platform/remote/HttpJsonClient.h"
#include "tests/outside/appserver/ConditionArrays.h"
#include "tests/outside/appserver/ServerProcess.h"
#include "tests/outside/appserver/TestHome.h"

using nlohmann::json;

namespace {

class BrokerRequests : public ::testing::Test {
protected:
    outside_test::TestHome home_;
    appserver::ObjectBroker broker_{[this](const std::string& progId, const appserver::ObjectBroker::Caller&) -> rt::DispatchPtr {
        if (!appserver::IsServerProgId(progId))
            return nullptr;
        return rt::DispatchPtr(appserver::CreateServerObject(progId, appserver::ServerStore::Open(home_.Path())));
    }};

    std::string Connect() {
        return broker_.Handle("/connect", json{{"server", appserver::kReportCounterProgId}}.dump()).body["id"];
    }
    size_t JobCount(const std::string& id) {
        json reply = broker_.Handle("/invoke", json{{"id", id}, {"name", "Jobs"}}.dump()).body;
        return reply["result"]["items"].size();
    }
};

TEST_F(BrokerRequests, MalformedRequestsAreAnsweredWithAnErrorAndRunNothing) {
    std::string id = Connect();
    json submit = {{"id", id}, {"name", "Request"}, {"args", {rt::VariantToJson(outside_test::HemrConditions())}}};
    struct Case {
        const char* path;
        std::string body;
        int status;
    } cases[] = {
        {"/invoke", "not json", 400},
        {"/invoke", "[1, 2]", 400},
        {"/invoke", json{{"name", "Request"}}.dump(), 400},
        {"/invoke", json{{"id", "nope"}, {"name", "Request"}}.dump(), 404},
        {"/invoke", json{{"id", id}, {"name", "Request"}, {"kind", "call"}}.dump(), 400},
        {"/invoke", json{{"id", id}, {"name", "Request"}, {"args", {{{"bytes", 1}}}}}.dump(), 400},
        {"/invoke", json{{"id", id}, {"name", "Request"}, {"args", submit["args"]}, {"refs", {3}}}.dump(), 400},
        {"/invoke", json{{"id", id}, {"object", 7}, {"name", "Jobs"}}.dump(), 404},
        {"/connect", json{{"server", "No.Such"}}.dump(), 404},
        {"/elsewhere", "{}", 404},
    };
    for (const Case& c : cases) {
        appserver::ObjectBroker::Reply reply = broker_.Handle(c.path, c.body);
        EXPECT_EQ(reply.status, c.status) << c.body;
        EXPECT_TRUE(reply.body.contains("error")) << c.body;
    }
    EXPECT_EQ(JobCount(id), 0u) << "no refused request submitted a job";
    EXPECT_EQ(broker_.SessionCount(), 1u) << "no refused connect opened a session";
    EXPECT_EQ(broker_.Handle("/invoke", submit.dump()).status, 200);
    EXPECT_EQ(JobCount(id), 1u);
}

// An argument of arrays nested `depth` levels deep, written out as text: no
// JSON value that deep is ever built here.
std::string DeepArgsRequest(const std::string& id, size_t depth) {
    std::string body = R"({"id": ")" + id + R"(", "name": "Jobs", "args": [)";
    for (size_t i = 0; i < depth; ++i) body += R"({"low": 0, "items": [)";
    for (size_t i = 0; i < depth; ++i) body += "]}";
    return body + "]}";
}

TEST_F(BrokerRequests, ArgumentsTooDeepOrTooManyAreRefusedBeforeTheyAreDecoded) {
    std::string id = Connect();
    std::string manyValues = R"({"id": ")" + id + R"(", "name": "Jobs", "args": [{"low": 0, "items": [0)";
    for (int i = 0; i < 1000000; ++i) manyValues += ",0";
    manyValues += "]}]}";
    for (const std::string& body : {DeepArgsRequest(id, 100000), manyValues}) {
        appserver::ObjectBroker::Reply reply = broker_.Handle("/invoke", body);
        EXPECT_EQ(reply.status, 400) << body.substr(0, 60);
        EXPECT_NE(reply.body["error"]["message"].get<std::string>().find("JSON"), std::string::npos) << reply.body;
    }
    EXPECT_EQ(broker_.Handle("/invoke", DeepArgsRequest(id, 10)).status, 200) << "ordinary nesting is decoded";
}

TEST_F(BrokerRequests, DisconnectEndsTheSessionAndItsObjects) {
    std::string id = Connect();
    EXPECT_EQ(broker_.Handle("/disconnect", json{{"id", id}}.dump()).status, 200);
    EXPECT_EQ(broker_.Handle("/invoke", json{{"id", id}, {"name", "Jobs"}}.dump()).status, 404);
    EXPECT_EQ(broker_.Handle("/disconnect", json{{"id", id}}.dump()).status, 404) << "only once";
    EXPECT_EQ(broker_.SessionCount(), 0u);
}

TEST(BrokerSessions, IdleSessionsEndSoTheCapLocksNobodyOut) {
    outside_test::TestHome home;
    appserver::ObjectBroker broker(
        [&home](const std::string& progId, const appserver::ObjectBroker::Caller&) {
            return rt::DispatchPtr(appserver::CreateServerObject(progId, appserver::ServerStore::Open(home.Path())));
        },
        nullptr, appserver::BrokerLimits{4, 16, std::chrono::milliseconds(100)});
    const std::string connect = json{{"server", appserver::kReportCounterProgId}}.dump();
    for (int i = 0; i < 4; ++i) ASSERT_EQ(broker.Handle("/connect", connect).status, 200);
    EXPECT_EQ(broker.Handle("/connect", connect).status, 503) << "full while the sessions are in use";
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(broker.Handle("/connect", connect).status, 200) << "the idle ones ended";
    EXPECT_EQ(broker.SessionCount(), 1u);
}

TEST(ServerOverHttp, BadRequestsGetErrorBodiesAndTheServerKeepsServing) {
    outside_test::TestHome home;
    outside_test::ServerProcess server(home.Path());
    rt::HttpJsonClient client("http://127.0.0.1:" + std::to_string(server.Port()));
    rt::HttpJsonReply bad = client.Post("/invoke", json{{"name", "Jobs"}});
    EXPECT_EQ(bad.status, 400);
    EXPECT_EQ(bad.body["error"]["class"], "EBadRequest");
    rt::HttpJsonReply unknown = client.Post("/nowhere", json::object());
    EXPECT_EQ(unknown.status, 404);
    EXPECT_TRUE(unknown.body.contains("error")) << "an unknown address is answered in the protocol's form";
    rt::HttpJsonReply connect = client.Post(
        "/connect", json{{"server", appserver::kSessionProgId}, {"user", "796"}, {"password", "demo796"}});
    ASSERT_EQ(connect.status, 200);
    rt::HttpJsonReply call = client.Post(
        "/invoke", json{{"id", connect.body["id"]}, {"name", "GetMessage"}, {"args", {"I", "000004"}}});
    EXPECT_EQ(call.body["result"], "作业已提交, 作业编号: %s");
    // One request used to take the whole server down: decoding recursed once per level.
    rt::HttpJsonReply deep = client.PostText("/invoke", DeepArgsRequest(connect.body["id"], 100000));
    EXPECT_EQ(deep.status, 400);
    EXPECT_EQ(deep.body["error"]["class"], "EBadRequest");
    rt::HttpJsonReply after = client.Post(
        "/invoke", json{{"id", connect.body["id"]}, {"name", "GetMessage"}, {"args", {"I", "000004"}}});
    EXPECT_EQ(after.body["result"], "作业已提交, 作业编号: %s") << "the server keeps serving";
    EXPECT_EQ(server.Stop(), 0);
}

}  // namespace
