#include <gtest/gtest.h>

#include <cmath>

#include "platform/buttons/TSpeedButton.h"
#include "platform/graphics/TBitmap.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TInputInjector.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/stdctrls/TRadioButton.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/FormatSettings.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/NvRadioButton.h"
#include "tests/platform/forms/UserClick.h"
#include "tests/src/shell/BaseOptFixture.h"

namespace {

using hemr_test::BaseOptTest;
using hemr_test::TfrmOptTest;

constexpr const char* kOneRecipient =
    R"(<?xml version="1.0" encoding="GB2312"?><Root><R1 ID="796" Name="" Type="5" Msg="YNN"/></Root>)";

using BaseOptScheduleTest = BaseOptTest;

TEST_F(BaseOptScheduleTest, AtTimeMakesTheDateRequiredAndTheQueueTakesItBackKeepingTheProgramsFields) {
    TfrmOptTest* form = OptForm();
    ASSERT_EQ(form->RequiredFields(), "ed03");
    EXPECT_FALSE(form->pnlTime->Enabled());
    form->rdoExceptTime->SetChecked(true);
    EXPECT_TRUE(form->pnlTime->Enabled());
    EXPECT_EQ(form->TimeFields(), "edDate");
    EXPECT_EQ(form->RequiredFields(), "edDate,ed03");

    // The program redeclaring its own fields keeps the schedule's.
    form->SetRequiredFields("ed03");
    EXPECT_EQ(form->RequiredFields(), "ed03,edDate");

    form->rdoQueue->SetChecked(true);
    EXPECT_FALSE(form->pnlTime->Enabled());
    EXPECT_EQ(form->TimeFields(), "");
    EXPECT_EQ(form->RequiredFields(), "ed03");
    form->rdoRealTime->SetChecked(true);
    EXPECT_EQ(form->RequiredFields(), "ed03") << "now behaves as the queue";
}

TEST_F(BaseOptScheduleTest, RequiredEntriesKeepTheirPartsAndUnknownNamesAreDropped) {
    TfrmOptTest* form = OptForm();
    form->SetRequiredFields("ed03;;1,edGone");
    form->SetScheduleRequiredFields("edDate,edHour");
    EXPECT_EQ(form->RequiredFields(), "edDate,edHour,ed03;;1")
        << "the program's entries are kept as they were; a name that is no control of the form is not";
    form->SetScheduleRequiredFields("edDate");
    EXPECT_EQ(form->RequiredFields(), "edDate,ed03;;1") << "the schedule's old group is replaced as a whole";
}

TEST_F(BaseOptScheduleTest, EnvironmentGivesTheStartModeAndTheRunMoment) {
    TfrmOptTest* form = OptForm();
    bool filled = false;
    form->rdoRealTime->SetChecked(true);
    rt::Variant env = Environment(*form, filled);
    ASSERT_TRUE(filled);
    EXPECT_EQ(env[10].ToInt(), 1);
    EXPECT_EQ(rt::VarToStr(env[9]), "R") << "the kind stays upper case outside period mode";

    form->rdoExceptTime->SetChecked(true);
    form->edDate->SetText("2024/03/15");
    form->edHour->SetText("9");
    form->edMin->SetText("30");
    form->edSec->SetText("5");
    env = Environment(*form, filled);
    ASSERT_TRUE(filled) << DialogTexts();
    EXPECT_EQ(env[10].ToInt(), 2);
    ASSERT_TRUE(env[11].IsDate());
    EXPECT_NEAR(env[11].ToDate(), rt::EncodeDateTime(2024, 3, 15, 9, 30, 5, 0), 1e-9);
    EXPECT_EQ(rt::FormatSettings().ShortDateFormat, "yyyy/mm/dd");
}

TEST_F(BaseOptScheduleTest, AMomentThatCannotBeComputedFallsBackToTheQueueWithE5) {
    TfrmOptTest* form = OptForm();
    form->rdoExceptTime->SetChecked(true);
    bool filled = true;
    for (const char* date : {"2024/13/01", "", "tomorrow"}) {
        form->edDate->SetText(date);
        const rt::Variant env = Environment(*form, filled);
        EXPECT_FALSE(filled) << date;
        EXPECT_EQ(env[10].ToInt(), 0) << date;
    }
    EXPECT_NE(form->ErrorCodes().find("E;000005;生成时间;无法计算"), std::string::npos) << form->ErrorCodes();
    EXPECT_EQ(Dialogs().LastDialog()->Text, "日期错误: 生成时间 无法计算");

    form->edDate->SetText("2024/03/15");
    form->edHour->SetText("25");
    Environment(*form, filled);
    EXPECT_FALSE(filled) << "hour 25 is no time of day";
}

TEST_F(BaseOptScheduleTest, NotifyGivesTheOneRecipientDocumentAndKeepsIt) {
    TfrmOptTest* form = OptForm(true);
    ShowSystemPage(*form);
    EXPECT_FALSE(form->btnNotify->Enabled());
    EXPECT_TRUE(rt::test::UserClick(form->chkNotify));
    EXPECT_TRUE(form->chkNotify->Checked());
    EXPECT_TRUE(form->btnNotify->Enabled());
    EXPECT_EQ(form->NotifyXml(), kOneRecipient);
    bool filled = false;
    EXPECT_EQ(rt::VarToStr(Environment(*form, filled)[12]), kOneRecipient);

    EXPECT_TRUE(rt::test::UserClick(form->chkNotify));
    EXPECT_FALSE(form->btnNotify->Enabled());
    EXPECT_EQ(rt::VarToStr(Environment(*form, filled)[12]), "") << "unchecked sends no recipients";
    EXPECT_EQ(form->NotifyXml(), kOneRecipient) << "the document is kept";
    EXPECT_TRUE(rt::test::UserClick(form->chkNotify));
    EXPECT_EQ(form->NotifyXml(), kOneRecipient);
}

TEST_F(BaseOptScheduleTest, TheNotifyButtonReadsThePortalSettingsAndKeepsTheDocument) {
    TfrmOptTest* form = OptForm(true);
    fake->counter->counterAnswer = [](rt::DispatchArgs& a) {
        const std::string sql = rt::VarToStr(a[1][0]);
        const std::string value = sql.find("StartupPortal") != std::string::npos ? "Y" : "http://portal/ws";
        return rt::Variant::ArrayOf({rt::Variant::ArrayOf({value})});
    };
    ShowSystemPage(*form);
    EXPECT_TRUE(rt::test::UserClick(form->chkNotify));
    EXPECT_TRUE(rt::test::UserClick(form->btnNotify));
    EXPECT_EQ(form->PortalStartup(), "Y");
    EXPECT_EQ(form->PortalService(), "http://portal/ws");
    EXPECT_EQ(form->NotifyXml(), kOneRecipient);
    const auto* call = fake->counter->Last("GetCounter");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(rt::VarToStr(call->args[0]), "SIMPLESQL");
    EXPECT_EQ(rt::VarToStr(call->args[1][0]), "SELECT MA003 FROM NVRINTMA WHERE MA001='Portal WS' ");
    EXPECT_EQ(rt::VarToStr(call->args[1][1]), "MA003");

    fake->counter->counterAnswer = [](rt::DispatchArgs&) { return rt::Variant::ArrayOf(std::vector<rt::Variant>{}); };
    EXPECT_TRUE(rt::test::UserClick(form->btnNotify));
    EXPECT_EQ(form->PortalStartup(), "") << "an empty answer gives no setting";
}

TEST_F(BaseOptScheduleTest, F2InTheRunDateOpensTheDateWindow) {
    auto* form = OptForm<hemr_test::TfrmOptEmpty>(true);
    ShowSystemPage(*form);
    form->rdoExceptTime->SetChecked(true);
    form->edDate->SetFocus();
    fake->f2Window->inputDay = "20240315";
    rt::Input().PressKey(rt::VK_F2);
    EXPECT_EQ(form->edDate->GetText(), "2024/03/15");
    ASSERT_NE(fake->f2Window->Last("ShowInputDay"), nullptr);
}

TEST_F(BaseOptScheduleTest, TheSystemPageIsArrangedOnItsFirstShowing) {
    auto* form = OptForm<hemr_test::TfrmOptEmpty>(true);
    ShowSystemPage(*form);
    EXPECT_GE(form->Width(), 340);
    EXPECT_GE(form->Height(), 275);
    EXPECT_EQ(form->grpGenTime->BoundsRect(), rt::Bounds(8, 41, 220, 115));
    EXPECT_EQ(form->edPrintDate->TabOrder(), 0);
    EXPECT_EQ(form->grpGenTime->TabOrder(), 1);
    EXPECT_EQ(form->chkNotify->TabOrder(), 2);
    EXPECT_EQ(form->rdoRealTime->TabOrder(), 0);
    EXPECT_EQ(form->rdoQueue->TabOrder(), 1);
    EXPECT_EQ(form->rdoExceptTime->TabOrder(), 2);
    EXPECT_EQ(form->pnlTime->TabOrder(), 3);
    EXPECT_EQ(form->btnNotify->Left(), 108);
    EXPECT_TRUE(form->rdoQueue->Checked());
    // The module's own controls, and the notify button's picture from the glyph library.
    EXPECT_STREQ(form->rdoQueue->ClassName().c_str(), "TNvRadioButton");
    EXPECT_STREQ(form->chkNotify->ClassName().c_str(), "TBitCheckBox");
    ASSERT_NE(form->btnNotify->Glyph(), nullptr);
    EXPECT_FALSE(form->btnNotify->Glyph()->Empty()) << "btnNotify shows picture 39, not an empty square";
}

TEST_F(BaseOptScheduleTest, PeriodModeShowsItsPageAndRunsAtATime) {
    TfrmOptTest* form = OptForm();
    EXPECT_FALSE(form->tsPeriodOption->TabVisible());
    EXPECT_TRUE(rt::test::UserClick(form->btnPeriod));
    EXPECT_TRUE(form->btnPeriod->Down());
    ASSERT_TRUE(form->PeriodMode());
    EXPECT_TRUE(form->tsPeriodOption->TabVisible());
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsPeriodOption);
    EXPECT_FALSE(form->grpGenTime->Enabled());
    EXPECT_TRUE(form->rdoExceptTime->Checked());
    EXPECT_EQ(form->ProgramRequiredFields(), "ed03");
    EXPECT_EQ(form->RequiredFields(), "edDate,ed03");
    EXPECT_FALSE(form->PeriodPagePending()) << "the page was prepared";

