#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

#include "platform/buttons/TBitBtn.h"
#include "platform/buttons/TSpeedButton.h"
#include "platform/graphics/TBitmap.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TInputInjector.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/lists/TComboBox.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/stdctrls/TRadioButton.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/FormatSettings.h"
#include "src/collaboration/NvNotify.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/NvRadioButton.h"
#include "tests/platform/forms/UserClick.h"
#include "tests/src/shell/BaseOptFixture.h"
#include "tests/support/BadInput.h"

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

TEST_F(BaseOptScheduleTest, TheNotifyButtonReadsThePortalSettingsAndOpensTheNotificationForm) {
    TfrmOptTest* form = OptForm(true);
    fake->counter->counterAnswer = [](rt::DispatchArgs& a) {
        const std::string sql = rt::VarToStr(a[1][0]);
        const std::string value = sql.find("StartupPortal") != std::string::npos ? "Y" : "http://portal/ws";
        return rt::Variant::ArrayOf({rt::Variant::ArrayOf({value})});
    };
    std::string opened;
    rt::Application().SetModalDriver([&opened](rt::TCustomForm& modal) {
        auto* notify = dynamic_cast<hemr::TfrmNotify*>(&modal);
        ASSERT_NE(notify, nullptr) << "the button opens the notification form";
        opened = notify->BuildReceiverXml();
        EXPECT_TRUE(rt::test::UserClick(notify->BitBtn1));
    });
    ShowSystemPage(*form);
    EXPECT_TRUE(rt::test::UserClick(form->chkNotify));
    EXPECT_TRUE(rt::test::UserClick(form->btnNotify));
    EXPECT_EQ(form->PortalStartup(), "Y");
    EXPECT_EQ(form->PortalService(), "http://portal/ws");
    EXPECT_EQ(opened, kOneRecipient) << "the form shows the document it was given";
    EXPECT_EQ(form->NotifyXml(), kOneRecipient) << "with the portal on, OK writes the portal receiver back as it was";
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

}  // namespace

namespace {

using V = rt::Variant;
const std::string kC3(1, '\3');

// The one-condition form with "ed03" as its date condition.
class TfrmOptDated : public TfrmOptTest {
    RT_CLASS(TfrmOptDated, TfrmOptTest)
public:
    explicit TfrmOptDated(rt::TComponent* owner) : TfrmOptTest(owner) {}
    void InitSettings() override {
        TfrmOptTest::InitSettings();
        SetDateFields("ed03");
    }
};

// Period mode on a shown form with one date condition, the clock fixed on
// Wednesday 2024-03-13 10:20.
class BaseOptPeriodTest : public BaseOptTest {
protected:
    void SetUp() override {
        BaseOptTest::SetUp();
        fake->messages["E;100082"] = "日期错误: %s 早于 %s";
        rt::SetClockOverride(rt::EncodeDateTime(2024, 3, 13, 10, 20, 0, 0));
        rt::RegisterFormResource("TfrmOptDated", "inherited frmHemr07: TfrmOptDated\nend\n");
        form = OptForm<TfrmOptDated>(true);
        form->SetCloseAfterOk(false);  // several jobs from one form
        EXPECT_TRUE(rt::test::UserClick(form->btnPeriod));
        form->sePeriodHour->SetText("8");
        form->sePeriodMin->SetText("5");
    }
    void TearDown() override {
        rt::SetClockOverride(std::nullopt);
        rt::UnregisterFormResource("TfrmOptDated");
        BaseOptTest::TearDown();
    }
    // Types `text` into `control` and leaves it for the start date.
    void TypeAndLeave(rt::TWinControl* control, const std::string& text) {
        control->SetFocus();
        control->SetText("");
        rt::Input().TypeText(text);
        form->sePeriodHour->SetFocus();
    }
    // Picks item `index` of a drop-down list with the arrow keys.
    static void Choose(rt::TComboBox* box, int index) {
        box->SetFocus();
        for (int i = box->ItemIndex(); i < index; ++i) rt::Input().PressKey(rt::VK_DOWN);
    }
    // The array the server was sent on OK.
    rt::Variant SubmittedArray() {
        EXPECT_TRUE(rt::test::UserClick(form->btnOk)) << DialogTexts();
        const auto* call = jobs->Last("Request");
        return call == nullptr ? V() : call->args[0];
    }
    TfrmOptDated* form = nullptr;
};

TEST_F(BaseOptPeriodTest, TogglingShowsThePageOffersTheDateConditionAndTogglesBack) {
    EXPECT_TRUE(form->tsPeriodOption->TabVisible());
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsPeriodOption);
    EXPECT_FALSE(form->grpGenTime->Enabled());
    EXPECT_TRUE(form->rdoExceptTime->Checked());
    EXPECT_EQ(form->ProgramRequiredFields(), "ed03");
    EXPECT_EQ(form->RequiredFields(), "meDay,meStartDate,edDate,ed03");
    EXPECT_EQ(form->meStartDate->GetText(), "2024/03/13");
    EXPECT_EQ(form->edDate->GetText(), "2024/03/13");
    EXPECT_GE(form->Width(), 538);
    EXPECT_GE(form->Height(), 424);
    ASSERT_EQ(form->cbocondition->Items()->Count(), 1) << "the framework's own date fields are never offered";
    EXPECT_EQ(form->cbocondition->Items()->Strings(0), "统计日期");
    EXPECT_EQ(form->ChangeDateRules().at(0), "1" + kC3 + "ed03" + kC3 + "N" + kC3 + "0" + kC3 + "0" + kC3 + "0" + kC3 +
                                                 "0" + kC3 + "D");
    EXPECT_TRUE(form->pnEdit->Visible());
    EXPECT_FALSE(form->seDay1->Enabled());

