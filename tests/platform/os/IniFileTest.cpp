#include "platform/os/IniFile.h"

#include "tests/platform/os/TempFolder.h"

#include <gtest/gtest.h>

#include <thread>

using namespace rt;
using rt::test::TempFolder;

namespace {

const char* const KestrelC =
    "\xEF\xBB\xBF; client settings\r\n"
    "orphan=before any section\r\n"
    "[Client Components]\r\n"
    "  LangType =  CHS  \r\n"
    "[CodePage]\r\n"
    "UICodePage=\"950\"\r\n"
    "DBCodePage='936'\r\n"
    "Mismatched=\"936'\r\n"
    "Inner=a \"b\" c\r\n"
    "Empty=\r\n"
    "OnlyQuotes=\"\"\r\n"
    "[server information]\r\n"
    "ComputerName=srv1;srv2;\r\n"
    "ServerPort=0x00D4\r\n"
    "Negative=-12\r\n"
    "Dollar=$1A\r\n"
    "Partial=12abc\r\n"
    "Huge=99999999999\r\n"
    "AllBits=0xFFFFFFFF\r\n"
    "computername=shadowed\r\n"
    "SupportCallBack=1\r\n"
    "[WorkDLLPath]\r\n"
    "Path1 = C_PKG\r\n"
    "; a comment inside\r\n"
    "\\Extra\\\r\n"
    "\r\n"
    "Path2=D:\\NVR\\PKG\r\n"
    "[CodePage]\r\n"
    "UICodePage=437\r\n"
    "Later=only in the second section\r\n"
    "[Empty Section]\r\n";

class IniFileTest : public ::testing::Test {
protected:
    TempFolder temp_;
    std::string file_ = temp_.Write("KestrelC.ini", KestrelC);
    TIniFile ini_{file_};
};

}  // namespace

TEST_F(IniFileTest, TrimmingQuotesAndCase) {
    EXPECT_EQ(ini_.FileName(), file_);
    EXPECT_EQ(ini_.ReadString("Client Components", "LangType", "ENG"), "CHS");
    EXPECT_EQ(ini_.ReadString("CLIENT COMPONENTS", "langtype", "ENG"), "CHS");
    EXPECT_EQ(ini_.ReadString("CodePage", "UICodePage", ""), "950");
    EXPECT_EQ(ini_.ReadString("CodePage", "DBCodePage", ""), "936");
    EXPECT_EQ(ini_.ReadString("CodePage", "Mismatched", ""), "\"936'") << "only a matching pair is stripped";
    EXPECT_EQ(ini_.ReadString("CodePage", "Inner", ""), "a \"b\" c");
    EXPECT_EQ(ini_.ReadString("CodePage", "Empty", "dflt"), "") << "an empty value is a value";
    EXPECT_EQ(ini_.ReadString("CodePage", "OnlyQuotes", "dflt"), "");
}

TEST_F(IniFileTest, FirstSectionAndFirstKeyWin) {
    EXPECT_EQ(ini_.ReadString("Server Information", "ComputerName", ""), "srv1;srv2;");
    EXPECT_EQ(ini_.ReadString("CodePage", "UICodePage", ""), "950") << "the second [CodePage] is shadowed";
    EXPECT_EQ(ini_.ReadString("CodePage", "Later", "dflt"), "dflt");
    EXPECT_EQ(ini_.ReadSections(),
              (std::vector<std::string>{"Client Components", "CodePage", "server information", "WorkDLLPath",
                                        "Empty Section"}));
    EXPECT_EQ(ini_.ReadString("", "orphan", "dflt"), "dflt") << "lines before any section belong to none";
}

TEST_F(IniFileTest, Integers) {
    const char* s = "Server Information";
    EXPECT_EQ(ini_.ReadInteger(s, "ServerPort", 211), 212) << "hexadecimal after 0x";
    EXPECT_EQ(ini_.ReadInteger(s, "Negative", 0), -12);
    EXPECT_EQ(ini_.ReadInteger(s, "Dollar", 0), 26);
    EXPECT_EQ(ini_.ReadInteger(s, "Partial", 7), 7) << "trailing letters make it unparsable";
    EXPECT_EQ(ini_.ReadInteger(s, "Huge", 7), 7) << "out of range";
    EXPECT_EQ(ini_.ReadInteger(s, "AllBits", 7), -1);
    EXPECT_EQ(ini_.ReadInteger(s, "Missing", 211), 211);
    EXPECT_EQ(ini_.ReadInteger("CodePage", "UICodePage", 0), 950) << "quotes stripped before parsing";
    EXPECT_TRUE(ini_.ReadBool(s, "SupportCallBack", false));
    EXPECT_FALSE(ini_.ReadBool(s, "Missing", false));
    EXPECT_TRUE(ini_.ReadBool("Client Components", "LangType", true)) << "not a number: default";
}

TEST_F(IniFileTest, WholeSectionReads) {
    EXPECT_EQ(ini_.ReadSection("WorkDLLPath"), (std::vector<std::string>{"Path1", "\\Extra\\", "Path2"}));
    EXPECT_EQ(ini_.ReadSectionValues("workdllpath"),
              (std::vector<std::string>{"Path1 = C_PKG", "\\Extra\\", "Path2=D:\\NVR\\PKG"}))
        << "raw lines, the line without '=' kept, the comment dropped";
    EXPECT_EQ(ini_.ReadSection("Server Information").size(), 8u) << "the shadowed duplicate key is listed once";
    EXPECT_EQ(ini_.ReadString("WorkDLLPath", "\\Extra\\", "dflt"), "dflt") << "a key without '=' has no value";
    EXPECT_TRUE(ini_.ValueExists("WorkDLLPath", "path2"));
    EXPECT_FALSE(ini_.ValueExists("WorkDLLPath", "Path3"));
    EXPECT_TRUE(ini_.SectionExists("codepage"));
    EXPECT_FALSE(ini_.SectionExists("Empty Section")) << "a section without keys does not count";
    EXPECT_FALSE(ini_.SectionExists("Nowhere"));
    EXPECT_TRUE(ini_.ReadSectionValues("Nowhere").empty());
}

TEST(IniFile, MissingFileGivesDefaults) {
    TempFolder temp;
    TIniFile ini(temp.File("KestrelS.ini"));
    EXPECT_EQ(ini.ReadString("DBE Setting", "MainUserName", "sa"), "sa");
    EXPECT_EQ(ini.ReadInteger("DBE Setting", "MainConnectionTimeOut", 300), 300);
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_TRUE(ini.ReadSection("WorkDLLPath").empty());
}

TEST(IniFile, ChangedFileIsReadAgain) {
    TempFolder temp;
    std::string file = temp.Write("x.ini", "[A]\nk=1\n");
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    temp.Write("x.ini", "[A]\nk=22\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "22");
    std::filesystem::remove(file);
    EXPECT_EQ(ini.ReadString("A", "k", "gone"), "gone");
}
