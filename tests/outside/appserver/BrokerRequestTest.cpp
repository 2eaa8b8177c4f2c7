// Requests the broker must refuse without changing anything, directly and
// over HTTP against the running server.

#include <gtest/gtest.h>

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
    apptest::TestHome home_;
    appserver::ObjectBroker broker_{[this](const std::string& progId) -> rt::DispatchPtr {
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
    json submit = {{"id", id}, {"name", "Request"}, {"args", {rt::VariantToJson(apptest::HemrConditions())}}};
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

TEST_F(BrokerRequests, DisconnectEndsTheSessionAndItsObjects) {
    std::string id = Connect();
    EXPECT_EQ(broker_.Handle("/disconnect", json{{"id", id}}.dump()).status, 200);
    EXPECT_EQ(broker_.Handle("/invoke", json{{"id", id}, {"name", "Jobs"}}.dump()).status, 404);
    EXPECT_EQ(broker_.Handle("/disconnect", json{{"id", id}}.dump()).status, 404) << "only once";
    EXPECT_EQ(broker_.SessionCount(), 0u);
}

TEST(ServerOverHttp, BadRequestsGetErrorBodiesAndTheServerKeepsServing) {
    apptest::TestHome home;
    apptest::ServerProcess server(home.Path());
    rt::HttpJsonClient client("http://127.0.0.1:" + std::to_string(server.Port()));
    rt::HttpJsonReply bad = client.Post("/invoke", json{{"name", "Jobs"}});
    EXPECT_EQ(bad.status, 400);
    EXPECT_EQ(bad.body["error"]["class"], "EBadRequest");
    rt::HttpJsonReply unknown = client.Post("/nowhere", json::object());
    EXPECT_EQ(unknown.status, 404);
    EXPECT_TRUE(unknown.body.contains("error")) << "an unknown address is answered in the protocol's form";
    rt::HttpJsonReply connect = client.Post("/connect", json{{"server", appserver::kSessionProgId}});
    ASSERT_EQ(connect.status, 200);
    rt::HttpJsonReply call = client.Post(
        "/invoke", json{{"id", connect.body["id"]}, {"name", "GetMessage"}, {"args", {"I", "000004"}}});
    EXPECT_EQ(call.body["result"], "作业已提交, 作业编号: %s");
    EXPECT_EQ(server.Stop(), 0);
}

}  // namespace
