#include "src/controls/SelectPanel.h"

#include <string>
#include <vector>

#include "platform/comctrls/TListItems.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TInputInjector.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/streaming/FormResources.h"
#include "src/controls/F2Button.h"
#include "src/controls/TarnCheckBox.h"
#include "src/controls/TarnListView.h"
#include "src/controls/TarnMaskEdit.h"
#include "tests/src/controls/ControlsTestSupport.h"
#include "src/shell/ModuleClasses.h"

namespace hemr_test {
namespace {

using hemr::TSelectPanel;

// Records the panel's events in order.
struct TPanelEvents : rt::TObject {
    std::vector<std::string> Log;
    bool AcceptStyle = true;
    bool AcceptDelete = true;
    hemr::TSelectStyle StyleDuringChange = hemr::sp_Range;
    TSelectPanel* Panel = nullptr;

    void StyleChanging(rt::TObject*, hemr::TSelectStyle now, hemr::TSelectStyle next, bool& accept) {
        Log.push_back("changing " + hemr::SelectStyleName(now) + ">" + hemr::SelectStyleName(next));
        accept = AcceptStyle;
    }
    void StyleChange(rt::TObject*, hemr::TSelectStyle old, hemr::TSelectStyle next) {
        Log.push_back("change " + hemr::SelectStyleName(old) + ">" + hemr::SelectStyleName(next));
        StyleDuringChange = Panel->Style();
    }
    void Exit(rt::TObject*) { Log.push_back("exit"); }
    void TypeClick(rt::TObject*) { Log.push_back("type"); }
    void OpenWin(rt::TObject* parent, rt::TObject* part) {
        Log.push_back(std::string("open ") + (parent == Panel ? "panel " : "? ") +
                      static_cast<rt::TComponent*>(part)->Name());
    }
    void DeleteClick(rt::TObject*, bool& accept) {
        Log.push_back("delete");
        accept = AcceptDelete;
    }
    void ClearClick(rt::TObject*) { Log.push_back("clear"); }
    void KeyDown(rt::TObject* sender, uint16_t& key, rt::TShiftState) {
        Log.push_back("key " + std::to_string(key) + " " + static_cast<rt::TComponent*>(sender)->Name());
    }
    void MouseDown(rt::TObject* sender, rt::TMouseButton, rt::TShiftState, int x, int y) {
        Log.push_back("mouse " + static_cast<rt::TComponent*>(sender)->Name() + " " + std::to_string(x) + "," +
                      std::to_string(y));
    }
    void ItemSelect(rt::TObject*, rt::TListItem* item, int index, bool selected) {
        Log.push_back((selected ? "+" : "-") + item->Caption() + "@" + std::to_string(index));
    }
};

class SelectPanelTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        hemr::RegisterModuleClasses();
        panel = Add<TSelectPanel>("sp01", 10, 10, 353, 45);
        panel->SetCaption("选择公司");
        other = Add<rt::TEdit>("ed03", 10, 300, 80, 21);
        other->SetTabStop(true);
        events.Panel = panel;
        panel->OnStyleChanging = hemr::TStyleChangingEvent::Of<&TPanelEvents::StyleChanging>(&events);
        panel->OnStyleChange = hemr::TStyleChangeEvent::Of<&TPanelEvents::StyleChange>(&events);
        panel->OnExit = rt::TNotifyEvent::Of<&TPanelEvents::Exit>(&events);
        panel->OnTypeClick = rt::TNotifyEvent::Of<&TPanelEvents::TypeClick>(&events);
        panel->OnOpenWinClick = hemr::TOpenWinClickEvent::Of<&TPanelEvents::OpenWin>(&events);
        panel->OnDeleteClick = hemr::TDeleteClickEvent::Of<&TPanelEvents::DeleteClick>(&events);
        panel->OnClearClick = rt::TNotifyEvent::Of<&TPanelEvents::ClearClick>(&events);
    }