    bool filled = true;
    const rt::Variant env = Environment(*form, filled);
    EXPECT_EQ(rt::VarToStr(env[9]), "r") << "a periodic job carries the kind in lower case";
    form->edDate->SetText("2024/03/15");  // the required run date, so that only the period block is missing
    EXPECT_TRUE(rt::test::UserClick(form->btnOk)) << DialogTexts();
    EXPECT_EQ(jobs->Last("Request"), nullptr) << "no periodic job goes out without its period block";

    EXPECT_TRUE(rt::test::UserClick(form->btnPeriod));
    EXPECT_FALSE(form->btnPeriod->Down());
    EXPECT_FALSE(form->tsPeriodOption->TabVisible());
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1);
    EXPECT_TRUE(form->grpGenTime->Enabled());
    EXPECT_TRUE(form->rdoQueue->Checked());
    EXPECT_EQ(form->RequiredFields(), "ed03");
    EXPECT_TRUE(rt::test::UserClick(form->btnOk));
    EXPECT_NE(jobs->Last("Request"), nullptr) << "back to a plain job";
}

}  // namespace

namespace {

// The period page's start date and run time, with a rule the test chooses.
class TfrmOptPeriod : public hemr_test::TfrmOptRecording {
    RT_CLASS(TfrmOptPeriod, hemr_test::TfrmOptRecording)
public:
    explicit TfrmOptPeriod(rt::TComponent* owner) : hemr_test::TfrmOptRecording(owner) {}
    void BuildPeriodRule() override { SetPeriodRule(rule); }
    rt::Variant rule;
};

constexpr const char* kPeriodResource = R"(inherited frmHemr07: TfrmOptPeriod
  inherited pgOption: TExtPageControl
    inherited tsPeriodOption: TTabSheet
      object sePeriodHour: TNvSpinEdit
        TabOrder = 0
      end
      object sePeriodMin: TNvSpinEdit
        TabOrder = 1
      end
      object meStartDate: TMaskEdit
        TabOrder = 2
      end
    end
  end
end
)";

