// The generic form's condition schemes: the values text a scheme stores, its
// restore, and the scheme list's commands (open, rename, delete, view styles).
#include <exception>

#include "platform/classes/TPropInfo.h"
#include "platform/classes/TStringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/comctrls/TListColumn.h"
#include "platform/comctrls/TListColumns.h"
#include "platform/comctrls/TListItem.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TToolButton.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TScreen.h"
#include "platform/lists/TComboBox.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/menus/TMenuItem.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/FloatConv.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/controls/SelectPanel.h"
#include "src/controls/SelectPanelTypes.h"
#include "src/controls/SelectPanelValue.h"
#include "src/controls/TarnMaskEdit.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LibStrs.h"
#include "src/framework/BaseGene.h"
#include "src/framework/DateRules.h"

namespace hemr {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr size_t kMaxSchemeNameBytes = 20;
const std::string kC3(1, kDateEntrySeparator);
// The view-style items in ToolButton1's cycle.
constexpr const char* kViewItems[] = {"ViewIcon", "ViewSmallIcon", "ViewList", "ViewReport"};

// Waits with the hour-glass cursor while it lives.
class TWaitCursor {
public:
    TWaitCursor() : saved_(rt::Screen().Cursor()) { rt::Screen().SetCursor(rt::crHourGlass); }
    ~TWaitCursor() { rt::Screen().SetCursor(saved_); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

private:
    rt::TCursor saved_;
};

// The next field of `text` up to `separator`; the rest stays in `text`.
std::string NextField(std::string& text, const std::string& separator) {
    std::string head;
    SplitFirst(text, separator, head);
    return head;
}

// Control and property of an item "control.property", both trimmed; false unless both are there.
bool SplitItem(const std::string& item, std::string& control, std::string& property) {
    const size_t dot = item.find('.');
    if (dot == std::string::npos) return false;
    control = rt::Trim(item.substr(0, dot));
    property = rt::Trim(item.substr(dot + 1));
    return !control.empty() && !property.empty();
}

std::string OrdinalText(rt::TObject* object, const std::string& property) {
    return std::to_string(rt::GetOrdProp(object, property));
}

}  // namespace

// ---- the date environment ----------------------------------------------------------------

bool TfrmBaseGene::IsDateField(const std::string& name) const {
    std::string list = dateFields_;
    while (!list.empty())
        if (rt::SameText(rt::Trim(NextField(list, ",")), name)) return true;
    return false;
}

std::string TfrmBaseGene::SavedDateValue(rt::TComponent* control) {
    for (int i = 0; i < dateEnvironment_->Count(); ++i) {
        const std::vector<std::string> f = SplitDateEntry(dateEnvironment_->Strings(i));
        if (f.size() < 2 || f[1] != control->Name()) continue;
        auto ruled = [&f](int flagField, int first, const std::string& base) {
            if (static_cast<int>(f.size()) < first + 3 || f[flagField - 1] != "Y" || rt::Trim(base).empty())
                return base;
            return ApplyEntryRule(f, first, base);
        };
        if (f[0] == kEditEntry) {
            const std::string base = ConvertQuickDate(static_cast<rt::TControl*>(control)->GetText());
            return ruled(3, 4, base);
        }
        auto* panel = dynamic_cast<TSelectPanel*>(control);
        if (panel == nullptr) return "";
        const std::string begin = ruled(3, 4, ConvertQuickDate(panel->BeginEdit()->GetText()));
        const std::string end = ruled(8, 9, ConvertQuickDate(panel->EndEdit()->GetText()));
        return begin + kC3 + end;
    }
    return "";
}

// ---- the values text ------------------------------------------------------------------------

std::string TfrmBaseGene::ValuesLine(const std::string& item) {
    std::string name, property;
    if (!SplitItem(item, name, property)) return "";
    rt::TComponent* component = FindComponent(name);
    if (component == nullptr) return "";
    if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
        if (IsDateField(name) && panel->Style() == sp_Range)
            return SelectStyleName(sp_Range) + kC3 + SavedDateValue(panel);
        return panel->SaveValue();
    }
    const rt::TPropInfo* info = rt::GetPropInfo(component, property);
    if (info == nullptr) {
        if (auto* combo = dynamic_cast<rt::TComboBox*>(component)) return std::to_string(combo->ItemIndex());
        return "";
    }
    switch (info->Kind) {
        case rt::tkInteger:
        case rt::tkChar:
        case rt::tkSet: return OrdinalText(component, info->Name);
        case rt::tkEnumeration: return rt::GetEnumProp(component, info->Name);
        case rt::tkFloat: return rt::FloatToStr(rt::GetFloatProp(component, info->Name));
        case rt::tkString:
            if (IsDateField(name)) return SavedDateValue(component);
            return rt::GetStrProp(component, info->Name);
        default: return "";
    }
}

