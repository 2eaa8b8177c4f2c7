#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/comctrls/TListView.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TApplication.h"

namespace rt {
namespace {

struct ViewEvents : TObject {
    std::vector<std::string> Log;
    bool AllowEdit = true;
    bool Refuse = false;
    bool Throw = false;
    void Compare(TObject*, TListItem* a, TListItem* b, int, int& result) {
        // By the first sub-item, descending.
        result = b->SubItems()->Strings(0).compare(a->SubItems()->Strings(0));
    }
    void Editing(TObject*, TListItem* item, bool& allow) {
        Log.push_back("editing " + item->Caption());
        allow = AllowEdit;
    }
    void Edited(TObject*, TListItem* item, std::string& s) {
        Log.push_back("edited " + item->Caption() + "->" + s);
        if (Refuse) s = item->Caption();
        if (Throw) throw Exception("更改方案名失败!");
    }
    void SelectItem(TObject*, TListItem* item, bool selected) {
        Log.push_back((selected ? "+" : "-") + item->Caption());
    }
    void ColumnClick(TObject*, TListColumn* column) { Log.push_back("column " + column->Caption()); }
};

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().Reset();
        Application().DialogDriver().Reset();
        view.SetViewStyle(vsReport);
        view.Columns()->Add()->SetCaption("方案名称");
        view.Columns()->Add()->SetCaption("创建时间");
        for (auto [caption, date] : {std::pair{"beta", "2020"}, {"Alpha", "2022"}, {"gamma", "2021"}}) {
            TListItem* item = view.Items()->Add();
            item->SetCaption(caption);
            item->SubItems()->Add(date);
        }
        view.OnSelectItem = TLVSelectItemEvent::Of<&ViewEvents::SelectItem>(&events);
    }
    void TearDown() override { Application().DialogDriver().Reset(); }

    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (int i = 0; i < view.Items()->Count(); ++i) out.push_back(view.Items()->Item(i)->Caption());
        return out;
    }
    TListItem* Item(int i) { return view.Items()->Item(i); }

    TListView view{nullptr};
    ViewEvents events;
};

TEST_F(ListViewTest, SortingByTextKeepsItemsInOrderAsCaptionsChange) {
    view.SetSortType(stText);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha", "beta", "gamma"})) << "text order ignores case";
    Item(0)->SetCaption("zeta");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"beta", "gamma", "zeta"})) << "a renamed item moves";
    view.BeginUpdate();
    view.Items()->Add()->SetCaption("aa");
    EXPECT_EQ(Captions().back(), "aa") << "sorting waits for the end of the update";
    view.EndUpdate();
    EXPECT_EQ(Captions().front(), "aa");
}

TEST_F(ListViewTest, TheCompareEventDecidesTheOrder) {
    view.OnCompare = TLVCompareEvent::Of<&ViewEvents::Compare>(&events);
    view.AlphaSort();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha", "gamma", "beta"}));
    view.CustomSort([](TListItem* a, TListItem* b, intptr_t) { return a->Caption().size() < b->Caption().size() ? -1 : 0; }, 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"beta", "Alpha", "gamma"})) << "a sort procedure overrides the event";
    view.SetSortType(stText);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha", "gamma", "beta"})) << "the event also orders a sorted view";
}

TEST_F(ListViewTest, SingleSelectionDeselectsBeforeSelecting) {
    Item(0)->SetSelected(true);
    Item(2)->SetSelected(true);
    EXPECT_EQ(events.Log, (std::vector<std::string>{"+beta", "-beta", "+gamma"}));
    EXPECT_EQ(view.Selected(), Item(2));
    EXPECT_EQ(view.SelCount(), 1);
    view.SetSelected(nullptr);
    EXPECT_EQ(view.Selected(), nullptr);
    EXPECT_EQ(view.SelCount(), 0);
}

