#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/VirtualKeys.h"
#include "platform/menus/TMenuDriver.h"
#include "platform/menus/TPopupMenu.h"

namespace rt {
namespace {

struct ClickLog : TObject {
    std::vector<std::string> Clicks;
    void ItemClick(TObject* sender) { Clicks.push_back(static_cast<TMenuItem*>(sender)->Name()); }
};

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override { MenuDriver().Reset(); }
    void TearDown() override { MenuDriver().Reset(); }

    TMenuItem* AddItem(TMenuItem* parent, const std::string& name, const std::string& caption) {
        auto* item = new TMenuItem(&owner);
        item->SetName(name);
        item->SetCaption(caption);
        item->OnClick = TNotifyEvent::Of<&ClickLog::ItemClick>(&log);
        parent->Add(item);
        return item;
    }

    TComponent owner{nullptr};
    ClickLog log;
};

TEST_F(MenuTest, CheckingARadioItemUnchecksOnlyItsGroupUnderTheSameParent) {
    TPopupMenu menu(&owner);
    TMenuItem* large = AddItem(menu.Items(), "ViewIcon", "大型图标(&G)");
    TMenuItem* small = AddItem(menu.Items(), "ViewSmallIcon", "小型图标(&M)");
    TMenuItem* other = AddItem(menu.Items(), "Other", "Other");
    TMenuItem* sub = AddItem(large, "Sub", "Sub");
    for (TMenuItem* i : {large, small, sub}) i->SetRadioItem(true);
    other->SetRadioItem(true);
    other->SetGroupIndex(1);
    other->SetChecked(true);
    sub->SetChecked(true);

    large->SetChecked(true);
    small->SetChecked(true);
    EXPECT_FALSE(large->Checked()) << "checking a radio item unchecks its group sibling";
    EXPECT_TRUE(small->Checked());
    EXPECT_TRUE(other->Checked()) << "another group index is not touched";
    EXPECT_TRUE(sub->Checked()) << "a sub-item is in another parent's group";

    small->SetChecked(false);
    EXPECT_FALSE(large->Checked()) << "unchecking does not check a neighbour";
}

TEST_F(MenuTest, ClickHonoursEnabledAndAutoCheck) {
    TPopupMenu menu(&owner);
    TMenuItem* a = AddItem(menu.Items(), "a", "A");
    TMenuItem* b = AddItem(menu.Items(), "b", "B");
    a->SetRadioItem(true);
    b->SetRadioItem(true);
    a->SetAutoCheck(true);
    b->SetAutoCheck(true);
    a->SetChecked(true);
    b->Click();
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    b->Click();
    EXPECT_TRUE(b->Checked()) << "an auto-checked radio item stays checked when clicked again";
    b->SetRadioItem(false);
    b->Click();
    EXPECT_FALSE(b->Checked()) << "a plain auto-check item toggles";
    a->SetEnabled(false);
    a->Click();
    EXPECT_EQ(log.Clicks, (std::vector<std::string>{"b", "b", "b"})) << "a disabled item does not click";
}

TEST_F(MenuTest, TreeRefusesDoubleInsertionAndCycles) {
    TPopupMenu menu(&owner);
    TMenuItem* a = AddItem(menu.Items(), "a", "A");
    TMenuItem* b = AddItem(a, "b", "B");
    EXPECT_THROW(menu.Items()->Add(b), EMenuError);
    a->Remove(b);
    EXPECT_THROW(b->Add(b), EMenuError);
    EXPECT_EQ(a->Count(), 0);
    EXPECT_EQ(b->GetParentMenu(), nullptr);
    EXPECT_EQ(a->GetParentMenu(), &menu);
    delete b;
    EXPECT_THROW(a->Items(0), EMenuError);
}

TEST_F(MenuTest, FreeingAnItemTakesItOutOfItsParent) {
    TPopupMenu menu(&owner);
    TMenuItem* a = AddItem(menu.Items(), "a", "A");
    AddItem(menu.Items(), "b", "B");
    delete a;
    ASSERT_EQ(menu.Items()->Count(), 1);
    EXPECT_EQ(menu.Items()->Items(0)->Name(), "b");
}

TEST_F(MenuTest, PopupClicksTheItemTheDriverPicks) {
    TPopupMenu menu(&owner);
    menu.SetName("muOperation");
    AddItem(menu.Items(), "mnOpen", "开启(&O)");
    TMenuItem* view = AddItem(menu.Items(), "mnView", "&View");
    AddItem(view, "mnList", "&List");
    TMenuItem* del = AddItem(menu.Items(), "mnDelete", "删除(&D)");

    MenuDriver().QueueChoice("mnOpen");
    MenuDriver().QueueChoice("View|List");
    MenuDriver().QueueDismiss();
    EXPECT_EQ(menu.Popup(10, 20)->Name(), "mnOpen");
    EXPECT_EQ(menu.Popup(1, 2)->Name(), "mnList") << "a caption path ignores accelerators";
    EXPECT_EQ(menu.Popup(3, 4), nullptr);
    EXPECT_EQ(menu.Popup(3, 4), nullptr) << "with nothing queued the menu closes";
    EXPECT_EQ(log.Clicks, (std::vector<std::string>{"mnOpen", "mnList"}));

    const auto& popups = MenuDriver().Popups();
    ASSERT_EQ(popups.size(), 4u);
    EXPECT_EQ(popups[0].MenuName, "muOperation");
    EXPECT_EQ(popups[0].At.X, 10);
    EXPECT_EQ(popups[0].Captions, (std::vector<std::string>{"开启(&O)", "&View", "删除(&D)"}));
    EXPECT_EQ(popups[1].Chosen, "mnList");
    EXPECT_TRUE(popups[2].Chosen.empty());

    del->SetEnabled(false);
    MenuDriver().QueueChoice("mnDelete");
    menu.Popup(0, 0);
    EXPECT_EQ(log.Clicks.size(), 2u) << "a grey item picked does not click";

    MenuDriver().QueueChoice("Nothing");
    EXPECT_THROW(menu.Popup(0, 0), EMenuError) << "a scripted choice that names no item is an error";
}

TEST_F(MenuTest, ShortCutsDispatchToVisibleEnabledItems) {
    TPopupMenu menu(&owner);
    TMenuItem* save = AddItem(menu.Items(), "save", "&Save");
    TMenuItem* sub = AddItem(menu.Items(), "sub", "Sub");
    TMenuItem* del = AddItem(sub, "del", "Delete");
    save->SetShortCut(TextToShortCut("Ctrl+S"));
    del->SetShortCut(ShortCut(VK_DELETE, {}));
    EXPECT_TRUE(menu.IsShortCut('S', {ssCtrl}));
    EXPECT_FALSE(menu.IsShortCut('S', {})) << "the modifiers are part of the short cut";
    EXPECT_TRUE(menu.IsShortCut(VK_DELETE, {}));
    sub->SetVisible(false);
    EXPECT_FALSE(menu.IsShortCut(VK_DELETE, {})) << "items under a hidden item do not answer";
    EXPECT_EQ(log.Clicks, (std::vector<std::string>{"save", "del"}));
}

TEST(ShortCutTextTest, TextsRoundTripAndAcceleratorsAreFound) {
    EXPECT_EQ(ShortCutToText(TextToShortCut("ctrl+shift+f2")), "Shift+Ctrl+F2");
    EXPECT_EQ(TextToShortCut("Ctrl+S"), scCtrl | 'S');
    EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
    EXPECT_EQ(TextToShortCut("Hyper+X"), scNone);
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, {ssAlt})), "Alt+Del");
    EXPECT_EQ(StripHotkey("开启(&O)"), "开启(O)");
    EXPECT_EQ(StripHotkey("Save && &Close"), "Save & Close");
    EXPECT_EQ(GetHotkey("Save && &close"), 'C');
    EXPECT_EQ(GetHotkey("A && B"), 0);
    EXPECT_TRUE(IsAccel('D', "删除(&D)"));
    EXPECT_FALSE(IsAccel('O', "删除(&D)"));
}

}  // namespace
}  // namespace rt
