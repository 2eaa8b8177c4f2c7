#include <gtest/gtest.h>

#include "platform/controls/WindowHandles.h"
#include "platform/core/Exceptions.h"
#include "tests/platform/forms/FormFixture.h"

namespace rt::test {
namespace {

using Log = std::vector<std::string>;

class FocusTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form = NewForm();
        form->SetName("frm");
        boxA = form->AddBox("boxA");
        ed1 = form->AddField("ed1", boxA);
        ed2 = form->AddField("ed2", boxA);
        boxB = form->AddBox("boxB");
        inner = form->AddBox("inner", boxB);
        ed3 = form->AddField("ed3", inner);
        form->Show();
        form->Log.clear();
    }
    TLogForm* form = nullptr;
    TWinControl *boxA, *ed1, *ed2, *boxB, *inner, *ed3;
};

TEST_F(FocusTest, ShowingFocusesFirstTabStopAndEntersItsContainersOutermostFirst) {
    auto* f = NewForm();
    TWinControl* box = f->AddBox("box");
    TWinControl* e = f->AddField("e", box);
    f->Show();
    EXPECT_EQ(f->ActiveControl(), e) << "showing picks the first tab stop";
    EXPECT_EQ(f->Log, (Log{"box.Enter", "e.Enter"}));
    EXPECT_TRUE(e->Focused());
    EXPECT_EQ(Screen().ActiveForm(), f);
}

TEST_F(FocusTest, MovingBetweenContainersExitsInnermostFirstThenEntersOutermostFirst) {
    ASSERT_TRUE(ed1->Focused());
    ed3->SetFocus();
    EXPECT_EQ(form->Log, (Log{"ed1.Exit", "boxA.Exit", "boxB.Enter", "inner.Enter", "ed3.Enter"}));
    EXPECT_EQ(form->ActiveControl(), ed3);
    EXPECT_EQ(Screen().ActiveControl(), ed3);
    form->Log.clear();
    ed3->SetFocus();
    EXPECT_TRUE(form->Log.empty()) << "focusing the focused control runs no events";
}

TEST_F(FocusTest, MovingInsideOneContainerDoesNotExitIt) {
    ed2->SetFocus();
    EXPECT_EQ(form->Log, (Log{"ed1.Exit", "ed2.Enter"}));
}

TEST_F(FocusTest, ExitHandlerRefocusingTheOldControlWins) {
    struct Refocus : TObject {
        TWinControl* target = nullptr;
        void Exit(TObject*) { target->SetFocus(); }
    } hook;
    hook.target = ed1;
    ed1->OnExit = TNotifyEvent::Of<&Refocus::Exit>(&hook);
    ed3->SetFocus();
    EXPECT_EQ(form->ActiveControl(), ed1) << "the last focus move wins";
    EXPECT_TRUE(ed1->Focused());
    EXPECT_EQ(form->Log, (Log{"ed1.Enter"})) << "the interrupted move enters nothing of its own target";
}

TEST_F(FocusTest, SetFocusOnDisabledOrHiddenControlRaises) {
    ed2->SetEnabled(false);
    EXPECT_THROW(ed2->SetFocus(), EInvalidOperation);
    boxB->SetVisible(false);
    try {
        ed3->SetFocus();
        FAIL() << "a control in a hidden container must not take the focus";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Cannot focus a disabled or invisible window");
    }
    EXPECT_EQ(form->ActiveControl(), ed1) << "a refused focus move changes nothing";
    TWinControl orphan(nullptr);
    EXPECT_FALSE(orphan.CanFocus()) << "a control on no form cannot take the focus";
    EXPECT_THROW(orphan.SetFocus(), EInvalidOperation);
}

