// The portal request, the answer's normalisation and user list, and the call
// through Pellwick.so against the loopback portal service.

#include <gtest/gtest.h>

#include <filesystem>

#include "outside/portal/TPortalServer.h"
#include "platform/forms/TApplication.h"
#include "src/collaboration/LibXml.h"
#include "src/collaboration/PortalService.h"
#include "tests/platform/os/TempFolder.h"

namespace hemr_test {

using hemr::TPortalCaller;

TEST(PortalRequest, PlainCodesGiveTheRequestByteForByte) {
    EXPECT_EQ(hemr::BuildPortalRequest({"796", "KWTest60", "936"}),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Request>   <Access>     <Authentication user=\"796\" "
              "password=\"\"/>     <Connection application=\"KAVRA\" source=\"\"/>     <Organization "
              "name=\"KWTest60\"/>     <Locale language=\"zh_CN\"/>   </Access>   <RequestContent/> </Request>");
}

TEST(PortalRequest, RegressionCodesHoldingMarkupAreEscapedAsAttributeValues) {
    const std::string request = hemr::BuildPortalRequest({"a\"b", "X&Y<Z", "936"});
    EXPECT_NE(request.find("user=\"a&quot;b\" password"), std::string::npos) << request;
    EXPECT_NE(request.find("name=\"X&amp;Y&lt;Z\"/>"), std::string::npos) << request;
    const hemr::TXmlDocument parsed = hemr::LoadXmlText(request);
    ASSERT_TRUE(parsed) << "the request stays well-formed";
    EXPECT_STREQ(parsed->select_node("//Organization").node().attribute("name").value(), "X&Y<Z");
}

TEST(PortalRequest, LocaleFollowsTheSystemCodePage) {
    EXPECT_EQ(hemr::PortalLocale("936"), "zh_CN");
    EXPECT_EQ(hemr::PortalLocale("950"), "zh_TW");
    EXPECT_EQ(hemr::PortalLocale("437"), "ch_US");
    EXPECT_EQ(hemr::PortalLocale("1252"), "ch_US");
    EXPECT_NE(hemr::BuildPortalRequest({"u", "c", "950"}).find("language=\"zh_TW\""), std::string::npos);
}

TEST(XmlResponse, NormalisingAddsDeclarationEncodingAndDocumentType) {
    const std::string docType = "<!DOCTYPE SC[<!ENTITY stdd \"&amp;stdd;\">]>";
    EXPECT_EQ(hemr::NormaliseXmlText("<Status code=\"0\"/>"),
              "<?xml version=\"1.0\" encoding=\"GB2312\"?>" + docType + "<Status code=\"0\"/>");
    EXPECT_EQ(hemr::NormaliseXmlText("<?xml version=\"1.0\"?><A/>"),
              "<?xml version=\"1.0\" encoding=\"GB2312\"?>" + docType + "<A/>");
    EXPECT_EQ(hemr::NormaliseXmlText("<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE A><A/>"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE A><A/>")
        << "a complete head is kept";
    EXPECT_TRUE(hemr::LoadXmlResponse("<Response><Status code=\"0\"/></Response>")) << "no declaration still loads";
}

TEST(XmlResponse, UsersInDocumentOrderAndAStatusOnlyAnswerGivesNone) {
    EXPECT_TRUE(hemr::ReadPortalUsers("<Status code=\"0\"/>").empty());
    const auto users = hemr::ReadPortalUsers(
        "<R><Record><Field name=\"Name\" value=\"王\"/><Field name=\"Id\" value=\"1\"/></Record>"
        "<X><Record><Field name=\"Id\" value=\"2\"/></Record></X></R>");
    ASSERT_EQ(users.size(), 2u);
    EXPECT_EQ(users[0].Code, "1");
    EXPECT_EQ(users[0].Name, "王");
    EXPECT_EQ(users[1].Code, "2") << "a Record anywhere counts";
    EXPECT_EQ(users[1].Name, "") << "a missing Name field reads as empty";
}

class PortalCall : public ::testing::Test {
protected:
    void SetUp() override {
        rt::Application().DialogDriver().Reset();
        portal_.Start();
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const rt::TDialogRecord& d : rt::Application().DialogDriver().Dialogs()) texts.push_back(d.Text);
        return texts;
    }
    bool TempFolderEmpty() const { return std::filesystem::is_empty(temp_.Path()); }

    rt::test::TempFolder temp_;
    rt::test::ScopedEnv tmpdir_{"TMPDIR", temp_.Path().c_str()};
    portal::TPortalServer portal_;
    const TPortalCaller caller_{"796", "KWTest60", "936"};
};

TEST_F(PortalCall, ListsTheOrganisationsUsersAndLeavesNoResultFile) {
    const std::string answer = hemr::CallPortalService(caller_, portal_.Address());
    const auto users = hemr::ReadPortalUsers(answer);
    ASSERT_EQ(users.size(), 5u) << answer;
    EXPECT_EQ(users[1].Code, "P1001");
    EXPECT_EQ(users[1].Name, "陈静怡");
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(TempFolderEmpty()) << "the result file is deleted after the call";
}

TEST_F(PortalCall, AnswerWithoutDeclarationLoads) {
    portal::TPortalServer bare({}, {.port = 0, .declaration = false});
    bare.Start();
    const std::string answer = hemr::CallPortalService(caller_, bare.Address());
    EXPECT_FALSE(answer.starts_with("<?xml")) << answer;
    EXPECT_EQ(hemr::ReadPortalUsers(answer).size(), 5u);
}

TEST_F(PortalCall, NonZeroStatusShowsItsDescription) {
    EXPECT_EQ(hemr::CallPortalService({"796", "NoSuchOrg", "936"}, portal_.Address()), "");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Call portal webservice error! \n\rUnknown organization: NoSuchOrg"});
    EXPECT_EQ(hemr::CallPortalService({"nobody", "KWTest60", "936"}, portal_.Address()), "");
    EXPECT_EQ(Messages().back(), "Call portal webservice error! \n\rUnknown user nobody in KWTest60");
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(PortalCall, RefusedConnectionShowsTheReasonAndWritesNothing) {
    const std::string refused = "http://127.0.0.1:" + std::to_string(portal_.Port()) + "/PortalService";
    portal_.Stop();
    EXPECT_EQ(hemr::CallPortalService(caller_, refused), "");
    ASSERT_EQ(Messages().size(), 1u);
    const std::string text = Messages()[0];
    EXPECT_TRUE(text.starts_with("Call portal webservice error! ")) << text;
    EXPECT_TRUE(text.ends_with("\n\rResult:")) << "nothing was received: " << text;
    EXPECT_GT(text.size(), std::string("Call portal webservice error! \n\rResult:").size()) << "a reason is given";
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(PortalCall, NoAddressCallsNothing) {
    EXPECT_EQ(hemr::CallPortalService(caller_, ""), "");
    EXPECT_TRUE(Messages().empty());
}

}  // namespace hemr_test

namespace hemr_test {

TEST(XmlHelpers, FindOrAddChildFindsByNameOrPathAndCreatesOnlyWhenAsked) {
    const hemr::TXmlDocument doc = hemr::LoadXmlText("<Root><A k=\"1\"/><A k=\"2\"/></Root>");
    ASSERT_TRUE(doc);
    const pugi::xml_node root = doc->document_element();
    EXPECT_EQ(hemr::GetAttr(hemr::FindOrAddChild(root, "A[@k='2']", false), "k"), "2");
    EXPECT_FALSE(hemr::FindOrAddChild(root, "B", false));
    EXPECT_FALSE(hemr::FindOrAddChild(root, "A[", true)) << "a bad path finds and creates nothing";
    hemr::SetAttr(hemr::FindOrAddChild(root, "B", true), "v", "x&y");
    EXPECT_EQ(hemr::GetAttr(root.child("B"), "v"), "x&y");
    EXPECT_EQ(hemr::GetAttr(root.child("B"), "missing"), "");
}

}  // namespace hemr_test
