#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/comctrls/TListColumns.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TApplication.h"
#include "platform/sysutils/FormatSettings.h"
#include "platform/classes/TStringList.h"
#include "platform/stdctrls/TButton.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "tests/src/framework/GeneFormFixture.h"
#include "tests/platform/forms/UserClick.h"

namespace {

using hemr_test::FullParams;
using hemr_test::GeneFormTest;
using hemr_test::TfrmGeneTest;

using BaseGeneInitTest = GeneFormTest;

TEST_F(BaseGeneInitTest, FullParametersConnectTheLocalServerAndReadTheSession) {
    TfrmGeneTest* form = NewForm();
    ASSERT_TRUE(form->InitForm(FullParams())) << DialogTexts();
    EXPECT_EQ(form->UserID(), "796");
    EXPECT_EQ(form->CompanyID(), "KWTest60");
    EXPECT_EQ(form->DbName(), "KWDB");
    EXPECT_EQ(form->ProgramCode(), "HEMR07") << "from the module file Hemr07C.so";
    EXPECT_EQ(form->ServerProgID(), "HEMR07S.Class1");
    EXPECT_EQ(form->ProgramName(), "员工年龄分布表");
    EXPECT_TRUE(form->WantLog());
    EXPECT_EQ(form->SystemVersion(), "9.0");
    EXPECT_EQ(form->ProductID(), 7);
    EXPECT_EQ(form->VersionText(), "870401-0.00.00") << "the generic form's own version";
    EXPECT_EQ(form->DateFields(), "edPrintDate");
    EXPECT_EQ(form->ConditionCount(), 1) << "the system row alone";
    EXPECT_TRUE(form->LocalServer());
    EXPECT_TRUE(form->SchemeServer().IsDispatch());
    EXPECT_EQ(form->ErrorCodes(), "") << "no E;000036 for frmHemr07 and HEMR07";
    EXPECT_TRUE(Dialogs().Dialogs().empty()) << DialogTexts();
    EXPECT_FALSE(form->Session().F2Window().IsDispatch()) << "no F2 window without service flag 4";
}

TEST_F(BaseGeneInitTest, CreationSetsTheHintTimeEmptiesTheDateEnvironmentAndTheHostWindowFollowsTheForm) {
    rt::Application().SetHintHidePause(0);
    TfrmGeneTest* form = NewForm();
    EXPECT_EQ(rt::Application().HintHidePause(), 500000);
    EXPECT_EQ(form->DateEnvironment().Count(), 0);

    rt::TForm host(nullptr);
    host.Show();
    ASSERT_TRUE(form->InitForm(rt::Variant::ArrayOf({"796", "KWTest60", "KWDB", host.Handle(), ""})));
    ASSERT_EQ(form->HostWindow(), host.Handle());
    const int painted = host.PaintCount();
    form->SetBounds(form->Left() + 10, form->Top(), form->Width(), form->Height());
    EXPECT_EQ(host.PaintCount(), painted + 1) << "moving the form repaints the shell's window";
    form->SetBounds(form->Left(), form->Top(), form->Width() + 20, form->Height());
    EXPECT_EQ(host.PaintCount(), painted + 2) << "resizing it too";
}

// The locale here writes its dates 08.12.2026; code page 936 keeps the toolkit's '/'.
TEST_F(BaseGeneInitTest, UnderCodePage950TheDateSeparatorComesFromTheLocale) {
    const std::string locales = Client() + "locales";
    std::filesystem::create_directories(locales);
    if (std::system(("localedef -i de_DE -f UTF-8 " + locales + "/de_DE.UTF-8 >/dev/null 2>&1").c_str()) < 0 ||
        !std::filesystem::exists(locales + "/de_DE.UTF-8")) {
        GTEST_SKIP() << "the locale sources are not installed";
    }
    rt::test::ScopedEnv path("LOCPATH", locales.c_str());
    rt::test::ScopedEnv locale("LC_ALL", "de_DE.UTF-8");
    NewForm();
    EXPECT_EQ(rt::FormatSettings().DateSeparator, '/') << "code page 936";
    {
        rt::test::ScopedEnv acp("NVR_ACP", "950");
        WriteFile(Client() + "KestrelC.ini", "[CodePage]\r\nUICodePage=437\r\n[Server Information]\r\n"
                                             "ComputerName=127.0.0.1\r\nServerPort=211\r\n");
        TfrmGeneTest* form = NewForm();
        EXPECT_EQ(form->GetSystemCodePage(), "950");
        EXPECT_EQ(rt::FormatSettings().DateSeparator, '.') << "code page 950 takes the locale's separator";
    }
    rt::ResetFormatSettings();
}

TEST_F(BaseGeneInitTest, ASecondInitFormChangesNothing) {
    TfrmGeneTest* form = NewForm();
    ASSERT_TRUE(form->InitForm(FullParams()));
    EXPECT_FALSE(form->InitForm(rt::Variant::ArrayOf({"1", "2", "3", 0, ""})));
    EXPECT_EQ(form->UserID(), "796");
    EXPECT_EQ(form->CompanyID(), "KWTest60");
}

TEST_F(BaseGeneInitTest, ThreeParametersReportE38ReadTheValuesAndClose) {
    TfrmGeneTest* form = NewForm();
    form->InitForm(rt::Variant::ArrayOf({"796", "KWTest60", "KWDB"}));
    EXPECT_EQ(form->ErrorCodes().rfind("E;000038", 0), 0u) << form->ErrorCodes();
    EXPECT_EQ(form->UserID(), "796");
    EXPECT_EQ(form->DbName(), "KWDB");
    EXPECT_EQ(form->HostWindow(), 0);
    rt::Application().ProcessMessages();
    EXPECT_FALSE(Alive(form)) << "the form closed itself";
}

TEST_F(BaseGeneInitTest, FewerThanThreeParametersFailWithoutReadingPastTheArray) {
    TfrmGeneTest* form = NewForm();
    EXPECT_FALSE(form->InitForm(rt::Variant::ArrayOf({"796", "KWTest60"})));
    EXPECT_EQ(form->CompanyID(), "");
    EXPECT_FALSE(form->InitForm(rt::Variant("not an array")));
    EXPECT_EQ(form->ErrorCodes(), "E;000038; ") << "each attempt starts with empty lists";
}

TEST_F(BaseGeneInitTest, AFormNotMatchingItsProgramReportsE36AndCloses) {
    TfrmGeneTest* form = NewForm("Hemr08C.so");
    form->SetName("frmCost01");
    EXPECT_TRUE(form->InitForm(FullParams())) << "the result stays true";
    EXPECT_EQ(form->ErrorCodes(), "E;000036; ");
    EXPECT_FALSE(form->SchemeServer().IsDispatch()) << "nothing is connected";
    rt::Application().ProcessMessages();
    EXPECT_FALSE(Alive(form));
}

TEST_F(BaseGeneInitTest, NoServerComponentOrNoServerReportsE6AndFails) {
    auto* bare = NewForm<hemr::TfrmBaseGene>("BaseGnC.so");
    EXPECT_FALSE(bare->InitForm(FullParams())) << "the generic form names no server component";
    EXPECT_EQ(bare->ErrorCodes(), "E;000006; ");

    WriteClientConfiguration("127.0.0.9");
    TfrmGeneTest* form = NewForm();
    // Nothing listens there: the connection fails and the form closes.
    EXPECT_FALSE(form->InitForm(rt::Variant::ArrayOf({"796", "KWTest60", "KWDB", 0, ""})));
    EXPECT_NE(form->ErrorCodes().find("E;000006"), std::string::npos) << form->ErrorCodes();
    rt::Application().ProcessMessages();
    EXPECT_FALSE(Alive(form));
    EXPECT_FALSE(Alive(bare));
}

TEST_F(BaseGeneInitTest, ServiceFlagFourFetchesTheF2Window) {
    struct TF2Form : TfrmGeneTest {
        using TfrmGeneTest::TfrmGeneTest;
        void InitSettings() override {
            TfrmGeneTest::InitSettings();
            SetServiceFlags(4);
        }
    };
    auto* form = NewForm<TF2Form>();
    ASSERT_TRUE(form->InitForm(FullParams()));
    EXPECT_TRUE(form->Session().F2Window().IsDispatch());
}

TEST_F(BaseGeneInitTest, ConditionCountCountsTheSystemRowsOnce) {
    TfrmGeneTest* form = NewForm();
    ASSERT_TRUE(form->InitForm(FullParams()));
    form->SetConditionCount(12);
    EXPECT_EQ(form->ConditionCount(), 13);
    TfrmGeneTest* report = NewForm();
    ASSERT_TRUE(report->InitForm(FullParams()));
    report->SetSystemRowCount(4);
    report->SetConditionCount(0);
    report->SetConditionCount(12);
    EXPECT_EQ(report->ConditionCount(), 16);
    report->SetConditionCount(5);
    EXPECT_EQ(report->ConditionCount(), 5) << "once the rows outnumber the system rows the count is taken as given";
}

TEST_F(BaseGeneInitTest, ShowingSetsTheCaptionAndListsTheSchemes) {
    server->schemes = {{"月报", "20240102"}, {"年报", "20231231"}};
    TfrmGeneTest* form = NewForm();
    ASSERT_TRUE(form->InitForm(FullParams()));
    form->Show();
    EXPECT_EQ(form->Caption(), "员工年龄分布表[9.0]");
    ASSERT_NE(server->Last("LoadTable"), nullptr);
    EXPECT_EQ(rt::VarToStr(server->Last("LoadTable")->args[0][1]), "HEMR07");
    ASSERT_NE(form->lstCondition, nullptr);
    EXPECT_EQ(form->lstCondition->Items()->Count(), 2);
    EXPECT_EQ(form->lstCondition->Columns()->Count(), 2);
    EXPECT_EQ(form->ClientDataSet1().ProviderName(), "pvdConSave");
    EXPECT_EQ(form->ClientDataSet1().IndexFieldNames(), "NCONDITION;CREATOR;PROGRAMME");
}

TEST_F(BaseGeneInitTest, CancelClosesWithTheCancelResult) {
    TfrmGeneTest* form = NewForm();
    ASSERT_TRUE(form->InitForm(FullParams()));
    EXPECT_TRUE(rt::test::UserClick(form->btnCancel));
    EXPECT_FALSE(Alive(form));
    EXPECT_EQ(ClosedResultCode(), 2);
}

}  // namespace