std::string TfrmBaseGene::ConditionValuesText(const std::string& Properties) {
    std::string rest = Properties;
    std::string values;
    while (!rest.empty()) values += ValuesLine(NextField(rest, ";")) + kLineEnd;
    return values;
}

bool TfrmBaseGene::SaveConditionValues(const std::string& Properties, const std::string& Name, bool Replace) {
    try {
        const std::string values = ConditionValuesText(Properties);
        const TCodeConverter& converter = *NvConverter();
        // The list the values were built from is the one stored beside them.
        const rt::Variant record = rt::Variant::ArrayOf(
            {converter.UIToDB(rt::Variant(Name)), rt::Variant(userID_), rt::Variant(DateToYmd(rt::Date())),
             rt::Variant(programCode_), rt::Variant(Properties), converter.UIToDB(rt::Variant(values)),
             rt::Variant(Replace)});
        return rt::VarToStr(schemeServer_.Call("InsertConTable", {record})).empty();
    } catch (const std::exception&) {
        return false;
    }
}

// ---- restoring ----------------------------------------------------------------------------------

std::string TfrmBaseGene::ShownDate(const std::string& ymd) {
    return FormatDateAs(GetDateLayout(), GetDateSeparator(), YmdToDate(ymd));
}

void TfrmBaseGene::RestorePanel(TSelectPanel& panel, const std::string& line) {
    const std::vector<std::string> fields = SplitSavedFields(line);
    if (!fields.empty() && fields[0] == SelectStyleName(sp_Range) && IsDateField(panel.Name())) {
        panel.SetEditMask(GetDateMask());
        panel.BeginEdit()->SetText(ShownDate(fields.size() > 1 ? fields[1] : ""));
        panel.EndEdit()->SetText(ShownDate(fields.size() > 2 ? fields[2] : ""));
        return;
    }
    panel.RestoreValue(line);
}

bool TfrmBaseGene::RestoreItem(const std::string& item, const std::string& line, bool& ok) {
    std::string name, property;
    if (!SplitItem(item, name, property)) return true;
    rt::TComponent* component = FindComponent(name);
    if (component == nullptr) {
        // A scheme of another layout: the rest still opens, and the user is told it did so only partly.
        ok = false;
        return true;
    }
    BeforeControlRestore(component, line);
    if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
        RestorePanel(*panel, line);
        return true;
    }
    const rt::TPropInfo* info = rt::GetPropInfo(component, property);
    if (info == nullptr) {
        if (auto* combo = dynamic_cast<rt::TComboBox*>(component)) combo->SetItemIndex(rt::StrToInt(line));
        AfterControlRestore(component, line);
        return true;
    }
    switch (info->Kind) {
        case rt::tkInteger:
        case rt::tkChar:
        case rt::tkSet: rt::SetOrdProp(component, info->Name, rt::StrToInt64(line)); break;
        case rt::tkEnumeration: rt::SetEnumProp(component, info->Name, line); break;
        case rt::tkFloat: rt::SetFloatProp(component, info->Name, rt::StrToFloat(line)); break;
        case rt::tkString:
            if (IsDateField(name)) {
                if (auto* edit = dynamic_cast<rt::TCustomMaskEdit*>(component)) edit->SetEditMask(GetDateMask());
                rt::SetStrProp(component, info->Name, ShownDate(line));
            } else {
                rt::SetStrProp(component, info->Name, line);
            }
            break;
        default: return false;
    }
    AfterControlRestore(component, line);
    return true;
}

