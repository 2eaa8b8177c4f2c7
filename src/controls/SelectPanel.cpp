#include "src/controls/SelectPanel.h"

#include <initializer_list>

#include "platform/classes/TStringList.h"
#include "platform/comctrls/TListColumns.h"
#include "platform/comctrls/TListItems.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TTextMetrics.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "src/controls/ControlMessages.h"
#include "src/controls/F2Button.h"
#include "src/controls/GSpeedButton.h"
#include "src/controls/SelectPanelLayout.h"
#include "src/controls/SelectPanelRange.h"
#include "src/controls/SelectPanelValue.h"
#include "src/controls/TarnCheckBox.h"
#include "src/controls/TarnListView.h"
#include "src/controls/TarnMaskEdit.h"

namespace hemr {

namespace {

constexpr int kPanelWidth = 353;
constexpr int kPanelHeight = 45;
constexpr int kEditHeight = 24;
constexpr int kListButtonSize = 23;
constexpr int kModeCheckLeft = 16;
constexpr int kLookupGlyph = 8;
constexpr int kDeleteGlyph = 47;
constexpr int kClearGlyph = 4;
// The frame keeps 2 pixels and its bevel free on the right and at the bottom.
constexpr int kFrameMargin = 2;
constexpr int kFrameBevel = 1;

const char* const kDefaultBeginWord = "起";
const char* const kDefaultFinalWord = "止";
const char* const kDefaultHintWord = "区间选择";
const char* const kDefaultChildHints[] = {
    "用户自定输入方式",     "区间选择-起始信息", "区间选择-起始信息开窗", "区间选择-截止信息", "区间选择-截止信息开窗",
    "多选-己选择的信息", "多选-信息开窗",     "多选-删除一笔信息",     "多选-删除己选信息"};
constexpr const char* kParseError = "parse spSaveValue error";

void SetWords(rt::TStringList& list, const std::string& first, const std::string& second) {
    list.BeginUpdate();
    list.Clear();
    list.Add(first);
    list.Add(second);
    list.EndUpdate();
}

bool HoldsWords(const std::string (&kept)[2], const char* word) { return kept[0] == word && kept[1] == word; }

void EnableTree(rt::TWinControl& parent, bool enabled) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        rt::TControl* child = parent.Controls(i);
        child->SetEnabled(enabled);
        if (auto* window = dynamic_cast<rt::TWinControl*>(child)) EnableTree(*window, enabled);
    }
}

// Sets a flag for as long as it lives.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = was_; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

TSelectPanel::TSelectPanel(rt::TComponent* owner)
    : rt::TGroupBox(owner),
      beginWords_(std::make_unique<rt::TStringList>()),
      finalWords_(std::make_unique<rt::TStringList>()),
      childHints_(std::make_unique<rt::TStringList>()),
      columnCaptions_(std::make_unique<rt::TStringList>()),
      keptBeginWords_{kDefaultBeginWord, kDefaultBeginWord},
      keptFinalWords_{kDefaultFinalWord, kDefaultFinalWord},
      hintWord_(kDefaultHintWord) {
    SetWords(*beginWords_, kDefaultBeginWord, kDefaultBeginWord);
    SetWords(*finalWords_, kDefaultFinalWord, kDefaultFinalWord);
    for (const char* hint : kDefaultChildHints) childHints_->Add(hint);
    CreateParts();
    beginWords_->OnChange = rt::TNotifyEvent::Of<&TSelectPanel::WordsChanged>(this);
    finalWords_->OnChange = rt::TNotifyEvent::Of<&TSelectPanel::WordsChanged>(this);
    childHints_->OnChange = rt::TNotifyEvent::Of<&TSelectPanel::HintsChanged>(this);
    columnCaptions_->OnChange = rt::TNotifyEvent::Of<&TSelectPanel::ColumnCaptionsChanged>(this);
    ApplyHints();
    SetBounds(Left(), Top(), kPanelWidth, kPanelHeight);
    ApplyVisibility(style_);
    LayOut(style_);
}

