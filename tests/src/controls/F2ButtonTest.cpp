#include "src/controls/F2Button.h"

#include "platform/forms/TInputInjector.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/streaming/FormResources.h"
#include "tests/src/controls/ControlsTestSupport.h"
#include "tests/platform/forms/UserClick.h"

namespace hemr_test {
namespace {

using hemr::TF2Button;

class F2ButtonTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ed = Add<rt::TEdit>("ed03", 64, 30, 85, 21);
        ed->SetTabStop(true);
        other = Add<rt::TEdit>("ed04", 64, 80, 85, 21);
        other->SetTabStop(true);
        btn = new TF2Button(form);
        btn->SetName("btn03");
        btn->SetParent(form);
    }
    rt::TEdit* ed = nullptr;
    rt::TEdit* other = nullptr;
    TF2Button* btn = nullptr;
};

TEST_F(F2ButtonTest, ANewButtonIsFlatWithTheLookupPicture) {
    EXPECT_TRUE(btn->Flat());
    EXPECT_EQ(btn->GlyphIndex(), 8);
    EXPECT_FALSE(btn->Glyph()->Empty());
    EXPECT_EQ(btn->Caption(), "");
    EXPECT_TRUE(btn->AutoAlign());
    EXPECT_EQ(btn->Gap(), 2);
}

TEST_F(F2ButtonTest, BindingPlacesASquareButtonRightOfTheEdit) {
    btn->SetF2Control(ed);
    EXPECT_EQ(btn->Left(), 151) << "64 + 85 + gap 2";
    EXPECT_EQ(btn->Top(), 30);
    EXPECT_EQ(btn->Height(), 21);
    EXPECT_EQ(btn->Width(), 21);

    btn->SetGap(6);
    EXPECT_EQ(btn->Left(), 155) << "a new gap aligns again";
    ed->SetLeft(10);
    EXPECT_EQ(btn->Left(), 155) << "later moves of the edit are not followed";
    btn->SetAutoAlign(true);
    EXPECT_EQ(btn->Left(), 101) << "setting AutoAlign aligns";

    btn->SetAutoAlign(false);
    btn->SetBounds(0, 0, 30, 30);
    btn->SetF2Control(other);
    EXPECT_EQ(btn->Left(), 0) << "without AutoAlign the button stays where it is";
    EXPECT_EQ(btn->F2Control(), other);
}

TEST_F(F2ButtonTest, ASecondButtonOnTheSameEditIsRefused) {
    btn->SetF2Control(ed);
    auto* second = new TF2Button(form);
    second->SetParent(form);
    second->SetBounds(300, 300, 23, 23);
    second->SetF2Control(ed);
    ASSERT_EQ(Dialogs().size(), 1u);
    EXPECT_EQ(Dialogs()[0].Text, "不能同时有两个 F2Button 指到同一个 Edit.");
    EXPECT_EQ(Dialogs()[0].Kind, rt::mtError);
    EXPECT_EQ(second->F2Control(), nullptr) << "the second binding is refused";
    EXPECT_EQ(second->Left(), 300) << "and the button is not moved";

    btn->SetF2Control(ed);
    EXPECT_EQ(Dialogs().size(), 1u) << "binding the same edit again is silent";
    EXPECT_EQ(btn->F2Control(), ed);

    second->SetF2Control(other);
    EXPECT_EQ(second->F2Control(), other) << "another edit is fine";
    btn->SetF2Control(nullptr);
    second->SetF2Control(ed);
    EXPECT_EQ(second->F2Control(), ed) << "an edit released by its button can be bound again";
}

TEST_F(F2ButtonTest, ButtonsInsideAGroupBoxOwnedByTheFormAreCheckedToo) {
    auto* box = Add<rt::TGroupBox>("gb", 0, 150, 300, 100);
    auto* inner = Add<rt::TEdit>("edInner", 10, 20, 85, 21, box);
    auto* a = new TF2Button(form);
    a->SetParent(box);
    a->SetF2Control(inner);
    auto* b = new TF2Button(form);
    b->SetParent(box);
    b->SetF2Control(inner);
    EXPECT_EQ(b->F2Control(), nullptr);
    EXPECT_EQ(LastDialogText(), "不能同时有两个 F2Button 指到同一个 Edit.");
}

TEST_F(F2ButtonTest, AClickRunsTheButtonsOwnEventThenAsksForTheLookupOnTheFocusedEdit) {
    form->Show();
    btn->SetF2Control(ed);
    other->SetFocus();
    TClickCount clicks;
    btn->OnClick = clicks.Event();
    ASSERT_TRUE(rt::Input().Click(btn));
    EXPECT_EQ(clicks.Count, 1) << "one user click is one click";
    ASSERT_EQ(form->Requests.size(), 1u);
    EXPECT_EQ(form->Requests[0], ed);
    EXPECT_TRUE(form->FocusedAtRequest[0]) << "the edit has the focus when the form is asked";
}

TEST_F(F2ButtonTest, NoRequestWithoutAnEditThatCanTakeTheFocus) {
    form->Show();
    TClickCount clicks;
    btn->OnClick = clicks.Event();
    EXPECT_TRUE(rt::test::UserClick(btn));
    EXPECT_EQ(clicks.Count, 1) << "the own event runs even without a binding";
    btn->SetF2Control(ed);
    ed->SetEnabled(false);
    EXPECT_TRUE(rt::test::UserClick(btn));
    ed->SetEnabled(true);
    ed->SetVisible(false);
    EXPECT_TRUE(rt::test::UserClick(btn));
    EXPECT_TRUE(form->Requests.empty()) << "a disabled or hidden edit is not asked for";
    EXPECT_EQ(clicks.Count, 3);
}

TEST_F(F2ButtonTest, AFreedEditDropsTheBinding) {
    btn->SetF2Control(ed);
    delete ed;
    EXPECT_EQ(btn->F2Control(), nullptr);
    EXPECT_TRUE(rt::test::UserClick(btn));
    EXPECT_TRUE(form->Requests.empty());
}

TEST_F(F2ButtonTest, TheFormResourceRestoresTheBindingAndPlace) {
    btn->SetF2Control(ed);
    btn->SetGap(4);
    const std::string text = rt::WriteComponentResText(form);
    EXPECT_NE(text.find("F2Control = ed03"), std::string::npos) << text;
    EXPECT_EQ(text.find("Flat ="), std::string::npos) << "a flat F2 button is the default: " << text;
    EXPECT_EQ(text.find("GlyphIndex"), std::string::npos) << "picture 8 is the default: " << text;

    auto* copy = new TLookupForm(&rt::Application());
    rt::ReadComponentResText(copy, text);
    auto* loaded = dynamic_cast<TF2Button*>(copy->FindComponent("btn03"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->F2Control(), copy->FindComponent("ed03"));
    EXPECT_EQ(loaded->Left(), 153);
    EXPECT_EQ(loaded->Gap(), 4);
    EXPECT_TRUE(Dialogs().empty());
    copy->Free();
}

}  // namespace
}  // namespace hemr_test
