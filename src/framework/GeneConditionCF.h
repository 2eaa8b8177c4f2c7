#pragma once
// The scheme dialog: asks for a scheme's name, checks whether the user has a
// scheme of that name already, and offers a date rule for each date condition
// of the owning form. The rules go into the owner's date environment, where
// the save that follows reads them (DateRules.h for the entries).

#include <string>
#include <vector>

#include "platform/core/Variant.h"
#include "src/controls/NVForm.h"
#include "src/framework/DateRuleRow.h"

namespace rt {
class TButton;
class TComboBox;
class TCustomEdit;
class TCustomLabel;
class TGroupBox;
class TPanel;
class TSpinEdit;
}  // namespace rt

namespace hemr {

class TBitCheckBox;
class TfrmBaseGene;

class TfrmGeneCondition : public TNVForm {
    RT_CLASS(TfrmGeneCondition, TNVForm)

public:
    explicit TfrmGeneCondition(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TfrmGeneCondition>& p);

    // Rebuilds `form`'s date environment for the first names of `fields`
    // (comma-separated), all but the `trailingSystemFields` last ones, each with
    // no rule, and fills the condition list.
    void BuildDateEnvironment(TfrmBaseGene& form, const std::string& fields, int trailingSystemFields);
    bool ReplaceFlag() const { return replace_; }
    bool Editing() const { return editing_; }

    // ---- published handlers ------------------------------------------------------------
    void btnOkClick(rt::TObject* Sender);
    void cbodateconditionChange(rt::TObject* Sender);
    void RuleCheckClick(rt::TObject* Sender);
    void ModeChange(rt::TObject* Sender);
    void RuleEditorEnter(rt::TObject* Sender);
    void RuleEditorChange(rt::TObject* Sender);
    void SpinExit(rt::TObject* Sender);

    // The dialog's controls, bound when its resource is read.
    rt::TCustomLabel* lblCondition = nullptr;
    rt::TCustomEdit* edConName = nullptr;
    rt::TGroupBox* gbDateFields = nullptr;
    rt::TComboBox* cbodatecondition = nullptr;
    rt::TPanel* pnSp = nullptr;
    TBitCheckBox* spDate_B = nullptr;
    TBitCheckBox* spDate_E = nullptr;
    rt::TSpinEdit* seSetDay_B1 = nullptr;
    rt::TSpinEdit* seSetDay_E1 = nullptr;
    rt::TComboBox* cboSetDay_B1 = nullptr;
    rt::TComboBox* cboSetDay_E1 = nullptr;
    rt::TComboBox* cboSetDay_B2 = nullptr;
    rt::TComboBox* cboSetDay_E2 = nullptr;
    rt::TSpinEdit* seSetDay_B2 = nullptr;
    rt::TSpinEdit* seSetDay_E2 = nullptr;
    rt::TPanel* pnEdit = nullptr;
    TBitCheckBox* edSetDate = nullptr;
    rt::TSpinEdit* seSetDay1 = nullptr;
    rt::TComboBox* cboSetDay1 = nullptr;
    rt::TComboBox* cboSetDay2 = nullptr;
    rt::TSpinEdit* seSetDay2 = nullptr;
    rt::TButton* btnOk = nullptr;
    rt::TButton* btnCancel = nullptr;

protected:
    void Loaded() override;
    void KeyPress(char& key) override;

private:
    void BindRuleRows();
    void AddEntry(rt::TComponent* control, const std::string& caption);
    void AddEditEntries(rt::TComponent* control, const rt::Variant& captions);
    std::string EditCaptionOf(rt::TComponent* control) const;
    void WriteEntryBack();

    // Begin row, end row, single-date row.
    std::vector<TDateRuleRow> rows_;
    TfrmBaseGene* form_ = nullptr;
    std::vector<rt::TComponent*> conditionControls_;
    bool replace_ = false;
    bool editing_ = false;
};

// Shows the scheme dialog over `form`: [name as typed, fields, replace flag],
// or three empty texts when it was cancelled.
rt::Variant ShowSchemeDialog(TfrmBaseGene& form, const std::string& fields, int trailingSystemFields);

}  // namespace hemr
