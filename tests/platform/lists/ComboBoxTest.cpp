#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/VirtualKeys.h"
#include "platform/lists/TComboBox.h"

namespace rt {
namespace {

struct ComboEvents : TObject {
    std::vector<std::string> Log;
    void Change(TObject*) { Log.push_back("change"); }
    void Select(TObject*) { Log.push_back("select"); }
    void Click(TObject*) { Log.push_back("click"); }
    void DropDown(TObject*) { Log.push_back("dropdown"); }
    void CloseUp(TObject*) { Log.push_back("closeup"); }
};

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        combo.Items()->SetText("大型图标\n小型图标\n清单\n详细信息");
        combo.OnChange = TNotifyEvent::Of<&ComboEvents::Change>(&events);
        combo.OnClick = TNotifyEvent::Of<&ComboEvents::Click>(&events);
        combo.OnDropDown = TNotifyEvent::Of<&ComboEvents::DropDown>(&events);
        combo.OnCloseUp = TNotifyEvent::Of<&ComboEvents::CloseUp>(&events);
    }
    TComboBox combo{nullptr};
    ComboEvents events;
};

TEST_F(ComboBoxTest, ItemIndexIsKeptWhenItemsAreReplacedInPlaceOrTheStyleChanges) {
    combo.SetItemIndex(2);
    for (int i = 0; i < combo.Items()->Count(); ++i) combo.Items()->SetStrings(i, combo.Items()->Strings(i) + "!");
    EXPECT_EQ(combo.ItemIndex(), 2) << "replacing the strings one by one keeps the selection";
    combo.SetStyle(csOwnerDrawVariable);
    EXPECT_EQ(combo.ItemIndex(), 2) << "a new style keeps the selection";
    EXPECT_EQ(combo.Text(), "清单!");
    combo.SetStyle(csOwnerDrawFixed);
    EXPECT_EQ(combo.ItemIndex(), 2);

    combo.Items()->Insert(0, "first");
    EXPECT_EQ(combo.ItemIndex(), 3) << "the index follows its item";
    combo.SetSorted(true);
    EXPECT_EQ(combo.Items()->Strings(combo.ItemIndex()), "清单!") << "sorting keeps the selected item";

    const int saved = combo.ItemIndex();
    combo.Items()->SetText("a\nb\nc\nd\ne");
    EXPECT_EQ(combo.ItemIndex(), -1) << "replacing the whole list loses the selection";
    EXPECT_EQ(combo.Text(), "");
    combo.SetItemIndex(saved);
    EXPECT_EQ(combo.ItemIndex(), saved) << "and the caller can set it back";
    EXPECT_TRUE(events.Log.empty()) << "program changes raise no events";
}

TEST_F(ComboBoxTest, DeletingTheSelectedItemLosesTheSelection) {
    combo.SetStyle(csDropDownList);
    combo.SetItemIndex(1);
    combo.Items()->Delete(0);
    EXPECT_EQ(combo.ItemIndex(), 0);
    combo.Items()->Delete(0);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    combo.SetItemIndex(9);
    EXPECT_EQ(combo.ItemIndex(), -1) << "an index out of range selects nothing";
}

TEST_F(ComboBoxTest, DropDownListKeysSelectAndRaiseSelectOrChange) {
    combo.SetStyle(csDropDownList);
    combo.Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(combo.Text(), "大型图标");
    combo.Perform(WM_KEYDOWN, VK_END);
    combo.Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(combo.ItemIndex(), 3) << "the last item stays";
    EXPECT_EQ(events.Log, (std::vector<std::string>{"click", "change", "click", "change"}))
        << "without OnSelect a selection raises OnChange";

    events.Log.clear();
    combo.OnSelect = TNotifyEvent::Of<&ComboEvents::Select>(&events);
    combo.Perform(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(events.Log, (std::vector<std::string>{"click", "select"}));

    combo.SetComboText("清单");
    EXPECT_EQ(combo.ItemIndex(), 2) << "the text of a list style selects its item";
    combo.SetComboText("none");
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
}

TEST_F(ComboBoxTest, DroppingDownAndPickingAnItem) {
    combo.Perform(WM_KEYDOWN, VK_F4);
    EXPECT_TRUE(combo.DroppedDown());
    combo.PickItem(1);
    EXPECT_FALSE(combo.DroppedDown());
    EXPECT_EQ(combo.Text(), "小型图标");
    EXPECT_EQ(events.Log, (std::vector<std::string>{"dropdown", "click", "change", "closeup"}));
    combo.SetStyle(csSimple);
    combo.SetDroppedDown(true);
    EXPECT_FALSE(combo.DroppedDown()) << "a simple combo box has nothing to drop";
}

TEST_F(ComboBoxTest, TypingIntoTheEditChangesTextAndMatchesItems) {
    combo.SetMaxLength(6);
    for (char c : std::string("abc")) combo.Perform(WM_CHAR, static_cast<unsigned char>(c));
    EXPECT_EQ(combo.Text(), "abc");
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.Perform(WM_KEYDOWN, VK_BACK);
    EXPECT_EQ(combo.Text(), "ab");
    combo.SetComboText("清单");
    EXPECT_EQ(combo.ItemIndex(), -1) << "an edit style keeps the text as typed";
    combo.Perform(WM_CHAR, 'x');
    EXPECT_EQ(combo.Text(), "清单") << "the maximum length counts bytes";
    EXPECT_EQ(std::count(events.Log.begin(), events.Log.end(), "change"), 4);
}

}  // namespace
}  // namespace rt
