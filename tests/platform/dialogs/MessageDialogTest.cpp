#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/dialogs/TMessageForm.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "tests/platform/forms/FormFixture.h"

namespace rt::test {
namespace {

class MessageDialogTest : public FormTest {
protected:
    TDialogDriver& Driver() { return Application().DialogDriver(); }
    static std::vector<std::string> Captions(const TDialogRecord& d) {
        std::vector<std::string> r;
        for (const auto& b : d.Buttons) r.push_back(b.Caption);
        return r;
    }
};

TEST_F(MessageDialogTest, DialogFormHoldsTheMessageAndOneNamedButtonPerAnswer) {
    TForm* form = CreateMessageDialog("Save?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo, mbCancel});
    auto* message = dynamic_cast<TLabel*>(form->FindComponent("Message"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Caption(), "Save?");
    EXPECT_EQ(form->Caption(), "Confirmation");
    auto* yes = dynamic_cast<TButton*>(form->FindComponent("Yes"));
    auto* no = dynamic_cast<TButton*>(form->FindComponent("No"));
    auto* cancel = dynamic_cast<TButton*>(form->FindComponent("Cancel"));
    ASSERT_TRUE(yes && no && cancel);
    EXPECT_EQ(yes->ModalResult(), mrYes);
    EXPECT_EQ(no->ModalResult(), mrNo);
    EXPECT_TRUE(yes->Default()) << "without OK, Yes is the default";
    EXPECT_TRUE(cancel->Cancel());
    EXPECT_FALSE(no->Cancel());
    EXPECT_LT(yes->Left(), no->Left()) << "buttons are laid out in order";
    form->Free();
}

TEST_F(MessageDialogTest, ChangesMadeBeforeShowingAreWhatTheDriverRecords) {
    TForm* form = CreateMessageDialog("Delete the scheme?", mtWarning, TMsgDlgButtons{mbOK, mbCancel});
    form->SetCaption("提示");
    static_cast<TButton*>(form->FindComponent("OK"))->SetCaption("确定");
    static_cast<TButton*>(form->FindComponent("Cancel"))->SetCaption("取消");
    const TModalResult answer = form->ShowModal();
    form->Free();
    EXPECT_EQ(answer, mrOk) << "without a queued answer the default button answers";
    const TDialogRecord* d = Driver().LastDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Kind, mtWarning);
    EXPECT_EQ(d->Caption, "提示");
    EXPECT_EQ(d->Text, "Delete the scheme?");
    EXPECT_EQ(Captions(*d), (std::vector<std::string>{"确定", "取消"}));
    EXPECT_EQ(d->DefaultButton, "OK");
    EXPECT_EQ(d->Answer, mrOk);
}

TEST_F(MessageDialogTest, QueuedAnswersAreUsedInOrder) {
    Driver().QueueAnswer(mrNo);
    Driver().QueueAnswer(mrRetry);
    EXPECT_EQ(MessageDlg("one", mtConfirmation, mbYesNoCancel), mrNo);
    EXPECT_EQ(MessageDlg("two", mtError, mbAbortRetryIgnore), mrRetry);
    EXPECT_EQ(MessageDlg("three", mtError, mbAbortRetryIgnore), mrAbort) << "queue empty: the first button answers";
    ASSERT_EQ(Driver().Dialogs().size(), 3u);
    EXPECT_EQ(Driver().Dialogs()[1].Caption, "Error");
}

TEST_F(MessageDialogTest, ShowMessageUsesTheApplicationTitle) {
    Application().SetTitle("HEMR07");
    ShowMessage("Done");
    const TDialogRecord* d = Driver().LastDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Kind, mtCustom);
    EXPECT_EQ(d->Caption, "HEMR07");
    EXPECT_EQ(Captions(*d), (std::vector<std::string>{"OK"}));
    Application().SetTitle("");
}

TEST_F(MessageDialogTest, AllButtonNamesAndResults) {
    TForm* form = CreateMessageDialog("x", mtCustom,
                                      TMsgDlgButtons{mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll,
                                                     mbNoToAll, mbYesToAll, mbHelp});
    auto* f = static_cast<TMessageForm*>(form);
    std::vector<std::string> names;
    std::vector<TModalResult> results;
    for (const auto& b : f->Describe().Buttons) {
        names.push_back(b.Name);
        results.push_back(b.Result);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All",
                                               "NoToAll", "YesToAll", "Help"}));
    EXPECT_EQ(results, (std::vector<TModalResult>{6, 7, 1, 2, 3, 4, 5, 8, 9, 10, 0}));
    EXPECT_EQ(f->Describe().DefaultButton, "OK");
    form->Free();
    EXPECT_THROW(CreateMessageDialog("x", mtCustom, TMsgDlgButtons{}), EInvalidOperation);
}

TEST_F(MessageDialogTest, MessageBoxFlagsChooseButtonsKindAndDefault) {
    EXPECT_EQ(Application().MessageBox("Go on?", "Ask", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
    const TDialogRecord* d = Driver().LastDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Kind, mtConfirmation);
    EXPECT_EQ(d->DefaultButton, "No");
    Driver().QueueAnswer(IDCANCEL);
    EXPECT_EQ(Application().MessageBox("Retry?", "Ask", MB_RETRYCANCEL), IDCANCEL);
}

TEST_F(MessageDialogTest, CallbackSeesTheDialogAndAnswersIt) {
    Driver().SetCallback([](const TDialogRecord& d) { return d.Text == "Overwrite?" ? mrYes : mrNo; });
    EXPECT_EQ(MessageDlg("Overwrite?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}), mrYes);
    EXPECT_EQ(MessageDlg("Other", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}), mrNo);
}

}  // namespace
}  // namespace rt::test
