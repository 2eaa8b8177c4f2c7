#include "src/controls/NvSpinEdit.h"

#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TInputInjector.h"
#include "tests/src/controls/ControlsTestSupport.h"

namespace hemr_test {
namespace {

class NvSpinEditTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        spin = Add<hemr::TNvSpinEdit>("sp01", 10, 10, 60, 21);
        form->Show();
        spin->SetFocus();
        spin->OnChange = changes.Event();
    }
    void Type(const std::string& text) { rt::Input().TypeText(text); }
    hemr::TNvSpinEdit* spin = nullptr;
    TClickCount changes;
};

TEST_F(NvSpinEditTest, ASignTypedAfterTheDigitsIsTakenBackSilently) {
    spin->SetText("12");
    spin->SetSelStart(2);
    changes.Count = 0;
    Type("+");
    EXPECT_EQ(spin->GetText(), "12");
    EXPECT_EQ(changes.Count, 0) << "no change event for the sign";
    Type("-");
    EXPECT_EQ(spin->GetText(), "12");
    Type("3");
    EXPECT_EQ(spin->GetText(), "123");
    EXPECT_EQ(changes.Count, 1) << "a digit is a change";
}

TEST_F(NvSpinEditTest, ALeadingSignIsAccepted) {
    spin->SetText("");
    changes.Count = 0;
    Type("-5");
    EXPECT_EQ(spin->GetText(), "-5");
    EXPECT_EQ(changes.Count, 2);
    EXPECT_EQ(spin->Value(), -5);
}

TEST_F(NvSpinEditTest, ASignInsertedInTheMiddleCutsTheTextBackToBeforeIt) {
    spin->SetText("123");
    spin->SetSelStart(1);
    changes.Count = 0;
    Type("+");
    EXPECT_EQ(spin->GetText(), "1") << "the last characters go until no sign is out of place";
    EXPECT_EQ(changes.Count, 1) << "the text did change";
}

TEST_F(NvSpinEditTest, ClearingTheFieldRaisesNoChange) {
    spin->SetText("42");
    changes.Count = 0;
    spin->SelectAll();
    rt::Input().PressKey(rt::VK_DELETE);
    EXPECT_EQ(spin->GetText(), "");
    spin->SetText("  ");
    EXPECT_EQ(changes.Count, 0) << "a blank text is not passed on";
    Type("7");
    EXPECT_EQ(changes.Count, 1);
}

}  // namespace
}  // namespace hemr_test
