#include <gtest/gtest.h>

#include "platform/classes/TypInfo.h"
#include "platform/sysutils/StrUtils.h"
#include "tests/src/framework/FieldHooksFixture.h"
#include "tests/support/BadInput.h"

namespace {

using hemr_test::FieldHooksTest;

class DateFieldHooksTest : public FieldHooksTest {};

TEST_F(DateFieldHooksTest, QuickDatesOfLayoutsOneThreeAndFourPassTheExitCheck) {
    const std::vector<std::pair<std::string, std::string>> cases = {{"1", "2005/3/7"}, {"3", "7/3/2005"}, {"4", "94/3/7"}};
    for (const auto& [layout, typed] : cases) {
        auto* form = HookForm(layout);
        form->SetDateFields("edPlain");
        edPlain->SetFocus();
        edPlain->SetText(typed);
        const int dialogs = DialogCount();
        form->btnOk->SetFocus();
        EXPECT_EQ(form->ConvertQuickDate(edPlain->GetText()), "20050307") << "layout " << layout;
        EXPECT_EQ(DialogCount(), dialogs) << "layout " << layout << ": " << DialogTexts();
        EXPECT_EQ(form->ActiveControl(), form->btnOk) << "layout " << layout << ": the focus moved on";
        EXPECT_EQ(log.Count("edPlain.Exit"), 1) << "layout " << layout << ": the field's own exit handler ran once";
        EXPECT_FALSE(form->HasError());
        log.calls.clear();
        form->Free();
    }
}

TEST_F(DateFieldHooksTest, AnIncompleteDateIsRejectedOnExitAndKeepsTheFocus) {
    auto* form = HookForm();
    form->SetDateFields("edPlain");
    edPlain->SetFocus();
    edPlain->SetText("3/7");
    EXPECT_EQ(form->ConvertQuickDate("3/7"), "3/7") << "two numbers stay as typed";
    form->btnOk->SetFocus();
    ASSERT_NE(Dialogs().LastDialog(), nullptr);
    EXPECT_NE(DialogTexts().find("000005"), std::string::npos) << DialogTexts();
    EXPECT_EQ(form->ActiveControl(), edPlain) << "the focus stays on the bad date";
    EXPECT_EQ(edPlain->GetText(), "3/7") << "coming back keeps the entry to correct";
    EXPECT_TRUE(form->HasError());
    EXPECT_EQ(log.Count("edPlain.Exit"), 0) << "the field's own exit handler does not run";
    test_support::BadInput("form inputs", "an incomplete date \"3/7\" typed into a date field",
                           "message 000005, the focus stays on the field");
}

TEST_F(DateFieldHooksTest, TheBlankMaskOfLayoutOneCountsAsEmpty) {
    auto* form = HookForm();
    form->SetDateFields("ed03");
    form->btnOk->SetFocus();
    log.calls.clear();
    ed03->SetFocus();
    EXPECT_EQ(ed03->EditMask(), "9999/99/99;1; ") << "entering puts the date mask on";
    EXPECT_EQ(ed03->GetText(), "    /  /  ");
    const int dialogs = DialogCount();
    form->btnOk->SetFocus();
    EXPECT_EQ(DialogCount(), dialogs) << DialogTexts();
    EXPECT_EQ(form->ActiveControl(), form->btnOk);
    EXPECT_EQ(log.Count("ed03.Enter"), 1);
    EXPECT_EQ(log.Count("ed03.Exit"), 1);
}

TEST_F(DateFieldHooksTest, DerivedListsGoInFrontUnlessTheyNameThePrintDate) {
    auto* form = HookForm();
    for (const char* name : {"edDate", "meStartDate", "meEndDate"}) Add<rt::TEdit>(form, name);
    EXPECT_EQ(form->DateFields(), "edPrintDate");
    form->SetDateFields(" edDate,meStartDate,meEndDate ");
    EXPECT_EQ(form->DateFields(), "edDate,meStartDate,meEndDate,edPrintDate");
    form->SetDateFields("ed03");
    EXPECT_EQ(form->DateFields(), "ed03,edDate,meStartDate,meEndDate,edPrintDate");
    const rt::TMethod formExit = form->OnDateFieldExit.Method();
    EXPECT_EQ(rt::GetMethodProp(ed03, "OnExit"), formExit);
    EXPECT_EQ(rt::GetMethodProp(form->FindComponent("meEndDate"), "OnExit"), formExit);

    form->SetDateFields("edPrintDate,edPlain");
    EXPECT_EQ(form->DateFields(), "edPrintDate,edPlain") << "naming the print date replaces the list";
    EXPECT_EQ(rt::GetMethodProp(ed03, "OnExit"), ed03->OnExit.Method());
    EXPECT_EQ(ed03->OnExit, rt::TNotifyEvent::Of<&hemr_test::THandlerLog::Exit>(&log))
        << "an undeclared field has its own handler back";
    EXPECT_FALSE(rt::GetMethodProp(form->FindComponent("edDate"), "OnExit").Assigned())
        << "a field that had no handler has none again";
    EXPECT_EQ(rt::GetMethodProp(edPlain, "OnExit"), formExit);
}

TEST_F(DateFieldHooksTest, ADatePanelTakesTheLayoutSeparatorAndMask) {
    fake->counter->settings.push_back({"Sys002", "-"});
    for (auto it = fake->counter->settings.begin(); it != fake->counter->settings.end(); ++it)
        if (it->first == "Sys002" && it->second == "/") {
            fake->counter->settings.erase(it);
            break;
        }
    auto* form = HookForm("3");
    form->SetDateFields("sp01");
    EXPECT_EQ(sp01->ValueType(), hemr::vt_Date);
    EXPECT_EQ(sp01->DateType(), hemr::dt_DDMMYYYY);
    EXPECT_EQ(sp01->DateSign(), "-");
    sp01->BeginEdit()->SetFocus();
    EXPECT_EQ(sp01->EditMask(), "99-99-9999;1; ") << "entering the panel puts the date mask on";
    sp01->EndEdit()->SetText("31-02-2005");
    form->btnOk->SetFocus();
    EXPECT_NE(DialogTexts().find("000005"), std::string::npos) << "31 February is no date";
    EXPECT_EQ(form->ActiveControl(), sp01->EndEdit()) << "the failing edit of the panel gets the focus";
}

TEST_F(DateFieldHooksTest, AFocusedCancelButtonSuppressesEveryCheck) {
    auto* form = HookForm();
    form->SetDateFields("edPlain");
    form->SetRequiredFields("ed03");
    edPlain->SetFocus();
    edPlain->SetText("3/7");
    const int dialogs = DialogCount();
    form->btnCancel->SetFocus();
    EXPECT_EQ(form->ActiveControl(), form->btnCancel) << "cancelling is never held up";
    EXPECT_EQ(log.Count("edPlain.Exit"), 0) << "not even the field's own exit handler runs";
    EXPECT_FALSE(form->HasError());
    EXPECT_FALSE(form->CheckRequiredFields()) << "the empty required ed03 is not checked";
    rt::Variant out;
    EXPECT_TRUE(form->CheckConditionValue("TAXMA", "", "E", 0, out, rt::Variant("nothing")));
    EXPECT_EQ(DialogCount(), dialogs) << DialogTexts();
}

TEST_F(DateFieldHooksTest, OnlyPanelsMaskEditsAndEditsCanBeDateFields) {
    auto* form = HookForm();
    EXPECT_FALSE(form->DateFieldCheck(form->btnOk, true));
    const rt::TDialogRecord* box = Dialogs().LastDialog();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(rt::TrimRight(box->Text), "判断日期的函数第一个参数错误, 只能传下列三种物件:\nTSelectPanel, TMaskedit, TEdit");
}

}  // namespace