TSelectPanel::~TSelectPanel() {
    // The parts call back into the panel; they go while its members still exist,
    // and marked, so that a focused part leaving runs no exit of the panel.
    Destroying();
    DestroyComponents();
}

void TSelectPanel::Publish(rt::TPublisher<TSelectPanel>& p) {
    using S = TSelectPanel;
    p.Property("AutoChangeDateSite", &S::AutoChangeDateSite, &S::SetAutoChangeDateSite).Default(true);
    p.Property("BeginWords", &S::BeginWords, &S::SetBeginWords).Stored(&S::IsBeginWordsStored);
    p.Property("ColumnsAutoSize", &S::ColumnsAutoSize, &S::SetColumnsAutoSize).Default(true);
    p.Property("CanOpenWin", &S::CanOpenWin, &S::SetCanOpenWin).Default(true);
    p.Property("CheckDuplicate", &S::CheckDuplicate, &S::SetCheckDuplicate).Default(cd_None);
    p.Property("ChildHints", &S::ChildHints, &S::SetChildHints).Stored(&S::IsChildHintsStored);
    // Made from Columns, which is stored.
    p.Property("ColumnCaptions", &S::ColumnCaptions, &S::SetColumnCaptions).Stored(false);
    p.Property("Columns", &S::Columns, &S::SetColumns);
    p.Property("DateType", &S::DateType, &S::SetDateType).Default(dt_NoneCare);
    p.Property("DateSign", &S::DateSign, &S::SetDateSign).Default(std::string("/"));
    p.Property("Discard", &S::Discard, &S::SetDiscard).Default(std::string());
    p.Property("EditMask", &S::EditMask, &S::SetEditMask).Default(std::string());
    p.Property("FinalWords", &S::FinalWords, &S::SetFinalWords).Stored(&S::IsFinalWordsStored);
    p.Property("GlyphIndex", &S::GlyphIndex, &S::SetGlyphIndex).Default(kLookupGlyph);
    p.Property("HintWord", &S::HintWord, &S::SetHintWord).Default(std::string(kDefaultHintWord));
    p.Property("HideSelection", &S::HideSelection, &S::SetHideSelection).Default(false);
    p.Property("Items", &S::Items, &S::SetItems);
    p.Property("OtherHeight", &S::OtherHeight, &S::SetOtherHeight).Default(105);
    p.Property("OtherWidth", &S::OtherWidth, &S::SetOtherWidth).Default(200);
    p.Property("ShowColumnHeader", &S::ShowColumnHeader, &S::SetShowColumnHeader).Default(false);
    p.Property("SortListBox", &S::SortListBox, &S::SetSortListBox).Default(false);
    p.Property("Style", &S::Style, &S::SetStyle).Default(sp_Range);
    p.Property("UseDiscard", &S::UseDiscard, &S::SetUseDiscard).Default(false);
    // Always stored, so that a user-choice panel takes its mode back.
    p.Property("UserChoice", &S::UserChoice, &S::SetUserChoice).NoDefault();
    p.Property("UseVertical", &S::UseVertical, &S::SetUseVertical).Default(false);
    p.Property("ValueType", &S::ValueType, &S::SetValueType).Default(vt_String);
    p.Property("OnOpenWinClick", &S::OnOpenWinClick);
    p.Property("OnClearClick", &S::OnClearClick);
    p.Property("OnDeleteClick", &S::OnDeleteClick);
    p.Property("OnTypeClick", &S::OnTypeClick);
    p.Property("OnStyleChanging", &S::OnStyleChanging);
    p.Property("OnStyleChange", &S::OnStyleChange);
    p.Property("OnItemSelect", &S::OnItemSelect);
    p.Property("OnItemChange", &S::OnItemChange);
    p.Property("OnItemChanging", &S::OnItemChanging);
}

// Parts.