TEST_F(FocusTest, TabWalkSkipsDisabledInvisibleAndControlsOfDisabledContainers) {
    TWinControl* ed4 = form->AddField("ed4");
    ed2->SetVisible(false);
    boxB->SetEnabled(false);
    EXPECT_EQ(form->FindNextControl(ed1, true, true, false), ed4);
    EXPECT_EQ(form->FindNextControl(ed4, true, true, false), ed1) << "the walk wraps around";
    EXPECT_EQ(form->FindNextControl(ed1, false, true, false), ed4) << "backwards wraps too";
    form->SelectNext(ed1, true, true);
    EXPECT_EQ(form->ActiveControl(), ed4);
    std::vector<TWinControl*> list;
    form->GetTabOrderList(list);
    EXPECT_EQ(list, (std::vector<TWinControl*>{boxA, ed1, ed2, boxB, inner, ed3, ed4}))
        << "each control is followed by its own children";
}

TEST_F(FocusTest, TabOrderRenumbersSiblings) {
    TWinControl* ed4 = form->AddField("ed4", boxA);
    EXPECT_EQ(ed4->TabOrder(), 2);
    ed4->SetTabOrder(0);
    EXPECT_EQ(ed4->TabOrder(), 0);
    EXPECT_EQ(ed1->TabOrder(), 1) << "siblings move up";
    EXPECT_EQ(ed2->TabOrder(), 2);
    ed1->SetTabOrder(99);
    EXPECT_EQ(ed1->TabOrder(), 2) << "out-of-range orders clamp to the last place";
    ed2->SetTabOrder(-5);
    EXPECT_EQ(ed2->TabOrder(), 0);
    EXPECT_EQ(form->FindNextControl(nullptr, true, true, false), ed2) << "the walk follows the new order";
}

TEST_F(FocusTest, HidingTheFocusedControlExitsItAndClearsTheActiveControl) {
    ed1->SetVisible(false);
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(form->Log, (Log{"ed1.Exit", "boxA.Exit"}));
    EXPECT_FALSE(ed1->Focused());
}

TEST_F(FocusTest, DestroyingTheFocusedControlLeavesNoDanglingFocus) {
    delete ed1;
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(form->Log, (Log{"boxA.Exit"})) << "a control being destroyed gets no exit event";
    ed3->SetFocus();
    EXPECT_EQ(form->ActiveControl(), ed3);
}

TEST_F(FocusTest, FocusChangeHooksRunOnEveryChange) {
    struct Counter : TObject {
        int form = 0, screen = 0;
        void OnForm(TObject*) { ++form; }
        void OnScreen(TObject*) { ++screen; }
    } counter;
    form->OnActiveControlChange = TNotifyEvent::Of<&Counter::OnForm>(&counter);
    Screen().OnActiveControlChange = TNotifyEvent::Of<&Counter::OnScreen>(&counter);
    ed2->SetFocus();
    ed3->SetFocus();
    Screen().OnActiveControlChange.Clear();
    EXPECT_EQ(counter.form, 2);
    EXPECT_EQ(counter.screen, 2);
}

TEST_F(FocusTest, ActiveControlSetBeforeShowIsFocusedOnShow) {
    auto* f = NewForm();
    TWinControl* a = f->AddField("a");
    TWinControl* b = f->AddField("b");
    f->SetActiveControl(b);
    EXPECT_FALSE(b->Focused()) << "a hidden form does not take the focus";
    f->Show();
    EXPECT_TRUE(b->Focused());
    EXPECT_FALSE(a->Focused());
    EXPECT_EQ(FindControl(b->Handle()), b);
    EXPECT_NE(a->Handle(), b->Handle());
}

TEST_F(FocusTest, SwitchingFormsDeactivatesWithoutExitEvents) {
    auto* other = NewForm();
    TWinControl* x = other->AddField("x");
    other->Show();
    EXPECT_EQ(Screen().ActiveForm(), other);
    EXPECT_FALSE(form->Active());
    EXPECT_TRUE(form->Log.empty()) << "leaving a form does not exit its controls";
    other->Hide();
    EXPECT_EQ(Screen().ActiveForm(), form) << "hiding hands the activation back";
    EXPECT_TRUE(ed1->Focused());
    EXPECT_FALSE(x->Focused());
}

}  // namespace
}  // namespace rt::test
