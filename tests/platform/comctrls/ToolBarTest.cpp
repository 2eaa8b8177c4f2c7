#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/comctrls/TAnimate.h"
#include "platform/comctrls/TToolBar.h"
#include "platform/comctrls/TToolButton.h"
#include "platform/core/Exceptions.h"
#include "platform/menus/TMenuDriver.h"
#include "platform/menus/TPopupMenu.h"

namespace rt {
namespace {

struct BarEvents : TObject {
    std::vector<std::string> Log;
    void Click(TObject* sender) { Log.push_back(static_cast<TComponent*>(sender)->Name()); }
    void Popup(TObject*) { Log.push_back("popup"); }
    void Start(TObject*) { Log.push_back("start"); }
    void Stop(TObject*) { Log.push_back("stop"); }
};

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        MenuDriver().Reset();
        bar = new TToolBar(&owner);
        bar->SetWidth(200);
        bar->SetButtonWidth(25);
        bar->SetButtonHeight(24);
    }
    void TearDown() override { MenuDriver().Reset(); }

    TToolButton* AddButton(const std::string& name, TToolButtonStyle style = tbsButton) {
        auto* b = new TToolButton(&owner);
        b->SetName(name);
        b->SetStyle(style);
        b->SetToolBar(bar);
        b->OnClick = TNotifyEvent::Of<&BarEvents::Click>(&events);
        return b;
    }

    TComponent owner{nullptr};
    TToolBar* bar = nullptr;
    BarEvents events;
};

TEST_F(ToolBarTest, ButtonsLineUpAndSeparatorsKeepTheirWidth) {
    TToolButton* a = AddButton("a");
    TToolButton* sep = AddButton("sep", tbsSeparator);
    TToolButton* b = AddButton("b");
    EXPECT_EQ(a->BoundsRect().Right, 25);
    EXPECT_EQ(sep->Width(), 8);
    EXPECT_EQ(b->Left(), 33);
    EXPECT_EQ(b->Height(), 24);
    EXPECT_EQ(bar->Buttons(2), b);
    EXPECT_EQ(b->Index(), 2);
    bar->SetWidth(40);
    EXPECT_EQ(b->Top(), 24) << "a full row wraps";
}

TEST_F(ToolBarTest, TheDropDownArrowPopsTheMenuBelowTheButton) {
    TPopupMenu menu(&owner);
    menu.SetName("mnList");
    menu.OnPopup = TNotifyEvent::Of<&BarEvents::Popup>(&events);
    auto* item = new TMenuItem(&owner);
    item->SetName("ViewList");
    item->OnClick = TNotifyEvent::Of<&BarEvents::Click>(&events);
    menu.Items()->Add(item);
    AddButton("first");
    TToolButton* button = AddButton("ToolButton1", tbsDropDown);
    button->SetDropdownMenu(&menu);
    EXPECT_EQ(button->Width(), 25 + TToolButton::ArrowWidth) << "the arrow sits beside a whole button face";

    MenuDriver().QueueChoice("ViewList");
    button->Perform(WM_LBUTTONUP, 0, PointToLParam(button->Width() - 2, 3));
    button->Perform(WM_LBUTTONUP, 0, PointToLParam(2, 3));
    EXPECT_EQ(events.Log, (std::vector<std::string>{"popup", "ViewList", "ToolButton1"}))
        << "the arrow shows the menu, the body clicks the button";
    ASSERT_EQ(MenuDriver().Popups().size(), 1u);
    EXPECT_EQ(MenuDriver().Popups()[0].At.X, 25);
    EXPECT_EQ(MenuDriver().Popups()[0].At.Y, 24);
    EXPECT_EQ(menu.PopupComponent(), button);

    button->SetEnabled(false);
    EXPECT_FALSE(button->ClickArrow());
    button->SetEnabled(true);
    delete item;
    button->SetDropdownMenu(nullptr);
    EXPECT_FALSE(button->ClickArrow()) << "no menu, nothing to drop down";
}

TEST_F(ToolBarTest, GroupedCheckButtonsAreDownOneAtATime) {
    TToolButton* a = AddButton("a", tbsCheck);
    TToolButton* b = AddButton("b", tbsCheck);
    AddButton("sep", tbsSeparator);
    TToolButton* c = AddButton("c", tbsCheck);
    for (TToolButton* x : {a, b, c}) x->SetGrouped(true);
    a->Click();
    b->Click();
    c->Click();
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(c->Down()) << "a separator ends the group";
    b->Click();
    EXPECT_TRUE(b->Down()) << "the down button of a group stays down";
    b->SetAllowAllUp(true);
    b->Click();
    EXPECT_FALSE(b->Down());
    TToolButton* plain = AddButton("plain");
    plain->SetTag(3);
    plain->Click();
    EXPECT_FALSE(plain->Down()) << "a plain button does not stay down";
}

TEST(AnimateTest, TicksMoveTheFrameAndRepetitionsEndThePlay) {
    TAnimate anim(nullptr);
    BarEvents events;
    anim.OnStart = TNotifyEvent::Of<&BarEvents::Start>(&events);
    anim.OnStop = TNotifyEvent::Of<&BarEvents::Stop>(&events);
    EXPECT_THROW(anim.SetActive(true), EInvalidOperation) << "nothing to play";
    anim.SetCommonAVI(aviCopyFiles);
    ASSERT_GT(anim.FrameCount(), 3);
    anim.Play(2, 3, 2);
    EXPECT_TRUE(anim.Active());
    std::vector<int> frames;
    for (int i = 0; i < 5; ++i) {
        frames.push_back(anim.CurrentFrame());
        anim.Tick();
    }
    EXPECT_EQ(frames, (std::vector<int>{2, 3, 2, 3, 3}));
    EXPECT_FALSE(anim.Active()) << "two repetitions, then it stops";
    EXPECT_EQ(events.Log, (std::vector<std::string>{"start", "stop"}));
    EXPECT_THROW(anim.Play(0, 3, 1), EInvalidOperation);
    anim.SetActive(true);
    anim.SetCommonAVI(aviFindFile);
    EXPECT_FALSE(anim.Active()) << "another clip stops the running one";
}

}  // namespace
}  // namespace rt