void TSelectPanel::CreateParts() {
    auto make = [this](auto* part, const char* name, rt::TWinControl* parent) {
        part->SetName(name);
        part->SetParent(parent);
        HookPart(part);
        return part;
    };
    auto page = [&](const char* name) {
        auto* panel = make(new rt::TPanel(this), name, this);
        panel->SetBevelOuter(rt::bvNone);
        panel->SetBevelInner(rt::bvNone);
        panel->SetCaption(" ");
        return panel;
    };
    modeCheck_ = make(new TTarnCheckBox(this), "ModeCheck", this);
    modeCheck_->SetCaption(hintWord_);
    modeCheck_->SetLeft(kModeCheckLeft);
    modeCheck_->OnClick = rt::TNotifyEvent::Of<&TSelectPanel::ModeCheckClick>(this);

    rangePage_ = page("RangePage");
    beginLabel_ = make(new rt::TLabel(this), "BeginLabel", rangePage_);
    beginEdit_ = make(new TTarnMaskEdit(this), "BeginEdit", rangePage_);
    beginLookup_ = make(new TF2Button(this), "BeginLookup", rangePage_);
    endLabel_ = make(new rt::TLabel(this), "EndLabel", rangePage_);
    endEdit_ = make(new TTarnMaskEdit(this), "EndEdit", rangePage_);
    endLookup_ = make(new TF2Button(this), "EndLookup", rangePage_);
    for (TTarnMaskEdit* edit : {beginEdit_, endEdit_}) edit->SetHeight(kEditHeight);

    listPage_ = page("ListPage");
    itemList_ = make(new TTarnListView(this), "ItemList", listPage_);
    listLookup_ = make(new TF2Button(this), "ListLookup", listPage_);
    listLookup_->SetAutoAlign(false);
    deleteButton_ = make(new TGSpeedButton(this), "DeleteButton", listPage_);
    clearButton_ = make(new TGSpeedButton(this), "ClearButton", listPage_);
    for (TGSpeedButton* button : {static_cast<TGSpeedButton*>(listLookup_), deleteButton_, clearButton_}) {
        button->SetFlat(true);
        button->SetBounds(0, 0, kListButtonSize, kListButtonSize);
    }
    deleteButton_->SetGlyphIndex(kDeleteGlyph);
    deleteButton_->SetNumGlyphs(1);
    clearButton_->SetGlyphIndex(kClearGlyph);
    clearButton_->SetNumGlyphs(2);
    for (TF2Button* lookup : {beginLookup_, endLookup_, listLookup_}) {
        lookup->OnClick = rt::TNotifyEvent::Of<&TSelectPanel::LookupClick>(this);
    }
    deleteButton_->OnClick = rt::TNotifyEvent::Of<&TSelectPanel::DeleteClick>(this);
    clearButton_->OnClick = rt::TNotifyEvent::Of<&TSelectPanel::ClearClick>(this);

    itemList_->SetMultiSelect(true);
    itemList_->SetRowSelect(true);
    itemList_->SetReadOnly(true);
    itemList_->SetShowColumnHeaders(false);
    itemList_->SetSortType(rt::stNone);
    itemList_->SetCursor(rt::crHandPoint);
    itemList_->SetParentFont(true);
    itemList_->SetHideSelection(false);
    itemList_->OnSelectItem = rt::TLVSelectItemEvent::Of<&TSelectPanel::ListSelectItem>(this);
    itemList_->OnChange = rt::TLVChangeEvent::Of<&TSelectPanel::ListChange>(this);
    itemList_->OnChanging = rt::TLVChangingEvent::Of<&TSelectPanel::ListChanging>(this);
    itemList_->OnColumnClick = rt::TLVColumnClickEvent::Of<&TSelectPanel::ListColumnClick>(this);
    for (rt::TWinControl* part : {static_cast<rt::TWinControl*>(modeCheck_), static_cast<rt::TWinControl*>(beginEdit_),
                                  static_cast<rt::TWinControl*>(endEdit_), static_cast<rt::TWinControl*>(itemList_)}) {
        HookKeys(part);
    }
}