bool TfrmBaseGene::LoadConditionValues(const std::string& Properties, const std::string& Values) {
    std::string items = Properties;
    std::string lines = Values;
    bool ok = true;
    try {
        while (!items.empty()) {
            const std::string item = rt::Trim(NextField(items, ";"));
            const std::string line = NextField(lines, kLineEnd);
            if (!RestoreItem(item, line, ok)) break;
        }
    } catch (const std::exception&) {
        // Controls restored before the failure keep their new values.
        ok = false;
    }
    return ok;
}

// ---- the scheme list --------------------------------------------------------------------------

void TfrmBaseGene::FitSchemeColumns() {
    for (int i = 0; i < lstCondition->Columns()->Count(); ++i)
        lstCondition->Column(i)->SetWidth(lstCondition->FitColumnWidth(i, true));
}

bool TfrmBaseGene::RefreshSchemeList() {
    if (!schemeServer_.IsDispatch() || lstCondition == nullptr) return false;
    TWaitCursor wait;
    const rt::TViewStyle style = lstCondition->ViewStyle();
    lstCondition->Items()->BeginUpdate();
    auto restore = [&] {
        lstCondition->SetViewStyle(style);
        lstCondition->Items()->EndUpdate();
    };
    try {
        lstCondition->SetViewStyle(rt::vsList);
        lstCondition->Items()->Clear();
        const TCodeConverter& converter = *NvConverter();
        schemeServer_.Call("LoadTable",
                           {converter.UIToDB(rt::Variant::ArrayOf({rt::Variant(userID_), rt::Variant(programCode_)}))});
        clientDataSet1_.Close();
        clientDataSet1_.Open();
        ConvertDataSets();
        for (clientDataSet1_.First(); !clientDataSet1_.Eof(); clientDataSet1_.Next()) {
            rt::TListItem* item = lstCondition->Items()->Add();
            item->SetImageIndex(0);
            item->SetCaption(rt::VarToStr(converter.DBToUI(clientDataSet1_.FieldByName("NCONDITION").Value())));
            item->SubItems()->Add(rt::DateToStr(YmdToDate(clientDataSet1_.FieldByName("CREATE_DATE").AsString())));
        }
        FitSchemeColumns();
    } catch (const std::exception& e) {
        restore();
        throw rt::Exception(e.what());
    }
    restore();
    return true;
}

rt::TListItem* TfrmBaseGene::FindSelectedScheme() {
    rt::TListItem* item = lstCondition != nullptr ? lstCondition->Selected() : nullptr;
    if (item == nullptr) return nullptr;
    const rt::Variant name = NvConverter()->UIToDB(rt::Variant(item->Caption()));
    if (!clientDataSet1_.Active() ||
        !clientDataSet1_.FindKey({name, rt::Variant(userID_), rt::Variant(programCode_)}))
        return nullptr;
    return item;
}

void TfrmBaseGene::btnOpenClick(rt::TObject*) {
    if (FindSelectedScheme() == nullptr) return;
    const std::string properties = clientDataSet1_.FieldByName("SCONDITION").AsString();
    const std::string values = rt::VarToStr(NvConverter()->DBToUI(clientDataSet1_.FieldByName("VCONDITION").Value()));
    bool restored = false;
    {
        TWaitCursor wait;
        restored = LoadConditionValues(properties, values);
    }
    if (!restored) ShowMessage("R", "200235", rt::TMsgDlgButtons{rt::mbOK}, {});
    AfterSchemeOpened();
}

void TfrmBaseGene::btnDeleteClick(rt::TObject*) {
    rt::TListItem* item = lstCondition != nullptr ? lstCondition->Selected() : nullptr;
    if (item == nullptr) return;
    const std::string name = item->Caption();
    const int answer = ShowMessageBox(LangText("sDeleteProj", "确实要删除此方案吗？") + name, rt::mtConfirmation,
                                      rt::TMsgDlgButtons{rt::mbYes, rt::mbNo});
    if (answer != rt::mrYes) return;
    const TCodeConverter& converter = *NvConverter();
    const rt::Variant key =
        rt::Variant::ArrayOf({converter.UIToDB(rt::Variant(name)), rt::Variant(userID_), rt::Variant(programCode_)});
    const std::string refused = rt::VarToStr(schemeServer_.Call("DeleteConTable", {key}));
    if (!refused.empty()) throw rt::Exception(refused);
    RefreshSchemeList();
}

