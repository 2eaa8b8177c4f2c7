#include <gtest/gtest.h>

#include "platform/comctrls/TPageControl.h"
#include "platform/classes/TStrings.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/extctrls/TRadioGroup.h"
#include "platform/forms/TInputInjector.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/stdctrls/TRadioButton.h"
#include "platform/stdctrls/TButton.h"
#include "src/controls/NvGroupButton.h"
#include "src/controls/NvRadioGroup.h"
#include "tests/src/framework/GeneFormFixture.h"
#include "tests/platform/forms/UserClick.h"

namespace {

using hemr_test::FullParams;
using hemr_test::GeneFormTest;
using hemr_test::TfrmGeneTest;

// An exit check that always fails, noting whether it ran quietly.
class TFailingCheck : public rt::TObject {
    RT_CLASS(TFailingCheck, rt::TObject)
public:
    void Exit(rt::TObject*) {
        quiet = form->ExitQuiet();
        form->SetHasError(true);
    }
    TfrmGeneTest* form = nullptr;
    bool quiet = false;
};

class BaseGeneWorkTest : public GeneFormTest {
protected:
    // A shown, initialised form with `rows` derived rows.
    TfrmGeneTest* ShownForm(int rows = 0, int emptyRow = 0) {
        TfrmGeneTest* form = NewForm();
        form->rows = rows;
        form->emptyRow = emptyRow;
        EXPECT_TRUE(form->InitForm(FullParams()));
        form->Show();
        return form;
    }
    template <class T>
    static T* Add(TfrmGeneTest* form, const std::string& name, rt::TWinControl* parent) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent);
        return c;
    }
    static void Press(uint16_t key, rt::TShiftState shift = {}) { rt::Input().PressKey(key, shift); }
};

TEST_F(BaseGeneWorkTest, AllRowsFilledGiveTheWholeArray) {
    TfrmGeneTest* form = ShownForm(8);
    static_cast<rt::TCustomMaskEdit*>(form->edPrintDate)->SetText("2024/3/7");
    ASSERT_TRUE(form->BuildConditionArray()) << DialogTexts();
    const rt::Variant& a = form->ConditionArray();
    ASSERT_EQ(a.LowBound(), 0);
    ASSERT_EQ(a.HighBound(), 2);
    EXPECT_EQ(a[1].LowBound(), 1);
    EXPECT_EQ(a[1].HighBound(), 9);
    EXPECT_EQ(a[2].HighBound(), 9);
    EXPECT_EQ(rt::VarToStr(a[1][9][0]), "制表日期");
    EXPECT_EQ(rt::VarToStr(a[1][9][1]), "edPrintDate");
    EXPECT_EQ(rt::VarToStr(a[2][9]), "20240307") << "the print date as YYYYMMDD";
    EXPECT_EQ(rt::VarToStr(a[2][3]), "3");
    const rt::Variant& env = a[0];
    ASSERT_EQ(env.HighBound(), 9);
    EXPECT_EQ(rt::VarToStr(env[1]), "HEMR07");
    EXPECT_EQ(env[2].ToInt(), 9);
    EXPECT_EQ(env[3].ToInt(), 9);
    EXPECT_EQ(rt::VarToStr(env[4]), "KWTest60");
    EXPECT_EQ(rt::VarToStr(env[5]), "796");
    EXPECT_EQ(rt::VarToStr(env[6]), "KWDB");
    EXPECT_TRUE(env[7].IsDate());
    EXPECT_EQ(rt::VarToStr(env[8]), "HEMR07S.Class1");
    EXPECT_EQ(rt::VarToStr(env[9]), "R");
    EXPECT_TRUE(form->QueryRun());
}

TEST_F(BaseGeneWorkTest, AnEmptyRowIsNamedWithTheCountAndItsPosition) {
    TfrmGeneTest* form = ShownForm(8, 7);
    EXPECT_FALSE(form->BuildConditionArray());
    ASSERT_NE(Dialogs().LastDialog(), nullptr);
    EXPECT_EQ(Dialogs().LastDialog()->Text, "选择条件信息共 9 项, 第 7 项尚未设置!");
    EXPECT_EQ(Dialogs().LastDialog()->Kind, rt::mtWarning);
    EXPECT_TRUE(form->ConditionArray().IsEmpty()) << "nothing is kept from a failed build";
}

TEST_F(BaseGeneWorkTest, AnEmptyPrintDateStaysEmptyButCounts) {
    TfrmGeneTest* form = ShownForm(1);
    static_cast<rt::TCustomMaskEdit*>(form->edPrintDate)->SetText(" / ");
    ASSERT_TRUE(form->BuildConditionArray()) << DialogTexts();
    EXPECT_EQ(rt::VarToStr(form->ConditionArray()[2][2]), "");
}

