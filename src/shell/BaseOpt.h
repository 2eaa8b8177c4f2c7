#pragma once
// The schedule options form: between the generic condition form and the
// report forms it turns the filled-in conditions into a job for the
// report-counter server object. The user chooses when the job runs (work
// queue, at once, at a given moment, or periodically) and whom to notify;
// OK submits the job and by default closes the form.

#include <string>
#include <vector>

#include "src/environment/FirstRunDate.h"
#include "src/framework/BaseGene.h"
#include "src/framework/DateRuleRow.h"

namespace rt {
class TBitBtn;
class TComboBox;
class TCustomEdit;
class TCustomLabel;
class TCustomMaskEdit;
class TGroupBox;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TSpeedButton;
class TSpinEdit;
}  // namespace rt

namespace hemr {

class TBitCheckBox;
class TNvRadioButton;

// Element 0 of a period rule beside the calendar kinds of the first-run date:
// every n hours, and no rule at all.
inline constexpr int pkHourly = 3;
inline constexpr int pkNone = -1;

// Environment item 10: how the job is started.
enum TGenerationTime { gtQueue = 0, gtRealTime = 1, gtExceptTime = 2 };

class TfrmBaseOpt : public TfrmBaseGene {
    RT_CLASS(TfrmBaseOpt, TfrmBaseGene)

public:
    // The scheme and job server of every report form.
    static constexpr const char* ReportCounterProgID = "ZizuvaRoderirO.dmReportCounter";
    // Environment items this form fills behind the generic form's nine.
    static constexpr int kEnvStartMode = 10;
    static constexpr int kEnvRunMoment = 11;
    static constexpr int kEnvNotify = 12;

    explicit TfrmBaseOpt(rt::TComponent* owner);
    ~TfrmBaseOpt() override;

    static void Publish(rt::TPublisher<TfrmBaseOpt>& p);

    // ---- virtual operations introduced here, in their order -------------------
    virtual void LoadRights();
    virtual void InitPeriodOptions();
    virtual void BuildPeriodRule();
    virtual void StoreChangeDateRule();
    virtual void BuildControlPropertyList();

    // ---- overrides of the generic form ------------------------------------------
    void InitSettings() override;
    void SetupConnection(rt::TRemoteConnection& Connection) override;
    bool InitForm(const rt::Variant& Params) override;
    void ArrangeSystemPage() override;
    void SessionInfoLoaded() override;
    void SetRequiredFields(const std::string& List) override;
    bool FillEnvironment(rt::Variant& Environment, int Count) override;
    bool BuildConditionArray() override;
    bool RunDirect(const std::vector<rt::Variant>& Args) override;

    // ---- state ---------------------------------------------------------------------
    bool CloseAfterOk() const { return closeAfterOk_; }
    void SetCloseAfterOk(bool v) { closeAfterOk_ = v; }
    bool ShowOkMenu() const { return showOkMenu_; }
    void SetShowOkMenu(bool v) { showOkMenu_ = v; }
    int32_t SqlType() const { return sqlType_; }
    const std::string& NotifyXml() const { return notifyXml_; }
    const std::string& PortalStartup() const { return portalStartup_; }
    const std::string& PortalService() const { return portalService_; }
    const std::string& TimeFields() const { return timeFields_; }
    // Period mode lasts while the toggle button is down.
    bool PeriodMode() const;
    const rt::Variant& PeriodRule() const { return periodRule_; }
    // Element 0 of PeriodRule (PeriodKind or pkHourly), pkNone while no rule is built.
    int PeriodRuleKind() const;
    const std::string& FirstRunDate() const { return firstRunDate_; }
    const std::vector<std::string>& ChangeDateRules() const { return changeDateRules_; }
    const std::string& CycleFields() const { return cycleFields_; }
    const std::string& RangeFields() const { return rangeFields_; }
    const std::string& ProgramRequiredFields() const { return programRequiredFields_; }
    // True from InitForm until InitPeriodOptions has run once.
    bool PeriodPagePending() const { return periodPagePending_; }
    // The schedule groups joined with ",", empty groups left out.
    std::string ScheduleFields() const;
    TGenerationTime GenerationTime() const;