    EXPECT_TRUE(rt::test::UserClick(form->btnPeriod));
    EXPECT_FALSE(form->tsPeriodOption->TabVisible());
    EXPECT_TRUE(form->grpGenTime->Enabled());
    EXPECT_TRUE(form->rdoQueue->Checked());
    EXPECT_EQ(form->RequiredFields(), "ed03");
    static_cast<rt::TControl*>(form->FindComponent("ed03"))->SetText("2024/03/01");
    const rt::Variant plain = SubmittedArray();
    ASSERT_TRUE(plain.IsArray());
    EXPECT_EQ(plain.HighBound(), 2) << "a one-off job carries no period block";
}

TEST_F(BaseOptPeriodTest, CyclesShowTheirPanelAndSetTheirFields) {
    EXPECT_TRUE(rt::test::UserClick(form->rbEveryHour));
    EXPECT_TRUE(form->pnEveryHour->Visible());
    EXPECT_EQ(form->CycleFields(), "edEveryHour,meStartDate");
    EXPECT_TRUE(rt::test::UserClick(form->rdoEveryWeek));
    EXPECT_FALSE(form->pnEveryHour->Visible()) << "每周 after 每小时 hides the hourly panel";
    EXPECT_TRUE(form->pnWeek->Visible());
    EXPECT_EQ(form->pnWeek->Left(), form->pnDay->Left());
    EXPECT_EQ(form->RequiredFields(), "meWeek,meStartDate,edDate,ed03");
    EXPECT_TRUE(rt::test::UserClick(form->rbCycleRang_3));
    EXPECT_EQ(form->RangeFields(), "meEndDate");
    EXPECT_EQ(form->RequiredFields(), "meWeek,meStartDate,meEndDate,edDate,ed03");
    EXPECT_TRUE(rt::test::UserClick(form->rbCycleRang_1));
    TypeAndLeave(form->meCycleRang_2, "7");
    EXPECT_TRUE(form->rbCycleRang_2->Checked()) << "typing a count chooses that range";
    EXPECT_EQ(form->RangeFields(), "meCycleRang_2");

    // Switching again keeps the page as it was and replays the choices.
    const std::vector<std::string> rules = form->ChangeDateRules();
    EXPECT_TRUE(rt::test::UserClick(form->btnPeriod));
    EXPECT_TRUE(rt::test::UserClick(form->btnPeriod));
    EXPECT_TRUE(form->pnWeek->Visible());
    EXPECT_EQ(form->RequiredFields(), "meWeek,meStartDate,meCycleRang_2,edDate,ed03");
    EXPECT_EQ(form->ChangeDateRules(), rules);
    EXPECT_EQ(form->meCycleRang_2->GetText(), "7");
}