void TSelectPanel::HookPart(rt::TControl* part) {
    part->OnClick = rt::TNotifyEvent::Of<&TSelectPanel::PartClick>(this);
    part->OnDblClick = rt::TNotifyEvent::Of<&TSelectPanel::PartDblClick>(this);
    part->OnMouseDown = rt::TMouseEvent::Of<&TSelectPanel::PartMouseDown>(this);
    part->OnMouseUp = rt::TMouseEvent::Of<&TSelectPanel::PartMouseUp>(this);
    part->OnMouseMove = rt::TMouseMoveEvent::Of<&TSelectPanel::PartMouseMove>(this);
}

void TSelectPanel::HookKeys(rt::TWinControl* part) {
    part->OnKeyDown = rt::TKeyEvent::Of<&TSelectPanel::PartKeyDown>(this);
    part->OnKeyUp = rt::TKeyEvent::Of<&TSelectPanel::PartKeyUp>(this);
    part->OnKeyPress = rt::TKeyPressEvent::Of<&TSelectPanel::PartKeyPress>(this);
}

void TSelectPanel::ApplyHints() {
    rt::TControl* const parts[] = {modeCheck_, beginEdit_,  beginLookup_,  endEdit_,    endLookup_,
                                   itemList_,  listLookup_, deleteButton_, clearButton_};
    const int count = std::min<int>(childHints_->Count(), static_cast<int>(std::size(parts)));
    for (int i = 0; i < count; ++i) parts[i]->SetHint(childHints_->Strings(i));
}

// Layout.

bool TSelectPanel::IsLoadingNow() const {
    for (const rt::TControl* c = this; c != nullptr; c = c->Parent()) {
        if (c->ComponentState().Contains(rt::csLoading)) return true;
    }
    return false;
}

void TSelectPanel::ApplyVisibility(TSelectStyle style) {
    modeCheck_->SetVisible(style == sp_UserChoice);
    const bool range = style == sp_Range || (modeCheck_->Visible() && modeCheck_->Checked());
    rangePage_->SetVisible(range);
    listPage_->SetVisible(!range);
}

void TSelectPanel::LayOut(TSelectStyle style) {
    if (itemList_ == nullptr || layingOut_) return;
    TFlagScope guard(layingOut_);
    const rt::TTextMetrics& metrics = rt::GetTextMetrics();
    const int captionHeight = metrics.LineHeight(*Font());
    modeCheck_->SetCaption(hintWord_);
    const int checkHeight = metrics.LineHeight(*modeCheck_->Font());
    modeCheck_->SetBounds(kModeCheckLeft, captionHeight + 1, metrics.TextWidth(*modeCheck_->Font(), hintWord_) + 24,
                          checkHeight + 2);
    const int top = style == sp_UserChoice ? modeCheck_->Top() + checkHeight + 2 : captionHeight + 3;
    const int right = Width() - kFrameMargin - kFrameBevel;
    const int bottom = Height() - kFrameMargin - kFrameBevel;
    for (rt::TCustomPanel* page : {rangePage_, listPage_}) {
        page->SetBounds(kFrameMargin, top, std::max(0, right - kFrameMargin), std::max(0, bottom - top));
    }
    LayOutPages(style);
}

void TSelectPanel::LayOutPages(TSelectStyle style) {
    const bool twoRows = style == sp_UserChoice || useVertical_;
    const int word = twoRows ? 1 : 0;
    beginLabel_->SetCaption(keptBeginWords_[word]);
    endLabel_->SetCaption(keptFinalWords_[word]);
    for (TF2Button* lookup : {beginLookup_, endLookup_, listLookup_}) lookup->SetVisible(canOpenWin_);
    const TRangeParts range{*beginLabel_, *beginEdit_, *beginLookup_, *endLabel_, *endEdit_, *endLookup_};
    if (twoRows) {
        LayOutRangeRows(range, rangePage_->Width(), rangePage_->Height(), canOpenWin_);
    } else {
        LayOutRangeRow(range, rangePage_->Width(), rangePage_->Height(), canOpenWin_);
    }
    LayOutList({*itemList_, *listLookup_, *deleteButton_, *clearButton_}, listPage_->Width(), listPage_->Height());
}