    // ---- published handlers ------------------------------------------------------------
    void btnOkClick(rt::TObject* Sender);
    void btnCancelClick(rt::TObject* Sender);
    void btnSpdClick(rt::TObject* Sender);
    void miOKExitClick(rt::TObject* Sender);
    void miOKNoExitClick(rt::TObject* Sender);
    void rdoQueueClick(rt::TObject* Sender);
    void rdoExceptTimeClick(rt::TObject* Sender);
    void edDateEnter(rt::TObject* Sender);
    void edDateExit(rt::TObject* Sender);
    void chkNotifyClick(rt::TObject* Sender);
    void btnNotifyClick(rt::TObject* Sender);
    void btnInsertClick(rt::TObject* Sender);
    void btnPeriodClick(rt::TObject* Sender);
    // The period page (BaseOptPeriod.cpp).
    void pgOptionChange(rt::TObject* Sender) override;
    void tsPeriodOptionShow(rt::TObject* Sender);
    void rdoEverydayClick(rt::TObject* Sender);
    void rdoEveryWeekClick(rt::TObject* Sender);
    void rdoEveryMonthClick(rt::TObject* Sender);
    void rdomonth_1Click(rt::TObject* Sender);
    void rdomonth_2Click(rt::TObject* Sender);
    void rbEveryHourClick(rt::TObject* Sender);
    void rbCycleRang_1Click(rt::TObject* Sender);
    void rbCycleRang_2Click(rt::TObject* Sender);
    void rbCycleRang_3Click(rt::TObject* Sender);
    void meCycleRang_2Change(rt::TObject* Sender);
    void meEndDateChange(rt::TObject* Sender);
    void meEndDateExit(rt::TObject* Sender);
    void meDayExit(rt::TObject* Sender);
    void meMonth_DExit(rt::TObject* Sender);
    void sePeriodHourExit(rt::TObject* Sender);
    void seDay_B1Exit(rt::TObject* Sender);
    void edEveryHourExit(rt::TObject* Sender);
    void edEveryHourKeyPress(rt::TObject* Sender, char& Key);
    void cboconditionChange(rt::TObject* Sender);
    void spChangeDate_BClick(rt::TObject* Sender);
    void spChangeDate_EClick(rt::TObject* Sender);
    void edChangeDateClick(rt::TObject* Sender);
    void cboDay2Change(rt::TObject* Sender);
    void cboDay_B2Change(rt::TObject* Sender);
    void cboDay_E2Change(rt::TObject* Sender);
    void seDay1Change(rt::TObject* Sender);
    void seDay_B1Change(rt::TObject* Sender);
    void seDay1Enter(rt::TObject* Sender);
    void seDay_B1Enter(rt::TObject* Sender);

    // The form's controls, bound from its resource (see Publish).
    rt::TTabSheet* tsPeriodOption = nullptr;
    rt::TGroupBox* grpGenTime = nullptr;
    TNvRadioButton* rdoRealTime = nullptr;
    TNvRadioButton* rdoQueue = nullptr;
    TNvRadioButton* rdoExceptTime = nullptr;
    rt::TPanel* pnlTime = nullptr;
    rt::TCustomMaskEdit* edDate = nullptr;
    rt::TSpinEdit* edHour = nullptr;
    rt::TSpinEdit* edMin = nullptr;
    rt::TSpinEdit* edSec = nullptr;
    TBitCheckBox* chkNotify = nullptr;
    rt::TSpeedButton* btnNotify = nullptr;
    rt::TSpeedButton* btnPeriod = nullptr;
    rt::TSpeedButton* btnSpd = nullptr;
    rt::TBitBtn* btnOK02 = nullptr;
    rt::TPopupMenu* pmOKExit = nullptr;
    // The period page.
    rt::TSpinEdit* sePeriodHour = nullptr;
    rt::TSpinEdit* sePeriodMin = nullptr;
    rt::TGroupBox* gbCycleStyle = nullptr;
    TNvRadioButton* rdoEveryday = nullptr;
    TNvRadioButton* rdoEveryWeek = nullptr;
    TNvRadioButton* rdoEveryMonth = nullptr;
    TNvRadioButton* rbEveryHour = nullptr;
    rt::TPanel* pnDay = nullptr;
    rt::TPanel* pnWeek = nullptr;
    rt::TPanel* pnMonth = nullptr;
    rt::TPanel* pnEveryHour = nullptr;
    rt::TCustomMaskEdit* meDay = nullptr;
    rt::TCustomMaskEdit* meWeek = nullptr;
    rt::TComboBox* cboDayofWeek = nullptr;
    TNvRadioButton* rdomonth_1 = nullptr;
    TNvRadioButton* rdomonth_2 = nullptr;
    rt::TCustomMaskEdit* meMonth_M1 = nullptr;
    rt::TCustomMaskEdit* meMonth_D = nullptr;
    rt::TCustomMaskEdit* meMonth_M2 = nullptr;
    rt::TComboBox* cbo1Month_M2 = nullptr;
    rt::TComboBox* cbo2Month_M2 = nullptr;
    rt::TCustomEdit* edEveryHour = nullptr;
    rt::TGroupBox* gbCycleRang = nullptr;
    rt::TCustomLabel* lblPeriod11 = nullptr;
    rt::TCustomMaskEdit* meStartDate = nullptr;
    TNvRadioButton* rbCycleRang_1 = nullptr;
    TNvRadioButton* rbCycleRang_2 = nullptr;
    TNvRadioButton* rbCycleRang_3 = nullptr;
    rt::TCustomMaskEdit* meCycleRang_2 = nullptr;
    rt::TCustomMaskEdit* meEndDate = nullptr;
    rt::TGroupBox* gbDynamicFields = nullptr;
    rt::TComboBox* cbocondition = nullptr;
    rt::TPanel* pnSp = nullptr;
    rt::TPanel* pnEdit = nullptr;
    TBitCheckBox* spChangeDate_B = nullptr;
    TBitCheckBox* spChangeDate_E = nullptr;
    TBitCheckBox* edChangeDate = nullptr;
    rt::TSpinEdit* seDay_B1 = nullptr;
    rt::TSpinEdit* seDay_B2 = nullptr;
    rt::TSpinEdit* seDay_E1 = nullptr;
    rt::TSpinEdit* seDay_E2 = nullptr;
    rt::TSpinEdit* seDay1 = nullptr;
    rt::TSpinEdit* seDay2 = nullptr;
    rt::TComboBox* cboDay_B1 = nullptr;
    rt::TComboBox* cboDay_B2 = nullptr;
    rt::TComboBox* cboDay_E1 = nullptr;
    rt::TComboBox* cboDay_E2 = nullptr;
    rt::TComboBox* cboDay1 = nullptr;
    rt::TComboBox* cboDay2 = nullptr;

protected:
    // Sets the required fields as the schedule handlers do: the program's own
    // fields are kept, the schedule fields replaced by `List`.
    void SetScheduleRequiredFields(const std::string& List);
    // The scheme dialog: [name, date-field list, replace flag], three empty
    // texts when cancelled.
    virtual rt::Variant ShowSchemeDialog(const std::string& Fields, int TrailingSystemFields);
    // The period block and rules behind the generic array; false when they
    // cannot be built (nothing is submitted then).
    virtual bool ExtendWithPeriod();
    // The run moment of an at-time job (environment item 11); false when it cannot be computed.
    virtual bool ComputeRunMoment(rt::TDateTime& Moment);
    // In period mode: builds the rule, computes FirstRunDate and takes the
    // page's run time into the time edits; false without the period page's controls.
    bool TakePeriodRunTime();

