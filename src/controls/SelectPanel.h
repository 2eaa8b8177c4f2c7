#pragma once
// The selection panel: a captioned frame in which the user states one
// condition of a report either as a range (a begin and an end text, each
// with its lookup button) or as a list of chosen rows (with lookup, delete
// and clear buttons); in the user-choice style a check box switches between
// the two. The panel lays out its own parts, orders the range when the focus
// leaves it, and gives its value in the saved-scheme form and takes it back.
// It never reaches a database: a lookup asks the owning form (message 1034).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/stdctrls/TGroupBox.h"
#include "src/controls/SelectPanelTypes.h"

namespace rt {
class TCustomLabel;
class TCustomPanel;
class TListColumns;
class TListItems;
class TStringList;
class TStrings;
}  // namespace rt

namespace hemr {

class TF2Button;
class TGSpeedButton;
class TTarnCheckBox;
class TTarnListView;
class TTarnMaskEdit;

class TSelectPanel : public rt::TGroupBox {
    RT_CLASS(TSelectPanel, rt::TGroupBox)

public:
    explicit TSelectPanel(rt::TComponent* owner);
    ~TSelectPanel() override;

    static void Publish(rt::TPublisher<TSelectPanel>& p);

    // Parts.
    TTarnCheckBox* ModeCheck() const { return modeCheck_; }
    rt::TCustomPanel* RangePage() const { return rangePage_; }
    rt::TCustomLabel* BeginLabel() const { return beginLabel_; }
    TTarnMaskEdit* BeginEdit() const { return beginEdit_; }
    TF2Button* BeginLookup() const { return beginLookup_; }
    rt::TCustomLabel* EndLabel() const { return endLabel_; }
    TTarnMaskEdit* EndEdit() const { return endEdit_; }
    TF2Button* EndLookup() const { return endLookup_; }
    rt::TCustomPanel* ListPage() const { return listPage_; }
    TF2Button* ListLookup() const { return listLookup_; }
    TGSpeedButton* DeleteButton() const { return deleteButton_; }
    TGSpeedButton* ClearButton() const { return clearButton_; }
    TTarnListView* ItemList() const { return itemList_; }

    // Published properties.
    bool AutoChangeDateSite() const { return autoChangeDateSite_; }
    void SetAutoChangeDateSite(bool v) { autoChangeDateSite_ = v; }
    // Two entries: the label of the one-row and of the two-row arrangement.
    rt::TStringList* BeginWords() const { return beginWords_.get(); }
    void SetBeginWords(rt::TStrings* words);
    rt::TStringList* FinalWords() const { return finalWords_.get(); }
    void SetFinalWords(rt::TStrings* words);
    bool ColumnsAutoSize() const;
    void SetColumnsAutoSize(bool v);
    bool CanOpenWin() const { return canOpenWin_; }
    void SetCanOpenWin(bool v);
    TCheckDuplicate CheckDuplicate() const;
    // Anything but cd_None also sorts the list; outside range mode the
    // duplicates go at once.
    void SetCheckDuplicate(TCheckDuplicate mode);
    // The hints of the parts, in their fixed order.
    rt::TStringList* ChildHints() const { return childHints_.get(); }
    void SetChildHints(rt::TStrings* hints);
    // A copy of the column captions, made again on every read; changing it
    // replaces all columns.
    rt::TStringList* ColumnCaptions() const;
    void SetColumnCaptions(rt::TStrings* captions);
    rt::TListColumns* Columns() const;
    void SetColumns(rt::TListColumns* columns);
    TDateType DateType() const { return dateType_; }
    void SetDateType(TDateType v) { dateType_ = v; }
    const std::string& DateSign() const { return dateSign_; }
    void SetDateSign(const std::string& v) { dateSign_ = v; }
    const std::string& Discard() const { return discard_; }
    void SetDiscard(const std::string& v) { discard_ = v; }
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);
    int GlyphIndex() const;
    void SetGlyphIndex(int index);
    const std::string& HintWord() const { return hintWord_; }
    void SetHintWord(const std::string& word);
    bool HideSelection() const;
    void SetHideSelection(bool v);
    rt::TListItems* Items() const;
    void SetItems(rt::TListItems* items);
    int OtherHeight() const { return otherHeight_; }
    void SetOtherHeight(int v) { otherHeight_ = v; }
    int OtherWidth() const { return otherWidth_; }
    void SetOtherWidth(int v) { otherWidth_ = v; }
    bool ShowColumnHeader() const;
    void SetShowColumnHeader(bool v);
    bool SortListBox() const;
    void SetSortListBox(bool v);
    TSelectStyle Style() const { return style_; }
    void SetStyle(TSelectStyle style);
    bool UseDiscard() const { return useDiscard_; }
    void SetUseDiscard(bool v) { useDiscard_ = v; }
    // In sp_UserChoice: true = range entry, false = list entry.
    bool UserChoice() const { return userChoice_; }
    void SetUserChoice(bool v);
    bool UseVertical() const { return useVertical_; }
    void SetUseVertical(bool v);
    TValueType ValueType() const { return valueType_; }
    void SetValueType(TValueType v) { valueType_ = v; }

    // The begin edit's text when empty under EditMask.
    const std::string& BlankText() const { return blankText_; }
    int SortColumn() const;
    bool SortAscending() const;

