#include "src/shell/BaseRpt.h"

#include <algorithm>

#include "platform/buttons/TSpeedButton.h"
#include "platform/lists/TComboBox.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/lists/TItemStrings.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/F2Button.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LangCommon.h"
#include "src/shell/Edition.h"

namespace hemr {

namespace {

constexpr const char* kSection = "TfrmBaseRpt";
constexpr int kEnvCount = 14;
constexpr int kSystemRows = 4;
constexpr int kFixedLayoutRows = 3;
constexpr int kTextLimit = 255;
constexpr int kExtraWidth = 80;
constexpr int kMinWidth = 585;
constexpr int kMinHeight = 460;
constexpr int kWebDesignGap = 15;
constexpr int kRunOptionsBarred = 3;

void Enable(rt::TControl* control, bool enabled) {
    if (control != nullptr) control->SetEnabled(enabled);
}

std::string CaptionOf(const rt::TControl* control) { return control != nullptr ? control->Caption() : std::string(); }

std::string TextOf(const rt::TControl* control) { return control != nullptr ? control->GetText() : std::string(); }

}  // namespace

TfrmBaseRpt::TfrmBaseRpt(rt::TComponent* owner) : TfrmBaseOpt(owner) {}

TfrmBaseRpt::~TfrmBaseRpt() = default;

void TfrmBaseRpt::Publish(rt::TPublisher<TfrmBaseRpt>& p) {
    RT_METHOD(p, chkViewClick);
    RT_METHOD(p, edNoteIDEnter);
    RT_METHOD(p, edNoteIDExit);
    RT_METHOD(p, edSignInIDExit);
    RT_METHOD(p, btnQueryClick);
    RT_METHOD(p, btnDesignClick);
    RT_METHOD(p, btnPeriodClick);
    RT_COMPONENT(p, lblDateType);
    RT_COMPONENT(p, cboDateType);
    RT_COMPONENT(p, grpGenType);
    RT_COMPONENT(p, chkView);
    RT_COMPONENT(p, chkHTML);
    RT_COMPONENT(p, chkDirectPrint);
    RT_COMPONENT(p, grpNote);
    RT_COMPONENT(p, edNoteID);
    RT_COMPONENT(p, btnNote);
    RT_COMPONENT(p, edNote1);
    RT_COMPONENT(p, edNote2);
    RT_COMPONENT(p, edNote3);
    RT_COMPONENT(p, chkNoteEPPrint);
    RT_COMPONENT(p, grpSignIn);
    RT_COMPONENT(p, edSignInID);
    RT_COMPONENT(p, btnSignIn);
    RT_COMPONENT(p, edSignIn1);
    RT_COMPONENT(p, edSignIn2);
    RT_COMPONENT(p, edSignIn3);
    RT_COMPONENT(p, chkSignInEPPrint);
    RT_COMPONENT(p, btnQuery);
    RT_COMPONENT(p, btnDesign);
    if constexpr (edition::kWebReport) PublishWebReport(p);
}

std::string TfrmBaseRpt::LangText(const char* key, const char* def) {
    std::string text;
    GetLangText(kSection, key, text, true, def);
    return text;
}

// ---- creation and showing ----------------------------------------------------------------

TfrmBaseRpt::TBlockControls TfrmBaseRpt::Block(TTextBlock block) const {
    if (block == TTextBlock::Footer) return {edNoteID, btnNote, {edNote1, edNote2, edNote3}, chkNoteEPPrint, grpNote};
    return {edSignInID, btnSignIn, {edSignIn1, edSignIn2, edSignIn3}, chkSignInEPPrint, grpSignIn};
}

void TfrmBaseRpt::DoCreate() {
    TfrmBaseOpt::DoCreate();
    extName_.clear();
    lastLookupCode_.clear();
    if (btnWebDesign != nullptr && btnPeriod != nullptr)
        btnWebDesign->SetBounds(btnPeriod->Left() + btnPeriod->Width() + kWebDesignGap, btnWebDesign->Top(),
                                btnWebDesign->Width(), btnWebDesign->Height());
}

void TfrmBaseRpt::DoShow() {
    TfrmBaseOpt::DoShow();
    if (btnNote != nullptr) btnNote->SetF2Control(edNoteID);
    if (btnSignIn != nullptr) btnSignIn->SetF2Control(edSignInID);
    if (btnWebDesign != nullptr) btnWebDesign->SetVisible(GetSysSetting("SYS181") != "N");
}

// ---- set-up --------------------------------------------------------------------------------

void TfrmBaseRpt::InitSettings() {
    TfrmBaseOpt::InitSettings();
    SetEnvCount(kEnvCount);
    SetSystemRowCount(kSystemRows);
    SetConditionCount(0);
    SetProgramKind("R");
    outputFlags_ = ofReportFile;
    if (cboDateType != nullptr) {
        const int index = GetDateLayout() - 1;
        cboDateType->SetItemIndex(index >= 0 && index < cboDateType->Items()->Count() ? index : -1);
    }
    for (TTextBlock block : {TTextBlock::Footer, TTextBlock::SignIn})
        for (rt::TCustomEdit* edit : Block(block).texts)
            if (edit != nullptr) edit->SetMaxLength(kTextLimit);
    SetWidth(Width() + kExtraWidth);
}

bool TfrmBaseRpt::InitForm(const rt::Variant& Params) {
    bool ready = TfrmBaseOpt::InitForm(Params);
    if (ready) {
        try {
            LoadDefaultTexts();
            if (IsFixedLayout()) {
                SetConditionCount(ConditionCount() + kFixedLayoutRows);
                SetSystemRowCount(SystemRowCount() + kFixedLayoutRows);
                if (btnQuery != nullptr) btnQuery->SetVisible(false);
            }
            if (GetSysSetting("SYS026") == "2") DropRocDateLayouts();
            ChooseFontName();
        } catch (const std::exception& e) {
            ReportException(e.what());
            ready = false;
        }
    }
    EnableRunButtons();
    ApplyDirectQueryRule();
    return ready;
}

void TfrmBaseRpt::DropRocDateLayouts() {
    // The two layouts counted in years of the Republic era go at the end of the list.
    if (cboDateType == nullptr) return;
    const int index = cboDateType->ItemIndex();
    for (int i = 0; i < 2 && cboDateType->Items()->Count() > 0; ++i)
        cboDateType->Items()->Delete(cboDateType->Items()->Count() - 1);
    if (index >= cboDateType->Items()->Count()) cboDateType->SetItemIndex(-1);
}

void TfrmBaseRpt::ChooseFontName() {
    switch (GetUIConvertMode()) {
        case 0: fontName_ = "宋体"; break;
        // Traditional-Chinese systems know the same font by its own name.
        case 2: fontName_ = GetSystemCodePage() == "950" ? "細明體" : "MingLiU"; break;
        case 4: fontName_ = "SimSun"; break;
        default: fontName_.clear(); break;
    }
}

void TfrmBaseRpt::EnableRunButtons() {
    Enable(btnQuery, LocalServer());
    Enable(btnDesign, LocalServer());
}

void TfrmBaseRpt::ApplyDirectQueryRule() {
    rt::Variant record;
    const rt::Variant key = rt::Variant::ArrayOf({rt::Variant(rt::UpperCase(ProgramCode()))});
    if (!QueryValue("ADMMB", "11", false, record, key)) return;
    const rt::Variant& r = record.Deref();
    if (!r.IsArray() || r.DimCount() != 1 || r.LowBound() + kRunOptionsBarred > r.HighBound()) return;
    if (rt::VarToStr(r[r.LowBound() + kRunOptionsBarred]) == "Y") Enable(btnQuery, false);
}

void TfrmBaseRpt::btnPeriodClick(rt::TObject* Sender) {
    TfrmBaseOpt::btnPeriodClick(Sender);
    if (PeriodMode()) {
        Enable(btnQuery, false);
        Enable(btnDesign, false);
        Enable(btnWebDesign, false);
    } else {
        EnableRunButtons();
        Enable(btnWebDesign, true);
    }
    ApplyDirectQueryRule();
}

// ---- the system page ------------------------------------------------------------------------

void TfrmBaseRpt::ArrangeSystemPage() {
    TfrmBaseOpt::ArrangeSystemPage();
    SetBounds(Left(), Top(), std::max(Width(), kMinWidth), std::max(Height(), kMinHeight));
    if (lblDateType != nullptr) lblDateType->SetBounds(300, 12, lblDateType->Width(), lblDateType->Height());
    if (cboDateType != nullptr) cboDateType->SetBounds(360, 8, 160, cboDateType->Height());
    if (grpGenType != nullptr) grpGenType->SetBounds(236, 41, 284, 115);
    if (grpNote != nullptr) grpNote->SetBounds(8, 188, 512, 112);
    if (grpSignIn != nullptr) grpSignIn->SetBounds(8, 304, 512, 112);
    rt::TWinControl* const inOrder[] = {edPrintDate, cboDateType, grpGenTime, grpGenType, chkNotify, grpNote, grpSignIn};
    int order = 0;
    for (rt::TWinControl* c : inOrder)
        if (c != nullptr) c->SetTabOrder(order++);
}

// ---- output options ---------------------------------------------------------------------------

void TfrmBaseRpt::chkViewClick(rt::TObject* Sender) {
    uint8_t flags = 0;
    if (chkView != nullptr && chkView->Checked()) flags |= ofReportFile;
    if (chkHTML != nullptr && chkHTML->Checked()) flags |= ofHtml;
    if (chkDirectPrint != nullptr && chkDirectPrint->Checked()) flags |= ofDirectPrint;
    if (flags != 0) {
        outputFlags_ = flags;
        return;
    }
    ShowMessage("I", "000005", {}, {rt::Variant(std::string())});
    // The box stays checked, so that what the form shows is what it sends.
    if (auto* box = dynamic_cast<rt::TCustomCheckBox*>(Sender)) box->SetChecked(true);
}

void TfrmBaseRpt::ResetOutputOptions() {
    if (chkDirectPrint != nullptr) chkDirectPrint->SetChecked(false);
}

// ---- the condition array ------------------------------------------------------------------------

bool TfrmBaseRpt::FillEnvironment(rt::Variant& Environment, int Count) {
    if (!TfrmBaseOpt::FillEnvironment(Environment, Count)) return false;
    if (Count >= kEnvOutputFlags) Environment.At(kEnvOutputFlags) = rt::Variant(static_cast<int>(outputFlags_ & kOutputFlagMask));
    if (Count >= kEnvExtName) Environment.At(kEnvExtName) = rt::Variant(extName_);
    return true;
}

bool TfrmBaseRpt::FillConditionCaptions(rt::Variant& Captions, int Rows) {
    if (!TfrmBaseOpt::FillConditionCaptions(Captions, Rows)) return false;
    const int last = Rows + SystemRowCount();
    if (IsFixedLayout()) {
        const char* keys[kFixedLayoutRows][2] = {
            {"sFont", "字型"}, {"sFontSize", "字型大小"}, {"sRepWidth", "报表可印宽度"}};
        for (int i = 0; i < kFixedLayoutRows; ++i) {
            const rt::Variant row = rt::Variant::ArrayOf({rt::Variant(LangText(keys[i][0], keys[i][1])), rt::Variant("")});
            Captions.At(last - 6 + i) = NvConverter()->DBToUI(row);
        }
    }
    Captions.At(last - 3) = rt::Variant::ArrayOf({rt::Variant(CaptionOf(grpSignIn)), rt::Variant("grpSignIn")});
    Captions.At(last - 2) = rt::Variant::ArrayOf({rt::Variant(CaptionOf(grpNote)), rt::Variant("grpNote")});
    Captions.At(last - 1) = rt::Variant::ArrayOf({rt::Variant(CaptionOf(lblDateType)), rt::Variant("cboDateType")});
    return true;
}

rt::Variant TfrmBaseRpt::BlockRow(TTextBlock block) const {
    const TBlockControls c = Block(block);
    return rt::Variant::ArrayOf({rt::Variant(CaptionOf(c.everyPage)),
                                 rt::Variant(c.everyPage != nullptr && c.everyPage->Checked()),
                                 rt::Variant(TextOf(c.code)), rt::Variant(TextOf(c.texts[0])),
                                 rt::Variant(TextOf(c.texts[1])), rt::Variant(TextOf(c.texts[2]))});
}

bool TfrmBaseRpt::FillConditionValues(rt::Variant& Values, int Rows) {
    if (!TfrmBaseOpt::FillConditionValues(Values, Rows)) return false;
    const int last = Rows + SystemRowCount();
    if (IsFixedLayout()) {
        Values.At(last - 6) = rt::Variant(fontName_);
        Values.At(last - 5) = rt::Variant(fontSize_);
        Values.At(last - 4) = rt::Variant(reportWidth_);
    }
    Values.At(last - 3) = BlockRow(TTextBlock::SignIn);
    Values.At(last - 2) = BlockRow(TTextBlock::Footer);
    const int index = cboDateType != nullptr ? cboDateType->ItemIndex() : -1;
    Values.At(last - 1) = rt::Variant::ArrayOf({rt::Variant(index + 1), rt::Variant(TextOf(cboDateType))});
    return true;
}

// ---- start modes and schemes -------------------------------------------------------------------

bool TfrmBaseRpt::RunStartMode(int Mode) {
    const bool result = TfrmBaseOpt::RunStartMode(Mode);
    if (Mode == 3 && btnDesign != nullptr) btnDesign->Click();
    if (Mode == 4 && btnQuery != nullptr) btnQuery->Click();
    Close();
    return result;
}

void TfrmBaseRpt::BuildControlPropertyList() {
    TfrmBaseOpt::BuildControlPropertyList();
    std::string list = PropertyList();
    // Per block its edits, then its check boxes.
    const std::pair<const char*, const char*> kinds[] = {{"TCustomEdit", ".text;"}, {"TCustomCheckBox", ".checked;"}};
    for (rt::TGroupBox* group : {grpNote, grpSignIn}) {
        if (group == nullptr) continue;
        for (const auto& [kind, suffix] : kinds) {
            for (int i = 0; i < group->ControlCount(); ++i) {
                rt::TControl* control = group->Controls(i);
                if (!rt::Trim(control->Name()).empty() && ClassChainHas(control, kind)) list += control->Name() + suffix;
            }
        }
    }
    SetPropertyList(list);
}

}  // namespace hemr