    void DoCreate() override;
    void DoShow() override;
    void F2Handling(rt::TWinControl* control) override;

    void SetPeriodRule(const rt::Variant& rule) { periodRule_ = rule; }
    void SetFirstRunDate(const std::string& date) { firstRunDate_ = date; }
    std::vector<std::string>& MutableChangeDateRules() { return changeDateRules_; }
    void SetCycleFields(const std::string& fields) { cycleFields_ = fields; }
    void SetRangeFields(const std::string& fields) { rangeFields_ = fields; }
    bool RuleEditing() const { return ruleEditing_; }
    void SetRuleEditing(bool v) { ruleEditing_ = v; }

private:
    // OK's glyph becomes the one of the hidden holder button.
    void CopyOkGlyph();
    bool SubmitJob();
    std::string RequestJob();
    // The condition array in code page 936, as the server takes it.
    rt::Variant ConditionArrayForServer() const;
    void ReadSqlType();
    // Notification (edition 9): its handlers and components, the portal
    // settings, and the recipients chosen from `Xml` in the notification form
    // (`Xml` itself when the user cancels it).
    static void PublishNotification(rt::TPublisher<TfrmBaseOpt>& p);
    std::string ReadPortalSetting(const std::string& name);
    std::string OneRecipientDocument() const;
    std::string ChooseRecipients(const std::string& Xml, const std::string& Startup, const std::string& Service);
    // The hourly cycle of the period page (edition 9): its handlers and
    // components, and its rule [3, hours].
    static void PublishHourlyCycle(rt::TPublisher<TfrmBaseOpt>& p);
    rt::Variant HourlyRule() const;
    void ShowPeriodTab(bool show);
    static void PublishPeriodPage(rt::TPublisher<TfrmBaseOpt>& p);
    // ---- the period page (BaseOptPeriod.cpp) ----
    void PreparePeriodPage();
    void PlaceCyclePanels();
    void AddChangeDateItems();
    void AddChangeDateItem(const std::string& caption, const std::string& rule);
    void ChooseCycle(rt::TPanel* panel, const std::string& fields);
    void ChooseRange(const std::string& fields);
    void ReplayCycle();
    void ApplyPeriodRequiredFields();
    void TakeStartDateIntoRunDate();
    rt::Variant PeriodBlock();
    rt::Variant RangeOfCycle();
    rt::Variant RulesArray();
    void RowClick(rt::TObject* Sender);
    void RowModeChange(rt::TObject* Sender);
    void RowValueChange();
    // Begin row, end row, single-date row.
    std::vector<TDateRuleRow> periodRows_;
    bool IsSchedulePage(const rt::TTabSheet* page) const;
    rt::TTabSheet* PageOf(const rt::TControl* control) const;
    std::string ControlProperty(rt::TWinControl* control) const;

    bool closeAfterOk_ = true;
    bool showOkMenu_ = true;
    int32_t sqlType_ = 0;
    std::string notifyXml_;
    std::string portalStartup_;
    std::string portalService_;
    std::string timeFields_;
    rt::Variant periodRule_;
    std::string firstRunDate_;
    std::vector<std::string> changeDateRules_;
    std::string cycleFields_;
    std::string rangeFields_;
    std::string programRequiredFields_;
    bool periodModeSeen_ = false;
    bool periodPagePending_ = false;
    bool ruleEditing_ = false;
    // Raised while the schedule handlers set the required fields.
    bool scheduleFlag_ = false;
};

}  // namespace hemr