void TSelectPanel::BoundsChanged() {
    rt::TGroupBox::BoundsChanged();
    LayOut(style_);
}

void TSelectPanel::FontChanged() {
    rt::TGroupBox::FontChanged();
    LayOut(style_);
}

void TSelectPanel::Loaded() {
    rt::TGroupBox::Loaded();
    ApplyVisibility(style_);
    LayOut(style_);
}

void TSelectPanel::SwapSizes() {
    if (IsLoadingNow()) return;
    const int width = Width();
    const int height = Height();
    SetBounds(Left(), Top(), otherWidth_, otherHeight_);
    otherWidth_ = width;
    otherHeight_ = height;
}

// Style and mode.

void TSelectPanel::SetStyle(TSelectStyle style) {
    bool accept = true;
    OnStyleChanging(this, style_, style, accept);
    if (!accept) return;
    // The check box shows the mode the panel reads itself in.
    if (style == sp_UserChoice) modeCheck_->SetChecked(userChoice_);
    ApplyVisibility(style);
    if (style != style_ && (style == sp_Range || style_ == sp_Range) && !useVertical_) SwapSizes();
    LayOut(style);
    OnStyleChange(this, style_, style);
    style_ = style;
}

void TSelectPanel::SetUseVertical(bool v) {
    if (IsLoadingNow()) {
        // Stored together with a later style; the layout follows when loading ends.
        useVertical_ = v;
        return;
    }
    if (v == useVertical_ || style_ != sp_Range) return;
    useVertical_ = v;
    SwapSizes();
    LayOut(style_);
}

void TSelectPanel::SetUserChoice(bool v) {
    if (style_ != sp_UserChoice) return;
    modeCheck_->SetChecked(v);
    ModeSwitched();
}

void TSelectPanel::ModeSwitched() {
    if (style_ != sp_UserChoice) return;
    userChoice_ = modeCheck_->Checked();
    LayOut(style_);
    ApplyVisibility(style_);
    OnTypeClick(this);
}

bool TSelectPanel::IsRangeMode() const { return style_ == sp_Range || (style_ == sp_UserChoice && userChoice_); }

void TSelectPanel::SetCanOpenWin(bool v) {
    canOpenWin_ = v;
    LayOut(style_);
}

void TSelectPanel::SetHintWord(const std::string& word) {
    hintWord_ = word;
    LayOut(style_);
}

// Word, hint and caption lists.

void TSelectPanel::SetBeginWords(rt::TStrings* words) { beginWords_->Assign(words); }

void TSelectPanel::SetFinalWords(rt::TStrings* words) { finalWords_->Assign(words); }

void TSelectPanel::KeepTwoWords(rt::TStringList& words, std::string (&kept)[2]) {
    TFlagScope guard(normalisingWords_);
    // A shorter list keeps the entries it does not give.
    for (int i = 0; i < 2 && i < words.Count(); ++i) kept[i] = words.Strings(i);
    if (words.Count() != 2 || words.Strings(0) != kept[0] || words.Strings(1) != kept[1]) {
        SetWords(words, kept[0], kept[1]);
    }
}

void TSelectPanel::WordsChanged(rt::TObject* Sender) {
    if (normalisingWords_) return;
    if (Sender == beginWords_.get()) KeepTwoWords(*beginWords_, keptBeginWords_);
    if (Sender == finalWords_.get()) KeepTwoWords(*finalWords_, keptFinalWords_);
    LayOut(style_);
}

bool TSelectPanel::IsBeginWordsStored() const { return !HoldsWords(keptBeginWords_, kDefaultBeginWord); }

bool TSelectPanel::IsFinalWordsStored() const { return !HoldsWords(keptFinalWords_, kDefaultFinalWord); }