    void Range(const std::string& begin, const std::string& end) {
        panel->BeginEdit()->SetText(begin);
        panel->EndEdit()->SetText(end);
    }
    // Enters the panel's begin edit and leaves the panel for another control.
    void LeavePanel() {
        form->Show();
        panel->BeginEdit()->SetFocus();
        other->SetFocus();
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (int i = 0; i < panel->Items()->Count(); ++i) out.push_back(panel->Items()->Item(i)->Caption());
        return out;
    }
    static int Right(const rt::TControl* c) { return c->Left() + c->Width(); }
    static int Bottom(const rt::TControl* c) { return c->Top() + c->Height(); }

    TSelectPanel* panel = nullptr;
    rt::TEdit* other = nullptr;
    TPanelEvents events;
};

TEST_F(SelectPanelTest, ANewPanelShowsTheRangeInOneRow) {
    EXPECT_EQ(panel->Style(), hemr::sp_Range);
    EXPECT_FALSE(panel->ModeCheck()->Visible());
    EXPECT_TRUE(panel->RangePage()->Visible());
    EXPECT_FALSE(panel->ListPage()->Visible());
    EXPECT_EQ(panel->BeginLabel()->Caption(), "起");
    EXPECT_EQ(panel->EndLabel()->Caption(), "止");

    const rt::TControl* row[] = {panel->BeginLabel(), panel->BeginEdit(), panel->BeginLookup(),
                                 panel->EndLabel(),   panel->EndEdit(),   panel->EndLookup()};
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(row[i]->Top(), row[0]->Top()) << "one row: part " << i;
        EXPECT_GE(row[i]->Left(), Right(row[i - 1]) + 2) << "part " << i << " follows part " << i - 1;
    }
    EXPECT_EQ(panel->BeginEdit()->Width(), panel->EndEdit()->Width()) << "the edits share the room";
    EXPECT_LE(Right(panel->EndLookup()), panel->RangePage()->Width());
    EXPECT_GE(Right(panel->EndLookup()), panel->RangePage()->Width() - 4) << "the row fills the page";
    EXPECT_EQ(panel->BeginEdit()->Height(), 24);
    EXPECT_EQ(panel->BeginLookup()->Width(), 24) << "square buttons of the edit's height";

    EXPECT_EQ(panel->GlyphIndex(), 8);
    EXPECT_EQ(panel->BeginEdit()->Hint(), "区间选择-起始信息");
    EXPECT_EQ(panel->ClearButton()->Hint(), "多选-删除己选信息");
    EXPECT_EQ(panel->DeleteButton()->NumGlyphs(), 1);
    EXPECT_EQ(panel->ClearButton()->NumGlyphs(), 2);
    EXPECT_TRUE(panel->ItemList()->MultiSelect());
    EXPECT_TRUE(panel->ItemList()->ReadOnly());
    EXPECT_FALSE(panel->ItemList()->ShowColumnHeaders());
    EXPECT_TRUE(Dialogs().empty()) << "every picture of the panel loads";
}

TEST_F(SelectPanelTest, TheCompactRangeSizeSwapsWithTheListSize) {
    panel->SetStyle(hemr::sp_Discrete);
    EXPECT_EQ(panel->Width(), 200);
    EXPECT_EQ(panel->Height(), 105);
    EXPECT_EQ(panel->OtherWidth(), 353);
    EXPECT_EQ(panel->OtherHeight(), 45);
    EXPECT_TRUE(panel->ListPage()->Visible());
    EXPECT_FALSE(panel->RangePage()->Visible());
    const auto* list = panel->ItemList();
    EXPECT_EQ(panel->ListLookup()->Left(), Right(list) + 3) << "the buttons stand right of the list";
    EXPECT_EQ(panel->DeleteButton()->Top(), Bottom(panel->ListLookup()));
    EXPECT_EQ(panel->ClearButton()->Top(), Bottom(panel->DeleteButton()));
    EXPECT_EQ(list->Height(), panel->ListPage()->Height());

    panel->SetStyle(hemr::sp_UserChoice);
    EXPECT_EQ(panel->Width(), 200) << "list and user choice share the tall size";
    EXPECT_EQ(panel->Height(), 105);
    panel->SetStyle(hemr::sp_Discrete);
    EXPECT_EQ(panel->Height(), 105);

    panel->SetStyle(hemr::sp_Range);
    EXPECT_EQ(panel->Width(), 353);
    EXPECT_EQ(panel->Height(), 45);
    panel->SetStyle(hemr::sp_Range);
    EXPECT_EQ(panel->Width(), 353) << "setting the same style swaps nothing";
}

