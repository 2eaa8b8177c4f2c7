#include <gtest/gtest.h>

#include "platform/forms/TApplication.h"
#include "tests/src/framework/FakeSession.h"
#include "tests/src/framework/SessionHost.h"

namespace {

using hemr_test::TFakeSession;
using hemr_test::TSessionHost;

class ServerSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        rt::Application().DialogDriver().Reset();
        fake->counter->settings = {{"NVR002", "9.0"}, {"Sys001", "1"}, {"SYS007", "大类"}};
        host.session.SetSessionObject(hemr_test::AsVariant(fake));
    }
    std::shared_ptr<TFakeSession> fake = std::make_shared<TFakeSession>();
    TSessionHost host;
};

TEST_F(ServerSessionTest, ServicesAndSettingsComeFromTheSessionForTheCompany) {
    host.session.FetchServices(false);
    EXPECT_TRUE(host.session.Counter().IsDispatch());
    EXPECT_TRUE(host.session.Validator().IsDispatch());
    EXPECT_FALSE(host.session.F2Window().IsDispatch()) << "the F2 window is fetched only when asked for";
    ASSERT_NE(fake->counter->Last("GetSysInfo"), nullptr);
    EXPECT_EQ(rt::VarToStr(fake->counter->Last("GetSysInfo")->args[0]), "KWTest60");
    EXPECT_EQ(host.session.GetSysSetting("NVR002"), "9.0");
    EXPECT_EQ(host.session.GetSysSetting("sys001"), "1") << "names are compared without case";
    EXPECT_EQ(host.session.GetSysSetting("SYS026"), "") << "an absent setting is empty";
    EXPECT_EQ(host.session.ReadProductID(), 7);
    host.session.FetchF2Window();
    EXPECT_TRUE(host.session.F2Window().IsDispatch());
}

TEST_F(ServerSessionTest, AnEmptyNameReloadsTheCache) {
    host.session.FetchServices(false);
    fake->counter->settings = {{"NVR002", "9.1"}};
    EXPECT_EQ(host.session.GetSysSetting("NVR002"), "9.0") << "the cache answers until reloaded";
    EXPECT_EQ(host.session.GetSysSetting(""), "");
    EXPECT_EQ(host.session.GetSysSetting("NVR002"), "9.1");
}

TEST_F(ServerSessionTest, ClassificationSettingsHaveCaptionsByInterfaceCodePage) {
    host.session.FetchServices(false);
    EXPECT_EQ(host.session.GetSysSetting("SYS007"), "大类") << "a stored value wins over the default";
    host.SetUICodePage("437");
    EXPECT_EQ(host.session.GetSysSetting("sys008"), "Inv.Cate.2");
    EXPECT_EQ(host.session.GetSysSetting("SYS009"), "Inv.Cate.3");
    EXPECT_NE(host.session.GetSysSetting("SYS010"), host.session.GetSysSetting("SYS009"));
    host.SetUICodePage("950");
    EXPECT_EQ(host.session.GetSysSetting("sys008"), "商品分类方式二");
    EXPECT_EQ(host.session.GetSysSetting("SYS010"), "商品分类方式四");
}

TEST_F(ServerSessionTest, MissingSessionOrServicesGiveNeutralAnswers) {
    TSessionHost bare;
    bare.session.FetchServices(false);
    EXPECT_EQ(bare.session.ReadProductID(), 3);
    EXPECT_EQ(bare.session.GetMessageText("E", "000038"), "Can not Get Message\rType= E, ID= 000038 ");
    rt::Variant out("kept");
    EXPECT_FALSE(bare.session.QueryValue("ADMMB", "01", false, out, rt::Variant::ArrayOf({"HEMR07"})));
    EXPECT_TRUE(bare.session.GetCounter("SimpleSQL", "x").IsEmpty());
    EXPECT_EQ(bare.session.GetSysSetting("NVR002"), "");
    fake->failing = {"ProductID", "GetMessage"};
    EXPECT_EQ(host.session.ReadProductID(), 3) << "a failed read gives 3";
    EXPECT_EQ(host.session.GetMessageText("I", "000004"), "Can not Get Message\rType= I, ID= 000004 ");
}

