// The report output form: its defaults, the output options, the date
// layouts, the run buttons' rules, and the system rows it adds.

#include <gtest/gtest.h>

#include "platform/buttons/TSpeedButton.h"
#include "platform/lists/TComboBox.h"
#include "platform/lists/TItemStrings.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TGroupBox.h"
#include "src/controls/F2Button.h"
#include "src/environment/CodeConverter.h"
#include "tests/src/shell/BaseRptFixture.h"
#include "tests/platform/forms/UserClick.h"

namespace hemr_test {
namespace {

// A user's press on the toggle: the button goes down (or up), then its click runs.
void TogglePeriod(TfrmRptTest& form) { EXPECT_TRUE(rt::test::UserClick(form.btnPeriod)); }

TEST_F(BaseRptTest, NewFormHasTheReportDefaults) {
    TfrmRptTest* form = ReadyForm();
    EXPECT_EQ(form->OutputFlags(), hemr::ofReportFile) << "only the report file is generated at first";
    EXPECT_EQ(form->ExtName(), "");
    EXPECT_EQ(form->ProgramKind(), "R");
    EXPECT_EQ(form->EnvCount(), 14);
    EXPECT_EQ(form->SystemRowCount(), 4);
    EXPECT_EQ(form->ConditionCount(), 6) << "two rows of the form and four system rows";
    EXPECT_TRUE(form->chkView->Checked());
    EXPECT_FALSE(form->chkHTML->Checked());
    EXPECT_FALSE(form->chkDirectPrint->Enabled()) << "direct print is not offered";
    ASSERT_EQ(form->cboDateType->Items()->Count(), 5);
    EXPECT_EQ(form->cboDateType->ItemIndex(), 0) << "the user's layout 1";
    EXPECT_EQ(form->btnOk->Caption(), "后台处理");
    EXPECT_EQ(form->edNoteID->MaxLength(), 6);
    for (rt::TCustomEdit* e : {form->edNote1, form->edNote2, form->edNote3, form->edSignIn1, form->edSignIn3})
        EXPECT_EQ(e->MaxLength(), 255) << e->Name();
    EXPECT_TRUE(form->btnQuery->Enabled()) << "the local server allows the direct query";
    EXPECT_TRUE(form->btnDesign->Enabled());
    EXPECT_EQ(form->btnWebDesign->Left(), form->btnPeriod->Left() + form->btnPeriod->Width() + 15);
    EXPECT_EQ(form->Width(), 585 + 80) << "the form grows by 80 pixels";
}

TEST_F(BaseRptTest, OutputFlagsFollowTheBoxesAndTheLastBoxCannotBeCleared) {
    TfrmRptTest* form = ReadyForm();
    form->chkHTML->SetChecked(true);
    EXPECT_EQ(form->OutputFlags(), hemr::ofReportFile | hemr::ofHtml);
    form->chkView->SetChecked(false);
    EXPECT_EQ(form->OutputFlags(), hemr::ofHtml);
    EXPECT_TRUE(Dialogs().Dialogs().empty()) << "no message while a box is left";

    form->chkHTML->SetChecked(false);
    ASSERT_EQ(Dialogs().Dialogs().size(), 1u) << "unchecking the last box is refused with a message";
    EXPECT_EQ(Dialogs().Dialogs()[0].Kind, rt::mtInformation);
    EXPECT_NE(Dialogs().Dialogs()[0].Text.find("至少要选一种报表生成选项"), std::string::npos);
    EXPECT_EQ(form->OutputFlags(), hemr::ofHtml) << "flags unchanged";
    EXPECT_TRUE(form->chkHTML->Checked()) << "the box shows what is still sent";
}

TEST_F(BaseRptTest, RepublicLayoutsAreDroppedUnderSetting026) {
    fake->counter->settings.push_back({"SYS026", "2"});
    TfrmRptTest* form = ReadyForm();
    ASSERT_EQ(form->cboDateType->Items()->Count(), 3);
    EXPECT_EQ(form->cboDateType->Items()->Strings(2), "公历 DDMMYYYY");
}

TEST_F(BaseRptTest, RepublicLayoutChosenByTheUserIsClearedWhenDropped) {
    fake->counter->settings = {{"NVR002", "9.0"}, {"Sys001", "5"}, {"Sys002", "/"}, {"SYS026", "2"}};
    TfrmRptTest* form = ReadyForm();
    EXPECT_EQ(form->cboDateType->ItemIndex(), -1) << "no layout that is no longer listed stays chosen";
}

TEST_F(BaseRptTest, WebReportButtonHiddenBySetting181) {
    fake->counter->settings.push_back({"SYS181", "N"});
    TfrmRptTest* form = ReadyForm();
    form->Show();
    EXPECT_FALSE(form->btnWebDesign->Visible());
    EXPECT_EQ(form->btnNote->F2Control(), form->edNoteID) << "the lookup buttons are bound at show";
    EXPECT_EQ(form->btnSignIn->F2Control(), form->edSignInID);
}

TEST_F(BaseRptTest, WebReportButtonShownOtherwise) {
    fake->counter->settings.push_back({"SYS181", "Y"});
    TfrmRptTest* form = ReadyForm();
    form->Show();
    EXPECT_TRUE(form->btnWebDesign->Visible());
}

TEST_F(BaseRptTest, RunOptionsRecordBarsTheDirectQueryAlsoAfterThePeriodToggle) {
    fake->validator->rows["ADMMB"] = rt::Variant::ArrayOf({"员工年龄分布表", "R", "", "Y", "Y"});
    TfrmRptTest* form = ReadyForm();
    EXPECT_FALSE(form->btnQuery->Enabled()) << "field 3 = Y bars the direct query";
    EXPECT_TRUE(form->btnDesign->Enabled());

    TogglePeriod(*form);
    ASSERT_TRUE(form->PeriodMode());
    EXPECT_FALSE(form->btnQuery->Enabled());
    EXPECT_FALSE(form->btnDesign->Enabled()) << "period mode disables the run buttons";
    EXPECT_FALSE(form->btnWebDesign->Enabled());

    TogglePeriod(*form);
    ASSERT_FALSE(form->PeriodMode());
    EXPECT_TRUE(form->btnDesign->Enabled());
    EXPECT_TRUE(form->btnWebDesign->Enabled());
    EXPECT_FALSE(form->btnQuery->Enabled()) << "still barred after the toggle";
}

TEST_F(BaseRptTest, PeriodToggleGivesTheDirectQueryBackWhenNotBarred) {
    TfrmRptTest* form = ReadyForm();
    TogglePeriod(*form);
    EXPECT_FALSE(form->btnQuery->Enabled());
    TogglePeriod(*form);
    EXPECT_TRUE(form->btnQuery->Enabled());
}

TEST_F(BaseRptTest, EnvironmentAndSystemRowsCarryTheOutputOptions) {
    fake->validator->rows["CMSMT"] = rt::Variant::ArrayOf(
        {"F01", "Y", "N", "页脚甲", "页脚乙", "页脚丙", "S01", "Y", "N", "签核甲", "签核乙", "签核丙"});
    TfrmRptTest* form = ReadyForm();
    form->chkHTML->SetChecked(true);
    form->chkSignInEPPrint->SetChecked(true);
    form->cboDateType->SetItemIndex(2);
    ASSERT_TRUE(form->BuildConditionArray());
    const rt::Variant& array = form->ConditionArray();
    const rt::Variant& env = array[0];
    EXPECT_EQ(env.HighBound(), 14);
    EXPECT_EQ(env[13].ToInt(), 3) << "report file and HTML";
    EXPECT_EQ(Text(env[14]), "") << "no extension name";

    const rt::Variant captions = rt::Variant(array[1]);
    const rt::Variant values = rt::Variant(array[2]);
    ASSERT_EQ(captions.HighBound(), 6);
    // The converter hands the rows over in the database's code page; read them back as text.
    const auto caption = [&](int row, int i) { return Text(form->NvConverter()->DBToUI(captions[row])[i]); };
    const auto value = [&](int row) { return form->NvConverter()->DBToUI(values[row]); };
    EXPECT_EQ(caption(3, 0), "签核");
    EXPECT_EQ(caption(3, 1), "grpSignIn");
    EXPECT_EQ(caption(4, 0), "页脚");
    EXPECT_EQ(caption(4, 1), "grpNote");
    EXPECT_EQ(caption(5, 0), "日期类型");
    EXPECT_EQ(caption(5, 1), "cboDateType");
    EXPECT_EQ(caption(6, 1), "edPrintDate") << "the print date stays the last row";

    const rt::Variant signIn = value(3);
    ASSERT_EQ(signIn.ElementCount(), 6);
    EXPECT_EQ(Text(signIn[0]), "每页打印签核");
    EXPECT_TRUE(signIn[1].ToBool());
    EXPECT_EQ(Text(signIn[2]), "S01");
    EXPECT_EQ(Text(signIn[3]), "签核甲");
    EXPECT_EQ(Text(signIn[5]), "签核丙");
    const rt::Variant note = value(4);
    EXPECT_EQ(Text(note[0]), "每页打印页脚");
    EXPECT_FALSE(note[1].ToBool());
    EXPECT_EQ(Text(note[2]), "F01");
    EXPECT_EQ(Text(note[4]), "页脚乙");
    const rt::Variant layout = value(5);
    EXPECT_EQ(layout[0].ToInt(), 3) << "item index + 1";
    EXPECT_EQ(Text(layout[1]), "公历 DDMMYYYY");
}

TEST_F(BaseRptTest, FixedLayoutFormAddsTheFontRowsAndHidesTheDirectQuery) {
    TfrmRptTest* form = ReadyForm([](TfrmRptTest& f) { f.fixedLayout = true; });
    EXPECT_EQ(form->SystemRowCount(), 7);
    EXPECT_EQ(form->ConditionCount(), 9);
    EXPECT_FALSE(form->btnQuery->Visible());
    ASSERT_TRUE(form->BuildConditionArray());
    const rt::Variant captions = form->NvConverter()->DBToUI(rt::Variant(form->ConditionArray()[1]));
    const rt::Variant values = form->NvConverter()->DBToUI(rt::Variant(form->ConditionArray()[2]));
    EXPECT_EQ(Text(captions[3][0]), "字型");
    EXPECT_EQ(Text(captions[3][1]), "");
    EXPECT_EQ(Text(captions[4][0]), "字型大小");
    EXPECT_EQ(Text(captions[5][0]), "报表可印宽度");
    EXPECT_EQ(Text(captions[6][1]), "grpSignIn");
    EXPECT_EQ(form->FontName(), "宋体") << "a simplified-Chinese interface on a simplified-Chinese system";
    EXPECT_EQ(Text(values[3]), "宋体");
    EXPECT_EQ(values[4].ToInt(), 0);
    EXPECT_EQ(values[5].ToInt(), 0);
}

TEST_F(BaseRptTest, TraditionalInterfaceOnASimplifiedSystemUsesMingLiU) {
    WriteFile(Client() + "KestrelC.ini",
              "[CodePage]\r\nUICodePage=950\r\n[Server Information]\r\nComputerName=127.0.0.1\r\nServerPort=211\r\n");
    TfrmRptTest* form = ReadyForm([](TfrmRptTest& f) { f.fixedLayout = true; });
    ASSERT_EQ(form->GetUIConvertMode(), 2);
    EXPECT_EQ(form->FontName(), "MingLiU");
}

TEST_F(BaseRptTest, PropertyListNamesTheFooterAndSignOffControls) {
    TfrmRptTest* form = ReadyForm();
    form->SetPropertyList("");
    form->BuildControlPropertyList();
    const std::string list = form->PropertyList();
    const size_t note = list.find("edNoteID.text;");
    const size_t sign = list.find("edSignInID.text;");
    ASSERT_NE(note, std::string::npos) << list;
    ASSERT_NE(sign, std::string::npos) << list;
    EXPECT_LT(note, sign) << "footer before sign-off";
    EXPECT_NE(list.find("edNoteID.text;edNote1.text;edNote2.text;edNote3.text;chkNoteEPPrint.checked;edSignInID.text;"),
              std::string::npos)
        << list;
    EXPECT_NE(list.find("edSignIn3.text;"), std::string::npos);
    EXPECT_EQ(list.find("cboDateType"), std::string::npos) << "the system page is not saved";
}

TEST_F(BaseRptTest, ResetOutputOptionsClearsDirectPrint) {
    TfrmRptTest* form = ReadyForm();
    form->chkDirectPrint->SetChecked(true);
    EXPECT_EQ(form->OutputFlags(), hemr::ofReportFile | hemr::ofDirectPrint);
    form->ResetOutputOptions();
    EXPECT_FALSE(form->chkDirectPrint->Checked());
    EXPECT_EQ(form->OutputFlags(), hemr::ofReportFile);
}

}  // namespace
}  // namespace hemr_test
