#include <gtest/gtest.h>

#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"
#include "platform/lists/TListBox.h"

namespace rt {
namespace {

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override { list.Items()->SetText("delta\nAlpha\ncharlie\nbravo"); }
    TListBox list{nullptr};
};

TEST_F(ListBoxTest, SingleSelectionFollowsItemIndex) {
    list.SetItemIndex(2);
    EXPECT_TRUE(list.Selected(2));
    list.SetSelected(0, true);
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_FALSE(list.Selected(2));
    EXPECT_EQ(list.SelCount(), -1) << "a single-selection list reports no count";
    list.SetSelected(0, false);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_THROW(list.Selected(4), EListError);
}

TEST_F(ListBoxTest, MultiSelectCountsAndSortingMovesSelections) {
    list.SetMultiSelect(true);
    list.SetSelected(0, true);
    list.SetSelected(3, true);
    EXPECT_EQ(list.SelCount(), 2);
    list.SetSorted(true);
    EXPECT_EQ(list.Items()->CommaText(), "Alpha,bravo,charlie,delta");
    EXPECT_TRUE(list.Selected(1)) << "bravo stays selected after sorting";
    EXPECT_TRUE(list.Selected(3)) << "delta too";
    list.Items()->Add("aardvark");
    EXPECT_EQ(list.Items()->Strings(0), "aardvark") << "a sorted list inserts in order";
    EXPECT_TRUE(list.Selected(2));
    list.Items()->Clear();
    EXPECT_EQ(list.SelCount(), 0);
}

TEST_F(ListBoxTest, KeysAndClicksSelect) {
    list.Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(list.ItemIndex(), 0);
    list.Perform(WM_KEYDOWN, VK_END);
    EXPECT_EQ(list.ItemIndex(), 3);
    list.Perform(WM_LBUTTONDOWN, 0, PointToLParam(5, list.ItemHeight() + 2));
    EXPECT_EQ(list.ItemIndex(), 1);
    list.SetMultiSelect(true);
    list.Perform(WM_LBUTTONDOWN, KF_CTRL, PointToLParam(5, 2));
    EXPECT_EQ(list.SelCount(), 2) << "Ctrl+click adds to the selection";
    list.Items()->SetStrings(1, "replaced");
    EXPECT_TRUE(list.Selected(1)) << "replacing a string keeps its selection";
}

}  // namespace
}  // namespace rt
