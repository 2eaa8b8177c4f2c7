#pragma once
// The generic condition form every report form derives from. It holds the
// host's parameters and session, fetches settings and services, connects the
// scheme and report-counter server, keeps the keyboard and the option pages,
// and packs the derived forms' conditions into the condition array through
// its template of virtual operations. Derived forms override an operation
// and call the inherited one first.

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/comctrls/ListViewTypes.h"
#include "platform/remote/TClientDataSet.h"
#include "platform/remote/TRemoteConnection.h"
#include "src/controls/NVForm.h"
#include "src/framework/HandlerRegistry.h"
#include "src/framework/MessageHost.h"
#include "src/framework/MessageReporter.h"
#include "src/framework/ServerSession.h"
#include "src/framework/SessionContext.h"
#include "src/shell/ShellForm.h"

namespace rt {
class TButton;
class TCustomLabel;
class TCustomMaskEdit;
class TListItem;
class TListView;
class TMenuItem;
class TPageControl;
class TToolButton;
class TStringList;
class TTabSheet;
}  // namespace rt

namespace hemr {

class TSelectPanel;

class TfrmBaseGene : public TNVForm, public IShellForm, public ISessionContext, public IMessageHost {
    RT_CLASS(TfrmBaseGene, TNVForm)

public:
    explicit TfrmBaseGene(rt::TComponent* owner);
    ~TfrmBaseGene() override;

    static void Publish(rt::TPublisher<TfrmBaseGene>& p);

    // ---- the template of virtual operations, in their order -------------------
    virtual void ArrangeSystemPage();
    virtual bool BuildConditionArray();
    virtual void InitSettings();
    virtual void LoadControlPhrase(rt::TControl* Control);
    virtual void SetRequiredFields(const std::string& List);
    // Eleven arguments A1..A11 of the caller (A2 the program code, A5 the values).
    virtual bool RunDirect(const std::vector<rt::Variant>& Args);
    virtual void ConvertDataSets();
    virtual void InitEnvironment();
    bool InitForm(const rt::Variant& Params) override;
    virtual void ReservedHook() {}
    virtual bool FillConditionValues(rt::Variant& Values, int Rows);
    virtual bool ApplyPassedConditions(const rt::Variant& Conditions);
    virtual void ResetOutputOptions() {}
    virtual bool FillEnvironment(rt::Variant& Environment, int Count);
    virtual bool FillConditionCaptions(rt::Variant& Captions, int Rows);
    virtual void SessionInfoLoaded() {}
    virtual void F2Query(const std::string& Table, const std::string& CompanyCode, rt::Variant& Result, bool Multi,
                         const std::string& Condition, const rt::Variant& Key);
    virtual void SetupConnection(rt::TRemoteConnection& Connection);
    virtual bool SaveConditionValues(const std::string& Properties, const std::string& Name, bool Replace);
    virtual bool LoadConditionValues(const std::string& Properties, const std::string& Values);
    virtual bool RefreshSchemeList();
    virtual bool AfterSchemeOpened() { return true; }
    virtual bool RunStartMode(int Mode);
    virtual void BeforeControlRestore(rt::TComponent* Control, const std::string& Value);
    virtual void AfterControlRestore(rt::TComponent* Control, const std::string& Value);