TEST_F(SelectPanelTest, TheTwoRowRangeKeepsItsSize) {
    panel->SetUseVertical(true);
    EXPECT_EQ(panel->Width(), 200) << "turning to two rows swaps the size";
    EXPECT_EQ(panel->BeginLabel()->Caption(), "起");
    EXPECT_GT(panel->EndEdit()->Top(), Bottom(panel->BeginEdit()));
    EXPECT_EQ(panel->EndEdit()->Left(), panel->BeginEdit()->Left());
    EXPECT_EQ(panel->EndEdit()->Width(), panel->BeginEdit()->Width());

    panel->SetStyle(hemr::sp_Discrete);
    EXPECT_EQ(panel->Width(), 200) << "a two-row panel swaps no size with the list";
    panel->SetUseVertical(false);
    EXPECT_TRUE(panel->UseVertical()) << "UseVertical only changes in sp_Range";
}

TEST_F(SelectPanelTest, AVetoedStyleChangeChangesNothing) {
    events.AcceptStyle = false;
    panel->SetStyle(hemr::sp_Discrete);
    EXPECT_EQ(panel->Style(), hemr::sp_Range);
    EXPECT_EQ(panel->Width(), 353);
    EXPECT_TRUE(panel->RangePage()->Visible());
    EXPECT_EQ(events.Log, (std::vector<std::string>{"changing sp_Range>sp_Discrete"}));

    events.AcceptStyle = true;
    events.Log.clear();
    panel->SetStyle(hemr::sp_Discrete);
    EXPECT_EQ(events.Log, (std::vector<std::string>{"changing sp_Range>sp_Discrete", "change sp_Range>sp_Discrete"}));
    EXPECT_EQ(events.StyleDuringChange, hemr::sp_Range) << "Style reads the old style during OnStyleChange";
    EXPECT_EQ(panel->Style(), hemr::sp_Discrete);
}

TEST_F(SelectPanelTest, TheModeCheckSwitchesBetweenListAndRange) {
    panel->SetUserChoice(false);
    EXPECT_TRUE(panel->UserChoice()) << "UserChoice has no effect outside sp_UserChoice";
    EXPECT_TRUE(panel->IsRangeMode());

    panel->SetStyle(hemr::sp_UserChoice);
    EXPECT_TRUE(panel->ModeCheck()->Visible());
    EXPECT_EQ(panel->ModeCheck()->Caption(), "区间选择");
    EXPECT_EQ(panel->ModeCheck()->Left(), 16);
    EXPECT_TRUE(panel->ModeCheck()->Checked()) << "the check box shows the mode the panel is read in";
    EXPECT_TRUE(panel->RangePage()->Visible());

    panel->SetUserChoice(false);
    EXPECT_FALSE(panel->IsRangeMode());
    EXPECT_TRUE(panel->ListPage()->Visible());
    EXPECT_FALSE(panel->RangePage()->Visible());
    EXPECT_GE(panel->ListPage()->Top(), Bottom(panel->ModeCheck())) << "the list sits under the check box";
    EXPECT_EQ(events.Log.back(), "type");

    form->Show();
    events.Log.clear();
    ASSERT_TRUE(rt::Input().Click(panel->ModeCheck()));
    EXPECT_TRUE(panel->UserChoice());
    EXPECT_TRUE(panel->IsRangeMode());
    EXPECT_TRUE(panel->RangePage()->Visible());
    EXPECT_EQ(events.Log, (std::vector<std::string>{"type"}));
    EXPECT_EQ(panel->BeginLabel()->Caption(), "起") << "the two-row word";
    EXPECT_GT(panel->EndEdit()->Top(), panel->BeginEdit()->Top()) << "the user-choice range has two rows";
}

