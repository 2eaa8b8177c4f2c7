// The generic condition form's hooks on its condition fields: date fields,
// required fields, and the lookups that fill selection panels.

#include <algorithm>

#include "platform/classes/TStringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/comctrls/TListItem.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/mask/TMaskEditor.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/SelectPanel.h"
#include "src/controls/TarnListView.h"
#include "src/controls/TarnMaskEdit.h"
#include "src/environment/LibStrs.h"
#include "src/framework/BaseGene.h"
#include "src/framework/BaseGeneU.h"
#include "src/framework/RequiredFields.h"

namespace hemr {

namespace {

constexpr rt::TColor kRequiredColour = 11534335;  // $AFFFFF, a pale yellow
constexpr size_t kMaxLookupFields = 4;
constexpr int kDatePanelLayouts = 5;
constexpr const char* kWorkButtons[] = {"btnQuery", "btnDesign", "btnPeriod"};

std::vector<std::string> NamesOf(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    for (;;) {
        const size_t end = list.find(',', start);
        const std::string name = rt::Trim(list.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!name.empty()) names.push_back(name);
        if (end == std::string::npos) return names;
        start = end + 1;
    }
}

// The published "Text": a mask edit reports its own, not its edit's.
std::string TextOf(rt::TObject* control) { return rt::GetStrProp(control, "Text"); }

// What a control's "Text" reads when nothing was entered.
std::string EmptyTextOf(rt::TObject* control) {
    auto* masked = dynamic_cast<rt::TCustomMaskEdit*>(control);
    if (masked == nullptr || !masked->IsMasked()) return "";
    return rt::TMaskEditor(masked->EditMask()).EmptyText();
}

bool IsEmptyText(rt::TObject* control) { return rt::Trim(TextOf(control)) == rt::Trim(EmptyTextOf(control)); }

// A lookup row as panel texts: its first four fields.
std::vector<std::string> RowTexts(const rt::Variant& row) {
    std::vector<std::string> texts;
    const rt::Variant& r = row.Deref();
    if (!r.IsArray()) return {rt::VarToStr(r)};
    for (int i = r.LowBound(); i <= r.HighBound() && texts.size() < kMaxLookupFields; ++i)
        texts.push_back(rt::VarToStr(r[i]));
    return texts;
}

std::string JoinRow(const rt::Variant& row, const std::string& separator) {
    std::string joined;
    for (const std::string& text : RowTexts(row)) joined += (joined.empty() ? "" : separator) + text;
    return joined;
}

rt::Variant RangeValue(TSelectPanel& panel) {
    return rt::Variant::ArrayOf(
        {rt::Variant(std::string(1, '\x04')), rt::Variant(TextOf(panel.BeginEdit())), rt::Variant(TextOf(panel.EndEdit()))});
}

rt::Variant ListValue(TSelectPanel& panel) {
    std::vector<rt::Variant> value{rt::Variant(std::string(1, '\x05'))};
    rt::TListItems* items = panel.ItemList()->Items();
    for (int i = 0; i < items->Count(); ++i) {
        const rt::TListItem* item = items->Item(i);
        std::vector<rt::Variant> row{rt::Variant(item->Caption())};
        for (int j = 0; j < item->SubItems()->Count(); ++j) row.push_back(rt::Variant(item->SubItems()->Strings(j)));
        value.push_back(rt::Variant::ArrayOf(row));
    }
    return rt::Variant::ArrayOf(value);
}

rt::TTabSheet* TabSheetOf(rt::TControl* control) {
    for (rt::TControl* c = control; c != nullptr; c = c->Parent())
        if (auto* sheet = dynamic_cast<rt::TTabSheet*>(c)) return sheet;
    return nullptr;
}

}  // namespace

// ---- the colour list --------------------------------------------------------------------

void TfrmBaseGene::RecordColours(rt::TWinControl* container) {
    for (int i = 0; i < container->ControlCount(); ++i) {
        rt::TControl* control = container->Controls(i);
        const std::string& name = control->Name();
        if (auto* panel = dynamic_cast<TSelectPanel*>(control)) {
            if (name.empty()) continue;
            colourList_->Add(name + ".edBegin=" + std::to_string(panel->BeginEdit()->Color()));
            colourList_->Add(name + ".edFinal=" + std::to_string(panel->EndEdit()->Color()));
            colourList_->Add(name + ".ListBox=" + std::to_string(panel->ItemList()->Color()));
            continue;
        }
        auto* inner = dynamic_cast<rt::TWinControl*>(control);
        if (inner != nullptr && inner->ControlCount() > 0 && dynamic_cast<rt::TSpinEdit*>(control) == nullptr) {
            RecordColours(inner);
        } else if (!name.empty() && rt::HasProperty(control, "Color")) {
            colourList_->Add(name + "=" + std::to_string(rt::GetOrdProp(control, "Color")));
        }
    }
}

void TfrmBaseGene::RestoreColour(const std::string& entry, rt::TControl* control) {
    if (control == nullptr || colourList_->IndexOfName(entry) < 0) return;
    int32_t colour = 0;
    if (rt::TryStrToInt(colourList_->Values(entry), colour)) control->SetColor(colour);
}

void TfrmBaseGene::RestoreRequiredColours() {
    for (const TRequiredItem& item : ParseRequiredFields(requiredFields_)) {
        rt::TComponent* component = FindComponent(item.Name);
        if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
            RestoreColour(item.Name + ".edBegin", panel->BeginEdit());
            RestoreColour(item.Name + ".edFinal", panel->EndEdit());
            RestoreColour(item.Name + ".ListBox", panel->ItemList());
        } else {
            RestoreColour(item.Name, dynamic_cast<rt::TControl*>(component));
        }
    }
}

