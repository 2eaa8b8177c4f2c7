// The age brackets of the HEMR07 form: defaults, the key filter and the
// chaining of each row's lower bound to the upper bound above it.

#include <gtest/gtest.h>

#include "platform/comctrls/TPageControl.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/stdctrls/TButton.h"
#include "platform/classes/TStringList.h"
#include "src/controls/F2Button.h"
#include "tests/platform/forms/UserClick.h"
#include "tests/src/shell/Hemr07Fixture.h"
#include "tests/support/BadInput.h"

namespace {

using hemr_test::Hemr07Test;

using Hemr07BracketTest = Hemr07Test;

TEST_F(Hemr07BracketTest, ANewFormHasEveryBracketAt99AndTodayInTheUsersLayout) {
    hemr::TfrmHemr07* form = Hemr07Form();
    EXPECT_EQ(form->VersionText(), "890901");
    EXPECT_EQ(form->ed05->GetText(), "99");
    EXPECT_EQ(form->ed13->GetText(), "99");
    for (int i = 0; i < hemr::TfrmHemr07::kPairCount; ++i) {
        SCOPED_TRACE(form->edB[i]->Name());
        EXPECT_EQ(form->edA[i]->GetText(), "99");
        EXPECT_EQ(form->edB[i]->GetText(), "99");
        EXPECT_FALSE(form->edA[i]->Enabled()) << "lower bounds are copies, never typed";
        EXPECT_TRUE(form->edB[i]->Enabled());
        EXPECT_EQ(form->edB[i]->MaxLength(), 2);
    }
    EXPECT_FALSE(form->ed13->Enabled());
    EXPECT_TRUE(form->ed05->Enabled());
    EXPECT_EQ(form->ed05->MaxLength(), 2);
    EXPECT_EQ(form->ed03->GetText(), "2024/03/07") << "today, layout 1 with '/'";
    EXPECT_EQ(form->ConvertQuickDate(form->ed03->GetText()), "20240307");
    EXPECT_EQ(form->DateFields().rfind("ed03,", 0), 0u) << form->DateFields();
    EXPECT_NE(form->RequiredFields().find("ed03"), std::string::npos);
}

TEST_F(Hemr07BracketTest, TheFirstPageHoldsItsControlsInTabOrder) {
    hemr::TfrmHemr07* form = Hemr07Form();
    std::vector<rt::TWinControl*> order;
    form->tsOption1->GetTabOrderList(order);
    std::vector<std::string> names;
    for (rt::TWinControl* control : order)
        if (control->Parent() == form->tsOption1) names.push_back(control->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"sp01", "sp02", "ed03", "ed05", "ed06A", "ed06B", "ed07A", "ed07B",
                                               "ed08A", "ed08B", "ed09A", "ed09B", "ed10A", "ed10B", "ed11A",
                                               "ed11B", "ed12A", "ed12B", "ed13"}));
    EXPECT_EQ(form->sp01->Style(), hemr::sp_UserChoice);
    EXPECT_EQ(form->sp01->ChildHints()->Strings(1), "[F2]公司信息查询");
    EXPECT_EQ(form->sp02->ChildHints()->Strings(6), "部门编号信息查询");
    EXPECT_EQ(form->sp02->ChildHints()->Strings(8), "多选-删除己选信息");
    auto* dateButton = dynamic_cast<hemr::TF2Button*>(form->FindComponent("F2Button1"));
    ASSERT_NE(dateButton, nullptr);
    EXPECT_EQ(dateButton->F2Control(), form->ed03);
    EXPECT_EQ(form->ed03->Hint(), "[F2]日期快手");
}

TEST_F(Hemr07BracketTest, TodayFollowsTheDateLayoutAndSeparatorOfTheSettings) {
    fake->counter->settings = {{"NVR002", "9.0"}, {"Sys001", "3"}, {"Sys002", "-"}};
    hemr::TfrmHemr07* form = Hemr07Form();
    EXPECT_EQ(form->ed03->GetText(), "07-03-2024") << "DDMMYYYY with '-'";
    EXPECT_EQ(form->ConvertQuickDate(form->ed03->GetText()), "20240307");
}

TEST_F(Hemr07BracketTest, LeavingAnUpperBoundCopiesItIntoTheRowBelow) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    TypeInto(form->ed05, "20");
    Press(rt::VK_TAB);
    EXPECT_EQ(form->edA[0]->GetText(), "20") << "ed05 -> ed06A";
    EXPECT_EQ(form->ActiveControl(), form->edB[0]) << "the disabled ed06A is skipped";

    TypeInto(form->edB[0], "30");
    Press(rt::VK_TAB);
    EXPECT_EQ(form->edA[1]->GetText(), "30") << "ed06B -> ed07A";

    form->edA[6]->SetText("60");  // as the rows above would have chained it
    TypeInto(form->edB[6], "65");
    form->ed05->SetFocus();
    EXPECT_EQ(form->ed13->GetText(), "65") << "ed12B -> ed13";
    EXPECT_EQ(DialogCount(), 0u) << DialogTexts();
}