TEST_F(SelectPanelTest, LeavingThePanelOrdersTheRange) {
    Range("B100", "A200");
    LeavePanel();
    EXPECT_EQ(panel->BeginEdit()->GetText(), "A200");
    EXPECT_EQ(panel->EndEdit()->GetText(), "B100");
    EXPECT_EQ(events.Log, (std::vector<std::string>{"exit"}));

    events.Log.clear();
    panel->SetValueType(hemr::vt_Number);
    Range("10", "9");
    panel->BeginEdit()->SetFocus();
    panel->EndEdit()->SetFocus();
    EXPECT_EQ(panel->BeginEdit()->GetText(), "10") << "moving inside the panel checks nothing";
    EXPECT_TRUE(events.Log.empty());
    other->SetFocus();
    EXPECT_EQ(panel->BeginEdit()->GetText(), "9");

    events.Log.clear();
    Range("", "A");
    LeavePanel();
    EXPECT_EQ(panel->EndEdit()->GetText(), "A");
    EXPECT_EQ(events.Log, (std::vector<std::string>{"exit"})) << "OnExit comes even when nothing is ordered";
}

TEST_F(SelectPanelTest, DatesAndDiscardFollowThePanelSettings) {
    panel->SetValueType(hemr::vt_Date);
    panel->SetDateType(hemr::dt_YYMMDD);
    Range("92/01/01", "91/12/31");
    LeavePanel();
    EXPECT_EQ(panel->BeginEdit()->GetText(), "91/12/31");

    panel->SetValueType(hemr::vt_String);
    panel->SetUseDiscard(true);
    panel->SetDiscard("*");
    Range("*", "A");
    LeavePanel();
    EXPECT_EQ(panel->BeginEdit()->GetText(), "*") << "begin asterisk and end A stay as entered";
}

TEST_F(SelectPanelTest, AnEditMaskKeepsTheTextAndRecordsTheBlankText) {
    TClickCount changes;
    panel->BeginEdit()->OnChange = changes.Event();
    panel->BeginEdit()->SetText("2003/01/02");
    changes.Count = 0;
    panel->SetEditMask("!9999/99/99;1; ");
    EXPECT_EQ(panel->BlankText(), "    /  /  ");
    EXPECT_EQ(panel->BeginEdit()->GetText(), "2003/01/02") << "the kept text is put back under the mask";
    EXPECT_EQ(panel->EndEdit()->EditMask(), "!9999/99/99;1; ");
    EXPECT_EQ(changes.Count, 0) << "the begin edit raises no change while the mask is set";

    panel->SetValueType(hemr::vt_Date);
    panel->SetDateType(hemr::dt_YYYYMMDD);
    panel->EndEdit()->SetText("");
    LeavePanel();
    EXPECT_EQ(panel->BeginEdit()->GetText(), "2003/01/02") << "a blank end under the mask stays behind";
}

TEST_F(SelectPanelTest, DuplicatesGoAtOnceOnlyOutsideRangeMode) {
    for (const char* caption : {"abc", "ABC"}) panel->AddRow({caption});
    panel->SetCheckDuplicate(hemr::cd_CaseInsensitive);
    EXPECT_TRUE(panel->SortListBox()) << "checking duplicates sorts the list";
    EXPECT_EQ(panel->Items()->Count(), 2) << "in range mode the list is left alone";

    panel->SetCheckDuplicate(hemr::cd_None);
    panel->SetStyle(hemr::sp_Discrete);
    panel->SetCheckDuplicate(hemr::cd_CaseInsensitive);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"abc"}));
    panel->SetCheckDuplicate(hemr::cd_CheckCase);
    panel->AddRow({"ABC"});
    EXPECT_EQ(panel->Items()->Count(), 2) << "case-sensitive keeps both";

    panel->SetShowColumnHeader(true);
    panel->AddRow({"0", "z"});
    panel->ItemList()->ClickColumn(1);
    EXPECT_EQ(panel->SortColumn(), 1) << "a header click sorts on its column";
    EXPECT_EQ(Captions().back(), "0");
    panel->ItemList()->ClickColumn(1);
    EXPECT_FALSE(panel->SortAscending());
    EXPECT_EQ(Captions().front(), "0");
}

