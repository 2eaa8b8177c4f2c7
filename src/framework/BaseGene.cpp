#include "src/framework/BaseGene.h"

#include <algorithm>

#include "platform/classes/TStringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/comctrls/TListColumn.h"
#include "platform/comctrls/TListColumns.h"
#include "platform/comctrls/TListItem.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/comctrls/TToolButton.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"
#include "platform/extctrls/TRadioGroup.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TScreen.h"
#include "platform/grids/TDrawGrid.h"
#include "platform/lists/TComboBox.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/menus/TMenuItem.h"
#include "platform/os/Launcher.h"
#include "platform/os/LocaleInfo.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/FormatSettings.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/ControlMessages.h"
#include "src/controls/F2Button.h"
#include "src/controls/NvRadioGroup.h"
#include "src/controls/SelectPanel.h"
#include "src/controls/TarnListView.h"
#include "src/controls/TarnMaskEdit.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/KestrelIniC.h"
#include "src/environment/KestrelIniS.h"
#include "src/environment/LangCommon.h"
#include "src/environment/LibStrs.h"
#include "src/environment/NVDownLoadNewFile.h"
#include "src/framework/BaseGeneU.h"
#include "src/framework/ServerLibraryRun.h"

namespace hemr {

namespace {

constexpr const char* kSection = "TfrmBaseGene";
constexpr const char* kSchemeProvider = "pvdConSave";
constexpr const char* kSchemeIndex = "Index1";
constexpr const char* kSchemeIndexFields = "NCONDITION;CREATOR;PROGRAMME";
constexpr int kF2WindowService = 4;
constexpr int kMinParams = 3;
constexpr int kFullParams = 5;
constexpr int kBaseEnvCount = 9;
constexpr int kHintHidePause = 500000;

// Element `index` of a one-dimensional array, unassigned when it is not there.
rt::Variant ElementAt(const rt::Variant& array, int index) {
    const rt::Variant& a = array.Deref();
    if (!a.IsArray() || a.DimCount() != 1 || index < a.LowBound() || index > a.HighBound()) return rt::Variant();
    return a[index];
}

int ElementCountOf(const rt::Variant& array) {
    const rt::Variant& a = array.Deref();
    return a.IsArray() && a.DimCount() == 1 ? a.ElementCount() : 0;
}


}  // namespace

TfrmBaseGene::TfrmBaseGene(rt::TComponent* owner)
    : TNVForm(owner), session_(*this), reporter_(*this), colourList_(std::make_unique<rt::TStringList>()),
      dateEnvironment_(std::make_unique<rt::TStringList>()) {
    clientDataSet1_.SetRemoteServer(&mainMidas_);
    clientDataSet1_.SetProviderName(kSchemeProvider);
    clientDataSet1_.AddIndex(kSchemeIndex, kSchemeIndexFields);
    clientDataSet1_.SetIndexName(kSchemeIndex);
}

TfrmBaseGene::~TfrmBaseGene() {
    // Controls freed after the form's own part must not call back into it.
    UnhookFields();
    session_.Release();
    try {
        clientDataSet1_.Close();
        if (!localServer_) mainMidas_.Close();
    } catch (const std::exception&) {
        // A connection that fails to close is gone anyway.
    }
    schemeServer_ = rt::Variant();
}

void TfrmBaseGene::Publish(rt::TPublisher<TfrmBaseGene>& p) {
    p.Property("OnDateFieldEnter", &TfrmBaseGene::OnDateFieldEnter);
    p.Property("OnDateFieldExit", &TfrmBaseGene::OnDateFieldExit);
    p.Property("OnRequiredExit", &TfrmBaseGene::OnRequiredExit);
    p.Property("WantLog", &TfrmBaseGene::WantLog, &TfrmBaseGene::SetWantLog).Stored(false);
    RT_METHOD(p, btnOkClick);
    RT_METHOD(p, btnCancelClick);
    RT_METHOD(p, pgOptionChanging);
    RT_METHOD(p, pgOptionChange);
    RT_METHOD(p, tsOption2Show);
    RT_METHOD(p, btnOpenClick);
    RT_METHOD(p, btnDeleteClick);
    RT_METHOD(p, lstConditionEdited);
    RT_METHOD(p, ToolButton1Click);
    RT_METHOD(p, ViewIconExecute);
    RT_METHOD(p, ViewSmallIconExecute);
    RT_METHOD(p, ViewListExecute);
    RT_METHOD(p, ViewReportExecute);
    RT_METHOD(p, DateFieldEnter);
    RT_METHOD(p, DateFieldExit);
    RT_METHOD(p, RequiredExit);
    RT_COMPONENT(p, pgOption);
    RT_COMPONENT(p, tsOption1);
    RT_COMPONENT(p, tsOption2);
    RT_COMPONENT(p, lblToday);
    RT_COMPONENT(p, edPrintDate);
    RT_COMPONENT(p, btnPrintDate);
    RT_COMPONENT(p, btnOk);
    RT_COMPONENT(p, btnCancel);
    RT_COMPONENT(p, lstCondition);
    RT_COMPONENT(p, pnlCondition);
    RT_COMPONENT(p, btnOpen);
    RT_COMPONENT(p, btnDelete);
    RT_COMPONENT(p, ToolButton1);
    RT_COMPONENT(p, ViewIcon);
    RT_COMPONENT(p, ViewSmallIcon);
    RT_COMPONENT(p, ViewList);
    RT_COMPONENT(p, ViewReport);
}

// ---- creation and the form's own events ---------------------------------------------

void TfrmBaseGene::DoCreate() {
    TNVForm::DoCreate();
    CreationStep();
}

void TfrmBaseGene::CreationStep() {
    if (NvConverter() != nullptr && GetSystemCodePage() == "950") rt::FormatSettings().DateSeparator = rt::LocaleDateSeparator();
    rt::Application().SetHintHidePause(kHintHidePause);
    versionText_ = "870401-0.00.00";
    companyID_.clear();
    programCode_.clear();
    programName_.clear();
    requiredFields_.clear();
    dateFields_.clear();
    OnDateFieldEnter = rt::TNotifyEvent::Of<&TfrmBaseGene::DateFieldEnter>(this);
    OnDateFieldExit = rt::TNotifyEvent::Of<&TfrmBaseGene::DateFieldExit>(this);
    OnRequiredExit = rt::TNotifyEvent::Of<&TfrmBaseGene::RequiredExit>(this);
    hasError_ = false;
    systemPageArranged_ = false;
    lastFocused_ = this;
    reporter_.SetExitQuiet(false);
    plainStart_ = true;
    ConvertDataSets();
    dateEnvironment_->Clear();
}

void TfrmBaseGene::BoundsChanged() {
    TNVForm::BoundsChanged();
    if (hostWindow_ != 0) rt::Application().SendMessage(hostWindow_, rt::WM_PAINT);
}

void TfrmBaseGene::DoShow() {
    TNVForm::DoShow();
    UpdateCaption();
    if (pgOption != nullptr && tsOption1 != nullptr) {
        pgOption->SetActivePage(tsOption1);
        FocusFirstOnPage(tsOption1);
    }
    ConvertOnce();
    if (lstCondition != nullptr && lstCondition->Columns()->Count() == 0) {
        rt::TListColumn* name = lstCondition->Columns()->Add();
        name->SetCaption(LangText("sProjectName", "方案名称"));
        name->SetAlignment(rt::taRightJustify);
        rt::TListColumn* date = lstCondition->Columns()->Add();
        date->SetCaption(LangText("sCreateTime", "创建时间"));
        date->SetAlignment(rt::taLeftJustify);
    }
    try {
        RefreshSchemeList();
    } catch (const std::exception& e) {
        ReportException(e.what());
    }
}

void TfrmBaseGene::DoClose(rt::TCloseAction& action) {
    TNVForm::DoClose(action);
    action = rt::caFree;
}

void TfrmBaseGene::FocusChanged(rt::TWinControl* control) {
    TNVForm::FocusChanged(control);
    if (control != nullptr) lastFocused_ = control;
}

void TfrmBaseGene::PostClose() { rt::Application().PostMessage(Handle(), rt::WM_CLOSE); }

bool TfrmBaseGene::IsLibraryModule() const { return IsLibraryFileName(modulePath_); }

void TfrmBaseGene::UpdateCaption() { SetCaption(programTitle_ + "[" + systemVersion_ + "]"); }

std::string TfrmBaseGene::LangText(const char* key, const char* def) {
    std::string text;
    GetLangText(kSection, key, text, true, def);
    return text;
}

// ---- session and messages ---------------------------------------------------------------

const TCodeConverter& TfrmBaseGene::SessionConverter() const { return *NvConverter(); }

std::string TfrmBaseGene::MessageText(const std::string& type, const std::string& number) {
    return session_.GetMessageText(type, number);
}

std::string TfrmBaseGene::GetMessageText(const std::string& type, const std::string& number) {
    return session_.GetMessageText(type, number);
}

int TfrmBaseGene::ShowMessage(const std::string& type, const std::string& number, rt::TMsgDlgButtons buttons,
                              const std::vector<rt::Variant>& args) {
    return reporter_.ShowMessage(type, number, buttons, args);
}

bool TfrmBaseGene::CancelHasFocus() const { return btnCancel != nullptr && btnCancel->Focused(); }

void TfrmBaseGene::MessageDialogClosed(rt::TMsgDlgType kind) {
    // A mouse capture that opened the dialog is released.
    if (rt::TWinControl* active = ActiveControl()) rt::Application().PostMessage(active->Handle(), rt::WM_LBUTTONUP);
    if (kind == rt::mtError && lastFocused_ != nullptr && lastFocused_ != this && lastFocused_->CanFocus())
        lastFocused_->SetFocus();
}

bool TfrmBaseGene::QueryValue(const std::string& entity, const std::string& company, bool query, rt::Variant& out,
                              const rt::Variant& key) {
    return session_.QueryValue(entity, company, query, out, key);
}

void TfrmBaseGene::SetSessionInfo(const rt::Variant& info) {
    session_.SetSessionInfo(info);
    SessionInfoLoaded();
}

bool TfrmBaseGene::CheckConditionValue(const std::string& entity, const std::string& company,
                                       const std::string& messageType, int index, rt::Variant& out,
                                       const rt::Variant& key) {
    if (CancelHasFocus()) return true;
    const rt::Variant& k = key.Deref();
    if (k.IsEmpty() || k.IsNull() || (k.IsString() && rt::VarToStr(k).empty())) {
        out = rt::Variant();
        return true;
    }
    rt::Variant row;
    if (!QueryValue(entity, company, index == -2, row, key)) {
        // "E" and "W" report the failure; any other type ("N") leaves it to the caller.
        if (messageType == "E" || messageType == "W") {
            ReportMessage(std::string(messageType == "W" ? "W;000004;" : "E;000001;") + GetMessageText("I", "000008"));
        }
        return false;
    }
    const rt::Variant element = ElementAt(row, index);
    out = row.IsArray() && index >= row.LowBound() && index <= row.HighBound() ? element : row;
    return true;
}

// ---- start: module path, InitForm and the environment --------------------------------------

void TfrmBaseGene::SetModulePath(const std::string& path) {
    modulePath_ = path;
    // A program that is no library runs the form on its own with the test parameters.
    if (!IsLibraryModule()) InitForm(rt::Variant::ArrayOf({"796", "KWTest60", "KWTest60"}));
}

bool TfrmBaseGene::InitForm(const rt::Variant& Params) {
    if (initialised_ || !companyID_.empty()) return false;
    try {
        session_.ReleaseServices();
        systemRowCount_ = 1;
        reporter_.ResetErrors();
        if (edPrintDate != nullptr) edPrintDate->SetText("");
        useGenericApply_ = true;
        allowNoConditions_ = false;

        const int count = ElementCountOf(Params);
        hostWindow_ = count >= 4 ? static_cast<rt::HWND>(ElementAt(Params, Params.LowBound() + 3).ToInt64()) : 0;
        if (count < kFullParams) {
            ReportMessage("E;000038");
            PostClose();
            // Without user, company and database there is nothing to set up.
            if (count < kMinParams) return false;
        }
        SetVisible(false);
        const int low = Params.LowBound();
        userID_ = rt::VarToStr(ElementAt(Params, low));
        companyID_ = rt::VarToStr(ElementAt(Params, low + 1));
        dbName_ = rt::VarToStr(ElementAt(Params, low + 2));
        initialised_ = true;

        InitEnvironment();

        if (!rt::SameText(Name().size() > 3 ? Name().substr(3, 3) : std::string(), programCode_.substr(0, 3))) {
            ReportMessage("E;000036");
            PostClose();
            return true;
        }
        if (ConnectServer()) return true;
        ReportMessage("E;000006");
        PostClose();
        return false;
    } catch (const std::exception& e) {
        ReportException(e.what());
        return false;
    }
}

void TfrmBaseGene::InitEnvironment() {
    colourList_->Clear();
    RecordColours(this);
    session_.FetchServices(!IsLibraryModule());
    systemVersion_ = GetSysSetting("NVR002");
    productID_ = session_.ReadProductID();
    session_.SetProductID(productID_);
    InitSettings();
    if ((serviceFlags_ & kF2WindowService) != 0) session_.FetchF2Window();
}

void TfrmBaseGene::InitSettings() {
    SetDateFields("edPrintDate");
    programKind_ = "R";
    envCount_ = kBaseEnvCount;
    SetProgramCode(ProgramCodeOfModule(modulePath_));
    serviceFlags_ = 0;
    SetConditionCount(0);
}

void TfrmBaseGene::SetProgramCode(const std::string& code) {
    programCode_ = rt::UpperCase(code);
    serverProgID_ = programCode_ + "S.Class1";
    const TProgramEntry entry = session_.LookupProgram(programCode_);
    programName_ = entry.Name;
    programTitle_ = entry.Name;
    wantLog_ = entry.WantLog;
}

void TfrmBaseGene::SetConditionCount(int n) {
    conditionCount_ = systemRowCount_ >= conditionCount_ ? n + systemRowCount_ : n;
}

// ---- the connection to the scheme and report-counter server ----------------------------

bool TfrmBaseGene::ConnectServer() {
    if (!ConfigureConnection()) return false;
    SetupConnection(mainMidas_);
    if (mainMidas_.ServerName().empty()) return false;
    return ConnectSchemeServer();
}

bool TfrmBaseGene::ConfigureConnection() {
    try {
        mainMidas_.Close();
        const TKestrelIniC ini;
        if (!ini.ErrorCode().empty()) {
            ReportMessage(ini.ErrorCode());
            return false;
        }
        const rt::Variant& servers = ini.ServerList();
        if (servers.IsArray() && servers.DimCount() == 2) {
            const int first = servers.LowBound(2);
            mainMidas_.SetAddress(rt::VarToStr(servers.At(servers.LowBound(1), first)));
            mainMidas_.SetPort(servers.At(servers.LowBound(1) + 1, first).ToInt());
        }
        return true;
    } catch (const std::exception& e) {
        ReportException(e.what());
        return false;
    }
}

bool TfrmBaseGene::ConnectSchemeServer() {
    schemeServer_ = rt::Variant();
    try {
        mainMidas_.Close();
        localServer_ = IsLocalHost(mainMidas_.Address());
        mainMidas_.Open();
        if (mainMidas_.Connected()) schemeServer_ = mainMidas_.AppServer();
        return schemeServer_.IsDispatch();
    } catch (const std::exception& e) {
        ReportException(e.what());
        return false;
    }
}

void TfrmBaseGene::SetupConnection(rt::TRemoteConnection&) {}

// ---- the condition array ----------------------------------------------------------------

bool TfrmBaseGene::CheckFill(bool filled, const rt::Variant& array, int expected, const char* key, const char* def) {
    if (!filled) return false;
    const int high = array.IsArray() ? array.HighBound() : 0;
    if (high != expected) {
        ShowMessage("W", "000002", {}, {rt::Variant(LangText(key, def)), rt::Variant(expected), rt::Variant(high)});
        return false;
    }
    for (int i = array.LowBound(); i <= high; ++i) {
        if (VarIsBlank(array[i])) {
            ShowMessage("W", "000003", {}, {rt::Variant(LangText(key, def)), rt::Variant(expected), rt::Variant(i)});
            return false;
        }
    }
    return true;
}

bool TfrmBaseGene::BuildConditionArray() {
    const int e = envCount_;
    const int c = conditionCount_;
    const int s = systemRowCount_;
    if (e <= 0 || (c <= 0 && !allowNoConditions_)) {
        ShowMessage("I", "000003", {}, {rt::Variant(std::string())});
        return false;
    }
    rt::Variant captions = rt::Variant::CreateArray({{1, c}});
    rt::Variant values = rt::Variant::CreateArray({{1, c}});
    rt::Variant environment = rt::Variant::CreateArray({{1, e}});
    if (!CheckFill(FillConditionCaptions(captions, c - s), captions, c, "sOption", "选择条件文字")) return false;
    if (!CheckFill(FillConditionValues(values, c - s), values, c, "sOptionInf", "选择条件信息")) return false;
    if (!CheckFill(FillEnvironment(environment, e), environment, e, "sEnvSetting", "环境设置")) return false;
    const TCodeConverter& converter = *NvConverter();
    conditionArray_ = rt::Variant::ArrayOf({environment, converter.UIToDB(captions), converter.UIToDB(values)});
    return true;
}

bool TfrmBaseGene::FillConditionCaptions(rt::Variant& Captions, int Rows) {
    queryRun_ = true;
    try {
        const std::string caption = lblToday != nullptr ? lblToday->Caption() : std::string("制表日期");
        Captions.At(Rows + systemRowCount_) = rt::Variant::ArrayOf({rt::Variant(caption), rt::Variant("edPrintDate")});
        return true;
    } catch (const std::exception&) {
        ReportMessage("E;000030;" + GetMessageText("I", "000011"));
        return false;
    }
}

bool TfrmBaseGene::FillConditionValues(rt::Variant& Values, int Rows) {
    try {
        std::string text = edPrintDate != nullptr ? rt::Trim(edPrintDate->GetText()) : std::string();
        const std::string separator = GetDateSeparator();
        // A date edit with nothing typed shows only its separators.
        if (!text.empty() && (rt::StartsText(separator, text) || rt::EndsText(separator, text))) text.clear();
        Values.At(Rows + systemRowCount_) = rt::Variant(text.empty() ? text : ConvertQuickDate(text));
        return true;
    } catch (const std::exception&) {
        ReportMessage("E;000030");
        return false;
    }
}

bool TfrmBaseGene::FillEnvironment(rt::Variant& Environment, int Count) {
    const rt::Variant items[kBaseEnvCount] = {
        rt::Variant(rt::UpperCase(programCode_)), rt::Variant(envCount_),     rt::Variant(conditionCount_),
        rt::Variant(companyID_),                  rt::Variant(userID_),       rt::Variant(dbName_),
        rt::Variant::FromDate(rt::Now()),         rt::Variant(serverProgID_), rt::Variant(rt::UpperCase(programKind_))};
    for (int i = 1; i <= std::min(Count, kBaseEnvCount); ++i) Environment.At(i) = items[i - 1];
    return true;
}

// ---- start parameters ---------------------------------------------------------------------

void TfrmBaseGene::ApplyStartParams(const rt::Variant& params) {
    const rt::Variant r = ElementAt(params, 1);
    if (!r.IsArray() || ElementCountOf(r) == 0) return;
    const int mode = ElementAt(r, 0).IsEmpty() ? 0 : ElementAt(r, 0).ToInt();
    plainStart_ = mode == 0 || mode == 1;
    allowNoConditions_ = false;
    bool applied = false;
    const rt::Variant x = ElementAt(r, 1);
    if (x.IsArray()) {
        useGenericApply_ = ElementAt(x, 0).ToBool();
        const rt::Variant passed = ElementAt(x, 1);
        if (ElementCountOf(passed) > 0)
            applied = useGenericApply_ ? ApplyConditionArray(passed) : ApplyPassedConditions(passed);
        allowNoConditions_ = applied && mode != 0;
    }
    if (!Converted()) {
        ConvertOnce();
        if (GetSystemCodePage() == "950") RebuildTitle();
    }
    if (mode > 2 && applied) {
        RunStartMode(mode);
    } else if (allowNoConditions_ && btnOk != nullptr) {
        btnOk->Click();
    }
}

void TfrmBaseGene::RebuildTitle() {
    programTitle_ = NvConverter()->GBToBig5Text(programTitle_);
    if (!IsLibraryModule()) programTitle_ += LangText("sExeVer", "[您现在运行的是Exe版本!]");
    UpdateCaption();
}

bool TfrmBaseGene::ApplyConditionArray(const rt::Variant& conditions) {
    const rt::Variant names = ElementAt(conditions, 0);
    bool ok = ElementCountOf(names) > 0;
    for (int i = 0; ok && i < ElementCountOf(names); ++i) {
        const std::string name = rt::VarToStr(ElementAt(ElementAt(names, names.LowBound() + i), 1));
        rt::TComponent* c = name.empty() ? nullptr : FindComponent(name);
        ok = c != nullptr && (dynamic_cast<TSelectPanel*>(c) != nullptr || dynamic_cast<rt::TComboBox*>(c) != nullptr ||
                              rt::HasProperty(c, "ItemIndex") || rt::HasProperty(c, "Checked") ||
                              rt::HasProperty(c, "Text") || rt::HasProperty(c, "Lines"));
    }
    if (!ok) ReportMessage("W;000014");
    return ok;
}

bool TfrmBaseGene::ApplyPassedConditions(const rt::Variant&) { return false; }

bool TfrmBaseGene::RunStartMode(int) { return true; }

// ---- dates and the F2 services ------------------------------------------------------------

int TfrmBaseGene::GetDateLayout() {
    int32_t layout = 1;
    return rt::TryStrToInt(rt::Trim(GetSysSetting("Sys001")), layout) ? layout : 1;
}

std::string TfrmBaseGene::GetDateSeparator() {
    const std::string separator = GetSysSetting("Sys002");
    return separator.empty() ? "/" : separator;
}

std::string TfrmBaseGene::ConvertQuickDate(const std::string& text) {
    return ConvertQuickDateText(text, GetDateLayout(), GetDateSeparator());
}

std::string TfrmBaseGene::ShowDateInput(const std::string& text) {
    const rt::Variant& f2 = session_.F2Window();
    if (!f2.IsDispatch()) return "";
    const int layout = GetDateLayout();
    const std::string start = DateInputStart(text);
    try {
        const std::string answer = rt::Trim(rt::VarToStr(
            f2.Call("ShowInputDay", {rt::Variant::ArrayOf({rt::Variant(layout > 3), rt::Variant(start),
                                                           rt::Variant(dbName_)})})));
        if (answer.empty()) return text;
        return FormatDateAs(layout, GetDateSeparator(), YmdToDate(answer));
    } catch (const std::exception&) {
        return text;
    }
}

void TfrmBaseGene::F2Query(const std::string& Table, const std::string& CompanyCode, rt::Variant& Result, bool Multi,
                           const std::string& Condition, const rt::Variant& Key) {
    Result = rt::Variant();
    const rt::Variant& f2 = session_.F2Window();
    if (!f2.IsDispatch()) return;
    const TCodeConverter& converter = *NvConverter();
    const rt::Variant request = rt::Variant::ArrayOf({
        rt::Variant(Table), rt::Variant(CompanyCode), converter.UIToDB(Key), rt::Variant(Multi),
        converter.UIToDB(rt::Variant(Condition)), rt::Variant(companyID_), rt::Variant(dbName_),
        rt::Variant(static_cast<int64_t>(Handle())), rt::Variant(1), rt::Variant(false), rt::Variant(productID_),
        rt::Variant(std::string()), rt::Variant(std::string()), rt::Variant(std::string()),
        rt::Variant(session_.RightsText()), rt::Variant(session_.RightsFlag2()), rt::Variant(session_.RightsFlag1()),
        session_.SessionObject(), rt::Variant(userID_)});
    const rt::Variant answer = f2.Call("F2GetData", {request});
    Result = Converted() ? converter.DBToUI(answer) : answer;
}

void TfrmBaseGene::LoadControlPhrase(rt::TControl* Control) {
    const rt::Variant& f2 = session_.F2Window();
    if (Control == nullptr || !f2.IsDispatch()) return;
    rt::Variant phrase = f2.Call("GetPhrase", {rt::Variant(userID_), rt::Variant(dbName_),
                                               rt::Variant(static_cast<int64_t>(Handle()))});
    if (Converted()) phrase = NvConverter()->DBToUI(phrase);
    const std::string text = rt::VarToStr(phrase);
    if (!text.empty()) Control->SetText(text);
}

void TfrmBaseGene::F2Handling(rt::TWinControl* control) {
    if (control == nullptr) return;
    if (control->CanFocus()) control->SetFocus();
    if (control == edPrintDate) edPrintDate->SetText(ShowDateInput(edPrintDate->GetText()));
}

// ---- client data sets -----------------------------------------------------------------------

void TfrmBaseGene::ConvertDataSets() {
    const TCodeConverter* converter = NvConverter();
    if (converter == nullptr) return;
    for (int i = 0; i < clientDataSet1_.FieldCount(); ++i) {
        rt::TField& field = clientDataSet1_.Fields(i);
        field.SetDisplayLabel(rt::VarToStr(converter->DesignToUI(rt::Variant(field.DisplayLabel()))));
        if (!field.OnGetText) {
            field.OnGetText = [converter](rt::TField& sender, std::string& text, bool) {
                text = rt::VarToStr(converter->DesignToUI(rt::Variant(sender.AsString())));
            };
        }
        if (!field.OnSetText) {
            field.OnSetText = [converter](rt::TField& sender, const std::string& text) {
                sender.SetAsString(rt::VarToStr(converter->UIToDesign(rt::Variant(text))));
            };
        }
    }
}

// ---- schemes (the rest in BaseGeneSchemes.cpp) ---------------------------------------------

void TfrmBaseGene::BeforeControlRestore(rt::TComponent*, const std::string&) {}

void TfrmBaseGene::AfterControlRestore(rt::TComponent*, const std::string&) {}

// ---- the direct run through the program's server library ---------------------------------

std::vector<rt::Variant> TfrmBaseGene::DirectRunArguments(const std::vector<rt::Variant>& a) const {
    const std::string kind = rt::UpperCase(rt::VarToStr(a[6]));
    if (kind == "B") return {a[0], a[9], a[8], a[4], a[5], a[2], rt::Variant(productID_)};
    return {a[0],           a[10],
            a[9],           a[8],
            a[5],           a[4],
            a[3],           rt::Variant(kind),
            a[2],           rt::Variant(productID_),
            rt::Variant(queryRun_), rt::Variant(NvConverter()->UICodePage())};
}

bool TfrmBaseGene::RunDirect(const std::vector<rt::Variant>& Args) {
    constexpr size_t kDirectRunArgs = 11;
    if (Args.size() < kDirectRunArgs) return false;
    rt::Application().ProcessMessages();
    bool done = false;
    try {
        const TKestrelIniS ini;
        std::vector<std::string> folders;
        ini.GetWorkDLLPaths(folders);
        const TServerLibraryRun run(
            folders, rt::VarToStr(Args[1]), [this](const std::string& name) { return session_.GetFileList(name); },
            [](const std::string& description, const std::string& path) {
                std::string message;
                return UpdateFileFromXML(description, path, true, message);
            });
        std::string message;
        done = run.Run(rt::Variant::ArrayOf(DirectRunArguments(Args)), message);
    } catch (const std::exception& e) {
        ReportException(e.what());
        done = false;
    }
    rt::Application().ProcessMessages();
    return done;
}

// ---- pages -----------------------------------------------------------------------------------------

void TfrmBaseGene::ArrangeSystemPage() {
    if (tsOption2 != nullptr) {
        tsOption2->SetParentFont(true);
        tsOption2->Font()->SetSize(9);
    }
    SetBounds(Left(), Top(), std::max(Width(), 315), std::max(Height(), 110));
    if (lblToday != nullptr) {
        lblToday->SetAutoSize(true);
        lblToday->SetBounds(8, 12, lblToday->Width(), lblToday->Height());
    }
    if (edPrintDate != nullptr) {
        edPrintDate->SetBounds(60, 8, 85, edPrintDate->Height());
        if (auto* lookup = dynamic_cast<TF2Button*>(btnPrintDate)) lookup->AlignToControl();
    }
}

void TfrmBaseGene::tsOption2Show(rt::TObject*) {
    if (systemPageArranged_) return;
    systemPageArranged_ = true;
    ArrangeSystemPage();
}

void TfrmBaseGene::pgOptionChanging(rt::TObject*, bool& AllowChange) {
    rt::TWinControl* active = ActiveControl();
    if (active != nullptr && active->OnExit.Assigned()) {
        reporter_.SetExitQuiet(true);
        try {
            active->OnExit(active);
        } catch (...) {
            reporter_.SetExitQuiet(false);
            throw;
        }
        reporter_.SetExitQuiet(false);
    }
    AllowChange = !hasError_;
}

void TfrmBaseGene::pgOptionChange(rt::TObject*) {
    if (pgOption != nullptr) FocusFirstOnPage(pgOption->ActivePage());
}

void TfrmBaseGene::FocusFirstOnPage(rt::TTabSheet* page) {
    if (page == nullptr) return;
    for (int order = 0;; ++order) {
        rt::TWinControl* found = nullptr;
        for (int i = 0; i < page->ControlCount() && found == nullptr; ++i) {
            auto* control = dynamic_cast<rt::TWinControl*>(page->Controls(i));
            if (control != nullptr && control->TabOrder() == order) found = control;
        }
        if (found == nullptr) return;
        if (!found->Enabled()) continue;
        if (auto* panel = dynamic_cast<TSelectPanel*>(found))
            found = panel->IsRangeMode() ? static_cast<rt::TWinControl*>(panel->BeginEdit()) : panel->ItemList();
        FocusOrActivate(found);
        return;
    }
}

void TfrmBaseGene::SelectOptionPage(bool goForward) {
    if (pgOption != nullptr) pgOption->SelectNextPage(goForward);
}

void TfrmBaseGene::NextPageOrStay() {
    if (pgOption != nullptr && pgOption->ActivePageIndex() < pgOption->PageCount() - 1) SelectOptionPage(true);
}

// ---- keys ----------------------------------------------------------------------------------------------

void TfrmBaseGene::btnOkClick(rt::TObject*) {}

void TfrmBaseGene::btnCancelClick(rt::TObject*) {
    SetResult(rt::mrCancel, rt::Variant());
    Close();
}

void TfrmBaseGene::ShowProgramHelp() {
    const std::string topic = HelpTopicOf(programCode_);
    if (!topic.empty()) session_.CallHelp(programCode_.substr(0, 3), topic);
}

bool TfrmBaseGene::SchemeNameEditing() const { return lstCondition != nullptr && lstCondition->IsEditing(); }

void TfrmBaseGene::KeyDown(uint16_t& key, rt::TShiftState shift) {
    // The name editor of the scheme list has its own keys: Escape ends the edit, not the form.
    if (SchemeNameEditing()) {
        TNVForm::KeyDown(key, shift);
        return;
    }
    const bool ctrl = shift.Contains(rt::ssCtrl);
    const bool shifted = shift.Contains(rt::ssShift);
    if (key == rt::VK_ESCAPE && !ctrl && !shifted) {
        key = 0;
        SetResult(rt::mrCancel, rt::Variant());
        Close();
    } else if (key == rt::VK_F1 && shift.Empty()) {
        key = 0;
        ShowProgramHelp();
    } else if (key == rt::VK_F2 && shift.Empty() && (lstCondition == nullptr || ActiveControl() != lstCondition)) {
        // F2 on the scheme list is the list's own: it edits the selected scheme's name.
        key = 0;
        F2Handling(ActiveControl());
    } else if (key == 'V' && ctrl && shift.Contains(rt::ssAlt)) {
        key = 0;
        rt::ShellExecute("properties", modulePath_, "", "", rt::SW_SHOWNORMAL);
    } else if (ctrl && ((key == rt::VK_TAB && shifted) || key == rt::VK_PRIOR)) {
        key = 0;
        SelectOptionPage(false);
    } else if (ctrl && (key == rt::VK_TAB || key == rt::VK_NEXT)) {
        key = 0;
        SelectOptionPage(true);
    } else {
        TNVForm::KeyDown(key, shift);
    }
}

void TfrmBaseGene::WndProc(rt::TMessage& message) {
    if (message.Msg == LookupRequestMessage) {
        F2Handling(reinterpret_cast<rt::TWinControl*>(message.LParam));
        message.Result = 1;
        return;
    }
    TNVForm::WndProc(message);
}

void TfrmBaseGene::KeyPress(char& key) {
    if (key == '\r' && !SchemeNameEditing() && HandleEnter()) {
        key = 0;
        return;
    }
    TNVForm::KeyPress(key);
}

// A range edit counts as its selection panel, a button as its radio group.
rt::TWinControl* TfrmBaseGene::PageEndOwner(rt::TWinControl* control) const {
    rt::TWinControl* parent = control->Parent();
    const bool grouped = dynamic_cast<TSelectPanel*>(parent) != nullptr ||
                         dynamic_cast<rt::TRadioGroup*>(parent) != nullptr ||
                         dynamic_cast<TNvRadioGroup*>(parent) != nullptr;
    return grouped ? parent : control;
}

bool TfrmBaseGene::IsPageEndControl(rt::TWinControl* control) const {
    const rt::TWinControl* owner = PageEndOwner(control);
    return std::find(pageEndControls_.begin(), pageEndControls_.end(), owner) != pageEndControls_.end();
}

void TfrmBaseGene::TabFrom(rt::TWinControl* control) { SelectNext(control, true, true); }

bool TfrmBaseGene::HandleEnter() {
    rt::TWinControl* control = ActiveControl();
    if (control == nullptr) return false;
    if (auto* grid = dynamic_cast<rt::TDrawGrid*>(control)) {
        if (grid->Col() < grid->ColCount() - 1) {
            grid->SetCol(grid->Col() + 1);
        } else {
            if (grid->Row() >= grid->RowCount() - 1) grid->SetRowCount(grid->RowCount() + 1);
            grid->SetCol(grid->FixedCols());
            grid->SetRow(grid->Row() + 1);
        }
        return true;
    }
    if (auto* memo = dynamic_cast<rt::TCustomMemo*>(control)) {
        // The first two lines take line breaks; below them Enter moves on.
        if (memo->CaretPos().Y < 2) return false;
        if (IsPageEndControl(memo))
            NextPageOrStay();
        else
            TabFrom(memo);
        return true;
    }
    if (IsPageEndControl(control))
        NextPageOrStay();
    else
        TabFrom(control);
    return true;
}

}  // namespace hemr
