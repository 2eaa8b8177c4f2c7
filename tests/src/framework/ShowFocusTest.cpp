#include <gtest/gtest.h>

#include "tests/src/framework/FieldHooksFixture.h"

namespace {

using hemr_test::FieldHooksTest;

class ShowFocusTest : public FieldHooksTest {};

// Showing focused the first control while the form was still hidden, which threw
// "Cannot focus a disabled or invisible window".
TEST_F(ShowFocusTest, ShowingFocusesTheFirstControlOnceTheFormIsVisible) {
    auto* form = HookForm();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->ActiveControl(), ed03) << "tab order 0 of the first page";
    EXPECT_TRUE(ed03->Focused());
}

TEST_F(ShowFocusTest, AListPanelFirstOnThePageHandsTheFocusToItsList) {
    auto* form = NewForm<hemr_test::TfrmHookTest>();
    form->SetName("frmHemr07");
    auto* panel = Add<hemr::TSelectPanel>(form, "sp01");
    panel->SetStyle(hemr::sp_Discrete);
    ASSERT_TRUE(form->InitForm(hemr_test::FullParams()));
    form->Show();
    EXPECT_EQ(form->ActiveControl(), panel->ItemList());
}

}  // namespace