TEST_F(SelectPanelTest, TheSavedValueOfAUserChoiceListRoundTrips) {
    panel->SetStyle(hemr::sp_UserChoice);
    panel->SetUserChoice(false);
    panel->AddRow({"01", "A"});
    panel->AddRow({"02", "B"});
    const std::string saved = panel->SaveValue();
    EXPECT_EQ(saved, "sp_UserChoice\x03" "False\x03" "01\x01" "A\x04" "02\x01" "B\x04");

    auto* copy = Add<TSelectPanel>("sp02", 10, 100, 353, 45);
    copy->SetStyle(hemr::sp_UserChoice);
    copy->RestoreValue(saved);
    EXPECT_FALSE(copy->UserChoice());
    EXPECT_TRUE(copy->ListPage()->Visible());
    ASSERT_EQ(copy->Items()->Count(), 2);
    EXPECT_EQ(copy->Items()->Item(1)->Caption(), "02");
    EXPECT_EQ(copy->Items()->Item(1)->SubItems()->Strings(0), "B");
    EXPECT_EQ(copy->SaveValue(), saved);

    copy->RestoreValue("sp_UserChoice\x03" "True\x03" "C1\x03" "C9");
    EXPECT_TRUE(copy->IsRangeMode());
    EXPECT_EQ(copy->BeginEdit()->GetText(), "C1");
    EXPECT_EQ(copy->EndEdit()->GetText(), "C9");
    EXPECT_EQ(copy->SaveValue(), "sp_UserChoice\x03" "True\x03" "C1\x03" "C9");
}

TEST_F(SelectPanelTest, RangeAndDiscreteValuesRestoreWithoutChangingTheStyle) {
    Range("A", "Z");
    EXPECT_EQ(panel->SaveValue(), "sp_Range\x03" "A\x03" "Z");
    panel->RestoreValue("sp_Range\x03" "B");
    EXPECT_EQ(panel->BeginEdit()->GetText(), "B");
    EXPECT_EQ(panel->EndEdit()->GetText(), "") << "a missing field restores an empty edit";

    panel->AddRow({"x"});
    panel->RestoreValue("sp_Discrete\x03");
    EXPECT_EQ(panel->Items()->Count(), 0) << "an empty discrete value leaves an empty list";
    EXPECT_EQ(panel->Style(), hemr::sp_Range) << "restoring never changes Style";
    panel->RestoreValue("sp_Discrete\x03" "01\x01" "A\x04");
    EXPECT_EQ(panel->Items()->Count(), 1);

    panel->RestoreValue("sp_Other\x03" "1");
    EXPECT_EQ(panel->Items()->Count(), 1) << "an unknown value leaves the panel as it is";
    panel->RestoreValue("");
    EXPECT_EQ(panel->Items()->Count(), 1) << "so does an empty one";
    EXPECT_EQ(panel->BeginEdit()->GetText(), "B");
}

TEST_F(SelectPanelTest, LookupButtonsAskTheFormForTheirPart) {
    form->Show();
    ASSERT_TRUE(rt::Input().Click(panel->BeginLookup()));
    ASSERT_EQ(form->Requests.size(), 1u);
    EXPECT_EQ(form->Requests[0], panel->BeginEdit());
    EXPECT_TRUE(form->FocusedAtRequest[0]) << "the edit has the focus when the form is asked";
    EXPECT_EQ(events.Log.back(), "open panel BeginEdit");

    panel->SetStyle(hemr::sp_Discrete);
    ASSERT_TRUE(rt::Input().Click(panel->ListLookup()));
    EXPECT_EQ(form->Requests.back(), panel->ItemList());
    EXPECT_EQ(events.Log.back(), "open panel ItemList");

    panel->SetStyle(hemr::sp_Range);
    panel->SetCanOpenWin(false);
    EXPECT_FALSE(panel->BeginLookup()->Visible());
    EXPECT_FALSE(panel->ListLookup()->Visible());
    EXPECT_EQ(panel->EndLabel()->Left(), Right(panel->BeginEdit()) + 4) << "without buttons the end label follows at 4";
}

