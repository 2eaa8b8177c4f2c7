#include "src/framework/GeneConditionCF.h"

#include <exception>
#include <memory>

#include "platform/classes/TStringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/lists/TComboBox.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/SelectPanel.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LibStrs.h"
#include "src/framework/BaseGene.h"
#include "src/framework/DateRuleRow.h"
#include "src/framework/DateRules.h"

namespace hemr {

namespace {

constexpr const char* kSection = "TfrmGeneCondition";
constexpr const char* kSchemeEntity = "GENES";
constexpr const char* kDateKind = "D";
const std::string kC3(1, kDateEntrySeparator);

// The text of the label whose focus control is `control`, or "" when none points at it.
std::string GluedLabelText(rt::TComponent* root, rt::TComponent* control) {
    for (int i = 0; i < root->ComponentCount(); ++i) {
        auto* label = dynamic_cast<rt::TCustomLabel*>(root->Components(i));
        if (label != nullptr && label->FocusControl() == control) return label->Caption();
    }
    return "";
}

}  // namespace

TfrmGeneCondition::TfrmGeneCondition(rt::TComponent* owner) : TNVForm(owner) {}

void TfrmGeneCondition::Publish(rt::TPublisher<TfrmGeneCondition>& p) {
    RT_METHOD(p, btnOkClick);
    RT_METHOD(p, cbodateconditionChange);
    RT_METHOD(p, RuleCheckClick);
    RT_METHOD(p, ModeChange);
    RT_METHOD(p, RuleEditorEnter);
    RT_METHOD(p, RuleEditorChange);
    RT_METHOD(p, SpinExit);
    RT_COMPONENT(p, lblCondition);
    RT_COMPONENT(p, edConName);
    RT_COMPONENT(p, gbDateFields);
    RT_COMPONENT(p, cbodatecondition);
    RT_COMPONENT(p, pnSp);
    RT_COMPONENT(p, spDate_B);
    RT_COMPONENT(p, spDate_E);
    RT_COMPONENT(p, seSetDay_B1);
    RT_COMPONENT(p, seSetDay_E1);
    RT_COMPONENT(p, cboSetDay_B1);
    RT_COMPONENT(p, cboSetDay_E1);
    RT_COMPONENT(p, cboSetDay_B2);
    RT_COMPONENT(p, cboSetDay_E2);
    RT_COMPONENT(p, seSetDay_B2);
    RT_COMPONENT(p, seSetDay_E2);
    RT_COMPONENT(p, pnEdit);
    RT_COMPONENT(p, edSetDate);
    RT_COMPONENT(p, seSetDay1);
    RT_COMPONENT(p, cboSetDay1);
    RT_COMPONENT(p, cboSetDay2);
    RT_COMPONENT(p, seSetDay2);
    RT_COMPONENT(p, btnOk);
    RT_COMPONENT(p, btnCancel);
}

void TfrmGeneCondition::Loaded() {
    TNVForm::Loaded();
    BindRuleRows();
}

void TfrmGeneCondition::BindRuleRows() {
    rows_ = {{spDate_B, seSetDay_B1, cboSetDay_B1, cboSetDay_B2, seSetDay_B2},
             {spDate_E, seSetDay_E1, cboSetDay_E1, cboSetDay_E2, seSetDay_E2},
             {edSetDate, seSetDay1, cboSetDay1, cboSetDay2, seSetDay2}};
}

// ---- the date environment ----------------------------------------------------------------

void TfrmGeneCondition::AddEntry(rt::TComponent* control, const std::string& caption) {
    std::string entry;
    if (dynamic_cast<TSelectPanel*>(control) != nullptr)
        entry = std::string(kPanelEntry) + kC3 + control->Name() + kC3 + rows_[0].Fields() + kC3 + rows_[1].Fields();
    else
        entry = std::string(kEditEntry) + kC3 + control->Name() + kC3 + rows_[2].Fields();
    form_->DateEnvironment().Add(entry + kC3 + kDateKind);
    cbodatecondition->Items()->Add(caption);
    conditionControls_.push_back(control);
}

std::string TfrmGeneCondition::EditCaptionOf(rt::TComponent* control) const {
    if (rt::HasProperty(control, "Caption")) return rt::GetStrProp(control, "Caption");
    const std::string glued = GluedLabelText(form_, control);
    return glued.empty() ? control->Name() : glued;
}

void TfrmGeneCondition::AddEditEntries(rt::TComponent* control, const rt::Variant& captions) {
    bool found = false;
    const int rows = form_->ConditionCount() - form_->SystemRowCount();
    for (int i = 1; captions.IsArray() && i <= rows && i <= captions.HighBound(); ++i) {
        const rt::Variant& row = captions[i].Deref();
        if (!row.IsArray() || row.ElementCount() < 2) continue;
        if (rt::VarToStr(row[row.LowBound() + 1]) != control->Name()) continue;
        AddEntry(control, rt::VarToStr(row[row.LowBound()]));
        found = true;
    }
    if (!found) AddEntry(control, EditCaptionOf(control));
}

void TfrmGeneCondition::BuildDateEnvironment(TfrmBaseGene& form, const std::string& fields, int trailingSystemFields) {
    form_ = &form;
    editing_ = false;
    for (rt::TComboBox* list : {cboSetDay_B1, cboSetDay_B2, cboSetDay_E1, cboSetDay_E2, cboSetDay1, cboSetDay2})
        list->SetItemIndex(0);
    form.DateEnvironment().Clear();
    conditionControls_.clear();
    cbodatecondition->Items()->Clear();
    rt::Variant captions;
    if (form.ConditionCount() > 0) {
        captions = rt::Variant::CreateArray({{1, form.ConditionCount()}});
        try {
            form.FillConditionCaptions(captions, form.ConditionCount() - form.SystemRowCount());
        } catch (const std::exception&) {
            // Without captions the items are named after the controls.
        }
    }
    const int count = FieldCount(fields, ",") - trailingSystemFields;
    for (int i = 1; i <= count; ++i) {
        rt::TComponent* control = form.FindComponent(rt::Trim(GetField(form.DateFields(), ",", i)));
        if (dynamic_cast<TSelectPanel*>(control) != nullptr) {
            AddEntry(control, static_cast<rt::TControl*>(control)->Caption());
        } else if (dynamic_cast<rt::TCustomEdit*>(control) != nullptr) {
            AddEditEntries(control, captions);
        }
    }
    if (cbodatecondition->Items()->Count() == 0) {
        gbDateFields->SetEnabled(false);
        return;
    }
    cbodatecondition->SetItemIndex(0);
    cbodateconditionChange(cbodatecondition);
    gbDateFields->SetEnabled(true);
}

// ---- the rule editors ------------------------------------------------------------------------

void TfrmGeneCondition::cbodateconditionChange(rt::TObject*) {
    editing_ = false;
    const int index = cbodatecondition->ItemIndex();
    if (form_ == nullptr || index < 0 || index >= form_->DateEnvironment().Count()) return;
    try {
        const std::vector<std::string> f = SplitDateEntry(form_->DateEnvironment().Strings(index));
            const bool panel = f[0] == kPanelEntry;
        pnSp->SetVisible(panel);
        pnEdit->SetVisible(!panel);
        if (panel) {
            rows_[0].Show(f, 3);
            rows_[1].Show(f, 8);
        } else {
            rows_[2].Show(f, 3);
        }
        WriteEntryBack();
    } catch (const std::exception&) {
        // An entry that does not read leaves the editors as they are.
    }
}

void TfrmGeneCondition::WriteEntryBack() {
    const int index = cbodatecondition->ItemIndex();
    if (form_ == nullptr || index < 0 || index >= form_->DateEnvironment().Count()) return;
    const std::vector<std::string> old = SplitDateEntry(form_->DateEnvironment().Strings(index));
    if (old.size() < 2) return;
    std::string fields = old[0] == kPanelEntry ? rows_[0].Fields() + kC3 + rows_[1].Fields() : rows_[2].Fields();
    form_->DateEnvironment().SetStrings(index, old[0] + kC3 + old[1] + kC3 + fields + kC3 + old.back());
}

void TfrmGeneCondition::RuleCheckClick(rt::TObject* Sender) {
    const TDateRuleRow* row = RowHolding(rows_, Sender);
    if (row == nullptr) return;
    row->EnableByCheck();
    WriteEntryBack();
}

void TfrmGeneCondition::ModeChange(rt::TObject* Sender) {
    if (const TDateRuleRow* row = RowHolding(rows_, Sender)) row->EnableByMode();
    if (editing_) WriteEntryBack();
}

void TfrmGeneCondition::RuleEditorEnter(rt::TObject*) { editing_ = true; }

void TfrmGeneCondition::RuleEditorChange(rt::TObject*) {
    if (editing_) WriteEntryBack();
}

void TfrmGeneCondition::SpinExit(rt::TObject* Sender) {
    auto* spin = dynamic_cast<rt::TSpinEdit*>(Sender);
    if (spin == nullptr) return;
    int32_t value = 0;
    if (!rt::TryStrToInt(rt::Trim(spin->GetText()), value) || value == 0) spin->SetText("0");
}

// ---- keys and OK ------------------------------------------------------------------------------

void TfrmGeneCondition::KeyPress(char& key) {
    if (key == '\r') {
        key = 0;
        SelectNext(ActiveControl(), true, true);
        return;
    }
    TNVForm::KeyPress(key);
}

void TfrmGeneCondition::btnOkClick(rt::TObject*) {
    std::string text;
    const std::string name = edConName->GetText();
    if (rt::Trim(name).empty()) {
        GetLangText(kSection, "sEmptyProjName", text, true, "方案名不可空白!");
        NvConverter()->ShowMessageDialog(text, rt::mtError, rt::TMsgDlgButtons{rt::mbOK});
        edConName->SetFocus();
        return;
    }
    // The store takes no longer name; saying so here beats a save that silently stores nothing.
    if (form_->SchemeNameTooLong(name)) {
        GetLangText(kSection, "sProjNameError", text, true, "方案名长度不可大于20!");
        NvConverter()->ShowMessageDialog(text, rt::mtError, rt::TMsgDlgButtons{rt::mbOK});
        edConName->SetFocus();
        return;
    }
    rt::Variant row;
    const rt::Variant key =
        rt::Variant::ArrayOf({rt::Variant(name), rt::Variant(form_->UserID()), rt::Variant(form_->ProgramCode())});
    if (form_->QueryValue(kSchemeEntity, "01", false, row, key)) {
        GetLangText(kSection, "sReplaceProj", text, true, "此方案名已存在！是否将原来的方案替换为此方案?");
        if (NvConverter()->ShowMessageDialog(text, rt::mtConfirmation, rt::TMsgDlgButtons{rt::mbOK, rt::mbCancel}) !=
            rt::mrOk) {
            edConName->SetFocus();
            return;
        }
        replace_ = true;
    }
    SetModalResult(rt::mrOk);
}

// ---- the dialog as the options form opens it ----------------------------------------------

rt::Variant ShowSchemeDialog(TfrmBaseGene& form, const std::string& fields, int trailingSystemFields) {
    std::unique_ptr<TfrmGeneCondition, void (*)(TfrmGeneCondition*)> dialog(new TfrmGeneCondition(&form),
                                                                          [](TfrmGeneCondition* d) { d->Free(); });
    dialog->AfterConstruction();
    dialog->ConvertOnce();
    dialog->SetCaption(form.Caption());
    dialog->BuildDateEnvironment(form, fields, trailingSystemFields);
    if (dialog->ShowModal() == rt::mrCancel)
        return rt::Variant::ArrayOf({rt::Variant(std::string()), rt::Variant(std::string()), rt::Variant(std::string())});
    return rt::Variant::ArrayOf(
        {rt::Variant(dialog->edConName->GetText()), rt::Variant(fields), rt::Variant(dialog->ReplaceFlag())});
}

}  // namespace hemr