class BaseOptPeriodTest : public BaseOptTest {
protected:
    void SetUp() override {
        BaseOptTest::SetUp();
        rt::RegisterFormResource("TfrmOptPeriod", kPeriodResource);
        form = OptForm<TfrmOptPeriod>(true);
        rt::Input().Click(form->btnPeriod);
        static_cast<rt::TControl*>(form->FindComponent("meStartDate"))->SetText("2024/03/15");
        static_cast<rt::TControl*>(form->FindComponent("sePeriodHour"))->SetText("8");
        static_cast<rt::TControl*>(form->FindComponent("sePeriodMin"))->SetText("5");
    }
    void TearDown() override {
        rt::UnregisterFormResource("TfrmOptPeriod");
        BaseOptTest::TearDown();
    }
    TfrmOptPeriod* form = nullptr;
};

TEST_F(BaseOptPeriodTest, TheToggleButtonSwitchesPeriodModeOnAndOff) {
    ASSERT_TRUE(form->PeriodMode()) << "a click puts the button down";
    EXPECT_TRUE(form->tsPeriodOption->TabVisible());
    rt::Input().Click(form->btnPeriod);
    EXPECT_FALSE(form->PeriodMode()) << "a second click releases it";
    EXPECT_FALSE(form->tsPeriodOption->TabVisible());
}

