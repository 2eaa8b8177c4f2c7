// The report form's connection reaches its scheme server in-process when the
// client configuration names 127.0.0.1 and over the network when it names
// hemr07-appserver on loopback; the form sees the same schemes either way.

#include <memory>
#include <string>

#include "platform/comctrls/TListItem.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/remote/TRemoteConnection.h"
#include "tests/outside/appserver/ServerProcess.h"
#include "tests/outside/appserver/TestHome.h"
#include "tests/outside/host/PluginFixture.h"

namespace {

enum class Where { InProcess, Loopback };

class RemoteServerTest : public outside_test::PluginTest, public ::testing::WithParamInterface<Where> {
protected:
    void SetUp() override {
        outside_test::PluginTest::SetUp();
        if (GetParam() == Where::Loopback) {
            process_ = std::make_unique<outside_test::ServerProcess>(serverHome_.Path());
            ASSERT_TRUE(process_->Running());
            home.NameServer("localhost", process_->Port());
        }
    }
    void TearDown() override {
        if (process_) {
            EXPECT_EQ(process_->Stop(), 0);
        }
    }

    // Stores a scheme on the server the form will reach, as another client would.
    void StoreScheme(const std::string& name) {
        rt::TRemoteConnection connection;
        connection.SetAddress(process_ ? "localhost" : "127.0.0.1");
        if (process_) connection.SetPort(process_->Port());
        connection.SetServerName("ZizuvaRoderirO.dmReportCounter");
        connection.Open();
        const std::string error =
            connection.AppServer()
                .Call("InsertConTable",
                      {rt::Variant::ArrayOf({name, "796", "20240301", "HEMR07", "edPrintDate.Text;", "\r\n", false})})
                .ToString();
        ASSERT_EQ(error, "");
    }

    static rt::TCustomForm* ReportForm() {
        for (int i = 0; i < rt::Screen().FormCount(); ++i)
            if (rt::Screen().Forms(i)->Name() == "frmHemr07") return rt::Screen().Forms(i);
        return nullptr;
    }

    outside_test::TestHome serverHome_;
    std::unique_ptr<outside_test::ServerProcess> process_;
};

TEST_P(RemoteServerTest, TheFormListsTheUsersSchemesFromTheServerItReaches) {
    StoreScheme("月报");
    StoreScheme("年报");
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    c->SetVisible(-1);
    rt::TCustomForm* form = ReportForm();
    ASSERT_NE(form, nullptr);
    auto* list = dynamic_cast<rt::TListView*>(form->FindComponent("lstCondition"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Items()->Count(), 2);
    EXPECT_EQ(list->Items()->Item(0)->Caption(), "年报") << "sorted by the index on name, user and program";
    EXPECT_EQ(list->Items()->Item(1)->Caption(), "月报");
    c.reset();
    EXPECT_EQ(log.codes.back(), 304);
}

INSTANTIATE_TEST_SUITE_P(BothWays, RemoteServerTest, ::testing::Values(Where::InProcess, Where::Loopback),
                         [](const ::testing::TestParamInfo<Where>& info) {
                             return info.param == Where::InProcess ? "InProcess" : "Loopback";
                         });

}  // namespace
