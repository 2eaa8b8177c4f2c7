// The connection object: local creation for 127.0.0.1, property rules and
// failures reaching an absent server.

#include <gtest/gtest.h>

#include "platform/automation/ComObj.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/RemoteProtocol.h"
#include "platform/remote/TRemoteConnection.h"

using rt::Variant;

namespace {

class EchoServer : public rt::TAutoObject {
public:
    EchoServer() {
        DefineMethod("Echo", [](rt::DispatchArgs& a) { return a[0]; });
    }
};

TEST(RemoteConnection, ExactlyLoopbackAddressCreatesTheServerInProcess) {
    int created = 0;
    rt::RegisterAutoObjectFactory("Test.Echo", [&] {
        ++created;
        return std::make_shared<EchoServer>();
    });
    rt::TRemoteConnection connection;
    connection.SetAddress("127.0.0.1");
    connection.SetServerName("Test.Echo");
    EXPECT_FALSE(connection.SupportCallbacks());
    connection.SetConnected(true);
    EXPECT_TRUE(connection.Connected());
    EXPECT_TRUE(connection.IsLocal());
    EXPECT_EQ(created, 1);
    EXPECT_EQ(connection.AppServer().Call("Echo", {"hi"}).ToString(), "hi");
    connection.SetConnected(true);
    EXPECT_EQ(created, 1) << "connecting again while open does nothing";
    EXPECT_THROW(connection.SetServerName("Other"), rt::EInvalidOperation) << "not while open";
    connection.Close();
    EXPECT_TRUE(connection.AppServer().IsEmpty());
    rt::UnregisterAutoObjectFactory("Test.Echo");
}

TEST(RemoteConnection, AnUnreachableServerRaisesAndLeavesTheConnectionClosed) {
    rt::TRemoteConnection connection;
    connection.SetAddress("localhost");
    connection.SetPort(1);  // nothing listens on port 1 for an ordinary user
    connection.SetServerName("ZizuvaRoderirO.dmReportCounter");
    EXPECT_THROW(connection.Open(), rt::EOleSysError);
    EXPECT_FALSE(connection.Connected());
    EXPECT_THROW(connection.SetPort(70000), rt::ERangeError);
    EXPECT_EQ(connection.Port(), 1);
}

TEST(RemoteConnection, ConnectingWithoutAServerNameIsAnError) {
    rt::TRemoteConnection connection;
    connection.SetAddress("127.0.0.1");
    EXPECT_THROW(connection.Open(), rt::EOleError);
    EXPECT_FALSE(connection.Connected());
}

TEST(RemoteProtocol, ErrorAnswersAreRaisedWithTheServersMessageAndCode) {
    try {
        rt::RaiseIfRemoteError(rt::RemoteErrorJson("EServerError", "Unknown job", 42));
        FAIL() << "an error answer must raise";
    } catch (const rt::EOleException& e) {
        EXPECT_EQ(e.Message(), "Unknown job");
        EXPECT_EQ(e.ErrorCode(), 42);
        EXPECT_EQ(e.Source(), "EServerError");
    }
    EXPECT_NO_THROW(rt::RaiseIfRemoteError({{"result", 1}}));
    EXPECT_EQ(rt::InvokeKindFromName(rt::InvokeKindName(rt::InvokeKind::PropertyPut)), rt::InvokeKind::PropertyPut);
    EXPECT_THROW(rt::InvokeKindFromName("call"), rt::EConvertError);
}

}  // namespace
