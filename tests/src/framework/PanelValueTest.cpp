#include <gtest/gtest.h>

#include "platform/comctrls/TListItems.h"
#include "tests/src/framework/FieldHooksFixture.h"

namespace {

using hemr_test::FieldHooksTest;

class PanelValueTest : public FieldHooksTest {};

TEST_F(PanelValueTest, ARangeAndAListGiveTheirShapes) {
    auto* form = HookForm();
    rt::Variant values = rt::Variant::CreateArray({{1, 3}});
    sp01->BeginEdit()->SetText("A01");
    sp01->EndEdit()->SetText("Z99");
    ASSERT_TRUE(form->PutPanelValue(sp01, values, 2));
    const rt::Variant& range = values[2];
    ASSERT_EQ(range.HighBound(), 2);
    EXPECT_EQ(rt::VarToStr(range[0]), "\x04");
    EXPECT_EQ(rt::VarToStr(range[1]), "A01");
    EXPECT_EQ(rt::VarToStr(range[2]), "Z99");

    sp01->SetStyle(hemr::sp_Discrete);
    sp01->AddRow({"D01", "总务部"});
    sp01->AddRow({"D02", "业务部"});
    ASSERT_TRUE(form->PutPanelValue(sp01, values, 3));
    const rt::Variant& list = values[3];
    ASSERT_EQ(list.LowBound(), 0);
    ASSERT_EQ(list.HighBound(), 2);
    EXPECT_EQ(rt::VarToStr(list[0]), "\x05");
    EXPECT_EQ(rt::VarToStr(list[2][0]), "D02");
    EXPECT_EQ(rt::VarToStr(list[2][1]), "业务部");

    rt::Variant replaced = rt::Variant("old");
    ASSERT_TRUE(form->PutPanelValue(sp01, replaced, -1));
    EXPECT_EQ(replaced.HighBound(), 2) << "a negative index replaces the array by the value";
}

TEST_F(PanelValueTest, AnIndexOutsideTheArrayIsReportedAndChangesNothing) {
    auto* form = HookForm();
    rt::Variant values = rt::Variant::CreateArray({{1, 3}});
    values.At(3) = rt::Variant("kept");
    EXPECT_FALSE(form->PutPanelValue(sp01, values, 4));
    EXPECT_NE(form->ErrorTexts().find("position 4 of sp01"), std::string::npos) << form->ErrorTexts();
    EXPECT_FALSE(form->PutPanelValue(sp01, values, 0));
    EXPECT_NE(form->ErrorTexts().find("(1..3)"), std::string::npos) << form->ErrorTexts();
    EXPECT_EQ(values.HighBound(), 3);
    EXPECT_EQ(rt::VarToStr(values[3]), "kept");
    rt::Variant notArray = rt::Variant("text");
    EXPECT_FALSE(form->PutPanelValue(sp01, notArray, 1));
    EXPECT_EQ(rt::VarToStr(notArray), "text");
}

TEST_F(PanelValueTest, LookupsFillListsAndEditsOfPanelsOnly) {
    auto* form = HookForm();
    form->Session().FetchF2Window();
    fake->f2Window->lookup = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"D01", "总务部", "01", "x", "cut"}),
                                                   rt::Variant::ArrayOf({"D02", "业务部", "01"})});
    sp01->SetStyle(hemr::sp_Discrete);
    form->PanelLookup(sp01->ItemList(), "CMSME", "01");
    const auto* call = fake->f2Window->Last("F2GetData");
    ASSERT_NE(call, nullptr);
    const rt::Variant& request = call->args[0];
    ASSERT_EQ(request.HighBound(), 18) << "the lookup request has 19 elements";
    EXPECT_EQ(rt::VarToStr(request[0]), "CMSME");
    EXPECT_TRUE(request[3].ToBool()) << "the list asks for several rows";
    EXPECT_EQ(rt::VarToStr(request[4]), "");
    EXPECT_EQ(rt::VarToStr(request[18]), "796");
    rt::TListItems* items = sp01->ItemList()->Items();
    ASSERT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Item(0)->Caption(), "D01");
    EXPECT_EQ(items->Item(0)->SubItems()->Count(), 3) << "at most four fields of a row";

    sp01->SetUseDiscard(true);
    sp01->SetDiscard("-");
    sp01->ClearList();
    form->PanelLookup(sp01->ItemList(), "CMSME", "01");
    ASSERT_GE(items->Count(), 1);
    EXPECT_EQ(items->Item(0)->Caption(), "D01-总务部-01-x");

    sp01->SetUseDiscard(false);
    sp01->SetStyle(hemr::sp_Range);
    form->PanelLookup(sp01->EndEdit(), "CMSME", "01");
    EXPECT_FALSE(fake->f2Window->Last("F2GetData")->args[0][3].ToBool());
    EXPECT_EQ(sp01->EndEdit()->GetText(), "D01");

    const size_t calls = fake->f2Window->calls.size();
    form->PanelLookup(ed03, "CMSME", "01");
    EXPECT_EQ(fake->f2Window->calls.size(), calls) << "no lookup for a control outside a panel";
    EXPECT_NE(DialogTexts().find("TSelectPanel元件用的"), std::string::npos) << DialogTexts();
}

}  // namespace
