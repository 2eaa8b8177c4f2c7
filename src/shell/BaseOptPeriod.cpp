// Period mode of the options form: the page "周期性设置" with the daily run
// time, the cycle and its range, the change-date rules of the report's date
// conditions, and the period block and rules the job carries to the server.

#include <cstdio>
#include <exception>

#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/lists/TComboBox.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/stdctrls/TRadioButton.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/NvRadioButton.h"
#include "src/controls/SelectPanel.h"
#include "src/environment/FirstRunDate.h"
#include "src/environment/LibStrs.h"
#include "src/framework/DateRules.h"
#include "src/shell/BaseOpt.h"
#include "src/shell/Edition.h"

namespace hemr {

namespace {

constexpr const char* kDateKind = "D";
// DateFields ends with the framework's own date fields; they never change with a run.
constexpr int kFrameworkDateFields = 4;
constexpr int kMinWidth = 538;
constexpr int kMinHeight = 424;
const std::string kC3(1, kDateEntrySeparator);

// The trimmed text read as an integer, 0 when it is not one.
int IntOfText(const rt::TControl* control) {
    int32_t value = 0;
    return rt::TryStrToInt(rt::Trim(control->GetText()), value) ? value : 0;
}

bool Checked(const TNvRadioButton* radio) { return radio != nullptr && radio->Checked(); }

// A radio checked from code runs its click like a user's.
void Check(TNvRadioButton* radio) {
    if (radio == nullptr) return;
    if (radio->Checked())
        radio->Click();
    else
        radio->SetChecked(true);
}

}  // namespace

void TfrmBaseOpt::PublishPeriodPage(rt::TPublisher<TfrmBaseOpt>& p) {
    RT_METHOD(p, tsPeriodOptionShow);
    RT_METHOD(p, rdoEverydayClick);
    RT_METHOD(p, rdoEveryWeekClick);
    RT_METHOD(p, rdoEveryMonthClick);
    RT_METHOD(p, rdomonth_1Click);
    RT_METHOD(p, rdomonth_2Click);
    RT_METHOD(p, rbCycleRang_1Click);
    RT_METHOD(p, rbCycleRang_2Click);
    RT_METHOD(p, rbCycleRang_3Click);
    RT_METHOD(p, meCycleRang_2Change);
    RT_METHOD(p, meEndDateChange);
    RT_METHOD(p, meEndDateExit);
    RT_METHOD(p, meDayExit);
    RT_METHOD(p, meMonth_DExit);
    RT_METHOD(p, sePeriodHourExit);
    RT_METHOD(p, seDay_B1Exit);
    RT_METHOD(p, cboconditionChange);
    RT_METHOD(p, spChangeDate_BClick);
    RT_METHOD(p, spChangeDate_EClick);
    RT_METHOD(p, edChangeDateClick);
    RT_METHOD(p, cboDay2Change);
    RT_METHOD(p, cboDay_B2Change);
    RT_METHOD(p, cboDay_E2Change);
    RT_METHOD(p, seDay1Change);
    RT_METHOD(p, seDay_B1Change);
    RT_METHOD(p, seDay1Enter);
    RT_METHOD(p, seDay_B1Enter);
    RT_COMPONENT(p, sePeriodHour);
    RT_COMPONENT(p, sePeriodMin);
    RT_COMPONENT(p, gbCycleStyle);
    RT_COMPONENT(p, rdoEveryday);
    RT_COMPONENT(p, rdoEveryWeek);
    RT_COMPONENT(p, rdoEveryMonth);
    RT_COMPONENT(p, pnDay);
    RT_COMPONENT(p, pnWeek);
    RT_COMPONENT(p, pnMonth);
    RT_COMPONENT(p, meDay);
    RT_COMPONENT(p, meWeek);
    RT_COMPONENT(p, cboDayofWeek);
    RT_COMPONENT(p, rdomonth_1);
    RT_COMPONENT(p, rdomonth_2);
    RT_COMPONENT(p, meMonth_M1);
    RT_COMPONENT(p, meMonth_D);
    RT_COMPONENT(p, meMonth_M2);
    RT_COMPONENT(p, cbo1Month_M2);
    RT_COMPONENT(p, cbo2Month_M2);
    RT_COMPONENT(p, gbCycleRang);
    RT_COMPONENT(p, lblPeriod11);
    RT_COMPONENT(p, meStartDate);
    RT_COMPONENT(p, rbCycleRang_1);
    RT_COMPONENT(p, rbCycleRang_2);
    RT_COMPONENT(p, rbCycleRang_3);
    RT_COMPONENT(p, meCycleRang_2);
    RT_COMPONENT(p, meEndDate);
    RT_COMPONENT(p, gbDynamicFields);
    RT_COMPONENT(p, cbocondition);
    RT_COMPONENT(p, pnSp);
    RT_COMPONENT(p, pnEdit);
    RT_COMPONENT(p, spChangeDate_B);
    RT_COMPONENT(p, spChangeDate_E);
    RT_COMPONENT(p, edChangeDate);
    RT_COMPONENT(p, seDay_B1);
    RT_COMPONENT(p, seDay_B2);
    RT_COMPONENT(p, seDay_E1);
    RT_COMPONENT(p, seDay_E2);
    RT_COMPONENT(p, seDay1);
    RT_COMPONENT(p, seDay2);
    RT_COMPONENT(p, cboDay_B1);
    RT_COMPONENT(p, cboDay_B2);
    RT_COMPONENT(p, cboDay_E1);
    RT_COMPONENT(p, cboDay_E2);
    RT_COMPONENT(p, cboDay1);
    RT_COMPONENT(p, cboDay2);
    if constexpr (edition::kHourlyPeriod) PublishHourlyCycle(p);
}

// ---- switching period mode ---------------------------------------------------------------------

void TfrmBaseOpt::ShowPeriodTab(bool show) {
    if (tsPeriodOption != nullptr) tsPeriodOption->SetTabVisible(show);
}

void TfrmBaseOpt::btnPeriodClick(rt::TObject*) {
    try {
        if (PeriodMode()) {
            pnEdit->SetVisible(false);
            if (auto* bottom = dynamic_cast<rt::TWinControl*>(FindComponent("Panel1")); bottom != nullptr && bottom->CanFocus())
                bottom->SetFocus();
            ShowPeriodTab(true);
            if (!periodModeSeen_) {
                periodModeSeen_ = true;
                programRequiredFields_ = RequiredFields();
                PlaceCyclePanels();
            }
            InitPeriodOptions();
            if (pgOption != nullptr) pgOption->SetActivePage(tsPeriodOption);
            grpGenTime->SetEnabled(false);
            rdoExceptTime->SetChecked(true);
            TakeStartDateIntoRunDate();
            SetScheduleRequiredFields(ScheduleFields());
        } else {
            ShowPeriodTab(false);
            if (pgOption != nullptr && tsOption1 != nullptr) pgOption->SetActivePage(tsOption1);
            grpGenTime->SetEnabled(true);
            rdoQueue->SetChecked(true);
            rdoQueueClick(rdoQueue);
            SetScheduleRequiredFields(timeFields_);
        }
    } catch (const std::exception&) {
        // A half set-up page is still usable; switching again repairs it.
    }
}

void TfrmBaseOpt::TakeStartDateIntoRunDate() {
    DateFieldCheck(edDate, true);
    edDate->SetText(meStartDate->GetText());
}

void TfrmBaseOpt::PlaceCyclePanels() {
    for (rt::TPanel* panel : {pnWeek, pnMonth, pnEveryHour}) {
        if (panel == nullptr) continue;
        panel->SetLeft(pnDay->Left());
        panel->SetTop(pnDay->Top());
    }
}

void TfrmBaseOpt::tsPeriodOptionShow(rt::TObject*) {
    if (Width() < kMinWidth) SetWidth(kMinWidth);
    if (Height() < kMinHeight) SetHeight(kMinHeight);
}

// ---- preparing the page ------------------------------------------------------------------------

void TfrmBaseOpt::InitPeriodOptions() {
    const bool first = periodPagePending_;
    try {
        if (first) PreparePeriodPage();
        DateFieldCheck(meStartDate, true);
        meStartDate->SetText(FormatDateAs(GetDateLayout(), GetDateSeparator(), rt::Date()));
        cycleFields_ = "meDay,meStartDate";
        if (!first) {
            if (cbocondition->ItemIndex() >= 0) cboconditionChange(cbocondition);
            ReplayCycle();
        }
    } catch (const std::exception&) {
        if (cbocondition != nullptr && cbocondition->ItemIndex() < 0 && cbocondition->Items()->Count() > 0)
            cbocondition->SetItemIndex(0);
    }
    periodPagePending_ = false;
}

void TfrmBaseOpt::PreparePeriodPage() {
    for (rt::TComboBox* box : {cboDayofWeek, cbo1Month_M2, cbo2Month_M2, cboDay_B1, cboDay_B2, cboDay_E1, cboDay_E2,
                               cboDay1, cboDay2})
        box->SetItemIndex(0);
    for (rt::TCustomMaskEdit* edit : {meDay, meWeek, meMonth_M1, meMonth_D, meMonth_M2}) edit->SetText("1");
    changeDateRules_.clear();
    cbocondition->Items()->Clear();
    SetRuleEditing(false);
    AddChangeDateItems();
    if (cbocondition->Items()->Count() == 0) {
        gbDynamicFields->SetEnabled(false);
        return;
    }
    cbocondition->SetItemIndex(0);
    cboconditionChange(cbocondition);
    gbDynamicFields->SetEnabled(true);
}

void TfrmBaseOpt::AddChangeDateItems() {
    const int rows = ConditionCount() - SystemRowCount();
    rt::Variant captions;
    if (ConditionCount() > 0) {
        captions = rt::Variant::CreateArray({{1, ConditionCount()}});
        FillConditionCaptions(captions, rows);
    }
    const int count = FieldCount(DateFields(), ",") - kFrameworkDateFields;
    for (int i = 1; i <= count; ++i) {
        rt::TComponent* control = FindComponent(rt::Trim(GetField(DateFields(), ",", i)));
        if (control == nullptr) continue;
        if (auto* panel = dynamic_cast<TSelectPanel*>(control)) {
            AddChangeDateItem(panel->Caption(), std::string(kPanelEntry) + kC3 + control->Name() + kC3 +
                                                    periodRows_[0].Fields() + kC3 + periodRows_[1].Fields());
            continue;
        }
        if (dynamic_cast<rt::TCustomEdit*>(control) == nullptr) continue;
        for (int r = 1; captions.IsArray() && r <= rows; ++r) {
            const rt::Variant& row = captions[r].Deref();
            if (!row.IsArray() || row.ElementCount() < 2 || rt::VarToStr(row[row.LowBound() + 1]) != control->Name())
                continue;
            AddChangeDateItem(rt::VarToStr(row[row.LowBound()]),
                              std::string(kEditEntry) + kC3 + control->Name() + kC3 + periodRows_[2].Fields());
        }
    }
}

void TfrmBaseOpt::AddChangeDateItem(const std::string& caption, const std::string& rule) {
    changeDateRules_.push_back(rule + kC3 + kDateKind);
    cbocondition->Items()->Add(caption);
}

// ---- cycle and range -------------------------------------------------------------------------------

void TfrmBaseOpt::ApplyPeriodRequiredFields() { SetScheduleRequiredFields(ScheduleFields()); }

void TfrmBaseOpt::ChooseCycle(rt::TPanel* shown, const std::string& fields) {
    for (rt::TPanel* panel : {pnDay, pnWeek, pnMonth, pnEveryHour})
        if (panel != nullptr) panel->SetVisible(panel == shown);
    cycleFields_ = fields;
    ApplyPeriodRequiredFields();
}

void TfrmBaseOpt::ChooseRange(const std::string& fields) {
    rangeFields_ = fields;
    ApplyPeriodRequiredFields();
}

void TfrmBaseOpt::ReplayCycle() {
    for (TNvRadioButton* radio : {rdoEveryday, rdoEveryWeek, rdoEveryMonth, rbEveryHour})
        if (Checked(radio)) radio->Click();
}

void TfrmBaseOpt::rdoEverydayClick(rt::TObject*) { ChooseCycle(pnDay, "meDay,meStartDate"); }

void TfrmBaseOpt::rdoEveryWeekClick(rt::TObject*) { ChooseCycle(pnWeek, "meWeek,meStartDate"); }

void TfrmBaseOpt::rdoEveryMonthClick(rt::TObject*) {
    ChooseCycle(pnMonth, cycleFields_);
    Check(Checked(rdomonth_2) ? rdomonth_2 : rdomonth_1);
}

void TfrmBaseOpt::rdomonth_1Click(rt::TObject*) { ChooseCycle(pnMonth, "meMonth_M1,meMonth_D,meStartDate"); }

void TfrmBaseOpt::rdomonth_2Click(rt::TObject*) { ChooseCycle(pnMonth, "meMonth_M2,meStartDate"); }

void TfrmBaseOpt::rbCycleRang_1Click(rt::TObject*) { ChooseRange(""); }

void TfrmBaseOpt::rbCycleRang_2Click(rt::TObject*) { ChooseRange("meCycleRang_2"); }

void TfrmBaseOpt::rbCycleRang_3Click(rt::TObject*) { ChooseRange("meEndDate"); }

void TfrmBaseOpt::meCycleRang_2Change(rt::TObject*) {
    if (PeriodMode() && !Checked(rbCycleRang_2)) rbCycleRang_2->SetChecked(true);
}

void TfrmBaseOpt::meEndDateChange(rt::TObject*) {
    if (PeriodMode() && !Checked(rbCycleRang_3)) rbCycleRang_3->SetChecked(true);
}

// ---- corrections on leaving a control ------------------------------------------------------------

void TfrmBaseOpt::meDayExit(rt::TObject* Sender) {
    auto* edit = dynamic_cast<rt::TControl*>(Sender);
    if (edit != nullptr && IntOfText(edit) == 0) edit->SetText("1");
}

void TfrmBaseOpt::meMonth_DExit(rt::TObject*) {
    const int day = IntOfText(meMonth_D);
    if (day == 0) meMonth_D->SetText("1");
    if (day >= 32) meMonth_D->SetText("31");
}

void TfrmBaseOpt::sePeriodHourExit(rt::TObject* Sender) {
    auto* edit = dynamic_cast<rt::TControl*>(Sender);
    if (edit != nullptr && IntOfText(edit) == 0) edit->SetText("0");
}

void TfrmBaseOpt::seDay_B1Exit(rt::TObject* Sender) { sePeriodHourExit(Sender); }

void TfrmBaseOpt::meEndDateExit(rt::TObject*) {
    SetHasError(false);
    if (!Checked(rbCycleRang_3)) return;
    // Compared as "YYYYMMDD": the shown texts follow the user's layout, where
    // day-first or month-first texts do not sort as dates.
    const std::string end = ConvertQuickDate(meEndDate->GetText());
    const std::string start = ConvertQuickDate(meStartDate->GetText());
    if (end.empty() || start.empty() || end >= start) return;
    ReportMessage("E;100082;" + rbCycleRang_3->Caption() + ";" + lblPeriod11->Caption());
    SetHasError(true);
    if (meEndDate->CanFocus()) meEndDate->SetFocus();
}

// ---- change-date rules ------------------------------------------------------------------------------

void TfrmBaseOpt::cboconditionChange(rt::TObject*) {
    SetRuleEditing(false);
    const int index = cbocondition->ItemIndex();
    if (index < 0 || index >= static_cast<int>(changeDateRules_.size())) return;
    const std::vector<std::string> f = SplitDateEntry(changeDateRules_[static_cast<size_t>(index)]);
    const bool range = !f.empty() && f[0] == kPanelEntry;
    pnSp->SetVisible(range);
    pnEdit->SetVisible(!range);
    if (range) {
        periodRows_[0].Show(f, 3);
        periodRows_[1].Show(f, 8);
    } else {
        periodRows_[2].Show(f, 3);
    }
    StoreChangeDateRule();
}

void TfrmBaseOpt::StoreChangeDateRule() {
    const int index = cbocondition != nullptr ? cbocondition->ItemIndex() : -1;
    if (index < 0 || index >= static_cast<int>(changeDateRules_.size()) || periodRows_.size() < 3) return;
    std::string& rule = changeDateRules_[static_cast<size_t>(index)];
    const std::vector<std::string> old = SplitDateEntry(rule);
    if (old.size() < 3) return;
    const std::string rows = old[0] == kPanelEntry ? periodRows_[0].Fields() + kC3 + periodRows_[1].Fields()
                                                   : periodRows_[2].Fields();
    rule = old[0] + kC3 + old[1] + kC3 + rows + kC3 + old.back();
}

void TfrmBaseOpt::RowClick(rt::TObject* Sender) {
    const TDateRuleRow* row = RowHolding(periodRows_, Sender);
    if (row == nullptr) return;
    row->EnableByCheck();
    row->EnableByMode();
    if (RuleEditing()) StoreChangeDateRule();
}

void TfrmBaseOpt::RowModeChange(rt::TObject* Sender) {
    if (const TDateRuleRow* row = RowHolding(periodRows_, Sender)) row->EnableByMode();
    RowValueChange();
}

void TfrmBaseOpt::RowValueChange() {
    if (RuleEditing()) StoreChangeDateRule();
}

void TfrmBaseOpt::spChangeDate_BClick(rt::TObject* Sender) { RowClick(Sender); }
void TfrmBaseOpt::spChangeDate_EClick(rt::TObject* Sender) { RowClick(Sender); }
void TfrmBaseOpt::edChangeDateClick(rt::TObject* Sender) { RowClick(Sender); }
void TfrmBaseOpt::cboDay2Change(rt::TObject* Sender) { RowModeChange(Sender); }
void TfrmBaseOpt::cboDay_B2Change(rt::TObject* Sender) { RowModeChange(Sender); }
void TfrmBaseOpt::cboDay_E2Change(rt::TObject* Sender) { RowModeChange(Sender); }
void TfrmBaseOpt::seDay1Change(rt::TObject*) { RowValueChange(); }
void TfrmBaseOpt::seDay_B1Change(rt::TObject*) { RowValueChange(); }
void TfrmBaseOpt::seDay1Enter(rt::TObject*) { SetRuleEditing(true); }
void TfrmBaseOpt::seDay_B1Enter(rt::TObject*) { SetRuleEditing(true); }

// ---- the period rule and the first run ----------------------------------------------------------

void TfrmBaseOpt::BuildPeriodRule() {
    try {
        using V = rt::Variant;
        if (Checked(rdoEveryday)) {
            periodRule_ = V::ArrayOf({V(int(pkDaily)), V(meDay->GetText())});
        } else if (Checked(rdoEveryWeek)) {
            periodRule_ = V::ArrayOf({V(int(pkWeekly)), V::ArrayOf({V(meWeek->GetText()), V(cboDayofWeek->ItemIndex())})});
        } else if (Checked(rdoEveryMonth) && Checked(rdomonth_2)) {
            periodRule_ = V::ArrayOf({V(int(pkMonthly)), V::ArrayOf({V(int(mmByWeekday)), V(meMonth_M2->GetText()),
                                                                      V(cbo1Month_M2->ItemIndex()),
                                                                      V(cbo2Month_M2->ItemIndex())})});
        } else if (Checked(rdoEveryMonth)) {
            periodRule_ = V::ArrayOf({V(int(pkMonthly)), V::ArrayOf({V(int(mmByDay)), V(meMonth_M1->GetText()),
                                                                      V(meMonth_D->GetText())})});
        } else if constexpr (edition::kHourlyPeriod) {
            if (Checked(rbEveryHour)) periodRule_ = HourlyRule();
        }
    } catch (const std::exception&) {
        // The rule stays as it was; the first run date then tells.
    }
}

bool TfrmBaseOpt::TakePeriodRunTime() {
    if (meStartDate == nullptr || sePeriodHour == nullptr || sePeriodMin == nullptr) return false;
    BuildPeriodRule();
    firstRunDate_ = ComputeFirstRunDate(ConvertQuickDate(meStartDate->GetText()), periodRule_);
    edHour->SetText(sePeriodHour->GetText());
    edMin->SetText(sePeriodMin->GetText());
    edSec->SetText("00");
    return true;
}

void TfrmBaseOpt::pgOptionChange(rt::TObject* Sender) {
    TfrmBaseGene::pgOptionChange(Sender);
    if (!PeriodMode()) return;
    try {
        BuildPeriodRule();
        firstRunDate_ = ComputeFirstRunDate(ConvertQuickDate(meStartDate->GetText()), periodRule_);
        DateFieldCheck(edDate, true);
        if (PeriodRuleKind() == pkHourly) {
            const rt::TDateTime now = rt::Now();
            edDate->SetText(FormatDateAs(GetDateLayout(), GetDateSeparator(), rt::DateOf(now)));
            int hour = 0, minute = 0, second = 0, ms = 0;
            rt::DecodeTime(now, hour, minute, second, ms);
            edHour->SetText(std::to_string(hour));
            edMin->SetText(std::to_string(minute));
        } else {
            edDate->SetText(firstRunDate_.empty() ? std::string()
                                                  : FormatDateAs(GetDateLayout(), GetDateSeparator(), YmdToDate(firstRunDate_)));
            edHour->SetText(sePeriodHour->GetText());
            edMin->SetText(sePeriodMin->GetText());
        }
    } catch (const std::exception&) {
        // The time edits keep what they showed.
    }
}

// ---- the job's period extension ---------------------------------------------------------------------

bool TfrmBaseOpt::BuildConditionArray() {
    if (!TfrmBaseGene::BuildConditionArray()) return false;
    return !PeriodMode() || ExtendWithPeriod();
}

rt::Variant TfrmBaseOpt::RangeOfCycle() {
    using V = rt::Variant;
    const V start(ConvertQuickDate(meStartDate->GetText()));
    if (Checked(rbCycleRang_2)) return V::ArrayOf({start, V(1), V(meCycleRang_2->GetText())});
    if (Checked(rbCycleRang_3)) return V::ArrayOf({start, V(2), V(ConvertQuickDate(meEndDate->GetText()))});
    return V::ArrayOf({start, V(0)});
}

rt::Variant TfrmBaseOpt::PeriodBlock() {
    char time[16];
    std::snprintf(time, sizeof time, "%.2d:%.2d", IntOfText(sePeriodHour), IntOfText(sePeriodMin));
    return rt::Variant::ArrayOf({rt::Variant("Y"), rt::Variant(std::string(time)), periodRule_, RangeOfCycle()});
}

rt::Variant TfrmBaseOpt::RulesArray() {
    const int count = static_cast<int>(changeDateRules_.size());
    rt::Variant rules = rt::Variant::CreateArray({{0, count}});
    rules.At(0) = rt::Variant(count);
    const rt::Variant& captions = ConditionArray()[1].Deref();
    for (int i = 1; i <= count; ++i) {
        const std::string& rule = changeDateRules_[static_cast<size_t>(i - 1)];
        const std::vector<std::string> f = SplitDateEntry(rule);
        std::string sent = rule;
        for (int r = captions.LowBound(); f.size() > 1 && r <= captions.HighBound(); ++r) {
            const rt::Variant& row = captions[r].Deref();
            if (row.IsArray() && row.ElementCount() >= 2 && rt::VarToStr(row[row.LowBound() + 1]) == f[1]) {
                sent += kC3 + std::to_string(r);
                break;
            }
        }
        rules.At(i) = rt::Variant(sent);
    }
    return rules;
}

bool TfrmBaseOpt::ExtendWithPeriod() {
    try {
        const rt::Variant block = PeriodBlock();
        const rt::Variant rules = RulesArray();
        rt::Variant conditions = ConditionArray();
        const int b = conditions.HighBound();
        rt::Variant job = rt::Variant::CreateArray({{1, 3}});
        job.At(1) = conditions[b];
        job.At(2) = block;
        job.At(3) = rules;
        conditions.At(b) = ApplyDateEnvironment(job, firstRunDate_);
        conditions.Redim(b + 2);
        conditions.At(b + 1) = block;
        conditions.At(b + 2) = rules;
        SetConditionArray(conditions);
        return true;
    } catch (const std::exception&) {
        // A periodic job without its period block would run once: better not submit it.
        return false;
    }
}

}  // namespace hemr