TEST_F(ListViewTest, MultiSelectKeepsSeveralAndGetNextItemWalksThem) {
    view.SetMultiSelect(true);
    Item(0)->SetSelected(true);
    Item(2)->SetSelected(true);
    EXPECT_EQ(view.SelCount(), 2);
    EXPECT_EQ(view.GetNextItem(nullptr, sdAll, {isSelected}), Item(0));
    EXPECT_EQ(view.GetNextItem(Item(0), sdAll, {isSelected}), Item(2));
    EXPECT_EQ(view.GetNextItem(Item(2), sdAll, {isSelected}), nullptr);
    EXPECT_EQ(view.GetNextItem(nullptr, sdAbove, {isSelected}), Item(2)) << "upwards from the end";
    view.SetMultiSelect(false);
    EXPECT_EQ(view.SelCount(), 1) << "switching multi-select off keeps the first selected item";
    EXPECT_TRUE(Item(0)->Selected());
}

TEST_F(ListViewTest, MouseAndKeysSelectRows) {
    const TRect row1 = view.ItemRect(1);
    const int beyondCaption = view.Column(0)->Width() + 5;
    view.Perform(WM_LBUTTONDOWN, 0, PointToLParam(beyondCaption, row1.Top + 1));
    EXPECT_EQ(view.Selected(), nullptr) << "without row select only the caption column is the item";
    view.SetRowSelect(true);
    view.Perform(WM_LBUTTONDOWN, 0, PointToLParam(beyondCaption, row1.Top + 1));
    EXPECT_EQ(view.Selected(), Item(1));
    EXPECT_EQ(view.ItemFocused(), Item(1));
    view.Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(view.Selected(), Item(2));
    view.Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(view.Selected(), Item(2)) << "the last row stays";

    view.SetMultiSelect(true);
    view.Perform(WM_KEYDOWN, VK_HOME, KF_SHIFT);
    EXPECT_EQ(view.SelCount(), 3) << "Shift extends from the anchor";
}

TEST_F(ListViewTest, HeaderClicksRaiseColumnClickUnlessSwitchedOff) {
    view.OnColumnClick = TLVColumnClickEvent::Of<&ViewEvents::ColumnClick>(&events);
    const int second = view.Column(0)->Width() + 1;
    view.Perform(WM_LBUTTONDOWN, 0, PointToLParam(second, 1));
    view.SetColumnClick(false);
    view.Perform(WM_LBUTTONDOWN, 0, PointToLParam(1, 1));
    view.SetColumnClick(true);
    view.SetShowColumnHeaders(false);
    EXPECT_EQ(view.ColumnAt(1), -1) << "no header, no column to click";
    EXPECT_EQ(events.Log, (std::vector<std::string>{"column 创建时间"}));
}

TEST_F(ListViewTest, CaptionEditingCanBeRefusedAtEachStep) {
    view.OnEditing = TLVEditingEvent::Of<&ViewEvents::Editing>(&events);
    view.OnEdited = TLVEditedEvent::Of<&ViewEvents::Edited>(&events);
    events.AllowEdit = false;
    EXPECT_FALSE(Item(0)->EditCaption()) << "OnEditing refuses";
    EXPECT_FALSE(view.IsEditing());

    events.AllowEdit = true;
    ASSERT_TRUE(Item(0)->EditCaption());
    view.Perform(WM_CHAR, 'Q');
    EXPECT_EQ(view.EditText(), "Q") << "the editor opens with the caption selected: typing replaces it";
    view.Perform(WM_KEYDOWN, VK_BACK);
    for (char c : std::string("betX")) view.Perform(WM_CHAR, static_cast<unsigned char>(c));
    EXPECT_EQ(view.EditText(), "betX");
    events.Refuse = true;
    view.Perform(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Item(0)->Caption(), "beta") << "OnEdited set the text back: the caption stays";

    events.Refuse = false;
    events.Throw = true;
    ASSERT_TRUE(Item(0)->EditCaption());
    view.SetEditText("new");
    view.EndEdit(TListView::TEditEnd::Accept);
    EXPECT_EQ(Item(0)->Caption(), "beta") << "an exception in OnEdited keeps the caption";
    ASSERT_NE(Application().DialogDriver().LastDialog(), nullptr) << "and is reported";
    EXPECT_EQ(Application().DialogDriver().LastDialog()->Text, "更改方案名失败!");

    events.Throw = false;
    events.Log.clear();
    ASSERT_TRUE(Item(0)->EditCaption());
    view.SetEditText("renamed");
    view.Perform(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Item(0)->Caption(), "beta");
    EXPECT_EQ(events.Log, (std::vector<std::string>{"editing beta"})) << "a cancelled edit raises no OnEdited";
    ASSERT_TRUE(Item(0)->EditCaption());
    view.SetEditText("renamed");
    view.Perform(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Item(0)->Caption(), "renamed");

    view.SetReadOnly(true);
    EXPECT_FALSE(Item(1)->EditCaption()) << "a read-only view does not edit";
}