void TSelectPanel::SetChildHints(rt::TStrings* hints) { childHints_->Assign(hints); }

void TSelectPanel::HintsChanged(rt::TObject*) { ApplyHints(); }

bool TSelectPanel::IsChildHintsStored() const {
    if (childHints_->Count() != static_cast<int>(std::size(kDefaultChildHints))) return true;
    for (int i = 0; i < childHints_->Count(); ++i) {
        if (childHints_->Strings(i) != kDefaultChildHints[i]) return true;
    }
    return false;
}

rt::TStringList* TSelectPanel::ColumnCaptions() const {
    TFlagScope guard(rebuildingCaptions_);
    columnCaptions_->BeginUpdate();
    columnCaptions_->Clear();
    for (int c = 0; c < Columns()->Count(); ++c) columnCaptions_->Add(Columns()->Items(c)->Caption());
    columnCaptions_->EndUpdate();
    return columnCaptions_.get();
}

void TSelectPanel::SetColumnCaptions(rt::TStrings* captions) {
    if (captions != columnCaptions_.get()) columnCaptions_->Assign(captions);
}

void TSelectPanel::ColumnCaptionsChanged(rt::TObject*) {
    if (rebuildingCaptions_) return;
    rt::TListColumns* columns = Columns();
    columns->BeginUpdate();
    columns->Clear();
    for (int i = 0; i < columnCaptions_->Count(); ++i) {
        rt::TListColumn* column = columns->Add();
        column->SetCaption(columnCaptions_->Strings(i));
        column->SetWidth(rt::ColumnHeaderWidth);
    }
    columns->EndUpdate();
}

// Properties handed to the parts.

bool TSelectPanel::ColumnsAutoSize() const { return itemList_->ColumnsAutoSize(); }
void TSelectPanel::SetColumnsAutoSize(bool v) { itemList_->SetColumnsAutoSize(v); }
rt::TListColumns* TSelectPanel::Columns() const { return itemList_->Columns(); }
void TSelectPanel::SetColumns(rt::TListColumns* columns) { itemList_->SetColumns(columns); }
rt::TListItems* TSelectPanel::Items() const { return itemList_->Items(); }
void TSelectPanel::SetItems(rt::TListItems* items) { itemList_->SetItems(items); }
bool TSelectPanel::HideSelection() const { return itemList_->HideSelection(); }
void TSelectPanel::SetHideSelection(bool v) { itemList_->SetHideSelection(v); }
bool TSelectPanel::ShowColumnHeader() const { return itemList_->ShowColumnHeaders(); }
void TSelectPanel::SetShowColumnHeader(bool v) { itemList_->SetShowColumnHeaders(v); }
bool TSelectPanel::SortListBox() const { return itemList_->SortType() != rt::stNone; }
void TSelectPanel::SetSortListBox(bool v) { itemList_->SetSortType(v ? rt::stText : rt::stNone); }
TCheckDuplicate TSelectPanel::CheckDuplicate() const { return itemList_->CheckDuplicate(); }
int TSelectPanel::SortColumn() const { return itemList_->SortColumn(); }
bool TSelectPanel::SortAscending() const { return itemList_->SortAscending(); }
int TSelectPanel::GlyphIndex() const { return beginLookup_->GlyphIndex(); }

void TSelectPanel::SetCheckDuplicate(TCheckDuplicate mode) {
    if (mode != cd_None) SetSortListBox(true);
    itemList_->SetCheckDuplicate(mode);
    if (!IsRangeMode()) RemoveDuplicates();
}

void TSelectPanel::SetGlyphIndex(int index) {
    try {
        beginLookup_->SetGlyphIndex(index);
        const int loaded = beginLookup_->GlyphIndex();
        endLookup_->SetGlyphIndex(loaded);
        listLookup_->SetGlyphIndex(loaded);
    } catch (...) {
        for (TF2Button* lookup : {beginLookup_, endLookup_, listLookup_}) lookup->SetGlyphIndex(0);
    }
}