void TfrmBaseGene::ColourRequiredItem(rt::TComponent* component, int part) {
    if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
        if (part == 0 || part == 1) panel->BeginEdit()->SetColor(kRequiredColour);
        if (part == 0 || part == 2) panel->EndEdit()->SetColor(kRequiredColour);
        if (part == 0 || part == 3) panel->ItemList()->SetColor(kRequiredColour);
    } else if (rt::HasProperty(component, "Color")) {
        rt::SetOrdProp(component, "Color", kRequiredColour);
    }
}

// ---- date fields ---------------------------------------------------------------------------

std::string TfrmBaseGene::GetDateMask() { return DateMaskOf(GetDateLayout(), GetDateSeparator()); }

std::string TfrmBaseGene::GetBlankDate() { return BlankDateOf(GetDateLayout(), GetDateSeparator()); }

void TfrmBaseGene::SetDateFields(const std::string& List) {
    std::string list = rt::Trim(List);
    if (list == dateFields_) return;
    UnhookDateFields();
    // The date fields of base classes stay declared behind those of derived classes.
    if (list.find("edPrintDate") == std::string::npos && !dateFields_.empty()) list += "," + dateFields_;
    dateFields_ = list;
    for (const std::string& name : NamesOf(dateFields_)) {
        rt::TComponent* control = FindComponent(name);
        if (control == nullptr) continue;
        dateHooks_.Hook(control, "OnEnter", OnDateFieldEnter.Method());
        dateHooks_.Hook(control, "OnExit", OnDateFieldExit.Method());
        if (auto* panel = dynamic_cast<TSelectPanel*>(control)) PrepareDatePanel(*panel);
    }
}

void TfrmBaseGene::UnhookDateFields() {
    for (const std::string& name : NamesOf(dateFields_)) {
        rt::TComponent* control = FindComponent(name);
        dateHooks_.Unhook(control, "OnEnter", OnDateFieldEnter.Method());
        dateHooks_.Unhook(control, "OnExit", OnDateFieldExit.Method());
    }
}

void TfrmBaseGene::UnhookWorkButtons() {
    for (rt::TComponent* button : WorkButtons()) requiredHooks_.Unhook(button, "OnClick", OnRequiredExit.Method());
}

void TfrmBaseGene::UnhookFields() {
    UnhookDateFields();
    UnhookWorkButtons();
}

void TfrmBaseGene::PrepareDatePanel(TSelectPanel& panel) {
    panel.SetValueType(vt_Date);
    panel.SetDateSign(GetDateSeparator());
    const int layout = GetDateLayout();
    panel.SetDateType(layout >= 1 && layout <= kDatePanelLayouts ? static_cast<TDateType>(layout) : dt_NoneCare);
}

void TfrmBaseGene::DateFieldEnter(rt::TObject* Sender) {
    hasError_ = false;
    if (dynamic_cast<rt::TWinControl*>(Sender) != nullptr) DateFieldRule(Sender, "OnEnter");
}

void TfrmBaseGene::DateFieldExit(rt::TObject* Sender) {
    // Cancelling is never held up by a check, nor by the field's own exit work.
    if (CancelHasFocus()) return;
    hasError_ = false;
    DateFieldRule(Sender, "OnExit");
}

void TfrmBaseGene::DateFieldRule(rt::TObject* Sender, const char* event) {
    auto* control = dynamic_cast<rt::TControl*>(Sender);
    if (control == nullptr) return;
    const std::string& name = control->Name();
    if (!name.empty() && dateFields_.find(name) != std::string::npos)
        hasError_ = !DateFieldCheck(control, std::string(event) == "OnEnter");
    if (!hasError_) dateHooks_.CallStored(control, event);
}

