#include "tests/src/environment/LangTestSupport.h"

#include "platform/codepage/CodePages.h"
#include "src/environment/LangCommon.h"
#include "src/environment/LangDocument.h"

namespace hemr_test {
namespace {

using hemr::dtClient;
using hemr::dtServer;
using hemr::GetLangFolder;
using hemr::GetLangMessage;

class LangFolderTest : public LangHome {};

TEST_F(LangFolderTest, EachInterfaceCodePageHasItsOwnFolder) {
    for (const char* code : {"CHS", "CHT", "ENG"}) std::filesystem::create_directories(LangDir(Client(), code));
    UseCodePages("950", "936");
    EXPECT_EQ(GetLangFolder(dtClient), Client() + "MultiLanguage/CHT/") << "950 reads the Traditional Chinese packs";
    UseCodePages("437", "936");
    EXPECT_EQ(GetLangFolder(dtClient), Client() + "MultiLanguage/ENG/") << "437 reads the English packs";
    UseCodePages("936", "936");
    EXPECT_EQ(GetLangFolder(dtClient), Client() + "MultiLanguage/CHS/") << "936 reads the Simplified packs";
    UseCodePages("1252", "936");
    EXPECT_EQ(GetLangFolder(dtClient), "") << "a code page without a language has no folder";
}

TEST_F(LangFolderTest, MissingFolderOrInstallPathGivesNoFolder) {
    UseCodePages("950", "936");
    EXPECT_EQ(GetLangFolder(dtClient), "") << "the CHT folder does not exist";
    EXPECT_EQ(hemr::LangPackFileName(dtClient, "TNVForm"), "")
        << "without a folder no file name is made, so no pack is found in the working folder";
    rt::test::ScopedEnv noRegistry("NVR_REGISTRY", (temp_.Path() + "/none.reg").c_str());
    std::filesystem::create_directories(LangDir(Client(), "CHT"));
    EXPECT_EQ(GetLangFolder(dtClient), "") << "no registry key, no install folder";
}

TEST_F(LangFolderTest, ServerDesignTypeUsesTheServerConfiguration) {
    std::filesystem::create_directories(LangDir(Server(), "ENG"));
    std::filesystem::create_directories(LangDir(Client(), "CHS"));
    UseCodePages("936", "437");
    EXPECT_EQ(GetLangFolder(dtServer), Server() + "MultiLanguage/ENG/");
    EXPECT_EQ(GetLangFolder(dtClient), Client() + "MultiLanguage/CHS/");
    EXPECT_EQ(hemr::LangPackFileName(dtServer, "TfrmBaseRpt"), Server() + "MultiLanguage/ENG/TfrmBaseRpt.Lng");
}

TEST_F(LangFolderTest, MessageLookupFallsBackToTheDefault) {
    WritePack("CHS", "TfrmBaseRpt",
              "<TfrmBaseRpt><Texts><sFont Msg=\"Font\"/><sFontSize Other=\"x\"/></Texts>"
              "<sEmpty Msg=\"\"/></TfrmBaseRpt>");
    EXPECT_EQ(GetLangMessage(dtClient, "TfrmBaseRpt", "sFont", "字型"), "Font") << "an element anywhere is found";
    EXPECT_EQ(GetLangMessage(dtClient, "TfrmBaseRpt", "sFontSize", "字型大小"), "字型大小") << "no Msg attribute";
    EXPECT_EQ(GetLangMessage(dtClient, "TfrmBaseRpt", "sRepWidth", "报表可印宽度"), "报表可印宽度") << "no element";
    EXPECT_EQ(GetLangMessage(dtClient, "TfrmBaseRpt", "sEmpty", "d"), "") << "an empty Msg is a text too";
    EXPECT_EQ(GetLangMessage(dtClient, "TfrmOther", "sFont", "字型"), "字型") << "no pack";
    EXPECT_EQ(GetLangMessage(dtClient, "TfrmBaseRpt", "s]Font", "字型"), "字型") << "a name that is no identifier";
    WritePack("CHS", "TBroken", "<TBroken><sFont Msg=\"x\"></TBroken>");
    EXPECT_EQ(GetLangMessage(dtClient, "TBroken", "sFont", "字型"), "字型") << "a pack that does not parse";
}

TEST_F(LangFolderTest, PacksDeclaredInAChineseCodePageAreDecoded) {
    const std::string gb = rt::WideToCodePage("<?xml version=\"1.0\" encoding=\"GB2312\"?>"
                                              "<TfrmBaseGene><sProjectName Msg=\"方案名称\"/></TfrmBaseGene>",
                                              936);
    WritePack("CHS", "TfrmBaseGene", gb);
    EXPECT_EQ(GetLangMessage(dtClient, "TfrmBaseGene", "sProjectName", "?"), "方案名称");
    EXPECT_EQ(hemr::DeclaredLangCodePage("<?xml version='1.0' encoding='big5'?><a/>"), 950);
    EXPECT_EQ(hemr::DeclaredLangCodePage("<?xml version='1.0' encoding='UTF-8'?><a/>"), 0);
}

TEST(LangSegment, IndexFollowsTheUnderscore) {
    EXPECT_EQ(hemr::ParseLangSegment("Items_3").Base, "Items");
    EXPECT_EQ(hemr::ParseLangSegment(" Items_3 ").Index, 3);
    EXPECT_EQ(hemr::ParseLangSegment("Items_x").Index, -1) << "no number";
    EXPECT_EQ(hemr::ParseLangSegment("Items_-2").Index, -1) << "negative numbers are no index";
    EXPECT_EQ(hemr::ParseLangSegment("Caption").Index, -1);
    EXPECT_TRUE(hemr::IsIndexedLangName("COLUMNS"));
    EXPECT_FALSE(hemr::IsIndexedLangName("Lines"));
}

}  // namespace
}  // namespace hemr_test