void TSelectPanel::SetEditMask(const std::string& mask) {
    editMask_ = mask;
    const std::string kept = beginEdit_->GetText();
    TChangeSuppressor quiet(*beginEdit_);
    beginEdit_->SetText(std::string());
    beginEdit_->SetEditMask(mask);
    endEdit_->SetEditMask(mask);
    blankText_ = beginEdit_->GetText();
    beginEdit_->SetText(kept);
}

void TSelectPanel::SetEnabled(bool enabled) {
    rt::TGroupBox::SetEnabled(enabled);
    EnableTree(*this, enabled);
}

void TSelectPanel::SetFocus() {
    rt::TGroupBox::SetFocus();
    if (!IsRangeMode() && itemList_->CanFocus()) itemList_->SetFocus();
}

// The list.

bool TSelectPanel::AddRow(const std::vector<std::string>& values) { return itemList_->AddRow(values); }

void TSelectPanel::RemoveDuplicates() { itemList_->RemoveDuplicates(); }

void TSelectPanel::ClearList() { Items()->Clear(); }

// Leaving the panel.

void TSelectPanel::DoExit() { NormaliseRange(); }

void TSelectPanel::NormaliseRange() {
    TRangeRule rule;
    rule.ValueType = valueType_;
    rule.DateType = dateType_;
    rule.DateSign = dateSign_;
    rule.EditMask = editMask_;
    rule.BlankText = blankText_;
    rule.UseDiscard = useDiscard_;
    rule.Discard = discard_;
    rule.AutoChangeDateSite = autoChangeDateSite_;
    std::string begin = beginEdit_->GetText();
    std::string end = endEdit_->GetText();
    hemr::NormaliseRange(rule, begin, end);
    if (begin != beginEdit_->GetText()) beginEdit_->SetText(begin);
    if (end != endEdit_->GetText()) endEdit_->SetText(end);
    OnExit(this);
}

// Saved value.

std::string TSelectPanel::SaveValue() const {
    const std::string c3(1, kSavedFieldSeparator);
    const std::string range = beginEdit_->GetText() + c3 + endEdit_->GetText();
    switch (style_) {
        case sp_Range: return SelectStyleName(sp_Range) + c3 + range;
        case sp_Discrete: return SelectStyleName(sp_Discrete) + c3 + JoinSavedRows(*Items());
        case sp_UserChoice:
            if (userChoice_) return SelectStyleName(sp_UserChoice) + c3 + "True" + c3 + range;
            return SelectStyleName(sp_UserChoice) + c3 + "False" + c3 + JoinSavedRows(*Items());
    }
    return std::string();
}

bool TSelectPanel::RefillList(const std::string& field) {
    ClearList();
    for (const TSavedRow& row : SplitSavedRows(field)) {
        if (!itemList_->AddRow(row)) return false;
    }
    return true;
}

void TSelectPanel::RestoreValue(const std::string& value) {
    const std::vector<std::string> fields = SplitSavedFields(value);
    auto field = [&](size_t number) { return number <= fields.size() ? fields[number - 1] : std::string(); };
    const std::string rule = field(1);
    if (rule == SelectStyleName(sp_Range)) {
        beginEdit_->SetText(field(2));
        endEdit_->SetText(field(3));
    } else if (rule == SelectStyleName(sp_Discrete)) {
        if (!RefillList(field(2))) throw rt::Exception(kParseError);
    } else if (rule == SelectStyleName(sp_UserChoice)) {
        const bool range = field(2) == "True";
        SetUserChoice(range);
        if (range) {
            beginEdit_->SetText(field(3));
            endEdit_->SetText(field(4));
        } else {
            // A list that cannot be read leaves what was read of it.
            RefillList(field(3));
        }
    }
}

// The parts' events.

void TSelectPanel::ModeCheckClick(rt::TObject* Sender) {
    ModeSwitched();
    PartClick(Sender);
}

