#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/comctrls/TPageControl.h"
#include "platform/controls/ControlTypes.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"

namespace rt {
namespace {

struct PageEvents : TObject {
    std::vector<std::string> Log;
    bool Allow = true;
    TWinControl* Refocus = nullptr;
    void Changing(TObject*, bool& allow) {
        Log.push_back("changing");
        allow = Allow;
    }
    void Change(TObject*) { Log.push_back("change"); }
    void DrawTab(TPageControl*, int tab, const TRect& rect, bool active) {
        Log.push_back("draw" + std::to_string(tab) + (active ? "*" : "") + "@" + std::to_string(rect.Left));
    }
    void Exit(TObject*) {
        if (Refocus != nullptr) Refocus->SetFocus();
    }
};

class PageControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().Reset();
        form = new TForm(&Application());
        form->AfterConstruction();
        form->SetBounds(0, 0, 400, 300);
        pages = new TPageControl(form);
        pages->SetName("pgOption");
        pages->SetParent(form);
        pages->SetAlign(alClient);
        for (const char* caption : {"基本选项", "系统选项", "Third"}) {
            auto* sheet = new TTabSheet(form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
            auto* field = new TWinControl(form);
            field->SetTabStop(true);
            field->SetParent(sheet);
            fields.push_back(field);
        }
        pages->OnChanging = TChangingEvent::Of<&PageEvents::Changing>(&events);
        pages->OnChange = TNotifyEvent::Of<&PageEvents::Change>(&events);
    }
    void TearDown() override {
        form->Free();
        Application().Reset();
    }
    TTabSheet* Page(int i) { return pages->Pages(i); }

    TForm* form = nullptr;
    TPageControl* pages = nullptr;
    std::vector<TWinControl*> fields;
    PageEvents events;
};

TEST_F(PageControlTest, OnlyTheActivePageShowsAndProgramChangesRaiseNoEvents) {
    EXPECT_EQ(pages->ActivePage(), nullptr) << "adding pages activates none";
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->ActivePage(), Page(1));
    EXPECT_TRUE(Page(1)->Visible());
    EXPECT_FALSE(Page(0)->Visible());
    EXPECT_FALSE(fields[0]->CanFocus()) << "controls on an inactive page cannot take the focus";
    EXPECT_EQ(Page(2)->PageControl(), pages);
    EXPECT_EQ(Page(2)->Owner(), form) << "pages belong to the form";
    EXPECT_TRUE(events.Log.empty());
    pages->SetActivePageIndex(7);
    EXPECT_EQ(pages->ActivePage(), nullptr);
}

TEST_F(PageControlTest, TheVetoRefusesUserPageChanges) {
    pages->SetActivePageIndex(0);
    events.Allow = false;
    EXPECT_FALSE(pages->ClickTab(1));
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), Page(0)) << "a refused change keeps the page";
    EXPECT_EQ(events.Log, (std::vector<std::string>{"changing", "changing"})) << "no change event after a veto";

    events.Log.clear();
    events.Allow = true;
    EXPECT_TRUE(pages->ClickTab(1));
    pages->SelectNextPage(false);
    EXPECT_EQ(pages->ActivePage(), Page(0));
    EXPECT_EQ(events.Log, (std::vector<std::string>{"changing", "change", "changing", "change"}));
    events.Log.clear();
    EXPECT_FALSE(pages->ClickTab(0)) << "clicking the active tab changes nothing";
    EXPECT_TRUE(events.Log.empty());
}

TEST_F(PageControlTest, TabIndexCountsOnlyVisibleTabs) {
    Page(0)->SetTabVisible(false);
    pages->SetActivePage(Page(2));
    EXPECT_EQ(pages->TabIndex(), 1) << "the hidden first tab is not counted";
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_EQ(Page(0)->TabIndex(), -1);
    EXPECT_EQ(Page(1)->TabIndex(), 0);
    EXPECT_EQ(pages->TabCount(), 2);
    pages->SetTabIndex(0);
    EXPECT_EQ(pages->ActivePage(), Page(1));
    pages->SelectNextPage(true);
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), Page(1)) << "stepping skips the page without a tab and wraps";
    EXPECT_EQ(pages->IndexOfTabAt(pages->TabRect(1).Left + 1, pages->TabRect(1).Top + 1), 1);
}

TEST_F(PageControlTest, HidingOrRemovingTheActivePageMovesToTheNeighbour) {
    pages->SetActivePage(Page(1));
    Page(1)->SetTabVisible(false);
    EXPECT_EQ(pages->ActivePage(), Page(2)) << "the tab now at the hidden tab's position is active";
    Page(2)->SetTabVisible(false);
    EXPECT_EQ(pages->ActivePage(), Page(0)) << "the last tab hidden: the previous one";
    Page(2)->SetTabVisible(true);
    TTabSheet* first = Page(0);
    first->SetPageControl(nullptr);
    EXPECT_EQ(pages->ActivePage(), Page(1)) << "removing the active page activates the next with a tab";
    EXPECT_EQ(pages->PageCount(), 2);
    delete first;
    Page(1)->SetPageIndex(0);
    EXPECT_EQ(Page(0)->Caption(), "Third");
    EXPECT_EQ(pages->TabIndex(), 0);
}

TEST_F(PageControlTest, FocusFollowsThePageAndAnExitHandlerCanKeepIt) {
    pages->SetActivePageIndex(0);
    form->Show();
    fields[0]->SetFocus();
    pages->ClickTab(1);
    EXPECT_EQ(form->ActiveControl(), fields[1]) << "the focus moves to the new page's first control";

    events.Refocus = fields[1];
    fields[1]->OnExit = TNotifyEvent::Of<&PageEvents::Exit>(&events);
    events.Log.clear();
    EXPECT_FALSE(pages->ClickTab(2));
    EXPECT_EQ(pages->ActivePage(), Page(1)) << "an exit handler that keeps the focus keeps the page";
    EXPECT_EQ(form->ActiveControl(), fields[1]);
    EXPECT_EQ(events.Log, (std::vector<std::string>{"changing"}));
}

TEST_F(PageControlTest, OwnerDrawRaisesDrawTabPerVisibleTab) {
    pages->SetActivePageIndex(2);
    Page(0)->SetTabVisible(false);
    pages->OnDrawTab = TDrawTabEvent::Of<&PageEvents::DrawTab>(&events);
    form->Show();
    pages->Repaint();
    EXPECT_TRUE(events.Log.empty()) << "without OwnerDraw the control draws its own tabs";
    pages->SetOwnerDraw(true);
    pages->Repaint();
    const std::string second = "draw1*@" + std::to_string(pages->TabRect(1).Left);
    EXPECT_EQ(events.Log, (std::vector<std::string>{"draw0@2", second}));
}

TEST_F(PageControlTest, TheActivePageFillsTheAreaBelowTheTabs) {
    pages->SetActivePageIndex(0);
    const TRect display = pages->DisplayRect();
    EXPECT_EQ(Page(0)->BoundsRect().Top, display.Top);
    EXPECT_EQ(Page(0)->Width(), display.Width());
    EXPECT_GT(display.Top, pages->TabRect(0).Bottom - 1);
}

}  // namespace
}  // namespace rt