bool TfrmBaseGene::DateFieldCheck(rt::TControl* Control, bool Entering) {
    auto* panel = dynamic_cast<TSelectPanel*>(Control);
    auto* masked = dynamic_cast<rt::TCustomMaskEdit*>(Control);
    auto* edit = dynamic_cast<rt::TCustomEdit*>(Control);
    if (panel == nullptr && edit == nullptr) {
        ShowMessageBox(LangText("sDatePramError", "判断日期的函数第一个参数错误, 只能传下列三种物件:") +
                           "\nTSelectPanel, TMaskedit, TEdit",
                       rt::mtInformation, {rt::mbOK});
        return false;
    }
    if (Entering) {
        if (panel != nullptr) {
            panel->SetEditMask(GetDateMask());
        } else if (masked != nullptr) {
            masked->SetEditMask(GetDateMask());
        } else if (rt::Trim(edit->GetText()).empty()) {
            // Only an empty edit shows the blank date: coming back to fix an entry keeps it.
            edit->SetText(GetBlankDate());
        }
        return true;
    }
    std::vector<rt::TWinControl*> edits;
    if (panel != nullptr)
        edits = {panel->BeginEdit(), panel->EndEdit()};
    else
        edits = {edit};
    rt::TWinControl* failed = nullptr;
    for (rt::TWinControl* e : edits) {
        const std::string date = ConvertQuickDate(TextOf(e));
        if (failed == nullptr && !date.empty() && !IsValidYmd(date)) failed = e;
    }
    if (failed == nullptr) return true;
    ReportMessage("E;000005");
    if (failed->CanFocus()) failed->SetFocus();
    return false;
}

std::string TfrmBaseGene::DateInputStart(const std::string& text) {
    if (text.size() == 8 && IsValidYmd(text)) return text;
    // A date in the user's layout opens the window at that date rather than today.
    const std::string typed = ConvertQuickDate(text);
    return IsValidYmd(typed) ? typed : DateToYmd(rt::Now());
}

// ---- required fields -----------------------------------------------------------------------

std::vector<rt::TComponent*> TfrmBaseGene::WorkButtons() {
    std::vector<rt::TComponent*> buttons;
    if (btnOk != nullptr) buttons.push_back(btnOk);
    // Derived forms add these; only those the form has are hooked.
    for (const char* name : kWorkButtons)
        if (rt::TComponent* button = FindComponent(name)) buttons.push_back(button);
    return buttons;
}

void TfrmBaseGene::SetRequiredFields(const std::string& List) {
    const std::string list = rt::Trim(List);
    if (!requiredFields_.empty()) {
        RestoreRequiredColours();
        UnhookWorkButtons();
    }
    requiredFields_ = list;
    bool found = false;
    for (const TRequiredItem& item : ParseRequiredFields(requiredFields_)) {
        rt::TComponent* component = FindComponent(item.Name);
        if (component == nullptr) continue;
        ColourRequiredItem(component, item.Part);
        found = true;
    }
    if (!found) return;
    for (rt::TComponent* button : WorkButtons()) requiredHooks_.Hook(button, "OnClick", OnRequiredExit.Method());
}

bool TfrmBaseGene::IsEmptyField(rt::TComponent* component) {
    if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
        if (panel->IsRangeMode()) return IsEmptyText(panel->BeginEdit()) || IsEmptyText(panel->EndEdit());
        return panel->ItemList()->Items()->Count() == 0;
    }
    return rt::HasProperty(component, "Text") && IsEmptyText(component);
}

void TfrmBaseGene::ShowRequiredField(rt::TComponent* component) {
    auto* control = dynamic_cast<rt::TWinControl*>(component);
    if (control == nullptr) return;
    if (rt::TTabSheet* sheet = TabSheetOf(control); sheet != nullptr && sheet->PageControl() != nullptr)
        sheet->PageControl()->SetActivePage(sheet);
    if (!control->Enabled()) return;
    rt::TWinControl* target = control;
    if (auto* panel = dynamic_cast<TSelectPanel*>(control))
        target = panel->IsRangeMode() ? static_cast<rt::TWinControl*>(panel->BeginEdit()) : panel->ItemList();
    if (target->CanFocus()) target->SetFocus();
}

bool TfrmBaseGene::CheckRequiredFields() {
    if (CancelHasFocus()) return false;
    for (const TRequiredItem& item : ParseRequiredFields(requiredFields_)) {
        if (!item.Checked()) continue;
        rt::TComponent* component = FindComponent(item.Name);
        if (component == nullptr || !IsEmptyField(component)) continue;
        ReportMessage("E;000037");
        ShowRequiredField(component);
        return true;
    }
    return false;
}