TEST_F(BaseOptPeriodTest, LeavingAControlCorrectsItsValue) {
    TypeAndLeave(form->meDay, "");
    EXPECT_EQ(form->meDay->GetText(), "1");
    EXPECT_TRUE(rt::test::UserClick(form->rdoEveryMonth));
    TypeAndLeave(form->meMonth_D, "45");
    EXPECT_EQ(form->meMonth_D->GetText(), "31");
    TypeAndLeave(form->meMonth_D, "0");
    EXPECT_EQ(form->meMonth_D->GetText(), "1");
    EXPECT_TRUE(rt::test::UserClick(form->rbEveryHour));
    TypeAndLeave(form->edEveryHour, ".1.5a.");
    EXPECT_EQ(form->edEveryHour->GetText(), "1.5") << "a leading dot, letters and a second dot are dropped";
    form->BuildPeriodRule();
    EXPECT_EQ(form->PeriodRule()[0].ToInt(), 3);
    EXPECT_DOUBLE_EQ(form->PeriodRule()[1].ToDouble(), 1.5);
    TypeAndLeave(form->edEveryHour, "0");
    EXPECT_EQ(form->edEveryHour->GetText(), "1");
}

TEST_F(BaseOptPeriodTest, AnEndDateBeforeTheStartIsRefusedAndBlocksTheScheme) {
    EXPECT_TRUE(rt::test::UserClick(form->rbCycleRang_3));
    TypeAndLeave(form->meEndDate, "20240301");
    EXPECT_NE(form->ErrorCodes().find("E;100082;退出日期;开始日期"), std::string::npos) << form->ErrorCodes();
    EXPECT_TRUE(form->HasError());
    EXPECT_TRUE(form->meEndDate->Focused()) << "the focus stays on the end date";
    EXPECT_TRUE(rt::test::UserClick(static_cast<rt::TControl*>(form->FindComponent("btnInsert"))));
    EXPECT_TRUE(form->dialogFields.empty()) << "no scheme is saved while the error stands";
    TypeAndLeave(form->meEndDate, "20240401");
    EXPECT_FALSE(form->HasError());
    EXPECT_TRUE(rt::test::UserClick(static_cast<rt::TControl*>(form->FindComponent("btnInsert"))));
    EXPECT_EQ(form->dialogFields.size(), 1u) << "with the error mended the scheme dialog opens";
    test_support::BadInput("form inputs", "a period end date before its start date",
                           "message E;100082, no scheme saved until mended");

    // Day first: "01/04/2024" sorts before "13/03/2024" as text but is the later date.
    fake->counter->settings = {{"NVR002", "9.0"}, {"Sys001", "3"}, {"Sys002", "/"}};
    form->GetSysSetting("");  // reloads the settings
    TypeAndLeave(form->meStartDate, "13032024");
    EXPECT_EQ(form->meStartDate->GetText(), "13/03/2024");
    TypeAndLeave(form->meEndDate, "01042024");
    EXPECT_EQ(form->meEndDate->GetText(), "01/04/2024");
    EXPECT_FALSE(form->HasError());
    TypeAndLeave(form->meEndDate, "01032024");
    EXPECT_TRUE(form->HasError()) << "1 March is before 13 March";
}

// The period block's rule and range and the first run date for each cycle and range.
TEST_F(BaseOptPeriodTest, EachCycleAndRangeGivesItsBlockAndFirstRun) {
    struct Case {
        hemr::TNvRadioButton* cycle;
        hemr::TNvRadioButton* sub;
        std::function<void()> fill;
        const char* rule;
        const char* firstRun;
    };
    auto text = [](rt::TControl* c, const char* t) { return [c, t] { c->SetText(t); }; };
    const std::vector<Case> cases = {
        {form->rdoEveryday, nullptr, text(form->meDay, "2"), "[0,2]", "20240313"},
        {form->rdoEveryWeek, nullptr, [this] { form->meWeek->SetText("2"); form->cboDayofWeek->SetItemIndex(5); },
         "[1,[2,5]]", "20240322"},
        {form->rdoEveryMonth, form->rdomonth_1, [this] { form->meMonth_D->SetText("20"); }, "[2,[0,1,20]]", "20240320"},
        {form->rdoEveryMonth, form->rdomonth_2,
         [this] { form->cbo1Month_M2->SetItemIndex(1); form->cbo2Month_M2->SetItemIndex(1); }, "[2,[1,1,1,1]]",
         "20240408"},
        {form->rdoEveryMonth, form->rdomonth_2,
         [this] { form->cbo1Month_M2->SetItemIndex(4); form->cbo2Month_M2->SetItemIndex(5); }, "[2,[1,1,4,5]]",
         "20240329"},
        {form->rbEveryHour, nullptr, text(form->edEveryHour, "1.5"), "[3,1.5]", ""},
    };
    auto show = [](const rt::Variant& v) -> std::string {
        std::function<std::string(const rt::Variant&)> f = [&f](const rt::Variant& x) -> std::string {
            const rt::Variant& d = x.Deref();
            if (!d.IsArray()) return rt::VarToStr(d);
            std::string out = "[";
            for (int i = d.LowBound(); i <= d.HighBound(); ++i) out += (i > d.LowBound() ? "," : "") + f(d[i]);
            return out + "]";
        };
        return f(v);
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(rt::test::UserClick(c.cycle));
        if (c.sub != nullptr) {
            EXPECT_TRUE(rt::test::UserClick(c.sub));
        }
        c.fill();
        const rt::Variant array = SubmittedArray();
        ASSERT_EQ(array.HighBound(), 4) << c.rule << DialogTexts();
        EXPECT_EQ(show(array[3][2]), c.rule);
        EXPECT_EQ(form->FirstRunDate(), c.firstRun) << c.rule;
        EXPECT_EQ(rt::VarToStr(array[3][1]), "08:05");
        EXPECT_EQ(rt::VarToStr(array[3][0]), "Y");
    }
    EXPECT_EQ(show(SubmittedArray()[3][3]), "[20240313,0]") << "no end";
    TypeAndLeave(form->meCycleRang_2, "10");
    EXPECT_EQ(show(SubmittedArray()[3][3]), "[20240313,1,10]");
    EXPECT_TRUE(rt::test::UserClick(form->rbCycleRang_3));
    TypeAndLeave(form->meEndDate, "20241231");
    EXPECT_EQ(show(SubmittedArray()[3][3]), "[20240313,2,20241231]");
}