void TSelectPanel::LookupClick(rt::TObject* Sender) {
    rt::TWinControl* part = itemList_;
    if (Sender == beginLookup_) part = beginEdit_;
    if (Sender == endLookup_) part = endEdit_;
    if (part->CanFocus()) part->SetFocus();
    SendLookupRequest(Owner(), part);
    OnOpenWinClick(this, part);
    PartClick(Sender);
}

void TSelectPanel::DeleteClick(rt::TObject* Sender) {
    bool accept = true;
    OnDeleteClick(this, accept);
    if (accept) {
        rt::TListItems* items = Items();
        for (int i = 0; i < items->Count();) {
            if (items->Item(i)->Selected()) {
                items->Delete(i);
            } else {
                ++i;
            }
        }
    }
    PartClick(Sender);
}

void TSelectPanel::ClearClick(rt::TObject* Sender) {
    ClearList();
    if (itemList_->CanFocus()) itemList_->SetFocus();
    OnClearClick(this);
    PartClick(Sender);
}

rt::TObject* TSelectPanel::MouseSender(rt::TObject* part) const {
    if (part == itemList_ || part == beginEdit_ || part == endEdit_) return part;
    return const_cast<TSelectPanel*>(this);
}

rt::TPoint TSelectPanel::ToPanel(rt::TObject* part, int x, int y) const {
    if (MouseSender(part) == part) return rt::TPoint{x, y};
    const rt::TPoint at = static_cast<rt::TControl*>(part)->ClientToRoot(rt::TPoint{x, y});
    const rt::TPoint origin = ClientToRoot(rt::TPoint{0, 0});
    return rt::TPoint{at.X - origin.X, at.Y - origin.Y};
}

void TSelectPanel::PartClick(rt::TObject* Sender) { OnClick(MouseSender(Sender)); }

void TSelectPanel::PartDblClick(rt::TObject* Sender) { OnDblClick(MouseSender(Sender)); }

void TSelectPanel::PartMouseDown(rt::TObject* Sender, rt::TMouseButton Button, rt::TShiftState Shift, int X, int Y) {
    const rt::TPoint p = ToPanel(Sender, X, Y);
    OnMouseDown(MouseSender(Sender), Button, Shift, p.X, p.Y);
}

void TSelectPanel::PartMouseUp(rt::TObject* Sender, rt::TMouseButton Button, rt::TShiftState Shift, int X, int Y) {
    const rt::TPoint p = ToPanel(Sender, X, Y);
    OnMouseUp(MouseSender(Sender), Button, Shift, p.X, p.Y);
}

void TSelectPanel::PartMouseMove(rt::TObject* Sender, rt::TShiftState Shift, int X, int Y) {
    const rt::TPoint p = ToPanel(Sender, X, Y);
    OnMouseMove(MouseSender(Sender), Shift, p.X, p.Y);
}

void TSelectPanel::PartKeyDown(rt::TObject* Sender, uint16_t& Key, rt::TShiftState Shift) { OnKeyDown(Sender, Key, Shift); }

void TSelectPanel::PartKeyUp(rt::TObject* Sender, uint16_t& Key, rt::TShiftState Shift) { OnKeyUp(Sender, Key, Shift); }

void TSelectPanel::PartKeyPress(rt::TObject* Sender, char& Key) { OnKeyPress(Sender, Key); }

void TSelectPanel::ListSelectItem(rt::TObject*, rt::TListItem* Item, bool Selected) {
    OnItemSelect(this, Item, Item->Index(), Selected);
}

void TSelectPanel::ListChange(rt::TObject*, rt::TListItem* Item, rt::TItemChange Change) {
    OnItemChange(this, Item, Change);
}

void TSelectPanel::ListChanging(rt::TObject*, rt::TListItem* Item, rt::TItemChange Change, bool& AllowChange) {
    OnItemChanging(this, Item, Change, AllowChange);
}

void TSelectPanel::ListColumnClick(rt::TObject*, rt::TListColumn* Column) { itemList_->SortOnColumn(Column->Index()); }

}  // namespace hemr