    // ---- operations the derived forms use ----------------------------------------
    void SetModulePath(const std::string& path) override;
    void SetSessionObject(const rt::Variant& session) override { session_.SetSessionObject(session); }
    void ApplyStartParams(const rt::Variant& params) override;
    void SetConditionCount(int n);
    void SetProgramCode(const std::string& code);
    void SetDateFields(const std::string& List);
    void ReportMessage(const std::string& codes) { reporter_.ReportMessage(codes); }
    void ReportException(const std::string& text) { reporter_.ReportException(text); }
    int ShowMessage(const std::string& type, const std::string& number, rt::TMsgDlgButtons buttons,
                    const std::vector<rt::Variant>& args);
    std::string GetMessageText(const std::string& type, const std::string& number);
    std::string GetSysSetting(const std::string& name) { return session_.GetSysSetting(name); }
    bool QueryValue(const std::string& entity, const std::string& company, bool query, rt::Variant& out,
                    const rt::Variant& key);
    rt::Variant GetCounter(const std::string& name, const rt::Variant& key) { return session_.GetCounter(name, key); }
    void SetSessionInfo(const rt::Variant& info);
    // Checks that the typed key exists; reports "E;000001;" or "W;000004;" when not.
    bool CheckConditionValue(const std::string& entity, const std::string& company, const std::string& messageType,
                             int index, rt::Variant& out, const rt::Variant& key);
    bool ApplyConditionArray(const rt::Variant& conditions);
    int GetDateLayout();
    std::string GetDateSeparator();
    std::string ConvertQuickDate(const std::string& text);
    std::string ShowDateInput(const std::string& text);
    // The edit mask and the empty text of a date in the user's layout ("9999/99/99;1; ", "    /  /  ").
    std::string GetDateMask();
    std::string GetBlankDate();
    // Entering: prepares a selection panel, mask edit or edit for a date;
    // leaving: checks its date(s), reports "E;000005" and focuses the first bad
    // edit. Any other control is refused with a message box.
    bool DateFieldCheck(rt::TControl* Control, bool Entering);
    // The required check: reports "E;000037" for the first empty checked field,
    // shows its page and focuses it; true when an empty field was found.
    bool CheckRequiredFields();
    // An F2 lookup that fills the part (BeginEdit, EndEdit or ItemList) of a selection panel.
    void PanelLookup(rt::TControl* Part, const std::string& Table, const std::string& CompanyCode);
    // Writes the panel's value at `Index` of `Values` (a negative index replaces
    // `Values` by the list value). An index outside the array is reported and
    // changes nothing; false then.
    bool PutPanelValue(TSelectPanel* Panel, rt::Variant& Values, int Index);
    // Name=colour of every control as the form started (panel parts as
    // "sp01.edBegin", "sp01.edFinal", "sp01.ListBox").
    const rt::TStringList& ColourList() const { return *colourList_; }
    // The scheme dialog's date rules, one entry per date condition; empty at creation.
    rt::TStringList& DateEnvironment() { return *dateEnvironment_; }
    const THandlerRegistry& DateHooks() const { return dateHooks_; }
    const THandlerRegistry& RequiredHooks() const { return requiredHooks_; }
    // Select the next (or previous) option page, refusing while a check failed.
    void SelectOptionPage(bool goForward);

    // ---- condition schemes (BaseGeneSchemes.cpp) -----------------------------------
    // `name` is one of the names in DateFields.
    bool IsDateField(const std::string& name) const;
    // The date a scheme stores for a date field: "YYYYMMDD" moved by its rule
    // (begin C3 end for a panel); "" when the date environment has no entry
    // for it. A rule that cannot be applied raises.
    std::string SavedDateValue(rt::TComponent* control);
    // A scheme name holds at most 20 bytes in the interface code page.
    bool SchemeNameTooLong(const std::string& name) const;
    // One line per item of `Properties`, each ended by CR LF; raises on a date rule that fails.
    std::string ConditionValuesText(const std::string& Properties);

    // ---- IShellForm ----------------------------------------------------------------
    std::string VersionText() const override { return versionText_; }
    std::string UserID() const override { return userID_; }
    std::string CompanyID() const override { return companyID_; }
    std::string ProgramCode() const override { return programCode_; }
    std::string ProgramName() const override { return programName_; }
    int32_t FormResultCode() const override { return resultCode_; }
    rt::Variant FormResultData() const override { return resultData_; }

    // ---- state ---------------------------------------------------------------------------
    const std::string& DbName() const { return dbName_; }
    rt::HWND HostWindow() const { return hostWindow_; }
    const std::string& ServerProgID() const { return serverProgID_; }
    const std::string& ProgramTitle() const { return programTitle_; }
    const std::string& ProgramKind() const { return programKind_; }
    const std::string& SystemVersion() const { return systemVersion_; }
    const std::string& ModulePath() const { return modulePath_; }
    int EnvCount() const { return envCount_; }
    int ConditionCount() const { return conditionCount_; }
    int SystemRowCount() const { return systemRowCount_; }
    int ServiceFlags() const { return serviceFlags_; }
    bool AllowNoConditions() const { return allowNoConditions_; }
    bool UseGenericApply() const { return useGenericApply_; }
    bool PlainStart() const { return plainStart_; }
    const rt::Variant& ConditionArray() const { return conditionArray_; }
    const std::string& DateFields() const { return dateFields_; }
    const std::string& RequiredFields() const { return requiredFields_; }
    std::vector<rt::TWinControl*>& PageEndControls() { return pageEndControls_; }
    const std::string& ErrorCodes() const { return reporter_.ErrorCodes(); }
    const std::string& ErrorTexts() const { return reporter_.ErrorTexts(); }
    bool HasError() const { return hasError_; }
    void SetHasError(bool v) { hasError_ = v; }
    bool ExitQuiet() const { return reporter_.ExitQuiet(); }
    rt::TWinControl* LastFocused() const { return lastFocused_; }
    int32_t ProductID() const { return productID_; }
    bool LocalServer() const { return localServer_; }
    const rt::Variant& SchemeServer() const { return schemeServer_; }
    const std::string& PropertyList() const { return propertyList_; }
    void SetPropertyList(const std::string& list) { propertyList_ = list; }
    bool SystemPageArranged() const { return systemPageArranged_; }
    bool QueryRun() const { return queryRun_; }
    void SetQueryRun(bool v) { queryRun_ = v; }
    bool WantLog() const { return wantLog_; }
    void SetWantLog(bool v) { wantLog_ = v; }
    TServerSession& Session() { return session_; }
    TMessageReporter& Messages() { return reporter_; }
    rt::TRemoteConnection& MainMidas() { return mainMidas_; }
    rt::TClientDataSet& ClientDataSet1() { return clientDataSet1_; }
    // The module file is a library (the normal case), not a program run on its own.
    bool IsLibraryModule() const;