TEST_F(ServerSessionTest, QueryValueChecksOrQueriesWithTheDatabaseAndRights) {
    host.session.FetchServices(false);
    host.session.SetProductID(5);
    fake->validator->rows["CMSMT"] = rt::Variant::ArrayOf({"01", "总公司"});
    rt::Variant out;
    EXPECT_TRUE(host.session.QueryValue("CMSMT", "01", false, out, rt::Variant::ArrayOf({"01"})));
    const auto* call = fake->validator->Last("CheckValue");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(rt::VarToStr(call->args[2]), "KWDB");
    EXPECT_EQ(rt::VarToStr(call->args[3][0]), "01");
    EXPECT_EQ(rt::VarToStr(out[1]), "总公司");
    EXPECT_EQ(fake->validator->productID, 5);
    EXPECT_TRUE(host.session.QueryValue("CMSMT", "01", true, out, rt::Variant::ArrayOf({"01"})));
    EXPECT_NE(fake->validator->Last("QueryData"), nullptr) << "the query flag asks QueryData";
    EXPECT_FALSE(host.session.QueryValue("CMSME", "01", false, out, rt::Variant::ArrayOf({"X"})));
    fake->validator->failing = {"CheckValue"};
    EXPECT_FALSE(host.session.QueryValue("CMSMT", "01", false, out, rt::Variant::ArrayOf({"01"})))
        << "an exception counts as not found";
}

TEST_F(ServerSessionTest, ProgramCatalogueGivesNameLogFlagAndEnglishName) {
    host.session.FetchServices(false);
    fake->validator->rows["ADMMB"] = rt::Variant::ArrayOf({"员工年龄分布表", "R", "", "", "Y", "", "", "Age Report"});
    hemr::TProgramEntry entry = host.session.LookupProgram("HEMR07");
    EXPECT_EQ(entry.Name, "员工年龄分布表");
    EXPECT_TRUE(entry.WantLog);
    host.SetUICodePage("437");
    EXPECT_EQ(host.session.LookupProgram("HEMR07").Name, "Age Report");
    fake->validator->rows.clear();
    EXPECT_EQ(host.session.LookupProgram("HEMR07").Name, "") << "an unknown program has no name";
}

TEST_F(ServerSessionTest, CounterHelpAndFileListCarryTheirArguments) {
    host.session.FetchServices(false);
    EXPECT_EQ(rt::VarToStr(host.session.GetCounter("SimpleSql", "SELECT 1")), "0001");
    const auto* call = fake->counter->Last("GetCounter");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(rt::VarToStr(call->args[0]), "SIMPLESQL");
    EXPECT_EQ(rt::VarToStr(call->args[2][0]), "KWTest60");
    EXPECT_EQ(rt::VarToStr(call->args[2][1]), "KWDB");
    host.session.CallHelp("HEM", "1R0720000");
    ASSERT_NE(fake->Last("CallHelp"), nullptr);
    EXPECT_EQ(rt::VarToStr(fake->Last("CallHelp")->args[0][1]), "1R0720000");
    fake->fileList = "<FileList/>";
    EXPECT_EQ(host.session.GetFileList("HEMR07S.DLL"), "<FileList/>");
    EXPECT_EQ(rt::VarToStr(fake->Last("GetFileList")->args[0][0]), "hemr07s.dll");
}

TEST_F(ServerSessionTest, SessionInfoGivesRightsFlagsWebTextAndRightsText) {
    // The fourth field's 7th and 8th characters are the flags.
    rt::Variant info = rt::Variant::ArrayOf({"", "a,b,c,YYYYYYYN", "", "http://portal", "P", rt::Variant::ArrayOf({1, "x"})});
    host.session.SetSessionInfo(info);
    EXPECT_TRUE(host.session.RightsFlag1());
    EXPECT_FALSE(host.session.RightsFlag2());
    EXPECT_EQ(host.session.WebText(), "http://portal");
    EXPECT_EQ(host.session.RightsText(), "P\x03" "1\x03x\x03");
    host.session.SetSessionInfo(rt::Variant::ArrayOf({"", "a,b,c,YYYYYY", "", ""}));
    EXPECT_FALSE(host.session.RightsFlag1()) << "a missing character counts as N";
    EXPECT_FALSE(host.session.RightsFlag2());
}

}  // namespace
