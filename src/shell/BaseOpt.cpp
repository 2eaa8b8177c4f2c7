#include "src/shell/BaseOpt.h"

#include <algorithm>

#include "platform/buttons/TBitBtn.h"
#include "platform/buttons/TSpeedButton.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/menus/TPopupMenu.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/NvRadioButton.h"
#include "src/environment/LangCommon.h"
#include "src/environment/LibStrs.h"
#include "src/framework/GeneConditionCF.h"
#include "src/shell/Edition.h"

namespace hemr {

namespace {

constexpr int kMinWidth = 340;
constexpr int kMinHeight = 275;
constexpr int kNotifyLeft = 108;
constexpr int kNotifyLeftEnglish = 160;
constexpr int kServerCodePage = 936;
constexpr int kResultDone = 1;
constexpr int kResultCancelled = 2;
constexpr int kTrailingSystemDateFields = 4;

}  // namespace

TfrmBaseOpt::TfrmBaseOpt(rt::TComponent* owner) : TfrmBaseGene(owner) {}

TfrmBaseOpt::~TfrmBaseOpt() = default;

void TfrmBaseOpt::Publish(rt::TPublisher<TfrmBaseOpt>& p) {
    RT_METHOD(p, btnOkClick);
    RT_METHOD(p, btnCancelClick);
    RT_METHOD(p, btnSpdClick);
    RT_METHOD(p, miOKExitClick);
    RT_METHOD(p, miOKNoExitClick);
    RT_METHOD(p, rdoQueueClick);
    RT_METHOD(p, rdoExceptTimeClick);
    RT_METHOD(p, edDateEnter);
    RT_METHOD(p, edDateExit);
    RT_METHOD(p, btnInsertClick);
    RT_METHOD(p, btnPeriodClick);
    RT_COMPONENT(p, tsPeriodOption);
    RT_COMPONENT(p, grpGenTime);
    RT_COMPONENT(p, rdoRealTime);
    RT_COMPONENT(p, rdoQueue);
    RT_COMPONENT(p, rdoExceptTime);
    RT_COMPONENT(p, pnlTime);
    RT_COMPONENT(p, edDate);
    RT_COMPONENT(p, edHour);
    RT_COMPONENT(p, edMin);
    RT_COMPONENT(p, edSec);
    RT_COMPONENT(p, btnPeriod);
    RT_COMPONENT(p, btnSpd);
    RT_COMPONENT(p, btnOK02);
    RT_COMPONENT(p, pmOKExit);
    PublishPeriodPage(p);
    if constexpr (edition::kNotification) PublishNotification(p);
}

// ---- creation ------------------------------------------------------------------------------

void TfrmBaseOpt::DoCreate() {
    TfrmBaseGene::DoCreate();
    closeAfterOk_ = true;
    showOkMenu_ = true;
    sqlType_ = 0;
    if (edDate != nullptr) edDate->SetText("");
    if (rdoQueue != nullptr) rdoQueue->SetChecked(true);
    periodRows_ = {{spChangeDate_B, seDay_B1, cboDay_B1, cboDay_B2, seDay_B2},
                   {spChangeDate_E, seDay_E1, cboDay_E1, cboDay_E2, seDay_E2},
                   {edChangeDate, seDay1, cboDay1, cboDay2, seDay2}};
    CopyOkGlyph();
}

void TfrmBaseOpt::DoShow() {
    TfrmBaseGene::DoShow();
    if (btnSpd != nullptr) btnSpd->SetVisible(showOkMenu_);
}

void TfrmBaseOpt::CopyOkGlyph() {
    // OK shows the picture only when the resource made it a button that has one.
    auto* ok = dynamic_cast<rt::TBitBtn*>(btnOk);
    if (ok != nullptr && btnOK02 != nullptr) ok->SetGlyph(btnOK02->Glyph());
}

// ---- set-up ------------------------------------------------------------------------------------

void TfrmBaseOpt::InitSettings() {
    TfrmBaseGene::InitSettings();
    SetDateFields("edDate,meStartDate,meEndDate");
    SetEnvCount(12);
    SetServiceFlags(4);
}

void TfrmBaseOpt::SetupConnection(rt::TRemoteConnection& Connection) {
    TfrmBaseGene::SetupConnection(Connection);
    Connection.SetServerName(ReportCounterProgID);
}

bool TfrmBaseOpt::InitForm(const rt::Variant& Params) {
    const bool ready = TfrmBaseGene::InitForm(Params);
    if (ready) {
        if (edDate != nullptr) edDate->SetText("");
        ReadSqlType();
        LoadRights();
        if (!IsLibraryModule()) SetVisible(true);
        ShowPeriodTab(PeriodMode());
        periodPagePending_ = true;
    }
    notifyXml_.clear();
    return ready;
}

void TfrmBaseOpt::ReadSqlType() {
    if (!SchemeServer().IsDispatch()) return;
    try {
        sqlType_ = SchemeServer().Get("SQLType").ToInt();
    } catch (const std::exception& e) {
        ReportException(e.what());
    }
}

void TfrmBaseOpt::LoadRights() {
    if (!SchemeServer().IsDispatch()) return;
    try {
        const rt::Variant request = rt::Variant::ArrayOf(
            {rt::Variant(DbName()), rt::Variant(UserID()), rt::Variant(ProgramCode()), rt::Variant(std::string())});
        SetSessionInfo(SchemeServer().Call("GetPower", {request}));
    } catch (const std::exception& e) {
        ReportException(e.what());
    }
}

void TfrmBaseOpt::ArrangeSystemPage() {
    TfrmBaseGene::ArrangeSystemPage();
    SetBounds(Left(), Top(), std::max(Width(), kMinWidth), std::max(Height(), kMinHeight));
    if (edPrintDate != nullptr) edPrintDate->SetTabOrder(0);
    if (grpGenTime != nullptr) {
        grpGenTime->SetBounds(8, 41, 220, 115);
        grpGenTime->SetTabOrder(1);
    }
    int order = 0;
    for (rt::TWinControl* c : std::initializer_list<rt::TWinControl*>{rdoRealTime, rdoQueue, rdoExceptTime, pnlTime})
        if (c != nullptr) c->SetTabOrder(order++);
    if (chkNotify != nullptr) chkNotify->SetTabOrder(2);
    if (btnNotify != nullptr) {
        const int left = GetUICodePage() == "437" ? kNotifyLeftEnglish : kNotifyLeft;
        btnNotify->SetBounds(left, btnNotify->Top(), btnNotify->Width(), btnNotify->Height());
    }
}

void TfrmBaseOpt::SessionInfoLoaded() {
    TfrmBaseGene::SessionInfoLoaded();
    // Built afresh, so that loading the rights again does not list a control twice.
    SetPropertyList("");
    BuildControlPropertyList();
    // Nothing to save: the scheme panel would only offer empty schemes.
    if (rt::Trim(PropertyList()).empty() && pnlCondition != nullptr) pnlCondition->SetVisible(false);
}

// ---- the control property list ------------------------------------------------------------------

bool TfrmBaseOpt::IsSchedulePage(const rt::TTabSheet* page) const {
    return page != nullptr && (page == tsOption2 || page == tsPeriodOption);
}

std::string TfrmBaseOpt::ControlProperty(rt::TWinControl* control) const {
    if (ClassChainHas(control, "TCustomMemo")) return "";
    if (ClassChainHas(control, "TSelectPanel")) return ".style";
    if (ClassChainHas(control, "TCustomEdit")) return ".text";
    if (ClassChainHas(control, "TComboBox")) return ".itemindex";
    if (ClassChainHas(control, "TCustomCheckBox") || ClassChainHas(control, "TBitCheckBox")) return ".checked";
    if (ClassChainHas(control, "TRadioButton") || ClassChainHas(control, "TNvRadioButton")) return ".checked";
    if (ClassChainHas(control, "TRadioGroup") || ClassChainHas(control, "TNvRadioGroup")) return ".itemindex";
    return "";
}

void TfrmBaseOpt::BuildControlPropertyList() {
    if (pgOption == nullptr) return;
    std::string list = PropertyList();
    for (int i = 0; i < pgOption->PageCount(); ++i) {
        rt::TTabSheet* page = pgOption->Pages(i);
        if (IsSchedulePage(page)) continue;
        std::vector<rt::TWinControl*> controls;
        page->GetTabOrderList(controls);
        for (rt::TWinControl* control : controls) {
            // Parts of a compound control are not the form's; the panel's style stands for them.
            if (control->Owner() != this || rt::Trim(control->Name()).empty()) continue;
            const std::string property = ControlProperty(control);
            if (!property.empty()) list += control->Name() + property + ";";
        }
    }
    SetPropertyList(list);
}

// ---- OK, Cancel and the OK menu --------------------------------------------------------------

void TfrmBaseOpt::btnOkClick(rt::TObject* Sender) {
    TfrmBaseGene::btnOkClick(Sender);
    if (!BuildConditionArray()) return;
    SubmitJob();
}

rt::Variant TfrmBaseOpt::ConditionArrayForServer() const { return VariantToCodePage(ConditionArray(), kServerCodePage); }

std::string TfrmBaseOpt::RequestJob() {
    try {
        if (!SchemeServer().IsDispatch()) return "ERROR";
        return rt::VarToStr(SchemeServer().Call("Request", {ConditionArrayForServer()}));
    } catch (const std::exception&) {
        return "ERROR";
    }
}

bool TfrmBaseOpt::SubmitJob() {
    const std::string job = RequestJob();
    if (rt::SameText(job, "ERROR")) {
        std::string reason;
        try {
            if (SchemeServer().IsDispatch()) reason = rt::VarToStr(SchemeServer().Get("ErrorDescript"));
        } catch (const std::exception& e) {
            reason = e.what();
        }
        ReportMessage("E;000013;" + reason);
        return false;
    }
    ReportMessage((PlainStart() ? "I;000004;" : "I;-000004;") + job);
    SetResult(kResultDone, rt::Variant(job));
    if (closeAfterOk_) Close();
    return true;
}

void TfrmBaseOpt::btnCancelClick(rt::TObject* Sender) {
    TfrmBaseGene::btnCancelClick(Sender);
    SetResult(kResultCancelled, FormResultData());
}

void TfrmBaseOpt::btnSpdClick(rt::TObject*) {
    if (pmOKExit == nullptr || btnOk == nullptr) return;
    const rt::TPoint below = btnOk->ClientToRoot(rt::TPoint{0, btnOk->Height()});
    pmOKExit->SetPopupComponent(btnOk);
    pmOKExit->Popup(Left() + below.X, Top() + below.Y);
}

void TfrmBaseOpt::miOKExitClick(rt::TObject*) {
    closeAfterOk_ = true;
    CopyOkGlyph();
    if (btnOk != nullptr) btnOk->Click();
}

void TfrmBaseOpt::miOKNoExitClick(rt::TObject*) {
    closeAfterOk_ = false;
    CopyOkGlyph();
    if (btnOk != nullptr) btnOk->Click();
}

// ---- keys and the scheme panel -------------------------------------------------------------------

void TfrmBaseOpt::F2Handling(rt::TWinControl* control) {
    TfrmBaseGene::F2Handling(control);
    if (control == nullptr) return;
    const std::string& name = control->Name();
    if (rt::SameText(name, "edDate") || rt::SameText(name, "meStartDate") || rt::SameText(name, "meEndDate"))
        control->SetText(ShowDateInput(control->GetText()));
}

void TfrmBaseOpt::btnInsertClick(rt::TObject*) {
    // Leaving the focused field runs its exit check; a failed one stops the save.
    if (pnlCondition != nullptr && pnlCondition->CanFocus()) pnlCondition->SetFocus();
    if (HasError()) return;
    const rt::Variant answer = ShowSchemeDialog(DateFields(), kTrailingSystemDateFields);
    if (!answer.IsArray() || answer.ElementCount() < 3) return;
    const std::string name = rt::VarToStr(answer[answer.LowBound()]);
    if (name.empty()) return;
    const rt::Variant& replace = answer[answer.LowBound() + 2];
    SaveConditionValues(PropertyList(), name, !VarIsBlank(replace) && replace.ToBool());
    RefreshSchemeList();
}

rt::Variant TfrmBaseOpt::ShowSchemeDialog(const std::string& Fields, int TrailingSystemFields) {
    return hemr::ShowSchemeDialog(*this, Fields, TrailingSystemFields);
}

bool TfrmBaseOpt::RunDirect(const std::vector<rt::Variant>& Args) { return TfrmBaseGene::RunDirect(Args); }

}  // namespace hemr