TEST_F(Hemr07BracketTest, AnUpperBoundBelowItsLowerBoundKeepsTheFocusWithoutAMessage) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    TypeInto(form->ed05, "20");
    Press(rt::VK_TAB);
    TypeInto(form->edB[0], "15");
    Press(rt::VK_TAB);
    EXPECT_EQ(form->ActiveControl(), form->edB[0]);
    EXPECT_EQ(form->edA[1]->GetText(), "99") << "ed07A unchanged";
    EXPECT_EQ(DialogCount(), 0u) << DialogTexts();

    TypeInto(form->edB[0], "20");
    Press(rt::VK_TAB);
    EXPECT_EQ(form->edA[1]->GetText(), "20") << "equal bounds pass";
    EXPECT_NE(form->ActiveControl(), form->edB[0]);
    test_support::BadInput("form inputs", "an upper age bound below its lower bound", "the focus stays on the bound");
}

// "5-" gets through the key filter; it is as wrong as a negative age, not an exception.
TEST_F(Hemr07BracketTest, ANegativeOrNonNumericAgeIsReportedWithTheHeadingAndKeepsTheFocus) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    for (const char* typed : {"-1", "5-"})
    for (rt::TCustomMaskEdit* edit : {form->ed05, form->edB[3]}) {
        SCOPED_TRACE(edit->Name() + " holding " + typed);
        Dialogs().Reset();
        TypeInto(edit, typed);
        ASSERT_EQ(edit->GetText(), typed);
        Press(rt::VK_TAB);
        ASSERT_EQ(DialogCount(), 1u) << "the bracket message and nothing else: " << DialogTexts();
        EXPECT_EQ(Dialogs().Dialogs()[0].Text, "年龄区间不可为负数!");
        EXPECT_EQ(form->ActiveControl(), edit);
        EXPECT_EQ(form->edA[0]->GetText(), "99") << "nothing copied";
        EXPECT_EQ(form->edA[4]->GetText(), "99") << "nothing copied";
        // A valid value again lets the focus go on.
        edit->SetText("99");
    }
    test_support::BadInput("form inputs", "an age bracket of \"-1\" or \"5-\"",
                           "message 年龄区间不可为负数!, the focus stays, nothing copied");
}

TEST_F(Hemr07BracketTest, LeavingForCancelChecksNothing) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    TypeInto(form->ed05, "-1");
    EXPECT_TRUE(rt::test::UserClick(form->btnCancel));
    EXPECT_EQ(DialogCount(), 0u) << DialogTexts();
    EXPECT_FALSE(Alive(form)) << "Cancel closed the form";
}

TEST_F(Hemr07BracketTest, AnEmptyUpperBoundKeepsTheFocus) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    form->edB[2]->SetFocus();
    form->edB[2]->SetText("");
    Press(rt::VK_TAB);
    EXPECT_EQ(form->ActiveControl(), form->edB[2]);
    EXPECT_EQ(form->edA[3]->GetText(), "99");
    EXPECT_EQ(DialogCount(), 0u);
    test_support::BadInput("form inputs", "an empty upper age bound", "the focus stays on the bound");
}

TEST_F(Hemr07BracketTest, BackspaceAndLettersAreFilteredDigitsPass) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    TypeInto(form->ed05, "4");
    EXPECT_EQ(form->ed05->GetText(), "4");
    Press(rt::VK_BACK);
    rt::Input().TypeText("xZ");
    EXPECT_EQ(form->ed05->GetText(), "4") << "Backspace and letters have no effect";
    test_support::BadInput("form inputs", "letters and Backspace typed into an age bracket", "ignored by the key filter");
    rt::Input().TypeText("2");
    EXPECT_EQ(form->ed05->GetText(), "42");

    TypeInto(form->edB[5], "b7");
    EXPECT_EQ(form->edB[5]->GetText(), "7") << "the B edits share the filter";
}

TEST_F(Hemr07BracketTest, EnterInTheLastUpperBoundGoesToTheNextPage) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    form->edA[6]->SetText("60");
    TypeInto(form->edB[6], "70");
    Press(rt::VK_RETURN);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    EXPECT_EQ(form->ed13->GetText(), "70");

    form->pgOption->SetActivePage(form->tsOption1);
    form->edA[5]->SetText("45");
    TypeInto(form->edB[5], "50");
    Press(rt::VK_RETURN);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1) << "other edits move to the next control";
    EXPECT_EQ(form->ActiveControl(), form->edB[6]);
}

TEST_F(Hemr07BracketTest, ARestoredSchemeRechainsTheBrackets) {
    hemr::TfrmHemr07* form = Hemr07Form();
    form->ed05->SetText("25");
    form->AfterControlRestore(form->ed05, "25");
    EXPECT_EQ(form->edA[0]->GetText(), "25");
    form->edA[3]->SetText("40");
    form->edB[3]->SetText("45");
    form->AfterControlRestore(form->edB[3], "45");
    EXPECT_EQ(form->edA[4]->GetText(), "45") << "ed09B -> ed10A";
    form->edB[2]->SetText("");
    form->AfterControlRestore(form->edB[2], "");
    EXPECT_EQ(form->edA[3]->GetText(), "40") << "an empty value copies nothing, and a hidden form takes no focus";
    form->AfterControlRestore(form->ed03, "2024/01/01");
    EXPECT_EQ(form->edA[0]->GetText(), "25") << "other controls start no check";
}

}  // namespace
