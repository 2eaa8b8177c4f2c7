#include <gtest/gtest.h>

#include "platform/controls/VirtualKeys.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/stdctrls/TRadioButton.h"
#include "tests/platform/forms/FormFixture.h"

namespace rt::test {
namespace {

class ButtonsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form = NewForm();
        edit = Add<TEdit>("ed01");
        ok = Add<TButton>("btnOk");
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        cancel = Add<TButton>("btnCancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        ok->OnClick = clicks.Event();
        cancel->OnClick = clicks.Event();
    }
    template <class T>
    T* Add(const std::string& name, TWinControl* parent = nullptr) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent != nullptr ? parent : form);
        return c;
    }
    TLogForm* form = nullptr;
    TEdit* edit = nullptr;
    TButton* ok = nullptr;
    TButton* cancel = nullptr;
    TEventCounter clicks;
};

TEST_F(ButtonsTest, ClickSetsTheFormsModalResultBeforeOnClick) {
    struct Probe : TObject {
        TCustomForm* form = nullptr;
        TModalResult seen = -1;
        void Click(TObject*) { seen = form->ModalResult(); }
    } probe;
    probe.form = form;
    ok->OnClick = TNotifyEvent::Of<&Probe::Click>(&probe);
    ok->Click();
    EXPECT_EQ(probe.seen, mrOk) << "the handler already sees the button's modal result";
}

TEST_F(ButtonsTest, EnterClicksTheDefaultAndEscapeTheCancelButton) {
    form->Show();
    ASSERT_TRUE(edit->Focused());
    EXPECT_TRUE(edit->HandleKeyDown(VK_RETURN, {})) << "Enter is consumed by the default button";
    EXPECT_EQ(clicks.Senders, (std::vector<std::string>{"btnOk"}));
    EXPECT_TRUE(edit->HandleKeyDown(VK_ESCAPE, {}));
    EXPECT_EQ(clicks.Senders.back(), "btnCancel");
    EXPECT_TRUE(edit->Focused()) << "default and cancel buttons click without taking the focus";
}

TEST_F(ButtonsTest, FocusedButtonTakesEnterInsteadOfTheDefault) {
    form->Show();
    cancel->SetFocus();
    EXPECT_FALSE(ok->IsActiveDefault());
    cancel->HandleKeyDown(VK_RETURN, {});
    EXPECT_EQ(clicks.Senders, (std::vector<std::string>{"btnCancel"}));
}

TEST_F(ButtonsTest, DisabledDefaultButtonIgnoresEnter) {
    form->Show();
    ok->SetEnabled(false);
    EXPECT_FALSE(edit->HandleKeyDown(VK_RETURN, {}));
    EXPECT_EQ(clicks.Count, 0);
}

TEST_F(ButtonsTest, SpaceReleaseClicksAFocusedButton) {
    form->Show();
    ok->SetFocus();
    ok->Perform(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks.Count, 1);
}

TEST_F(ButtonsTest, CheckBoxCyclesItsStatesAndReportsEachChange) {
    auto* box = Add<TCheckBox>("chk");
    TEventCounter changed;
    box->OnClick = changed.Event();
    box->UserClick();
    EXPECT_TRUE(box->Checked());
    box->UserClick();
    EXPECT_EQ(box->State(), cbUnchecked);
    box->SetAllowGrayed(true);
    box->UserClick();
    EXPECT_EQ(box->State(), cbGrayed) << "with AllowGrayed, unchecked steps to grayed";
    box->UserClick();
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(changed.Count, 4);
    box->SetChecked(true);
    EXPECT_EQ(changed.Count, 4) << "setting the same state is no click";
    box->SetChecked(false);
    EXPECT_EQ(changed.Count, 5) << "a program change of Checked runs OnClick as well";
}

TEST_F(ButtonsTest, CheckingARadioButtonUnchecksOnlyItsSiblings) {
    auto* group = Add<TWinControl>("grp");
    auto* a = Add<TRadioButton>("rbA", group);
    auto* b = Add<TRadioButton>("rbB", group);
    auto* elsewhere = Add<TRadioButton>("rbC");
    elsewhere->SetChecked(true);
    TEventCounter checked;
    a->OnClick = checked.Event();
    b->OnClick = checked.Event();
    a->UserClick();
    b->UserClick();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(elsewhere->Checked()) << "a radio button of another parent is not touched";
    EXPECT_EQ(checked.Senders, (std::vector<std::string>{"rbA", "rbB"})) << "unchecking runs no click";
}

}  // namespace
}  // namespace rt::test
