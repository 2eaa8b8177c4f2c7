#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "src/framework/BaseGeneU.h"
#include "src/framework/ServerLibraryRun.h"
#include "src/shell/ModuleForms.h"
#include "tests/platform/os/TempFolder.h"

namespace {

TEST(ProgramCodeOfModule, LibraryNamesLoseTheirKindLetterAndStayAtLeastSixLong) {
    EXPECT_EQ(hemr::ProgramCodeOfModule("/opt/x/Hemr07C.so"), "Hemr07");
    EXPECT_EQ(hemr::ProgramCodeOfModule("Hemr07C.DLL"), "Hemr07") << "names of the original system count as libraries";
    EXPECT_EQ(hemr::ProgramCodeOfModule("/bin/Hemr07CX"), "Hemr07") << "a file that is no library drops two";
    EXPECT_EQ(hemr::ProgramCodeOfModule("Abc.so"), "Abc.so") << "short names keep six characters";
}

TEST(HelpTopicOf, SystemAndKindLettersPickTheTopic) {
    EXPECT_EQ(hemr::HelpTopicOf("HEMR07"), "12070000");
    EXPECT_EQ(hemr::HelpTopicOf("INVAR1"), "62R10000") << "A: system 6, kind from the fifth letter";
    EXPECT_EQ(hemr::HelpTopicOf("COPMB3"), "83B30000");
    EXPECT_EQ(hemr::HelpTopicOf("HEMX07"), "") << "a kind other than B or R has no help";
    EXPECT_EQ(hemr::HelpTopicOf("HEM"), "") << "a missing kind letter has no help";
}

TEST(QuickDates, ThreeNumbersAreOrderedByLayout) {
    EXPECT_EQ(hemr::ConvertQuickDateText("2005/3/7", 1, "/"), "20050307");
    EXPECT_EQ(hemr::ConvertQuickDateText("3/7", 1, "/"), "3/7") << "two numbers stay as typed";
    EXPECT_EQ(hemr::ConvertQuickDateText("7/3/2005", 3, "/"), "20050307");
    EXPECT_EQ(hemr::ConvertQuickDateText("3/7/2005", 2, "/"), "20050307");
    EXPECT_EQ(hemr::ConvertQuickDateText("94/3/7", 4, "/"), "20050307");
    EXPECT_EQ(hemr::ConvertQuickDateText(" 2005-03-07 ", 1, "-"), "20050307");
    EXPECT_EQ(hemr::ConvertQuickDateText("    /  /  ", 1, "/"), "") << "the blank text is empty";
    EXPECT_EQ(hemr::ConvertQuickDateText("2005/3/7", 9, "/"), "") << "an unknown layout gives nothing";
}

TEST(QuickDates, MasksAndBlankTextsFollowTheLayout) {
    EXPECT_EQ(hemr::DateMaskOf(1, "/"), "9999/99/99;1; ");
    EXPECT_EQ(hemr::DateMaskOf(3, "-"), "99-99-9999;1; ");
    EXPECT_EQ(hemr::DateMaskOf(5, "/"), "999/99/99;1; ");
    EXPECT_EQ(hemr::DateMaskOf(7, "/"), "");
    EXPECT_EQ(hemr::BlankDateOf(1, "/"), "    /  /  ");
    EXPECT_EQ(hemr::BlankDateOf(4, "/"), "  /  /  ");
}

TEST(FormResources, TheClassComesFromTheFirstLine) {
    EXPECT_EQ(hemr::FormResourceClassName("inherited frmHemr07: TfrmHemr07\r\n  Caption = 'x'\r\nend\r\n"), "TfrmHemr07");
    EXPECT_EQ(hemr::FormResourceClassName("object NVForm: TNVForm\nend\n"), "TNVForm");
    EXPECT_EQ(hemr::FormResourceClassName("garbage\n"), "");
}

class ServerLibraryRunTest : public ::testing::Test {
protected:
    std::string Folder(const std::string& name, bool withLibrary) {
        const std::string folder = temp.Path() + "/" + name + "/";
        std::filesystem::create_directories(folder);
        if (withLibrary) std::ofstream(folder + "HEMR07S.so") << "not really a library";
        return folder;
    }
    hemr::TServerLibraryRun Runner(std::vector<std::string> folders, bool upToDate = true) {
        return hemr::TServerLibraryRun(
            std::move(folders), "HEMR07",
            [this](const std::string& name) {
                asked.push_back(name);
                return "<Modify>1</Modify>";
            },
            [this, upToDate](const std::string&, const std::string& path) {
                checked.push_back(path);
                return upToDate;
            });
    }
    rt::test::TempFolder temp;
    std::vector<std::string> asked;
    std::vector<std::string> checked;
};

TEST_F(ServerLibraryRunTest, TheFirstFolderHoldingAnUpToDateLibraryIsTaken) {
    const std::string empty = Folder("a", false);
    const std::string second = Folder("b", true);
    EXPECT_EQ(Runner({empty, second}).LocateLibrary(), second + "HEMR07S.so");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "hemr07s.dll") << "the session is asked by the lower-case original name";
}

TEST_F(ServerLibraryRunTest, WithoutAnyLibraryThePackageFolderIsCheckedAndAFailedCheckEndsIt) {
    const std::string plain = Folder("lib", false);
    const std::string package = Folder("S_PKG", false);
    EXPECT_EQ(Runner({plain, package}).LocateLibrary(), "") << "nothing arrived there";
    ASSERT_EQ(checked.size(), 1u);
    EXPECT_EQ(checked[0], package + "HEMR07S.so");
    EXPECT_EQ(Runner({Folder("c", true)}, false).LocateLibrary(), "") << "a failed update check";
    EXPECT_EQ(Runner({}).LocateLibrary(), "");
    std::string message;
    EXPECT_FALSE(Runner({Folder("d", true)}).Run(rt::Variant(), message)) << "a file that does not load";
}

TEST(ServerLibraryRun, OnlyTheOldSystemKeepsTheLibraryLoaded) {
    EXPECT_TRUE(hemr::TServerLibraryRun::KeepsLibraryLoaded("4.90.73010104"));
    EXPECT_FALSE(hemr::TServerLibraryRun::KeepsLibraryLoaded(hemr::SystemVersionText()));
}

}  // namespace