TEST_F(BaseOptPeriodTest, TheRulesArrayMovesTheDateToTheFirstRun) {
    EXPECT_TRUE(rt::test::UserClick(form->rdoEveryWeek));
    form->cboDayofWeek->SetItemIndex(5);
    EXPECT_TRUE(rt::test::UserClick(form->edChangeDate));
    EXPECT_TRUE(form->seDay1->Enabled());
    form->seDay1->SetFocus();
    form->seDay1->SetText("-1");
    Choose(form->cboDay1, 1);
    Choose(form->cboDay2, 2);
    EXPECT_FALSE(form->seDay2->Enabled()) << "the days serve only 加/减";
    static_cast<rt::TControl*>(form->FindComponent("ed03"))->SetText("20240301");
    const rt::Variant array = SubmittedArray();
    ASSERT_EQ(array.HighBound(), 4) << DialogTexts();
    const std::string rule = "1" + kC3 + "ed03" + kC3 + "Y" + kC3 + "-1" + kC3 + "1" + kC3 + "2" + kC3 + "0" + kC3 + "D";
    EXPECT_EQ(array[4][0].ToInt(), 1);
    EXPECT_EQ(rt::VarToStr(array[4][1]), rule + kC3 + "1") << "the row index of ed03";
    EXPECT_EQ(rt::VarToStr(array[2][1]), "20240229") << "last day of the month before the first run 2024-03-15";
    EXPECT_EQ(array[0][10].ToInt(), 2);
    EXPECT_NEAR(array[0][11].ToDate(), rt::EncodeDateTime(2024, 3, 15, 8, 5, 0, 0), 1e-9);
}

TEST_F(BaseOptPeriodTest, ComingBackToThePeriodPageShowsTheFirstRun) {
    EXPECT_TRUE(rt::test::UserClick(form->rdoEveryWeek));
    form->cboDayofWeek->SetItemIndex(5);
    form->pgOption->SelectNextPage(true);
    form->pgOption->SelectNextPage(false);
    ASSERT_EQ(form->pgOption->ActivePage(), form->tsPeriodOption);
    EXPECT_EQ(form->edDate->GetText(), "2024/03/15") << "the Friday after the start";
    EXPECT_EQ(form->edHour->GetText(), "8");
    EXPECT_TRUE(rt::test::UserClick(form->rbEveryHour));
    form->pgOption->SelectNextPage(true);
    form->pgOption->SelectNextPage(false);
    EXPECT_EQ(form->edDate->GetText(), "2024/03/13") << "an hourly job starts today";
    EXPECT_EQ(form->edHour->GetText(), "10");
    EXPECT_EQ(form->edMin->GetText(), "20");
}

TEST_F(BaseOptPeriodTest, AMissingStartDateStopsOkWithTheRequiredFieldMessage) {
    form->meStartDate->SetText("");
    EXPECT_TRUE(rt::test::UserClick(form->btnOk));
    EXPECT_NE(form->ErrorCodes().find("E;000037"), std::string::npos) << form->ErrorCodes();
    EXPECT_EQ(jobs->Last("Request"), nullptr);
}

}  // namespace
