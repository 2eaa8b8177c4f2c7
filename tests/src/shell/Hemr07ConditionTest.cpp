// The HEMR07 form's condition rows and its F2 lookups.

#include <gtest/gtest.h>

#include "platform/controls/VirtualKeys.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "tests/src/shell/Hemr07Fixture.h"

namespace {

using hemr_test::Hemr07Test;

class Hemr07ConditionTest : public Hemr07Test {
protected:
    // The caption and value arrays as the condition array gets them, before conversion.
    static rt::Variant Captions(hemr::TfrmHemr07& form, bool& filled) {
        rt::Variant a = rt::Variant::CreateArray({{1, form.ConditionCount()}});
        filled = form.FillConditionCaptions(a, form.ConditionCount() - form.SystemRowCount());
        return a;
    }
    static rt::Variant Values(hemr::TfrmHemr07& form, bool& filled) {
        rt::Variant a = rt::Variant::CreateArray({{1, form.ConditionCount()}});
        filled = form.FillConditionValues(a, form.ConditionCount() - form.SystemRowCount());
        return a;
    }
    static std::string CaptionText(const rt::Variant& captions, int row) { return rt::VarToStr(captions[row][0]); }
    static std::string ControlName(const rt::Variant& captions, int row) { return rt::VarToStr(captions[row][1]); }
};

TEST_F(Hemr07ConditionTest, TheTwelveCaptionRowsNameTheirControlsAndLineUpUnderTheHeading) {
    hemr::TfrmHemr07* form = Hemr07Form();
    bool filled = false;
    const rt::Variant c = Captions(*form, filled);
    ASSERT_TRUE(filled) << DialogTexts();
    EXPECT_EQ(CaptionText(c, 1), "选择公司");
    EXPECT_EQ(ControlName(c, 1), "sp01");
    EXPECT_EQ(CaptionText(c, 2), "选择部门编号");
    EXPECT_EQ(ControlName(c, 2), "sp02");
    EXPECT_EQ(CaptionText(c, 3), "统计日期");
    EXPECT_EQ(ControlName(c, 3), "ed03");
    EXPECT_EQ(CaptionText(c, 4), "年龄区间__岁以内");
    EXPECT_EQ(ControlName(c, 4), "ed05");
    const std::string eight(8, ' ');
    EXPECT_EQ(CaptionText(c, 5), eight + "__至__岁") << "as many blanks as 年龄区间 has bytes";
    EXPECT_EQ(ControlName(c, 5), "ed06A");
    EXPECT_EQ(CaptionText(c, 11), eight + "__至__岁");
    EXPECT_EQ(ControlName(c, 11), "ed12A");
    EXPECT_EQ(CaptionText(c, 12), eight + "__岁以上");
    EXPECT_EQ(ControlName(c, 12), "ed13");
}

TEST_F(Hemr07ConditionTest, CaptionsFollowTheLabelsAsTheyAreAtTheCall) {
    hemr::TfrmHemr07* form = Hemr07Form();
    form->lbl04->SetCaption("Age");
    form->lblA[0]->SetCaption("to");
    bool filled = false;
    const rt::Variant c = Captions(*form, filled);
    EXPECT_EQ(CaptionText(c, 4), "Age__岁以内");
    EXPECT_EQ(CaptionText(c, 5), "   __to__岁") << "the padding is measured again";
    EXPECT_EQ(CaptionText(c, 12), "   __岁以上");
}

TEST_F(Hemr07ConditionTest, ValueRowsCarryTheEditTextsAndTheDateAsYmd) {
    hemr::TfrmHemr07* form = Hemr07Form();
    form->ed05->SetText("20");
    form->edA[0]->SetText("20");
    form->edB[0]->SetText("30");
    form->ed13->SetText("60");
    form->ed03->SetText("2024/06/30");
    bool filled = false;
    const rt::Variant v = Values(*form, filled);
    ASSERT_TRUE(filled) << DialogTexts();
    EXPECT_EQ(rt::VarToStr(v[3]), "20240630");
    EXPECT_TRUE(v[4].IsString()) << "brackets travel as texts";
    EXPECT_EQ(rt::VarToStr(v[4]), "20");
    ASSERT_TRUE(v[5].IsArray());
    EXPECT_EQ(v[5].ElementCount(), 2);
    EXPECT_EQ(rt::VarToStr(v[5][v[5].LowBound()]), "20");
    EXPECT_EQ(rt::VarToStr(v[5][v[5].LowBound() + 1]), "30");
    EXPECT_EQ(rt::VarToStr(v[11][v[11].LowBound()]), "99");
    EXPECT_EQ(rt::VarToStr(v[12]), "60");
}

TEST_F(Hemr07ConditionTest, PanelValuesAreRangesOrListsAsThePanelIsSet) {
    hemr::TfrmHemr07* form = Hemr07Form();
    form->sp01->BeginEdit()->SetText("01");
    form->sp01->EndEdit()->SetText("02");
    form->sp02->SetUserChoice(false);
    form->sp02->AddRow({"A01", "总经理室"});
    form->sp02->AddRow({"B02", "财务部"});
    bool filled = false;
    const rt::Variant v = Values(*form, filled);
    ASSERT_TRUE(filled) << DialogTexts();
    const rt::Variant& range = v[1];
    ASSERT_TRUE(range.IsArray());
    EXPECT_EQ(rt::VarToStr(range[range.LowBound()]), std::string(1, '\x04'));
    EXPECT_EQ(rt::VarToStr(range[range.LowBound() + 1]), "01");
    EXPECT_EQ(rt::VarToStr(range[range.LowBound() + 2]), "02");
    const rt::Variant& list = v[2];
    ASSERT_TRUE(list.IsArray());
    EXPECT_EQ(rt::VarToStr(list[0]), std::string(1, '\x05'));
    ASSERT_EQ(list.HighBound(), 2);
    EXPECT_EQ(rt::VarToStr(list[1][0]), "A01");
    EXPECT_EQ(rt::VarToStr(list[2][0]), "B02");
}

TEST_F(Hemr07ConditionTest, F2LooksUpCompaniesDepartmentsAndTheDate) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    hemr_test::TFakeF2Window& f2 = *fake->f2Window;

