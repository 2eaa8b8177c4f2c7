// The host may free the form at any time (FreeForm), also while it runs
// modally or while a selection panel's edit holds the focus: the form goes
// once, after its modal loop has been left, and nothing reads what is freed.

#include <gtest/gtest.h>

#include "platform/forms/TApplication.h"
#include "src/controls/SelectPanel.h"
#include "src/controls/TarnMaskEdit.h"
#include "tests/src/shell/Hemr07Fixture.h"

namespace hemr_test {
namespace {

using FormFreeTest = Hemr07Test;

TEST_F(FormFreeTest, FreedDuringItsModalLoopTheFormClosesAndGoesAfterTheLoop) {
    hemr::TfrmHemr07* form = Hemr07Form();
    bool aliveInLoop = false;
    rt::Application().SetModalDriver([&](rt::TCustomForm& modal) {
        form->sp01->BeginEdit()->SetFocus();
        modal.Free();
        modal.Free();  // a second request changes nothing
        aliveInLoop = Alive(form);
    });
    EXPECT_EQ(form->ShowModal(), rt::mrCancel);
    EXPECT_TRUE(aliveInLoop) << "the loop still runs on the form: it goes when the loop is left";
    EXPECT_FALSE(Alive(form)) << "freed once ShowModal was done with it";
    EXPECT_EQ(DialogCount(), 0u) << DialogTexts();
}

TEST_F(FormFreeTest, AShownFormFreedWithAPanelEditFocusedGoesAtOnce) {
    hemr::TfrmHemr07* form = Hemr07Form(true);
    form->sp02->EndEdit()->SetFocus();
    form->Free();
    EXPECT_FALSE(Alive(form));
    EXPECT_EQ(DialogCount(), 0u) << DialogTexts();
}

}  // namespace
}  // namespace hemr_test
