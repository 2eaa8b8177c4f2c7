#include <gtest/gtest.h>

#include "platform/classes/TypInfo.h"
#include "platform/comctrls/TListItems.h"
#include "src/framework/RequiredFields.h"
#include "tests/src/framework/FieldHooksFixture.h"
#include "tests/platform/forms/UserClick.h"

namespace {

using hemr_test::FieldHooksTest;
using hemr_test::kRequired;
using hemr_test::THandlerLog;

TEST(ParseRequiredFields, NamesCheckFieldsAndPartsWithBlanksIgnored) {
    const auto items = hemr::ParseRequiredFields(" sp01 ; 0 ; 2 , ed03,,sp02;;9, sp03;n;x ");
    ASSERT_EQ(items.size(), 4u) << "an item without a name is dropped";
    EXPECT_EQ(items[0].Name, "sp01");
    EXPECT_EQ(items[0].Part, 2);
    EXPECT_FALSE(items[0].Checked()) << "a number in the check field leaves the item unchecked";
    EXPECT_TRUE(items[1].Checked());
    EXPECT_EQ(items[1].Part, 0);
    EXPECT_TRUE(items[2].Checked()) << "an empty check field checks";
    EXPECT_EQ(items[2].Part, 0) << "a part outside 0..3 counts as all parts";
    EXPECT_FALSE(items[3].Checked()) << "\"n\" leaves the item unchecked";
    EXPECT_EQ(items[3].Part, 0) << "a part that is no number counts as all parts";
}

class RequiredFieldsTest : public FieldHooksTest {
protected:
    hemr_test::TfrmHookTest* RequiredForm() {
        auto* form = HookForm();
        original = ed03->Color();
        return form;
    }
    void ClickOk(hemr_test::TfrmHookTest* form) { rt::test::UserClick(form->btnOk); }
    rt::TColor original = 0;
};

TEST_F(RequiredFieldsTest, ANumberedCheckFieldColoursThePartButChecksOnlyTheOthers) {
    auto* form = RequiredForm();
    const rt::TColor beginColour = sp01->BeginEdit()->Color();
    form->SetRequiredFields("sp01;0;2,ed03");
    EXPECT_EQ(sp01->EndEdit()->Color(), kRequired);
    EXPECT_EQ(sp01->BeginEdit()->Color(), beginColour);
    EXPECT_NE(sp01->ItemList()->Color(), kRequired);
    EXPECT_EQ(ed03->Color(), kRequired);

    ClickOk(form);
    EXPECT_NE(DialogTexts().find("000037"), std::string::npos) << DialogTexts();
    EXPECT_EQ(form->ActiveControl(), ed03) << "the empty field gets the focus";
    EXPECT_EQ(log.Count("btnOk.Click"), 0) << "the work button does not work";

    ed03->SetText("x");
    ClickOk(form);
    EXPECT_EQ(log.Count("btnOk.Click"), 1) << "sp01 is empty but not checked";
}

TEST_F(RequiredFieldsTest, AnEmptyCheckFieldChecksThePanel) {
    auto* form = RequiredForm();
    form->SetRequiredFields("sp01;;2");
    EXPECT_EQ(sp01->EndEdit()->Color(), kRequired);
    EXPECT_NE(sp01->BeginEdit()->Color(), kRequired);
    EXPECT_NE(ed03->Color(), kRequired);
    sp01->BeginEdit()->SetText("A");
    ClickOk(form);
    EXPECT_NE(DialogTexts().find("000037"), std::string::npos) << "the end of the range is empty";
    EXPECT_EQ(form->ActiveControl(), sp01->BeginEdit()) << "a range panel is focused at its begin edit";
    EXPECT_EQ(log.Count("btnOk.Click"), 0);
    sp01->EndEdit()->SetText("B");
    ClickOk(form);
    EXPECT_EQ(log.Count("btnOk.Click"), 1);
}

TEST_F(RequiredFieldsTest, APartNumberInTheCheckFieldColoursAllAndChecksNothing) {
    auto* form = RequiredForm();
    form->SetRequiredFields("sp01;2");
    EXPECT_EQ(sp01->BeginEdit()->Color(), kRequired);
    EXPECT_EQ(sp01->EndEdit()->Color(), kRequired);
    EXPECT_EQ(sp01->ItemList()->Color(), kRequired);
    ClickOk(form);
    EXPECT_EQ(log.Count("btnOk.Click"), 1) << DialogTexts();
}

TEST_F(RequiredFieldsTest, AListPanelIsEmptyWithoutRows) {
    auto* form = RequiredForm();
    sp01->SetStyle(hemr::sp_Discrete);
    form->SetRequiredFields("sp01");
    ClickOk(form);
    EXPECT_EQ(form->ActiveControl(), sp01->ItemList()) << "a list panel is focused at its list";
    EXPECT_EQ(log.Count("btnOk.Click"), 0);
    sp01->AddRow({"D01", "总务部"});
    ClickOk(form);
    EXPECT_EQ(log.Count("btnOk.Click"), 1);
}

TEST_F(RequiredFieldsTest, DeclaringTwiceRestoresColoursAndEachButtonWorksOnce) {
    auto* form = RequiredForm();
    auto* query = Add<rt::TButton>(form, "btnQuery", form->tsOption1);
    query->OnClick = rt::TNotifyEvent::Of<&THandlerLog::Click>(&log);
    // A work button without a handler of its own must not end up calling the form's check again.
    Add<rt::TButton>(form, "btnDesign", form->tsOption1);
    form->SetRequiredFields("ed03,sp01;1;1");
    form->SetRequiredFields("edPlain");
    EXPECT_EQ(ed03->Color(), original) << "the first declaration's colours are given back";
    EXPECT_NE(sp01->BeginEdit()->Color(), kRequired);
    EXPECT_EQ(edPlain->Color(), kRequired);

    edPlain->SetText("x");
    ClickOk(form);
    rt::test::UserClick(query);
    rt::test::UserClick(static_cast<rt::TButton*>(form->FindComponent("btnDesign")));
    EXPECT_EQ(log.Count("btnOk.Click"), 1);
    EXPECT_EQ(log.Count("btnQuery.Click"), 1);
    EXPECT_EQ(form->RequiredHooks().Stored("btnOk", "OnClick").Data, &log);
    EXPECT_FALSE(form->RequiredHooks().Stored("btnDesign", "OnClick").Assigned());
}

TEST_F(RequiredFieldsTest, AnEmptyFieldOnAnotherPageBringsItsPageUp) {
    auto* form = RequiredForm();
    form->SetRequiredFields("edPrintDate");
    ASSERT_EQ(form->pgOption->ActivePage(), form->tsOption1);
    ClickOk(form);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    EXPECT_EQ(form->ActiveControl(), form->edPrintDate);
    EXPECT_EQ(log.Count("btnOk.Click"), 0);
}

TEST_F(RequiredFieldsTest, WithAPeriodButtonAnEmptyFieldReleasesItAndHidesTheLastTab) {
    auto* form = RequiredForm();
    auto* period = Add<rt::TSpeedButton>(form, "btnPeriod", form->tsOption1);
    period->SetGroupIndex(1);
    period->SetAllowAllUp(true);
    period->SetDown(true);
    form->SetRequiredFields("ed03");
    ClickOk(form);
    EXPECT_FALSE(period->Down());
    EXPECT_FALSE(form->tsOption2->TabVisible()) << "the last page's tab goes while the first page is shown";
    EXPECT_EQ(log.Count("btnOk.Click"), 0);
    ed03->SetText("x");
    ClickOk(form);
    EXPECT_EQ(log.Count("btnOk.Click"), 1);
}

}  // namespace