bool TfrmBaseGene::SchemeNameTooLong(const std::string& name) const {
    return WideToCodePage(name, rt::StrToIntDef(NvConverter()->UICodePage(), 936)).size() > kMaxSchemeNameBytes;
}

bool TfrmBaseGene::RenameAllowed(rt::TListItem* item, const std::string& name) {
    const char* key = nullptr;
    const char* text = nullptr;
    if (rt::Trim(name).empty()) {
        key = "sProjNameEmpty";
        text = "方案名不可空白!";
    } else if (SchemeNameTooLong(name)) {
        key = "sProjNameError";
        text = "方案名长度不可大于20!";
    } else {
        for (int i = 0; i < lstCondition->Items()->Count() && key == nullptr; ++i) {
            rt::TListItem* other = lstCondition->Items()->Item(i);
            if (other != item && other->Caption() == name) {
                key = "sProjNameExist";
                text = "此方案名称已经存在！";
            }
        }
    }
    if (key == nullptr) return true;
    ShowMessageBox(LangText(key, text), rt::mtError, rt::TMsgDlgButtons{rt::mbOK});
    return false;
}

void TfrmBaseGene::lstConditionEdited(rt::TObject*, rt::TListItem* Item, std::string& S) {
    const std::string old = Item->Caption();
    if (!RenameAllowed(Item, S)) {
        S = old;
        return;
    }
    if (S == old) return;
    const TCodeConverter& converter = *NvConverter();
    auto key = [&](const std::string& name) {
        return rt::Variant::ArrayOf({converter.UIToDB(rt::Variant(name)), rt::Variant(userID_), rt::Variant(programCode_)});
    };
    const std::string refused = rt::VarToStr(schemeServer_.Call("ChangeConName", {key(old), key(S)}));
    if (!refused.empty()) {
        ShowMessageBox(LangText("sFailedRename", "更改方案名失败!"), rt::mtError, rt::TMsgDlgButtons{rt::mbOK});
        S = old;
        throw rt::Exception(refused);
    }
    if (clientDataSet1_.Active() && clientDataSet1_.FindKey({converter.UIToDB(rt::Variant(old)), rt::Variant(userID_),
                                                             rt::Variant(programCode_)})) {
        clientDataSet1_.Edit();
        clientDataSet1_.FieldByName("NCONDITION").SetValue(converter.UIToDB(rt::Variant(S)));
        clientDataSet1_.Post();
    }
}

// ---- view styles ------------------------------------------------------------------------------

void TfrmBaseGene::SetSchemeView(rt::TMenuItem* item, rt::TViewStyle style) {
    if (lstCondition != nullptr) {
        lstCondition->Items()->BeginUpdate();
        lstCondition->SetViewStyle(style);
        lstCondition->Items()->EndUpdate();
    }
    if (item != nullptr) item->SetChecked(true);
}

void TfrmBaseGene::ViewIconExecute(rt::TObject*) { SetSchemeView(ViewIcon, rt::vsIcon); }
void TfrmBaseGene::ViewSmallIconExecute(rt::TObject*) { SetSchemeView(ViewSmallIcon, rt::vsSmallIcon); }
void TfrmBaseGene::ViewListExecute(rt::TObject*) { SetSchemeView(ViewList, rt::vsList); }
void TfrmBaseGene::ViewReportExecute(rt::TObject*) { SetSchemeView(ViewReport, rt::vsReport); }

void TfrmBaseGene::ToolButton1Click(rt::TObject* Sender) {
    auto* button = dynamic_cast<rt::TComponent*>(Sender);
    if (button == nullptr) button = ToolButton1;
    if (button == nullptr) return;
    button->SetTag((button->Tag() + 1) % 4);
    const rt::TMethodEntry* handler = MethodAddress(std::string(kViewItems[button->Tag()]) + "Execute");
    if (handler != nullptr) rt::TNotifyEvent(this, handler)(Sender);
}

}  // namespace hemr