TEST_F(BaseOptPeriodTest, APeriodicJobRunsFromItsFirstRunDateAtThePagesTime) {
    form->rule = rt::Variant::ArrayOf({static_cast<int>(hemr::pkDaily), "1"});
    bool filled = false;
    const rt::Variant env = Environment(*form, filled);
    ASSERT_TRUE(filled) << DialogTexts();
    EXPECT_EQ(form->FirstRunDate(), "20240315");
    EXPECT_EQ(env[10].ToInt(), 2);
    EXPECT_NEAR(env[11].ToDate(), rt::EncodeDateTime(2024, 3, 15, 8, 5, 0, 0), 1e-9);
    EXPECT_EQ(form->edHour->GetText(), "8");
    EXPECT_EQ(form->edSec->GetText(), "00");
}

TEST_F(BaseOptPeriodTest, AnHourlyJobStartsNowAndAMissingFirstDateFails) {
    form->rule = rt::Variant::ArrayOf({hemr::pkHourly, 1.5});
    bool filled = false;
    rt::Variant env = Environment(*form, filled);
    ASSERT_TRUE(filled) << DialogTexts();
    EXPECT_EQ(env[10].ToInt(), 2);
    EXPECT_LT(std::fabs(env[11].ToDate() - rt::Now()), 1.0 / 24 / 60) << "item 11 stays now";

    form->rule = rt::Variant();
    env = Environment(*form, filled);
    EXPECT_FALSE(filled) << "no rule gives no first run date";
    EXPECT_EQ(env[10].ToInt(), 0);
    EXPECT_NE(form->ErrorCodes().find("E;000005;"), std::string::npos);
}

}  // namespace