TEST_F(SelectPanelTest, DeleteRemovesTheSelectedRowsUnlessRefused) {
    panel->SetStyle(hemr::sp_Discrete);
    for (const char* caption : {"01", "02", "03", "04"}) panel->AddRow({caption});
    panel->Items()->Item(1)->SetSelected(true);
    panel->Items()->Item(2)->SetSelected(true);
    form->Show();

    events.AcceptDelete = false;
    ASSERT_TRUE(rt::Input().Click(panel->DeleteButton()));
    EXPECT_EQ(panel->Items()->Count(), 4) << "OnDeleteClick refused";

    events.AcceptDelete = true;
    ASSERT_TRUE(rt::Input().Click(panel->DeleteButton()));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"01", "04"})) << "neighbouring selected rows both go";

    events.Log.clear();
    ASSERT_TRUE(rt::Input().Click(panel->ClearButton()));
    EXPECT_EQ(panel->Items()->Count(), 0);
    EXPECT_TRUE(panel->ItemList()->Focused());
    EXPECT_EQ(events.Log, (std::vector<std::string>{"clear"}));
}

TEST_F(SelectPanelTest, FocusAndEnablingReachTheParts) {
    form->Show();
    panel->SetStyle(hemr::sp_Discrete);
    panel->SetFocus();
    EXPECT_TRUE(panel->ItemList()->Focused()) << "a list panel hands the focus to its list";

    panel->SetEnabled(false);
    EXPECT_FALSE(panel->BeginEdit()->Enabled()) << "parts inside the pages too";
    EXPECT_FALSE(panel->ClearButton()->Enabled());
    EXPECT_FALSE(panel->ModeCheck()->Enabled());
    panel->SetEnabled(true);
    EXPECT_TRUE(panel->ItemList()->Enabled());
}

TEST_F(SelectPanelTest, KeyAndMouseEventsOfThePartsArePassedOn) {
    panel->OnKeyDown = rt::TKeyEvent::Of<&TPanelEvents::KeyDown>(&events);
    panel->OnMouseDown = rt::TMouseEvent::Of<&TPanelEvents::MouseDown>(&events);
    panel->OnItemSelect = hemr::TListViewSelectItemEvent::Of<&TPanelEvents::ItemSelect>(&events);
    form->Show();
    panel->BeginEdit()->SetFocus();
    events.Log.clear();
    rt::Input().KeyDown(rt::VK_F2);
    EXPECT_EQ(events.Log, (std::vector<std::string>{"key " + std::to_string(rt::VK_F2) + " BeginEdit"}));

    panel->SetStyle(hemr::sp_Discrete);
    panel->AddRow({"01"});
    panel->AddRow({"02"});
    events.Log.clear();
    panel->ItemList()->Perform(rt::WM_LBUTTONDOWN, 0, rt::PointToLParam(5, panel->ItemList()->ItemRect(1).Top + 1));
    EXPECT_EQ(events.Log, (std::vector<std::string>{"+02@1", "mouse ItemList 5," +
                                                                  std::to_string(panel->ItemList()->ItemRect(1).Top + 1)}));

    events.Log.clear();
    panel->DeleteButton()->Perform(rt::WM_LBUTTONDOWN, 0, rt::PointToLParam(1, 2));
    const int x = panel->ListPage()->Left() + panel->DeleteButton()->Left() + 1;
    const int y = panel->ListPage()->Top() + panel->DeleteButton()->Top() + 2;
    EXPECT_EQ(events.Log, (std::vector<std::string>{"mouse sp01 " + std::to_string(x) + "," + std::to_string(y)}))
        << "a button's press comes from the panel, in the panel's coordinates";
    panel->DeleteButton()->Perform(rt::WM_LBUTTONUP, 0, rt::PointToLParam(1, 2));
}

// Keeps the focus on its edit when asked to leave.
struct TStubbornExit : rt::TObject {
    rt::TWinControl* Edit = nullptr;
    void Exit(rt::TObject*) { Edit->SetFocus(); }
};