    // ---- published handlers ------------------------------------------------------------
    void btnOkClick(rt::TObject* Sender);
    void btnCancelClick(rt::TObject* Sender);
    void pgOptionChanging(rt::TObject* Sender, bool& AllowChange);
    virtual void pgOptionChange(rt::TObject* Sender);
    void tsOption2Show(rt::TObject* Sender);
    void btnOpenClick(rt::TObject* Sender);
    void btnDeleteClick(rt::TObject* Sender);
    void lstConditionEdited(rt::TObject* Sender, rt::TListItem* Item, std::string& S);
    void ToolButton1Click(rt::TObject* Sender);
    void ViewIconExecute(rt::TObject* Sender);
    void ViewSmallIconExecute(rt::TObject* Sender);
    void ViewListExecute(rt::TObject* Sender);
    void ViewReportExecute(rt::TObject* Sender);

    // The form's own check handlers, chained in front of the controls' handlers by the field hooks.
    rt::TNotifyEvent OnDateFieldEnter;
    rt::TNotifyEvent OnDateFieldExit;
    rt::TNotifyEvent OnRequiredExit;
    void DateFieldEnter(rt::TObject* Sender);
    void DateFieldExit(rt::TObject* Sender);
    void RequiredExit(rt::TObject* Sender);

    // The form's controls, bound from its resource (see Publish).
    rt::TPageControl* pgOption = nullptr;
    rt::TTabSheet* tsOption1 = nullptr;
    rt::TTabSheet* tsOption2 = nullptr;
    rt::TCustomLabel* lblToday = nullptr;
    rt::TCustomMaskEdit* edPrintDate = nullptr;
    rt::TControl* btnPrintDate = nullptr;
    rt::TButton* btnOk = nullptr;
    rt::TButton* btnCancel = nullptr;
    rt::TListView* lstCondition = nullptr;
    rt::TWinControl* pnlCondition = nullptr;
    rt::TToolButton* btnOpen = nullptr;
    rt::TToolButton* btnDelete = nullptr;
    rt::TToolButton* ToolButton1 = nullptr;
    rt::TMenuItem* ViewIcon = nullptr;
    rt::TMenuItem* ViewSmallIcon = nullptr;
    rt::TMenuItem* ViewList = nullptr;
    rt::TMenuItem* ViewReport = nullptr;

protected:
    // The job's array as a derived form extends it.
    void SetConditionArray(const rt::Variant& conditions) { conditionArray_ = conditions; }
    // ---- ISessionContext / IMessageHost --------------------------------------------------
    const TCodeConverter& SessionConverter() const override;
    bool SessionConverted() const override { return Converted(); }
    std::string SessionCompanyID() const override { return companyID_; }
    std::string SessionDbName() const override { return dbName_; }
    std::string MessageText(const std::string& type, const std::string& number) override;
    const TCodeConverter& MessageConverter() const override { return SessionConverter(); }
    std::string MessageCaption() const override { return Caption(); }
    bool CancelHasFocus() const override;
    void MessageDialogClosed(rt::TMsgDlgType kind) override;

    // The F2 handling of a control; derived forms extend it for their own controls.
    virtual void F2Handling(rt::TWinControl* control);
    void SetVersionText(const std::string& text) { versionText_ = text; }
    void SetResult(int32_t code, const rt::Variant& data) {
        resultCode_ = code;
        resultData_ = data;
    }
    void SetServiceFlags(int flags) { serviceFlags_ = flags; }
    void SetEnvCount(int count) { envCount_ = count; }
    void SetSystemRowCount(int count) { systemRowCount_ = count; }
    void SetProgramKind(const std::string& kind) { programKind_ = kind; }
    // Posts a close request to the form's own window.
    void PostClose();

