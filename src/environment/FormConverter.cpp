#include "src/environment/FormConverter.h"

#include "platform/classes/IdentText.h"
#include "platform/classes/TCollection.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TStringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/comctrls/TListItems.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/graphics/TFont.h"
#include "platform/grids/TStringGrid.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LangCommon.h"

#include <cctype>
#include <map>
#include <vector>

namespace hemr {

namespace {

std::map<std::string, TConvertWalker>& Walkers() {
    static std::map<std::string, TConvertWalker> walkers;
    return walkers;
}

std::string UpperName(std::string name) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

const rt::TPropInfo* PropOfKind(rt::TObject* object, const char* name, rt::TTypeKind kind) {
    if (object == nullptr) return nullptr;
    const rt::TPropInfo* info = rt::GetPropInfo(object, name);
    return info != nullptr && info->Kind == kind ? info : nullptr;
}

// The object behind a published object property when it is a `T`; a property
// of another type is none of the converter's business.
template <class T>
T* ObjectPropAs(rt::TObject* object, const char* name) {
    const rt::TPropInfo* info = PropOfKind(object, name, rt::tkClass);
    if (info == nullptr || !info->GetObject) return nullptr;
    return dynamic_cast<T*>(info->GetObject(object));
}

bool HasStyleType(const rt::TPropInfo* info, const char* typeName) {
    return info != nullptr && info->EnumType != nullptr && rt::SameName(info->EnumType->TypeName(), typeName);
}

std::string StyleName(rt::TObject* object, const rt::TPropInfo& info) {
    return info.EnumType->NameOf(info.GetOrd(object));
}

void SetStyleName(rt::TObject* object, const rt::TPropInfo& info, const char* valueName) {
    const int value = info.EnumType->ValueOf(valueName);
    if (value >= 0 && info.SetOrd) info.SetOrd(object, value);
}

const rt::TPropInfo* ItemIndexProp(rt::TObject* object) { return PropOfKind(object, "ItemIndex", rt::tkInteger); }

// Keeps an item index across a change that may lose it (replacing a combo
// box's items, changing its style).
class TItemIndexKeeper {
public:
    explicit TItemIndexKeeper(rt::TObject* object) : object_(object), info_(ItemIndexProp(object)) {
        if (info_ != nullptr) index_ = info_->GetOrd(object_);
    }
    ~TItemIndexKeeper() {
        if (info_ != nullptr && info_->SetOrd && info_->GetOrd(object_) != index_) info_->SetOrd(object_, index_);
    }
    TItemIndexKeeper(const TItemIndexKeeper&) = delete;
    TItemIndexKeeper& operator=(const TItemIndexKeeper&) = delete;

private:
    rt::TObject* object_;
    const rt::TPropInfo* info_;
    int64_t index_ = -1;
};

// Toolkit classes are known by their custom ancestor or by the class itself,
// since not every toolkit splits them.
bool IsKind(const rt::TObject* object, const char* customName) {
    // "TCustomComboBox" -> "TComboBox"
    return ClassChainHas(object, customName) || ClassChainHas(object, "T" + std::string(customName + 7));
}

}  // namespace

void RegisterConvertWalker(const std::string& className, TConvertWalker walker) {
    if (!walker) return UnregisterConvertWalker(className);
    Walkers()[UpperName(className)] = std::move(walker);
}

void UnregisterConvertWalker(const std::string& className) { Walkers().erase(UpperName(className)); }

TFormConverter::TFormConverter(const TCodeConverter& converter, bool convertAll)
    : converter_(converter), convertAll_(convertAll), mode_(converter.UIConvertMode()) {}

std::string TFormConverter::Text(const std::string& text) const { return converter_.ConvertText(mode_, text); }

void TFormConverter::ConvertStringProp(const TCodeConverter& converter, rt::TObject* object, const char* name,
                                       int kind) {
    const rt::TPropInfo* info = PropOfKind(object, name, rt::tkString);
    if (info == nullptr || !info->SetStr) return;
    const std::string text = info->GetStr(object);
    if (text.empty()) return;
    const std::string converted = converter.ConvertText(kind, text);
    if (converted != text) info->SetStr(object, converted);
}

void TFormConverter::ConvertLines(const TCodeConverter& converter, rt::TStrings* lines, int kind) {
    if (lines == nullptr || lines->Count() == 0) return;
    // One call for the whole list: the library's dictionary matches phrases
    // across the list as it would across one text.
    const std::string text = lines->Text();
    const std::string converted = converter.ConvertText(kind, text);
    if (converted != text) lines->SetText(converted);
}

void TFormConverter::ConvertFontProp(rt::TObject* object, const char* name) const {
    TCodeConverter::ApplyFontRule(ObjectPropAs<rt::TFont>(object, name), mode_);
}

void TFormConverter::ConvertForm(rt::TCustomForm* form) {
    if (form == nullptr || converter_.Translator() == nullptr) return;
    // A Simplified interface on a Traditional system still needs its title
    // bar in the system's code page.
    if (converter_.SystemCodePage() == "950") ConvertStringProp(converter_, form, "Caption", ckGBToBig5);
    ConvertStringProp(converter_, form, "Hint", mode_);
    ConvertStringProp(converter_, form, "ButtonHint", mode_);
    ConvertScreen();
    // By index: a property change may create or free components.
    for (int i = 0; i < form->ComponentCount(); ++i) ConvertComponent(form->Components(i));
}

void TFormConverter::ConvertScreen() const {
    rt::TScreen& screen = rt::Screen();
    TCodeConverter::ApplyFontRule(screen.IconFont(), mode_);
    TCodeConverter::ApplyFontRule(screen.HintFont(), mode_);
    TCodeConverter::ApplyFontRule(screen.MenuFont(), mode_);
    // The hint window takes the hint font only when it is created anew.
    rt::TApplication& app = rt::Application();
    const bool showHint = app.ShowHint();
    app.SetShowHint(false);
    app.SetShowHint(showHint);
}

void TFormConverter::ConvertComponent(rt::TComponent* component) {
    ConvertProperties(component);
    ConvertClassWork(component);
}

void TFormConverter::ConvertProperties(rt::TComponent* component) {
    ConvertFontProp(component, "Font");
    ConvertFontProp(component, "TitleFont");
    ConvertStringProp(converter_, component, "Caption", mode_);
    ConvertStringProp(converter_, component, "Hint", mode_);
    ConvertStringProp(converter_, component, "ButtonHint", mode_);
    ConvertItemsProp(component);
    ConvertLines(converter_, ObjectPropAs<rt::TStrings>(component, "Lines"), mode_);
    ConvertStringProp(converter_, component, "Text", mode_);
    ConvertStyle(component);
    ConvertStatusPanels(component);
}

void TFormConverter::ConvertItemsProp(rt::TComponent* component) const {
    auto* items = ObjectPropAs<rt::TStrings>(component, "Items");
    if (items == nullptr) return;
    if (IsKind(component, "TCustomComboBox") && items->Count() > 0) {
        TItemIndexKeeper keep(component);
        ConvertLines(converter_, items, mode_);
    } else {
        ConvertLines(converter_, items, mode_);
    }
}

void TFormConverter::ConvertStyle(rt::TComponent* component) const {
    if (mode_ == 0) return;
    const rt::TPropInfo* info = PropOfKind(component, "Style", rt::tkEnumeration);
    if (HasStyleType(info, "TComboBoxStyle")) {
        TItemIndexKeeper keep(component);
        const std::string style = StyleName(component, *info);
        if (rt::SameName(style, "csDropDown")) SetStyleName(component, *info, "csOwnerDrawVariable");
        else if (rt::SameName(style, "csDropDownList")) SetStyleName(component, *info, "csOwnerDrawFixed");
    } else if (HasStyleType(info, "TListBoxStyle")) {
        if (rt::SameName(StyleName(component, *info), "lbStandard")) SetStyleName(component, *info, "lbOwnerDrawFixed");
    }
}

void TFormConverter::ConvertStatusPanels(rt::TComponent* component) const {
    auto* panels = ObjectPropAs<rt::TCollection>(component, "Panels");
    if (panels == nullptr || !ClassChainHas(panels, "TStatusPanels")) return;
    for (int i = 0; i < panels->Count(); ++i) ConvertStringProp(converter_, panels->Items(i), "Text", mode_);
}

void TFormConverter::ConvertClassWork(rt::TComponent* component) const {
    if (IsKind(component, "TCustomListView")) return ConvertListView(component);
    if (mode_ != ckGBToBig5 && ClassChainHas(component, "TTabSet")) return ConvertTabSet(component);
    if (ClassChainHas(component, "TSelectPanel")) return ConvertSelectPanel(component);
    if (IsKind(component, "TCustomComboBox")) return ConvertComboBox(component);
    if (mode_ != ckGBToBig5 && (ClassChainHas(component, "TPopupMenu") || ClassChainHas(component, "TMainMenu"))) {
        if (const rt::TPropInfo* info = PropOfKind(component, "OwnerDraw", rt::tkEnumeration); info && info->SetOrd) {
            info->SetOrd(component, 1);
        }
        return;
    }
    if (ClassChainHas(component, "TDBNavigator")) {
        if (auto* hints = ObjectPropAs<rt::TStrings>(component, "Hints")) {
            for (int i = 0; i < hints->Count(); ++i) hints->SetStrings(i, Text(hints->Strings(i)));
        }
        return;
    }
    if (!convertAll_) return;
    if (IsKind(component, "TCustomTreeView")) return ConvertTreeView(component);
    if (RunWalker(component)) return;
    if (auto* grid = dynamic_cast<rt::TStringGrid*>(component)) ConvertStringGrid(grid);
}

void TFormConverter::ConvertStringGrid(rt::TStringGrid* grid) const {
    // Fixed cells too: they hold the grid's headings.
    for (int row = 0; row < grid->RowCount(); ++row) {
        for (int col = 0; col < grid->ColCount(); ++col) {
            const std::string cell = grid->Cells(col, row);
            if (cell.empty()) continue;
            const std::string converted = Text(cell);
            if (converted != cell) grid->SetCells(col, row, converted);
        }
    }
}

bool TFormConverter::RunWalker(rt::TComponent* component) const {
    const std::map<std::string, TConvertWalker>& walkers = Walkers();
    for (rt::TClass cls = component->ClassType(); cls != nullptr; cls = cls->ClassParent()) {
        auto found = walkers.find(UpperName(cls->ClassName()));
        if (found == walkers.end()) continue;
        found->second(component, converter_, mode_);
        return true;
    }
    return false;
}

void TFormConverter::ConvertListView(rt::TObject* view) const {
    auto* columns = ObjectPropAs<rt::TCollection>(view, "Columns");
    if (columns == nullptr) return;
    // Taken before any caption changes: a sorted list view reorders its items
    // as their captions change, and each must be converted exactly once.
    std::vector<rt::TListItem*> items;
    if (auto* list = ObjectPropAs<rt::TListItems>(view, "Items")) {
        for (int i = 0; i < list->Count(); ++i) items.push_back(list->Item(i));
    }
    for (int c = 0; c < columns->Count(); ++c) {
        ConvertStringProp(converter_, columns->Items(c), "Caption", mode_);
        for (rt::TListItem* item : items) ConvertListCell(item, c);
    }
}

void TFormConverter::ConvertListCell(rt::TListItem* item, int column) const {
    if (column == 0) {
        const std::string converted = Text(item->Caption());
        if (converted != item->Caption()) item->SetCaption(converted);
        return;
    }
    rt::TStrings* subItems = item->SubItems();
    if (column - 1 < subItems->Count()) subItems->SetStrings(column - 1, Text(subItems->Strings(column - 1)));
}

void TFormConverter::ConvertTabSet(rt::TComponent* tabSet) const {
    auto* tabs = ObjectPropAs<rt::TStrings>(tabSet, "Tabs");
    if (tabs == nullptr) return;
    const rt::TPropInfo* index = PropOfKind(tabSet, "TabIndex", rt::tkInteger);
    const int64_t kept = index != nullptr ? index->GetOrd(tabSet) : -1;
    ConvertLines(converter_, tabs, mode_);
    if (index != nullptr && index->SetOrd && index->GetOrd(tabSet) != kept) index->SetOrd(tabSet, kept);
}

void TFormConverter::ConvertSelectPanel(rt::TComponent* panel) const {
    if (auto* hints = ObjectPropAs<rt::TStrings>(panel, "ChildHints")) {
        for (int i = 0; i < hints->Count(); ++i) hints->SetStrings(i, Text(hints->Strings(i)));
    }
    // The word lists rebuild the labels when assigned, so they are assigned whole.
    for (const char* name : {"BeginWords", "FinalWords"}) {
        auto* words = ObjectPropAs<rt::TStrings>(panel, name);
        if (words == nullptr) continue;
        rt::TStringList converted;
        for (int i = 0; i < words->Count(); ++i) converted.Add(Text(words->Strings(i)));
        words->Assign(&converted);
    }
    ConvertStringProp(converter_, panel, "HintWord", mode_);
    ConvertListView(panel);
}

void TFormConverter::ConvertComboBox(rt::TComponent* comboBox) const {
    const rt::TPropInfo* style = PropOfKind(comboBox, "Style", rt::tkEnumeration);
    if (HasStyleType(style, "TComboBoxStyle") && !rt::SameName(StyleName(comboBox, *style), "csSimple")) {
        TItemIndexKeeper keep(comboBox);
        SetStyleName(comboBox, *style, "csOwnerDrawFixed");
    }
    const rt::TPropInfo* index = ItemIndexProp(comboBox);
    auto* items = ObjectPropAs<rt::TStrings>(comboBox, "Items");
    if (index != nullptr && index->SetOrd && items != nullptr && items->Count() > 0 && index->GetOrd(comboBox) < 0) {
        index->SetOrd(comboBox, 0);
    }
}

void TFormConverter::ConvertTreeView(rt::TComponent* treeView) const {
    auto* nodes = ObjectPropAs<rt::TCollection>(treeView, "Items");
    if (nodes == nullptr) return;
    for (int i = 0; i < nodes->Count(); ++i) ConvertStringProp(converter_, nodes->Items(i), "Text", mode_);
}

}  // namespace hemr