TEST_F(BaseGeneWorkTest, NoEnvironmentIsReportedBeforeAnythingIsFilled) {
    TfrmGeneTest* form = ShownForm(2);
    form->SetEnvCount(0);
    EXPECT_FALSE(form->BuildConditionArray());
    ASSERT_NE(fake->Last("GetMessage"), nullptr);
    EXPECT_EQ(rt::VarToStr(fake->Last("GetMessage")->args[0]), "I");
    EXPECT_EQ(rt::VarToStr(fake->Last("GetMessage")->args[1]), "000003");
    EXPECT_FALSE(form->QueryRun()) << "no fill operation ran";
}

TEST_F(BaseGeneWorkTest, EnterOnPageEndControlsMovesToTheNextPageOnlyFromTheFirst) {
    TfrmGeneTest* form = ShownForm();
    auto* ed01 = Add<rt::TEdit>(form, "ed01", form->tsOption1);
    auto* ed02 = Add<rt::TEdit>(form, "ed02", form->tsOption1);
    form->PageEndControls().push_back(ed02);
    ed01->SetFocus();
    Press(rt::VK_RETURN);
    EXPECT_EQ(form->ActiveControl(), ed02) << "Enter acts as Tab elsewhere";
    Press(rt::VK_RETURN);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    EXPECT_EQ(form->ActiveControl(), form->edPrintDate) << "the first control of the new page takes the focus";
    EXPECT_TRUE(form->SystemPageArranged());
    form->PageEndControls().push_back(form->edPrintDate);
    Press(rt::VK_RETURN);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2) << "Enter on the last page stays";
}

// A button of a radio group counts as its group, whichever toolkit class the group is.
TEST_F(BaseGeneWorkTest, EnterOnTheLastButtonOfAPageEndRadioGroupMovesToTheNextPage) {
    TfrmGeneTest* form = ShownForm();
    auto* plain = Add<rt::TRadioGroup>(form, "rgPlain", form->tsOption1);
    auto* own = Add<hemr::TNvRadioGroup>(form, "rgOwn", form->tsOption1);
    for (rt::TStrings* items : {plain->Items(), own->Items()}) {
        items->Add("甲");
        items->Add("乙");
    }
    const std::pair<rt::TWinControl*, rt::TWinControl*> cases[] = {{plain, plain->Buttons(1)}, {own, own->Buttons(1)}};
    for (const auto& [group, last] : cases) {
        SCOPED_TRACE(group->ClassName());
        form->pgOption->SetActivePage(form->tsOption1);
        form->PageEndControls() = {group};
        last->SetFocus();
        Press(rt::VK_RETURN);
        EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    }
}

TEST_F(BaseGeneWorkTest, EnterInAMemoBreaksTheFirstLinesAndMovesOnBelowThem) {
    TfrmGeneTest* form = ShownForm();
    auto* memo = Add<rt::TMemo>(form, "meNote", form->tsOption1);
    auto* after = Add<rt::TEdit>(form, "ed09", form->tsOption1);
    memo->SetFocus();
    memo->SetCaretPos({0, 0});
    Press(rt::VK_RETURN);
    EXPECT_EQ(form->ActiveControl(), memo);
    EXPECT_EQ(memo->GetText(), "\r\n") << "a line break was typed";
    memo->SetText("a\r\nb\r\nc");
    memo->SetCaretPos({0, 2});
    Press(rt::VK_RETURN);
    EXPECT_EQ(form->ActiveControl(), after);
}

TEST_F(BaseGeneWorkTest, CtrlTabAndCtrlPageKeysChangePagesUnlessACheckFailed) {
    TfrmGeneTest* form = ShownForm();
    Press(rt::VK_TAB, rt::TShiftState{rt::ssCtrl});
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    Press(rt::VK_PRIOR, rt::TShiftState{rt::ssCtrl});
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1);
    auto* ed01 = Add<rt::TEdit>(form, "ed01", form->tsOption1);
    ed01->SetFocus();
    TFailingCheck fail;
    fail.form = form;
    ed01->OnExit = rt::TNotifyEvent::Of<&TFailingCheck::Exit>(&fail);
    Press(rt::VK_NEXT, rt::TShiftState{rt::ssCtrl});
    EXPECT_TRUE(fail.quiet) << "the exit check runs quietly";
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1) << "a failed check keeps the page";
}

TEST_F(BaseGeneWorkTest, EscapeClosesEvenWhileACheckWouldFail) {
    TfrmGeneTest* form = ShownForm();
    form->SetHasError(true);
    Press(rt::VK_ESCAPE);
    rt::Application().ProcessMessages();
    EXPECT_FALSE(Alive(form));
}

