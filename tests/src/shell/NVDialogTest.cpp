// The dialog base: the owner's caption, function keys and the lookup
// messages handed to its operations for a control, and Enter moving on
// except in memos and grids.

#include <gtest/gtest.h>

#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TInputInjector.h"
#include "platform/grids/TStringGrid.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/stdctrls/TEdit.h"
#include "src/collaboration/NVDialogCF.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace hemr_test {

class TfrmDialogTest : public hemr::TfrmNVDialog {
    RT_CLASS(TfrmDialogTest, hemr::TfrmNVDialog)
public:
    explicit TfrmDialogTest(rt::TComponent* owner) : hemr::TfrmNVDialog(owner) {
        ed1 = Add<rt::TEdit>("ed1");
        ed2 = Add<rt::TEdit>("ed2");
        memo = Add<rt::TMemo>("me1");
        grid = Add<rt::TStringGrid>("gr1");
    }
    void DoF2Key(uint16_t& Key, rt::TWinControl* Control) override { Note("F2", Key, Control); }
    void DoF3Key(uint16_t& Key, rt::TWinControl* Control) override { Note("F3", Key, Control); }
    void DoF4Key(uint16_t& Key, rt::TWinControl* Control) override { Note("F4", Key, Control); }

    rt::TEdit* ed1;
    rt::TEdit* ed2;
    rt::TMemo* memo;
    rt::TStringGrid* grid;
    std::vector<std::string> calls;

private:
    template <class T>
    T* Add(const std::string& name) {
        T* control = Make<T>(this, name);
        control->SetParent(this);
        return control;
    }
    void Note(const std::string& name, uint16_t& key, rt::TWinControl* control) {
        calls.push_back(name + ":" + std::to_string(key) + ":" + (control != nullptr ? control->Name() : "-"));
        const uint16_t keep = key;
        if (name == "F2") hemr::TfrmNVDialog::DoF2Key(key, control);
        if (name == "F3") hemr::TfrmNVDialog::DoF3Key(key, control);
        if (name == "F4") hemr::TfrmNVDialog::DoF4Key(key, control);
        EXPECT_EQ(key, keep) << "the base operation leaves the key alone";
    }
};

class NVDialogTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        owner_.SetCaption("员工年龄分布表");
        dialog_ = new TfrmDialogTest(&owner_);
        dialog_->AfterConstruction();
        dialog_->Show();
    }
    void TearDown() override {
        dialog_->Free();
        ShellTest::TearDown();
    }
    rt::TForm owner_{nullptr};
    TfrmDialogTest* dialog_ = nullptr;
};

TEST_F(NVDialogTest, AFixedBorderDialogWithKeyPreviewAndItsOwnersCaption) {
    EXPECT_EQ(dialog_->BorderStyle(), rt::bsDialog);
    EXPECT_TRUE(dialog_->KeyPreview());
    EXPECT_EQ(dialog_->Caption(), "员工年龄分布表");
    EXPECT_TRUE(dialog_->Converted()) << "the texts were converted when it was created";
}

TEST_F(NVDialogTest, FunctionKeysAndLookupMessagesReachTheOperationsAndFocusTheControl) {
    dialog_->ed1->SetFocus();
    rt::Input().PressKey(rt::VK_F2);
    rt::Input().PressKey(rt::VK_F3);
    rt::Input().PressKey(rt::VK_F4);
    rt::Input().PressKey(rt::VK_F2, rt::TShiftState{rt::ssShift});
    EXPECT_EQ(dialog_->calls, (std::vector<std::string>{"F2:113:ed1", "F3:114:ed1", "F4:115:ed1"}))
        << "a shifted F2 is no lookup";
    dialog_->calls.clear();
    for (uint32_t message : {hemr::DialogF2Message, hemr::DialogF3Message, hemr::DialogF4Message})
        dialog_->Perform(message, 0, reinterpret_cast<rt::LPARAM>(static_cast<rt::TWinControl*>(dialog_->ed2)));
    EXPECT_EQ(dialog_->calls, (std::vector<std::string>{"F2:113:ed2", "F3:114:ed2", "F4:115:ed2"}));
    EXPECT_EQ(dialog_->ActiveControl(), dialog_->ed2) << "the base operation focuses the control";
}

TEST_F(NVDialogTest, EnterMovesOnExceptInMemosAndGrids) {
    dialog_->ed1->SetFocus();
    rt::Input().PressKey(rt::VK_RETURN);
    EXPECT_EQ(dialog_->ActiveControl(), dialog_->ed2);
    dialog_->memo->SetFocus();
    rt::Input().PressKey(rt::VK_RETURN);
    EXPECT_EQ(dialog_->ActiveControl(), dialog_->memo) << "Enter belongs to the memo";
    dialog_->grid->SetFocus();
    rt::Input().PressKey(rt::VK_RETURN);
    EXPECT_EQ(dialog_->ActiveControl(), dialog_->grid) << "and to the grid";
}

}  // namespace hemr_test