TEST_F(SelectPanelTest, APressOnTheListCountsOnlyWhenTheListGetsTheFocus) {
    panel->SetStyle(hemr::sp_Discrete);
    panel->AddRow({"01"});
    form->Show();
    TStubbornExit stubborn;
    stubborn.Edit = other;
    other->SetFocus();
    other->OnExit = rt::TNotifyEvent::Of<&TStubbornExit::Exit>(&stubborn);
    const rt::LPARAM at = rt::PointToLParam(5, panel->ItemList()->ItemRect(0).Top + 1);
    panel->ItemList()->Perform(rt::WM_LBUTTONDOWN, 0, at);
    EXPECT_FALSE(panel->Items()->Item(0)->Selected()) << "the focus stayed away: the press is dropped";

    other->OnExit.Clear();
    panel->ItemList()->Perform(rt::WM_LBUTTONDOWN, 0, at);
    EXPECT_TRUE(panel->ItemList()->Focused());
    EXPECT_TRUE(panel->Items()->Item(0)->Selected());
}

TEST_F(SelectPanelTest, WordsAndHintsKeepTheirShape) {
    rt::TStringList words;
    words.Add("从");
    panel->SetBeginWords(&words);
    EXPECT_EQ(panel->BeginWords()->Count(), 2) << "the lists always hold two words";
    EXPECT_EQ(panel->BeginLabel()->Caption(), "从");
    EXPECT_EQ(panel->BeginWords()->Strings(1), "起") << "a missing entry keeps its word";
    words.Add("自");
    words.Add("多余");
    panel->SetBeginWords(&words);
    EXPECT_EQ(panel->BeginWords()->Count(), 2) << "only the first two entries are kept";
    EXPECT_EQ(panel->BeginWords()->Strings(1), "自");

    rt::TStringList hints;
    hints.Add("用户自定输入方式");
    hints.Add("[F2]公司信息查询");
    panel->SetChildHints(&hints);
    EXPECT_EQ(panel->BeginEdit()->Hint(), "[F2]公司信息查询");
    EXPECT_EQ(panel->BeginLookup()->Hint(), "区间选择-起始信息开窗") << "a shorter list sets only the first parts";

    rt::TStringList captions;
    captions.Add("公司编号");
    captions.Add("公司名称");
    panel->SetColumnCaptions(&captions);
    ASSERT_EQ(panel->Columns()->Count(), 2);
    EXPECT_EQ(panel->Columns()->Items(1)->Caption(), "公司名称");
    EXPECT_EQ(panel->ColumnCaptions()->Count(), 2);
}

TEST_F(SelectPanelTest, AStoredUserChoicePanelComesBackInItsMode) {
    panel->SetStyle(hemr::sp_UserChoice);
    panel->SetUserChoice(false);
    panel->AddRow({"01", "A"});
    panel->SetHintWord("区间");
    const std::string text = rt::WriteComponentResText(form);
    EXPECT_NE(text.find("UserChoice = False"), std::string::npos) << text;
    EXPECT_EQ(text.find("BeginWords"), std::string::npos) << "default words are not written: " << text;
    EXPECT_EQ(text.find("ColumnCaptions"), std::string::npos) << text;

    auto* copy = new TLookupForm(&rt::Application());
    rt::ReadComponentResText(copy, text);
    auto* loaded = dynamic_cast<TSelectPanel*>(copy->FindComponent("sp01"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Style(), hemr::sp_UserChoice);
    EXPECT_FALSE(loaded->UserChoice());
    EXPECT_FALSE(loaded->ModeCheck()->Checked());
    EXPECT_TRUE(loaded->ListPage()->Visible());
    EXPECT_EQ(loaded->Width(), 200) << "loading swaps no size";
    EXPECT_EQ(loaded->OtherWidth(), 353);
    EXPECT_EQ(loaded->ModeCheck()->Caption(), "区间");
    EXPECT_EQ(loaded->SaveValue(), panel->SaveValue());
    copy->Free();
}

// The panel's exit reads its edits; it must not run while they are being freed.
TEST_F(SelectPanelTest, APanelFreedWhileItsEditHasTheFocusRunsNoExit) {
    form->Show();
    panel->BeginEdit()->SetFocus();
    events.Log.clear();
    delete panel;
    panel = nullptr;
    EXPECT_TRUE(events.Log.empty()) << "no exit of a panel on its way out";
    EXPECT_EQ(form->ActiveControl(), nullptr) << "the focus went back to the form";
    other->SetFocus();
    EXPECT_EQ(form->ActiveControl(), other) << "the form takes input again";
}

}  // namespace
}  // namespace hemr_test