    // Range entry: sp_Range, or sp_UserChoice with UserChoice.
    bool IsRangeMode() const;
    // Width and height become OtherWidth and OtherHeight and the other way round; not while loading.
    void SwapSizes();
    // Orders the range texts by ValueType and raises OnExit; runs when the
    // focus leaves the panel.
    void NormaliseRange();
    bool AddRow(const std::vector<std::string>& values);
    void RemoveDuplicates();
    void ClearList();

    // The value a condition scheme keeps for the panel.
    std::string SaveValue() const;
    // Takes a saved value back without changing Style. A list in sp_Discrete
    // that cannot be read raises "parse spSaveValue error".
    void RestoreValue(const std::string& value);

    void SetFocus() override;
    void SetEnabled(bool enabled) override;
    void Loaded() override;

    TOpenWinClickEvent OnOpenWinClick;
    rt::TNotifyEvent OnClearClick;
    TDeleteClickEvent OnDeleteClick;
    rt::TNotifyEvent OnTypeClick;
    TStyleChangingEvent OnStyleChanging;
    TStyleChangeEvent OnStyleChange;
    TListViewSelectItemEvent OnItemSelect;
    TListViewDataChangeEvent OnItemChange;
    TListViewDataChangingEvent OnItemChanging;

protected:
    void DoExit() override;
    void BoundsChanged() override;
    void FontChanged() override;

private:
    void CreateParts();
    void HookPart(rt::TControl* part);
    void HookKeys(rt::TWinControl* part);
    bool IsLoadingNow() const;
    void LayOut(TSelectStyle style);
    void LayOutPages(TSelectStyle style);
    void ApplyVisibility(TSelectStyle style);
    // What a click on ModeCheck does in sp_UserChoice.
    void ModeSwitched();
    void ApplyHints();
    void WordsChanged(rt::TObject* Sender);
    void HintsChanged(rt::TObject* Sender);
    void ColumnCaptionsChanged(rt::TObject* Sender);
    void KeepTwoWords(rt::TStringList& words, std::string (&kept)[2]);
    bool RefillList(const std::string& field);
    // The part or the panel a part's mouse event is told as coming from.
    rt::TObject* MouseSender(rt::TObject* part) const;
    rt::TPoint ToPanel(rt::TObject* part, int x, int y) const;

    // Handlers of the parts' events.
    void ModeCheckClick(rt::TObject* Sender);
    void LookupClick(rt::TObject* Sender);
    void DeleteClick(rt::TObject* Sender);
    void ClearClick(rt::TObject* Sender);
    void PartClick(rt::TObject* Sender);
    void PartDblClick(rt::TObject* Sender);
    void PartMouseDown(rt::TObject* Sender, rt::TMouseButton Button, rt::TShiftState Shift, int X, int Y);
    void PartMouseUp(rt::TObject* Sender, rt::TMouseButton Button, rt::TShiftState Shift, int X, int Y);
    void PartMouseMove(rt::TObject* Sender, rt::TShiftState Shift, int X, int Y);
    void PartKeyDown(rt::TObject* Sender, uint16_t& Key, rt::TShiftState Shift);
    void PartKeyUp(rt::TObject* Sender, uint16_t& Key, rt::TShiftState Shift);
    void PartKeyPress(rt::TObject* Sender, char& Key);
    void ListSelectItem(rt::TObject* Sender, rt::TListItem* Item, bool Selected);
    void ListChange(rt::TObject* Sender, rt::TListItem* Item, rt::TItemChange Change);
    void ListChanging(rt::TObject* Sender, rt::TListItem* Item, rt::TItemChange Change, bool& AllowChange);
    void ListColumnClick(rt::TObject* Sender, rt::TListColumn* Column);

    bool IsBeginWordsStored() const;
    bool IsFinalWordsStored() const;
    bool IsChildHintsStored() const;

    TTarnCheckBox* modeCheck_ = nullptr;
    rt::TCustomPanel* rangePage_ = nullptr;
    rt::TCustomLabel* beginLabel_ = nullptr;
    TTarnMaskEdit* beginEdit_ = nullptr;
    TF2Button* beginLookup_ = nullptr;
    rt::TCustomLabel* endLabel_ = nullptr;
    TTarnMaskEdit* endEdit_ = nullptr;
    TF2Button* endLookup_ = nullptr;
    rt::TCustomPanel* listPage_ = nullptr;
    TF2Button* listLookup_ = nullptr;
    TGSpeedButton* deleteButton_ = nullptr;
    TGSpeedButton* clearButton_ = nullptr;
    TTarnListView* itemList_ = nullptr;

    std::unique_ptr<rt::TStringList> beginWords_;
    std::unique_ptr<rt::TStringList> finalWords_;
    std::unique_ptr<rt::TStringList> childHints_;
    std::unique_ptr<rt::TStringList> columnCaptions_;
    std::string keptBeginWords_[2];
    std::string keptFinalWords_[2];

    bool autoChangeDateSite_ = true;
    bool canOpenWin_ = true;
    TDateType dateType_ = dt_NoneCare;
    std::string dateSign_ = "/";
    std::string discard_;
    std::string editMask_;
    std::string hintWord_;
    int otherHeight_ = 105;
    int otherWidth_ = 200;
    TSelectStyle style_ = sp_Range;
    bool useDiscard_ = false;
    bool userChoice_ = true;
    bool useVertical_ = false;
    TValueType valueType_ = vt_String;
    std::string blankText_;
    // Guards against the panel's own edits of its lists and its own layout runs.
    bool normalisingWords_ = false;
    mutable bool rebuildingCaptions_ = false;
    bool layingOut_ = false;
};

}  // namespace hemr
