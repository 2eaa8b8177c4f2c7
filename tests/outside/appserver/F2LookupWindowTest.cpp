// The F2 lookup window as the user meets it: opened by F2GetData, driven
// by keys, typing and clicks, answering the chosen rows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "outside/appserver/F2LookupWindow.h"
#include "platform/comctrls/TListView.h"
#include "platform/forms/TInputInjector.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TEdit.h"
#include "tests/outside/appserver/ToolkitWindowFixture.h"

using rt::Input;
using rt::Variant;

namespace {

class F2LookupWindow : public outside_test::ToolkitWindowTest {
protected:
    static appserver::TfrmF2Lookup& Window(rt::TCustomForm& window) {
        return dynamic_cast<appserver::TfrmF2Lookup&>(window);
    }
    // Presses the mouse on row `index` of the list, as a click with `shift` held.
    static void ClickRow(appserver::TfrmF2Lookup& w, int index, rt::TShiftState shift = {}) {
        const rt::TRect r = w.lvRows->ItemRect(index);
        const rt::TPoint origin = w.lvRows->ClientToRoot({0, 0});
        const rt::TPoint at{origin.X + r.Left + 10, origin.Y + r.Top + r.Height() / 2};
        Input().MouseDown(&w, at, rt::mbLeft, shift);
        Input().MouseUp(&w, at, rt::mbLeft, shift);
    }
    static std::vector<std::string> Codes(const Variant& chosen) {
        std::vector<std::string> codes;
        if (chosen.IsArray())
            for (int i = chosen.LowBound(); i <= chosen.HighBound(); ++i)
                codes.push_back(chosen[i][0].ToString());
        return codes;
    }
    Variant Call(const Variant& request) { return f2_.Call("F2GetData", {request}); }
};

TEST_F(F2LookupWindow, TypingNarrowsTheRowsAndEnterTakesTheFirstMatchOfASingleLookup) {
    std::vector<int> counts;
    std::string countText;
    WhenShown([&](rt::TCustomForm& window) {
        auto& w = Window(window);
        counts.push_back(w.ShownCount());
        EXPECT_TRUE(w.edSearch->Focused()) << "the search box has the focus when the window opens";
        Input().TypeText("east");
        counts.push_back(w.ShownCount());
        Input().PressKey("Enter");
    });
    Variant chosen = Call(Lookup("TAXMA", Variant(), false));
    EXPECT_EQ(shownWindow, "frmF2Lookup");
    EXPECT_EQ(shownCaption, "公司查询");
    EXPECT_EQ(counts, (std::vector<int>{3, 1})) << "letters match the English name without regard to case";
    ASSERT_EQ(Codes(chosen), (std::vector<std::string>{"03"}));
    EXPECT_EQ(chosen[0].ElementCount(), 4) << "the whole row, code first";
    EXPECT_EQ(chosen[0][1].ToString(), "星岚实业华东分公司");
}

TEST_F(F2LookupWindow, TheConditionTextStartsTheSearchAndBackspaceWidensItAgain) {
    WhenShown([&](rt::TCustomForm& window) {
        auto& w = Window(window);
        EXPECT_EQ(w.edSearch->GetText(), "C0");
        EXPECT_EQ(w.ShownCount(), 2) << "C01 and C02";
        EXPECT_EQ(w.lblCount->Caption(), "共 2 笔");
        Input().PressKey("End");
        Input().PressKey("Backspace");
        Input().PressKey("Backspace");
        EXPECT_EQ(w.ShownCount(), 8) << "an empty search shows every department";
        Input().PressKey("Escape");
    });
    EXPECT_TRUE(Call(Lookup("CMSME", Variant(), true, "C0")).IsEmpty()) << "Escape cancels: nothing comes back";
}

TEST_F(F2LookupWindow, MultipleRowsAreChosenWithSpaceCtrlClickAndCtrlAAndComeBackInListOrder) {
    WhenShown([&](rt::TCustomForm& window) {
        auto& w = Window(window);
        EXPECT_EQ(w.lvRows->SelCount(), 0) << "a multiple lookup starts with nothing chosen";
        Input().PressKey("Down");
        EXPECT_TRUE(w.lvRows->Focused()) << "Down in the search box goes into the list";
        Input().PressKey("Space");
        Input().PressKey("Ctrl+Down");
        Input().PressKey("Ctrl+Down");
        Input().PressKey("Space");
        ClickRow(w, 1, rt::TShiftState{rt::ssCtrl});
        Input().Click(w.btnOk);
    });
    EXPECT_EQ(Codes(Call(Lookup("CMSME", Variant::ArrayOf({"01"}), true))),
              (std::vector<std::string>{"A01", "A02", "B01"}))
        << "the departments of company 01 chosen by Space and Ctrl+click";

    WhenShown([&](rt::TCustomForm&) {
        Input().PressKey("Down");
        Input().PressKey("Ctrl+A");
        Input().PressKey("Enter");
    });
    EXPECT_EQ(Codes(Call(Lookup("CMSME", Variant::ArrayOf({"02"}), true))), (std::vector<std::string>{"C01", "C02"}));
}

TEST_F(F2LookupWindow, NarrowingKeepsTheChosenRowsThatStayShownAndDropsTheOthers) {
    WhenShown([&](rt::TCustomForm& window) {
        auto& w = Window(window);
        Input().PressKey("Down");
        Input().PressKey("Ctrl+A");
        w.edSearch->SetFocus();
        Input().TypeText("U00");
        EXPECT_EQ(w.lvRows->SelCount(), 2) << "U001 and U002 stay chosen, DS is hidden";
        Input().PressKey("Enter");
    });
    EXPECT_EQ(Codes(Call(Lookup("NVRMA", Variant(), true))), (std::vector<std::string>{"U001", "U002"}));
}

TEST_F(F2LookupWindow, ASingleLookupChoosesTheClickedRowAndNoMatchAnswersNothing) {
    WhenShown([&](rt::TCustomForm& window) {
        auto& w = Window(window);
        ClickRow(w, 1);
        ClickRow(w, 0, rt::TShiftState{rt::ssCtrl});
        EXPECT_EQ(w.lvRows->SelCount(), 1) << "Ctrl does not add rows to a single lookup";
        Input().Click(w.btnOk);
    });
    EXPECT_EQ(Codes(Call(Lookup("CMSMS", Variant::ArrayOf({"2"}), false))), (std::vector<std::string>{"S01"}));

    WhenShown([&](rt::TCustomForm& window) {
        Input().TypeText("nobody");
        EXPECT_EQ(Window(window).ShownCount(), 0);
        Input().PressKey("Enter");
    });
    EXPECT_TRUE(Call(Lookup("NVRMA", Variant(), false)).IsEmpty()) << "OK with no row shown answers nothing";
}

TEST_F(F2LookupWindow, TheListHasOneNamedColumnPerFieldCodeFirst) {
    WhenShown([&](rt::TCustomForm& window) {
        auto& w = Window(window);
        ASSERT_EQ(w.lvRows->Columns()->Count(), 5);
        EXPECT_EQ(w.lvRows->Column(0)->Caption(), "代号");
        EXPECT_EQ(w.lvRows->Column(3)->Caption(), "电子邮件");
        EXPECT_EQ(w.lvRows->Items()->Item(1)->ColumnText(3), "zhangwei@example.com");
        Input().PressKey("Escape");
    });
    Call(Lookup("NVRMA", Variant(), false));
    EXPECT_EQ(shownCaption, "用户查询");
}

}  // namespace
