#include <gtest/gtest.h>

#include "platform/controls/VirtualKeys.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/stdctrls/TEdit.h"
#include "tests/platform/forms/FormFixture.h"

namespace rt::test {
namespace {

// Sends keys the way a focused control receives them, without the injector.
void Type(TWinControl* c, const std::string& text) {
    for (char ch : text) c->Perform(WM_CHAR, static_cast<unsigned char>(ch));
}
void Key(TWinControl* c, uint16_t key, TShiftState shift = {}) {
    if (!c->HandleKeyDown(key, shift)) {
        if (key == VK_BACK) c->Perform(WM_CHAR, '\b');
        if (key == VK_RETURN) c->Perform(WM_CHAR, '\r');
    }
}

class EditTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form = NewForm();
        edit = new TEdit(form);
        edit->SetName("ed01");
        edit->SetParent(form);
        edit->OnChange = changed.Event();
        form->Show();
    }
    TLogForm* form = nullptr;
    TEdit* edit = nullptr;
    TEventCounter changed;
    int& changes = changed.Count;
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndReplacesTheSelection) {
    Type(edit, "abc");
    EXPECT_EQ(edit->GetText(), "abc");
    EXPECT_EQ(edit->CaretIndex(), 3);
    EXPECT_EQ(changes, 3) << "every typed character is a change";
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    EXPECT_EQ(edit->SelText(), "b");
    Type(edit, "XY");
    EXPECT_EQ(edit->GetText(), "aXYc") << "the selected b is replaced by the typed text";
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_TRUE(edit->Modified());
}

TEST_F(EditTest, MaxLengthCountsCharactersAndRefusesWhatDoesNotFit) {
    edit->SetMaxLength(3);
    Type(edit, "年龄ab");
    EXPECT_EQ(edit->GetText(), "年龄a") << "two Chinese characters and one letter fill three characters";
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    Type(edit, "x");
    EXPECT_EQ(edit->GetText(), "x龄a") << "replacing a selection frees its room";
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    edit->SetSelText("long text");
    EXPECT_EQ(edit->GetText(), "long text龄a") << "program changes are not limited";
}

TEST_F(EditTest, ReadOnlyRefusesTypingAndDeletingButMovesTheCaret) {
    edit->SetText("1234");
    edit->SetReadOnly(true);
    changes = 0;
    Key(edit, VK_END);
    Type(edit, "5");
    Key(edit, VK_BACK);
    Key(edit, VK_HOME);
    Key(edit, VK_DELETE);
    EXPECT_EQ(edit->GetText(), "1234");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(edit->CaretIndex(), 0) << "Home still moved the caret";
}

TEST_F(EditTest, EditingKeysMoveDeleteAndExtendTheSelection) {
    edit->SetText("hello");
    Key(edit, VK_END);
    Key(edit, VK_BACK);
    EXPECT_EQ(edit->GetText(), "hell");
    Key(edit, VK_HOME);
    Key(edit, VK_DELETE);
    EXPECT_EQ(edit->GetText(), "ell");
    Key(edit, VK_RIGHT, TShiftState{ssShift});
    Key(edit, VK_RIGHT, TShiftState{ssShift});
    EXPECT_EQ(edit->SelText(), "el");
    Key(edit, VK_LEFT);
    EXPECT_EQ(edit->CaretIndex(), 0) << "Left collapses a selection to its start";
    Key(edit, VK_LEFT);
    Key(edit, VK_BACK);
    EXPECT_EQ(edit->GetText(), "ell") << "nothing before the caret to delete";
}

TEST_F(EditTest, ProgramTextChangeRunsOnChangeOnceAndResetsTheCaret) {
    Type(edit, "ab");
    changes = 0;
    edit->SetText("xyz");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->CaretIndex(), 0);
    edit->SetText("xyz");
    EXPECT_EQ(changes, 1) << "the same text again is no change";
}

TEST_F(EditTest, CharCaseConvertsTypedAndAssignedTextAndPasswordCharMasksTheDisplay) {
    edit->SetCharCase(ecUpperCase);
    Type(edit, "ab1");
    EXPECT_EQ(edit->GetText(), "AB1");
    changes = 0;
    edit->SetText("mixed");
    EXPECT_EQ(edit->GetText(), "MIXED");
    EXPECT_EQ(changes, 1) << "the conversion is part of the same change";
    edit->SetPasswordChar('*');
    EXPECT_EQ(edit->DisplayText(), "*****");
    EXPECT_EQ(edit->GetText(), "MIXED");
}

// A derived edit that takes only digits, the way masked and spin edits validate.
class TDigitsEdit : public TEdit {
    RT_CLASS(TDigitsEdit, TEdit)

public:
    explicit TDigitsEdit(TComponent* owner) : TEdit(owner) {}

protected:
    bool AcceptEdit(const std::string& text) override { return text.find_first_not_of("0123456789") == std::string::npos; }
};

TEST_F(EditTest, DerivedEditVetoesUserEditsThroughAcceptEdit) {
    auto* digits = new TDigitsEdit(form);
    digits->SetParent(form);
    Type(digits, "1a2");
    EXPECT_EQ(digits->GetText(), "12");
}

TEST_F(EditTest, AutoSelectSelectsEverythingOnEnter) {
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetText("filled");
    other->SetFocus();
    EXPECT_EQ(other->SelText(), "filled");
    Type(other, "n");
    EXPECT_EQ(other->GetText(), "n");
}

class MemoTest : public EditTest {
protected:
    void SetUp() override {
        EditTest::SetUp();
        memo = new TMemo(form);
        memo->SetParent(form);
        memo->SetFocus();
    }
    TMemo* memo = nullptr;
};

TEST_F(MemoTest, LinesAndTextStayInStep) {
    memo->Lines()->Add("first");
    memo->Lines()->Add("second");
    EXPECT_EQ(memo->GetText(), "first\r\nsecond");
    memo->SetText("a\r\nb\r\nc");
    EXPECT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(2), "c");
}

TEST_F(MemoTest, EnterBreaksTheLineAndTheCaretKnowsItsLine) {
    Type(memo, "ab");
    Key(memo, VK_RETURN);
    Type(memo, "cd");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(1), "cd");
    EXPECT_EQ(memo->CaretPos().Y, 1);
    EXPECT_EQ(memo->CaretPos().X, 2);
    Key(memo, VK_UP);
    EXPECT_EQ(memo->CaretPos().Y, 0);
    Key(memo, VK_HOME);
    Type(memo, "X");
    EXPECT_EQ(memo->Lines()->Strings(0), "Xab");
}

TEST_F(MemoTest, WithoutWantReturnsEnterIsLeftToTheForm) {
    memo->SetWantReturns(false);
    Type(memo, "ab");
    Key(memo, VK_RETURN);
    EXPECT_EQ(memo->GetText(), "ab");
}

}  // namespace
}  // namespace rt::test