    f2.lookup = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"02", "华南分公司"})});
    form->sp01->BeginEdit()->SetFocus();
    Press(rt::VK_F2);
    const hemr_test::TRecordedCall* call = f2.Last("F2GetData");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(rt::VarToStr(call->args[0][0]), "TAXMA");
    EXPECT_EQ(rt::VarToStr(call->args[0][1]), "01");
    EXPECT_EQ(form->sp01->BeginEdit()->GetText(), "02");

    f2.lookup = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"C01", "销售部", "02"})});
    form->sp02->EndEdit()->SetFocus();
    Press(rt::VK_F2);
    call = f2.Last("F2GetData");
    EXPECT_EQ(rt::VarToStr(call->args[0][0]), "CMSME");
    EXPECT_EQ(form->sp02->EndEdit()->GetText(), "C01");

    f2.inputDay = "20240320";
    form->ed03->SetFocus();
    Press(rt::VK_F2);
    EXPECT_NE(f2.Last("ShowInputDay"), nullptr);
    EXPECT_EQ(form->ed03->GetText(), "2024/03/20");
}

}  // namespace

namespace {

using Hemr07ArrayTest = hemr_test::Hemr07Test;

TEST_F(Hemr07ArrayTest, TheConditionArrayHasSixteenRowsAndFourteenEnvironmentItems) {
    hemr::TfrmHemr07* form = Hemr07Form();
    form->ed03->SetText("2024/06/30");
    ASSERT_TRUE(form->BuildConditionArray()) << DialogTexts();
    const rt::Variant& a = form->ConditionArray();
    const rt::Variant& env = a[0];
    const rt::Variant& captions = a[1];
    const rt::Variant& values = a[2];
    EXPECT_EQ(env.LowBound(), 1);
    EXPECT_EQ(env.HighBound(), 14);
    EXPECT_EQ(env[2].ToInt(), 14);
    EXPECT_EQ(env[3].ToInt(), 16);
    ASSERT_EQ(captions.HighBound(), 16);
    ASSERT_EQ(values.HighBound(), 16);
    // The form's rows first, the report form's system rows after them.
    const char* names[] = {"sp01",  "sp02",  "ed03",  "ed05",  "ed06A",     "ed07A",   "ed08A",       "ed09A",
                           "ed10A", "ed11A", "ed12A", "ed13",  "grpSignIn", "grpNote", "cboDateType", "edPrintDate"};
    for (int row = 1; row <= 16; ++row)
        EXPECT_EQ(rt::VarToStr(captions[row][1]), names[row - 1]) << "row " << row;
    EXPECT_EQ(rt::VarToStr(values[3]), "20240630");
    EXPECT_EQ(rt::VarToStr(values[12]), "99");
}

}  // namespace