    void DoCreate() override;
    void DoShow() override;
    void DoClose(rt::TCloseAction& action) override;
    void FocusChanged(rt::TWinControl* control) override;
    // The shell's window behind the form is repainted whenever the form moves or resizes.
    void BoundsChanged() override;
    void KeyDown(uint16_t& key, rt::TShiftState shift) override;
    void KeyPress(char& key) override;
    // Answers the lookup request of lookup buttons and selection panels.
    void WndProc(rt::TMessage& message) override;

private:
    void CreationStep();
    bool ConnectServer();
    bool ConfigureConnection();
    bool ConnectSchemeServer();
    bool CheckFill(bool filled, const rt::Variant& array, int expected, const char* key, const char* def);
    std::string LangText(const char* key, const char* def);
    void ShowProgramHelp();
    bool HandleEnter();
    bool SchemeNameEditing() const;
    rt::TWinControl* PageEndOwner(rt::TWinControl* control) const;
    bool IsPageEndControl(rt::TWinControl* control) const;
    void NextPageOrStay();
    void FocusFirstOnPage(rt::TTabSheet* page);
    void TabFrom(rt::TWinControl* control);
    void RebuildTitle();
    // ---- field hooks (BaseGeneHooks.cpp) ----
    void RecordColours(rt::TWinControl* container);
    void UnhookDateFields();
    void UnhookWorkButtons();
    void UnhookFields();
    void RestoreColour(const std::string& entry, rt::TControl* control);
    void RestoreRequiredColours();
    void ColourRequiredItem(rt::TComponent* component, int part);
    std::vector<rt::TComponent*> WorkButtons();
    void DateFieldRule(rt::TObject* Sender, const char* event);
    void PrepareDatePanel(TSelectPanel& panel);
    bool IsEmptyField(rt::TComponent* component);
    void ShowRequiredField(rt::TComponent* component);
    void ReleasePeriodButton(rt::TComponent* period);
    void FocusOrActivate(rt::TWinControl* control);
    std::string DateInputStart(const std::string& text);
    void UpdateCaption();
    std::vector<rt::Variant> DirectRunArguments(const std::vector<rt::Variant>& args) const;
    // ---- schemes (BaseGeneSchemes.cpp) ----
    std::string ValuesLine(const std::string& item);
    // Restores one item; false when the restore ends there. `ok` turns false for
    // a control the form lacks (the restore goes on); an error raises.
    bool RestoreItem(const std::string& item, const std::string& line, bool& ok);
    void RestorePanel(TSelectPanel& panel, const std::string& line);
    std::string ShownDate(const std::string& ymd);
    void FitSchemeColumns();
    // The selected scheme's record, or null when nothing is selected or it is not in the data set.
    rt::TListItem* FindSelectedScheme();
    bool RenameAllowed(rt::TListItem* item, const std::string& name);
    void SetSchemeView(rt::TMenuItem* item, rt::TViewStyle style);

    TServerSession session_;
    TMessageReporter reporter_;
    THandlerRegistry dateHooks_;
    THandlerRegistry requiredHooks_;
    std::unique_ptr<rt::TStringList> colourList_;
    std::unique_ptr<rt::TStringList> dateEnvironment_;
    rt::TRemoteConnection mainMidas_;
    rt::TClientDataSet clientDataSet1_;

    std::string userID_;
    std::string companyID_;
    std::string dbName_;
    rt::HWND hostWindow_ = 0;
    std::string programCode_;
    std::string serverProgID_;
    std::string programName_;
    std::string programTitle_;
    std::string programKind_ = "R";
    std::string versionText_ = "870401-0.00.00";
    std::string systemVersion_;
    std::string modulePath_;
    int envCount_ = 9;
    int conditionCount_ = 0;
    int systemRowCount_ = 1;
    int serviceFlags_ = 0;
    bool allowNoConditions_ = false;
    bool useGenericApply_ = true;
    bool plainStart_ = true;
    rt::Variant conditionArray_;
    std::string dateFields_;
    std::string requiredFields_;
    std::vector<rt::TWinControl*> pageEndControls_;
    bool hasError_ = false;
    rt::TWinControl* lastFocused_ = nullptr;
    int32_t productID_ = 3;
    bool localServer_ = false;
    rt::Variant schemeServer_;
    std::string propertyList_;
    bool systemPageArranged_ = false;
    bool queryRun_ = false;
    bool wantLog_ = false;
    bool initialised_ = false;
    int32_t resultCode_ = 0;
    rt::Variant resultData_;
};

}  // namespace hemr