TEST_F(ListViewTest, AClickOnTheSelectedItemEditsItsCaptionAndADoubleClickTakesThatBack) {
    view.SetViewStyle(vsList);
    view.SetBounds(0, 0, 200, 200);
    const TRect r = view.ItemRect(1);
    const LPARAM at = PointToLParam((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    view.Perform(WM_LBUTTONDOWN, 0, at);
    EXPECT_FALSE(view.IsEditing()) << "the first click selects";
    view.Perform(WM_LBUTTONDOWN, 0, at);
    EXPECT_EQ(view.EditingItem(), Item(1)) << "a click on the selected item opens the editor";
    view.Perform(WM_LBUTTONDBLCLK, 0, at);
    EXPECT_FALSE(view.IsEditing()) << "the double click that click began closes it again";
    view.Perform(WM_KEYDOWN, VK_F2);
    ASSERT_TRUE(view.IsEditing());
    view.Perform(WM_CHAR, 'z');
    view.Perform(WM_LBUTTONDBLCLK, 0, at);
    EXPECT_EQ(Item(1)->Caption(), "z") << "an editor opened by F2 is accepted, not cancelled, by a click";
}

TEST_F(ListViewTest, DeletingTheItemBeingEditedClosesTheEditor) {
    ASSERT_TRUE(Item(1)->EditCaption());
    Item(1)->Delete();
    EXPECT_FALSE(view.IsEditing());
    EXPECT_EQ(view.Items()->Count(), 2);
    EXPECT_THROW(view.Items()->Delete(5), EListError);
}

TEST_F(ListViewTest, ColumnWidthsFitContentsAndAutoSizeShares) {
    view.Column(1)->SetWidth(ColumnHeaderWidth);
    const int headerFit = view.Column(1)->Width();
    view.Column(1)->SetWidth(ColumnTextWidth);
    EXPECT_LT(view.Column(1)->Width(), headerFit) << "the caption is wider than the dates";
    EXPECT_GT(view.Column(1)->Width(), 0);

    view.SetWidth(300);
    view.Column(0)->SetWidth(100);
    view.Column(1)->SetAutoSize(true);
    EXPECT_EQ(view.Column(1)->Width(), view.ClientWidth() - 100) << "an auto-size column takes the rest";
}

TEST_F(ListViewTest, ItemsRoundTripThroughTheirBinaryForm) {
    Item(1)->SetImageIndex(3);
    Item(1)->SubItems()->Add("x");
    const std::vector<uint8_t> data = view.Items()->WriteData();
    TListView copy(nullptr);
    copy.Items()->ReadData(data);
    ASSERT_EQ(copy.Items()->Count(), 3);
    EXPECT_EQ(copy.Items()->Item(1)->Caption(), "Alpha");
    EXPECT_EQ(copy.Items()->Item(1)->ImageIndex(), 3);
    EXPECT_EQ(copy.Items()->Item(1)->SubItems()->CommaText(), "2022,x");

    std::vector<uint8_t> truncated(data.begin(), data.end() - 3);
    EXPECT_THROW(copy.Items()->ReadData(truncated), EReadError);
    EXPECT_EQ(copy.Items()->Count(), 3) << "bad data changes nothing";
    Item(0)->SetCaption(std::string(256, 'a'));
    EXPECT_THROW(view.Items()->WriteData(), EWriteError) << "a caption that does not fit is not cut";
}

}  // namespace
}  // namespace rt