void TfrmBaseGene::ReleasePeriodButton(rt::TComponent* period) {
    if (rt::HasProperty(period, "Down")) rt::SetEnumProp(period, "Down", "False");
    if (pgOption != nullptr && pgOption->PageCount() > 0) pgOption->Pages(pgOption->PageCount() - 1)->SetTabVisible(false);
}

void TfrmBaseGene::RequiredExit(rt::TObject* Sender) {
    hasError_ = false;
    rt::TComponent* period = FindComponent("btnPeriod");
    const bool periodDown = period != nullptr && rt::HasProperty(period, "Down") && rt::GetOrdProp(period, "Down") != 0;
    const bool check = Sender == btnOk || periodDown || Sender == FindComponent("btnQuery") ||
                       Sender == FindComponent("btnDesign");
    const bool empty = check && CheckRequiredFields();
    if (period != nullptr && empty && pgOption != nullptr && pgOption->ActivePageIndex() != pgOption->PageCount() - 1)
        ReleasePeriodButton(period);
    // A work button does its work only when every required field is filled.
    if (!empty) requiredHooks_.CallStored(dynamic_cast<rt::TComponent*>(Sender), "OnClick");
}

// ---- lookups into selection panels ------------------------------------------------------------

void TfrmBaseGene::PanelLookup(rt::TControl* Part, const std::string& Table, const std::string& CompanyCode) {
    auto* panel = Part != nullptr ? dynamic_cast<TSelectPanel*>(Part->Owner()) : nullptr;
    if (panel == nullptr) {
        ShowMessageBox(LangText("sBBM", "同学, 你吗帮帮忙, 这个 Procedure 是专门给TSelectPanel元件用的!"), rt::mtError,
                       {rt::mbOK});
        return;
    }
    const rt::Variant noKey{std::string()};
    rt::Variant result;
    if (Part == panel->ItemList()) {
        F2Query(Table, CompanyCode, result, true, "", noKey);
        const rt::Variant& rows = result.Deref();
        if (!rows.IsArray()) return;
        for (int i = rows.LowBound(); i <= rows.HighBound(); ++i) {
            if (panel->UseDiscard())
                panel->AddRow({JoinRow(rows[i], panel->Discard())});
            else if (rows[i].Deref().IsArray())
                panel->AddRow(RowTexts(rows[i]));
        }
        return;
    }
    if (Part != panel->BeginEdit() && Part != panel->EndEdit()) return;
    F2Query(Table, CompanyCode, result, false, "", noKey);
    const rt::Variant& answer = result.Deref();
    if (VarIsBlank(answer) || (answer.IsArray() && answer.ElementCount() == 0)) return;
    std::string text;
    const rt::Variant row = answer.IsArray() ? answer[answer.LowBound()] : answer;
    if (panel->UseDiscard())
        text = JoinRow(row, panel->Discard());
    else if (answer.IsArray())
        text = RowTexts(row).front();
    else
        text = rt::VarToStr(answer);
    static_cast<TTarnMaskEdit*>(Part)->SetText(text);
}

bool TfrmBaseGene::PutPanelValue(TSelectPanel* Panel, rt::Variant& Values, int Index) {
    if (Panel == nullptr) {
        ReportException("PutPanelValue: no selection panel given");
        return false;
    }
    const rt::Variant value = Panel->IsRangeMode() ? RangeValue(*Panel) : ListValue(*Panel);
    if (Index < 0) {
        Values = value;
        return true;
    }
    if (!Values.IsArray() || Values.DimCount() != 1 || Index < Values.LowBound() || Index > Values.HighBound()) {
        const std::string bounds = Values.IsArray() && Values.DimCount() == 1
                                       ? std::to_string(Values.LowBound()) + ".." + std::to_string(Values.HighBound())
                                       : std::string("no array");
        ReportException("PutPanelValue: position " + std::to_string(Index) + " of " + Panel->Name() +
                        " lies outside the condition values (" + bounds + ")");
        return false;
    }
    Values.At(Index) = value;
    return true;
}

// ---- focus ------------------------------------------------------------------------------------

void TfrmBaseGene::FocusOrActivate(rt::TWinControl* control) {
    if (control == nullptr || !control->CanFocus()) return;
    // A form not yet on screen cannot take the focus: it goes to the control when the form is activated.
    if (Visible())
        control->SetFocus();
    else
        SetActiveControl(control);
}

}  // namespace hemr