TEST_F(BaseGeneWorkTest, F1AsksForTheProgramsHelpTopic) {
    ShownForm();
    Press(rt::VK_F1);
    const auto* call = fake->Last("CallHelp");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(rt::VarToStr(call->args[0][0]), "HEM");
    EXPECT_EQ(rt::VarToStr(call->args[0][1]), "12070000");
}

TEST_F(BaseGeneWorkTest, F2OnThePrintDateUsesTheDateWindowOrEmptiesWithoutIt) {
    TfrmGeneTest* form = ShownForm();
    auto* edit = static_cast<rt::TCustomMaskEdit*>(form->edPrintDate);
    form->pgOption->SetActivePage(form->tsOption2);
    edit->SetText("2024/01/01");
    edit->SetFocus();
    Press(rt::VK_F2);
    EXPECT_EQ(edit->GetText(), form->GetBlankDate()) << "no F2 window service: the date field is emptied";

    form->Session().FetchF2Window();
    fake->f2Window->inputDay = "20240315";
    Press(rt::VK_F2);
    EXPECT_EQ(edit->GetText(), "2024/03/15");
    const auto* call = fake->f2Window->Last("ShowInputDay");
    ASSERT_NE(call, nullptr);
    EXPECT_FALSE(call->args[0][0].ToBool()) << "layout 1 is not a year-of-republic layout";
    EXPECT_EQ(rt::VarToStr(call->args[0][2]), "KWDB");

    fake->f2Window->inputDay = "20240401";
    form->btnOk->SetFocus();
    EXPECT_TRUE(rt::test::UserClick(form->btnPrintDate));
    EXPECT_EQ(edit->GetText(), "2024/04/01") << "the lookup button asks for the same F2 handling";
    EXPECT_EQ(form->ActiveControl(), edit);
}

TEST_F(BaseGeneWorkTest, StartParametersApplyGenericConditionsAndRunTheirMode) {
    TfrmGeneTest* form = ShownForm();
    const rt::Variant names = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"制表日期", "edPrintDate"})});
    const rt::Variant passed = rt::Variant::ArrayOf({names, rt::Variant::ArrayOf({"20240101"})});
    form->ApplyStartParams(rt::Variant::ArrayOf(
        {true, rt::Variant::ArrayOf({3, rt::Variant::ArrayOf({true, passed})})}));
    EXPECT_FALSE(form->PlainStart());
    EXPECT_TRUE(form->AllowNoConditions());
    ASSERT_EQ(form->startModes.size(), 1u);
    EXPECT_EQ(form->startModes[0], 3);

    const rt::Variant unknown = rt::Variant::ArrayOf(
        {rt::Variant::ArrayOf({rt::Variant::ArrayOf({"x", "edNowhere"})}), rt::Variant::ArrayOf({"1"})});
    form->ApplyStartParams(rt::Variant::ArrayOf({true, rt::Variant::ArrayOf({4, rt::Variant::ArrayOf({true, unknown})})}));
    EXPECT_NE(form->ErrorCodes().find("W;000014"), std::string::npos) << form->ErrorCodes();
    EXPECT_EQ(form->startModes.size(), 1u) << "conditions that do not apply run nothing";
    EXPECT_FALSE(form->AllowNoConditions());
    form->ApplyStartParams(rt::Variant::ArrayOf({true, rt::Variant::ArrayOf({1})}));
    EXPECT_TRUE(form->PlainStart());
}

TEST_F(BaseGeneWorkTest, ConditionValuesAreCheckedThroughTheValidator) {
    TfrmGeneTest* form = ShownForm();
    fake->validator->rows["CMSMT"] = rt::Variant::ArrayOf({"01", "总公司"});
    rt::Variant out;
    EXPECT_TRUE(form->CheckConditionValue("CMSMT", "01", "E", 1, out, rt::Variant::ArrayOf({"01"})));
    EXPECT_EQ(rt::VarToStr(out), "总公司");
    EXPECT_TRUE(form->CheckConditionValue("CMSMT", "01", "E", 9, out, rt::Variant::ArrayOf({"01"})));
    EXPECT_TRUE(out.IsArray()) << "an index outside the row gives the whole row";
    EXPECT_TRUE(form->CheckConditionValue("CMSME", "01", "E", 1, out, rt::Variant(""))) << "an empty key passes";
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_FALSE(form->CheckConditionValue("CMSME", "01", "W", 1, out, rt::Variant::ArrayOf({"X"})));
    EXPECT_EQ(form->ErrorCodes().rfind("W;000004;", 0), 0u) << form->ErrorCodes();
}

}  // namespace
