// The footer and sign-off blocks: the program's defaults, typed codes and
// the F2 lookup of a code.

#include <gtest/gtest.h>

#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "src/controls/F2Button.h"
#include "platform/forms/TInputInjector.h"
#include "tests/platform/forms/UserClick.h"
#include "tests/src/shell/BaseRptFixture.h"

namespace hemr_test {
namespace {

class BaseRptFooterTest : public BaseRptTest {
protected:
    // A shown form on its system page.
    TfrmRptTest* ShownForm() {
        TfrmRptTest* form = ReadyForm();
        form->Show();
        form->pgOption->SetActivePage(form->tsOption2);
        return form;
    }
    static void PressF2(TfrmRptTest& form) {
        uint16_t key = rt::VK_F2;
        form.ActiveControl()->HandleKeyDown(key, rt::TShiftState{});
    }
    void SetUp() override {
        BaseRptTest::SetUp();
        fake->validator->rows["CMSMT"] = rt::Variant::ArrayOf(
            {"F01", "N", "N", "页脚甲", "页脚乙", "页脚丙", "S01", "Y", "Y", "签核甲", "签核乙", "签核丙"});
    }
};

TEST_F(BaseRptFooterTest, ProgramDefaultsFillBothBlocksAndFixTheOnesWithoutLookup) {
    TfrmRptTest* form = ReadyForm();
    EXPECT_EQ(form->edNoteID->GetText(), "F01");
    EXPECT_EQ(form->edNote1->GetText(), "页脚甲");
    EXPECT_EQ(form->edNote3->GetText(), "页脚丙");
    EXPECT_EQ(form->edSignInID->GetText(), "S01");
    EXPECT_EQ(form->edSignIn2->GetText(), "签核乙");
    EXPECT_FALSE(form->btnNote->Enabled()) << "field 1 = N: no footer lookup";
    EXPECT_TRUE(form->btnSignIn->Enabled());
    EXPECT_TRUE(form->edNoteID->ReadOnly()) << "a footer without lookup is fixed";
    EXPECT_TRUE(form->edNote2->ReadOnly());
    EXPECT_FALSE(form->edSignInID->ReadOnly());
    EXPECT_FALSE(form->edSignIn3->ReadOnly());
}

TEST_F(BaseRptFooterTest, WithoutProgramDefaultsBothBlocksStayOpen) {
    fake->validator->rows.erase("CMSMT");
    TfrmRptTest* form = ReadyForm();
    EXPECT_EQ(form->edNoteID->GetText(), "");
    EXPECT_TRUE(form->btnNote->Enabled());
    EXPECT_FALSE(form->edNoteID->ReadOnly());
    EXPECT_FALSE(form->edSignIn1->ReadOnly());
}

TEST_F(BaseRptFooterTest, UnknownSignOffCodeIsRefusedAndTheFocusReturns) {
    TfrmRptTest* form = ShownForm();
    form->edSignInID->SetFocus();
    EXPECT_EQ(form->LastLookupCode(), "S01") << "the code as it was on entering";
    form->edSignInID->SetText("S99");
    form->edSignIn1->SetFocus();
    ASSERT_EQ(Dialogs().Dialogs().size(), 1u) << DialogTexts();
    EXPECT_EQ(Dialogs().Dialogs()[0].Kind, rt::mtWarning);
    EXPECT_NE(Dialogs().Dialogs()[0].Text.find("签核编号不存在!"), std::string::npos) << DialogTexts();
    EXPECT_EQ(form->ActiveControl(), form->edSignInID) << "focus back to the code";
    EXPECT_EQ(form->edSignInID->GetText(), "");
    EXPECT_EQ(form->edSignIn1->GetText(), "") << "the block's texts are cleared";
}

TEST_F(BaseRptFooterTest, CancelAfterAnUnknownCodeClosesWithCodeTwoAndNoDialog) {
    fake->validator->rows.erase("CMSMT");
    for (const bool footer : {true, false}) {
        SCOPED_TRACE(footer ? "footer code" : "sign-off code");
        Dialogs().Reset();
        TfrmRptTest* form = ShownForm();
        rt::TCustomEdit* code = footer ? form->edNoteID : form->edSignInID;
        code->SetFocus();
        rt::Input().TypeText("X99");
        EXPECT_TRUE(rt::test::UserClick(form->btnCancel)) << "the exit check does not pull the focus back";
        EXPECT_EQ(Dialogs().Dialogs().size(), 0u) << "no check runs while Cancel has the focus: " << DialogTexts();
        EXPECT_FALSE(Alive(form)) << "the form closed and freed itself";
        EXPECT_EQ(ClosedResultCode(), 2);
    }
}

TEST_F(BaseRptFooterTest, KnownFooterCodeFillsTheTexts) {
    fake->validator->rows.erase("CMSMT");
    fake->validator->rows["CMSMS"] = rt::Variant::ArrayOf({"F02", "第一行", "第二行", "第三行", "Y", "N"});
    TfrmRptTest* form = ShownForm();
    form->edNoteID->SetFocus();
    form->edNoteID->SetText("F02");
    form->edNote1->SetFocus();
    EXPECT_TRUE(Dialogs().Dialogs().empty()) << DialogTexts();
    EXPECT_EQ(form->edNoteID->GetText(), "F02");
    EXPECT_EQ(form->edNote1->GetText(), "第一行");
    EXPECT_EQ(form->edNote3->GetText(), "第三行");
    const TRecordedCall* check = fake->validator->Last("CheckValue");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(Text(check->args[0]), "CMSMS");
    const rt::Variant key = check->args[3];
    ASSERT_EQ(key.ElementCount(), 2);
    EXPECT_EQ(Text(key[0]), "1") << "footers are kind 1";
    EXPECT_EQ(Text(key[1]), "F02");
}

TEST_F(BaseRptFooterTest, UnchangedOrEmptiedCodeAsksNothing) {
    TfrmRptTest* form = ShownForm();
    form->edSignInID->SetFocus();
    const size_t checks = fake->validator->calls.size();
    form->edSignIn1->SetFocus();
    EXPECT_EQ(form->edSignIn1->GetText(), "签核甲") << "an unchanged code keeps its texts";
    form->edSignInID->SetFocus();
    form->edSignInID->SetText("");
    form->edSignIn1->SetFocus();
    EXPECT_EQ(fake->validator->calls.size(), checks) << "nothing is looked up";
    EXPECT_TRUE(Dialogs().Dialogs().empty()) << DialogTexts();
    EXPECT_EQ(form->edSignIn1->GetText(), "") << "an empty code clears the block";
}

TEST_F(BaseRptFooterTest, F2OnTheSignOffCodeTakesTheChosenRow) {
    fake->f2Window->lookup = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"S02", "2", "审核", "复核", "核准"})});
    TfrmRptTest* form = ShownForm();
    form->edSignInID->SetFocus();
    PressF2(*form);
    const TRecordedCall* lookup = fake->f2Window->Last("F2GetData");
    ASSERT_NE(lookup, nullptr);
    const rt::Variant& request = lookup->args[0];
    EXPECT_EQ(Text(request[0]), "CMSMS");
    EXPECT_EQ(Text(request[1]), "01");
    ASSERT_EQ(request[2].ElementCount(), 1);
    EXPECT_EQ(Text(request[2][0]), "2") << "sign-offs are kind 2";
    EXPECT_FALSE(request[3].ToBool()) << "single choice";
    EXPECT_EQ(form->edSignInID->GetText(), "S02");
    EXPECT_EQ(form->LastLookupCode(), "S02");
    EXPECT_EQ(form->edSignIn1->GetText(), "审核");
    EXPECT_EQ(form->edSignIn3->GetText(), "核准");
    form->edSignIn1->SetFocus();
    EXPECT_TRUE(Dialogs().Dialogs().empty()) << "the looked-up code is not checked again: " << DialogTexts();
}

TEST_F(BaseRptFooterTest, F2OnAFixedFooterChangesNothing) {
    fake->f2Window->lookup = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"F09", "1", "x", "y", "z"})});
    TfrmRptTest* form = ShownForm();
    form->edNoteID->SetFocus();
    PressF2(*form);
    EXPECT_EQ(fake->f2Window->Last("F2GetData"), nullptr);
    EXPECT_EQ(form->edNoteID->GetText(), "F01");
}

}  // namespace
}  // namespace hemr_test
