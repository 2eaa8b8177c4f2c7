#include <gtest/gtest.h>

#include "platform/controls/KeyNames.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TInputInjector.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/sysutils/IntConv.h"
#include "tests/platform/forms/FormFixture.h"

namespace rt::test {
namespace {

using Log = std::vector<std::string>;

// A form with two edits, a memo and OK/Cancel buttons; its key handlers log what they see.
class TKeyForm : public TLogForm {
    RT_CLASS(TKeyForm, TLogForm)

public:
    explicit TKeyForm(TComponent* owner) : TLogForm(owner) {
        ed01 = Add<TEdit>("ed01");
        ed02 = Add<TEdit>("ed02");
        memo = Add<TMemo>("memo");
        btnOk = Add<TButton>("btnOk");
        btnOk->SetDefault(true);
        btnOk->SetModalResult(mrOk);
        btnCancel = Add<TButton>("btnCancel");
        btnCancel->SetCancel(true);
        btnCancel->SetModalResult(mrCancel);
        btnOk->OnClick = TNotifyEvent::Of<&TKeyForm::Clicked>(this);
        btnCancel->OnClick = TNotifyEvent::Of<&TKeyForm::Clicked>(this);
        OnKeyDown = TKeyEvent::Of<&TKeyForm::FormKeyDown>(this);
        OnKeyPress = TKeyPressEvent::Of<&TKeyForm::FormKeyPress>(this);
        ed01->OnKeyDown = TKeyEvent::Of<&TKeyForm::EditKeyDown>(this);
    }
    template <class T>
    T* Add(const std::string& name) {
        auto* c = new T(this);
        c->SetName(name);
        c->SetParent(this);
        return c;
    }
    void Clicked(TObject* sender) { Log.push_back(static_cast<TComponent*>(sender)->Name() + ".Click"); }
    void DoubleClicked(TObject* sender) { Log.push_back(static_cast<TComponent*>(sender)->Name() + ".DblClick"); }
    void FormKeyDown(TObject*, uint16_t& key, TShiftState) {
        Log.push_back("form.KeyDown " + KeyName(key));
        if (key == VK_F2) key = 0;
    }
    void FormKeyPress(TObject*, char& key) {
        if (key == '#') key = 0;
    }
    void EditKeyDown(TObject*, uint16_t& key, TShiftState) { Log.push_back("ed01.KeyDown " + KeyName(key)); }

    TEdit *ed01, *ed02;
    TMemo* memo;
    TButton *btnOk, *btnCancel;
};

class InputTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form = NewForm<TKeyForm>();
        form->SetKeyPreview(true);
        form->Show();
        form->Log.clear();
    }
    TKeyForm* form = nullptr;
    TInputInjector& input = Input();
};

TEST_F(InputTest, ADoubleClickAtAPointFocusesClicksAndThenDoubleClicksTheControlThere) {
    form->SetBounds(0, 0, 640, 480);
    form->ed02->SetBounds(400, 300, 80, 21);
    form->ed02->OnClick = TNotifyEvent::Of<&TKeyForm::Clicked>(form);
    form->ed02->OnDblClick = TNotifyEvent::Of<&TKeyForm::DoubleClicked>(form);
    form->ed01->SetFocus();
    form->Log.clear();
    input.DoubleClick(form, {410, 310});
    EXPECT_EQ(form->ActiveControl(), form->ed02) << "the first click takes the focus";
    EXPECT_EQ(form->Log, (Log{"ed02.Click", "ed02.DblClick"})) << "one click, then the double click";
    form->Log.clear();
    form->ed02->SetEnabled(false);
    input.DoubleClick(form, {410, 310});
    EXPECT_TRUE(form->Log.empty()) << "a disabled control takes no double click";
}

TEST_F(InputTest, KeyPreviewSeesKeysFirstAndConsumesThemWithZero) {
    input.PressKey("F3");
    EXPECT_EQ(form->Log, (Log{"form.KeyDown F3", "ed01.KeyDown F3"}));
    form->Log.clear();
    input.PressKey("F2");
    EXPECT_EQ(form->Log, (Log{"form.KeyDown F2"})) << "a key set to 0 by the form never reaches the control";
    input.TypeText("a#b");
    EXPECT_EQ(form->ed01->GetText(), "ab") << "a character set to 0 by the form is not typed";
    form->SetKeyPreview(false);
    form->Log.clear();
    input.PressKey("F2");
    EXPECT_EQ(form->Log, (Log{"ed01.KeyDown F2"})) << "without key preview the form is not asked";
}

TEST_F(InputTest, TabAndShiftTabWalkTheTabOrderButAMemoWithWantTabsKeepsTab) {
    input.PressKey("Tab");
    EXPECT_TRUE(form->ed02->Focused());
    input.PressKey("Shift+Tab");
    EXPECT_TRUE(form->ed01->Focused());
    EXPECT_EQ(form->ed01->GetText(), "") << "a Tab that moved the focus types nothing";
    form->memo->SetWantTabs(true);
    form->memo->SetFocus();
    input.PressKey("Tab");
    EXPECT_TRUE(form->memo->Focused());
    EXPECT_EQ(form->memo->GetText(), "\t");
}

TEST_F(InputTest, EnterClicksTheDefaultButtonEscapeTheCancelButton) {
    input.PressKey("Enter");
    input.PressKey("Escape");
    EXPECT_EQ(form->Log, (Log{"form.KeyDown Enter", "ed01.KeyDown Enter", "btnOk.Click", "form.KeyDown Escape",
                              "ed01.KeyDown Escape", "btnCancel.Click"}));
    form->memo->SetFocus();
    form->Log.clear();
    input.PressKey("Enter");
    EXPECT_EQ(form->memo->GetText(), "\r\n") << "a memo that wants returns keeps Enter";
    EXPECT_EQ(form->Log, (Log{"form.KeyDown Enter"}));
}

TEST_F(InputTest, ModalFormEndsWithTheResultOfTheButtonPressedInIt) {
    auto* dialog = NewForm<TKeyForm>();
    Application().SetModalDriver([](TCustomForm& f) {
        auto& d = static_cast<TKeyForm&>(f);
        Input().TypeText("42");
        EXPECT_TRUE(d.Visible()) << "typing does not end the modal loop";
        Input().PressKey("Enter");
        EXPECT_FALSE(d.Visible()) << "the modal result closes the form before control returns";
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(dialog->ed01->GetText(), "42");
    EXPECT_EQ(Screen().ActiveForm(), form) << "the form below is active again";
}

TEST_F(InputTest, NestedModalFormsReturnTheirOwnResults) {
    auto* outer = NewForm<TKeyForm>();
    auto* inner = NewForm<TKeyForm>();
    std::vector<TModalResult> seen;
    Application().SetModalDriver([&](TCustomForm& f) {
        if (&f == outer) {
            seen.push_back(inner->ShowModal());
            EXPECT_EQ(Application().ModalForm(), outer);
            EXPECT_FALSE(Input().Click(form->btnOk)) << "a form below the modal one takes no clicks";
            Input().Click(outer->btnOk);
        } else {
            EXPECT_EQ(Application().ModalForm(), inner);
            Input().Click(inner->btnCancel);
        }
    });
    seen.push_back(outer->ShowModal());
    EXPECT_EQ(seen, (std::vector<TModalResult>{mrCancel, mrOk}));
}

TEST_F(InputTest, CloseActionFreeIsDeferredUntilTheHandlerReturns) {
    auto* other = NewForm<TKeyForm>();
    struct Closer : TObject {
        TCustomForm* target = nullptr;
        bool aliveAfterClose = false;
        void Close(TObject*, TCloseAction& action) { action = caFree; }
        void Click(TObject*) {
            target->Close();
            aliveAfterClose = FormTest::IsAlive(target);
        }
    } closer;
    closer.target = other;
    other->OnClose = TCloseEvent::Of<&Closer::Close>(&closer);
    other->btnOk->OnClick = TNotifyEvent::Of<&Closer::Click>(&closer);
    other->Show();
    EXPECT_TRUE(Input().Click(other->btnOk));
    EXPECT_TRUE(closer.aliveAfterClose) << "the form still exists inside the handler that closed it";
    EXPECT_FALSE(IsAlive(other)) << "it is freed once control is back in the message loop";
}

TEST_F(InputTest, PostedMessagesRunAfterTheCurrentHandler) {
    struct Poster : TObject {
        TWinControl* target = nullptr;
        std::vector<std::string>* log = nullptr;
        void Click(TObject*) {
            Application().PostMessage(target->Handle(), WM_USER + 10, 0, 0);
            log->push_back("click done");
        }
    } poster;
    struct TReceiver : TEdit {
        explicit TReceiver(TComponent* o) : TEdit(o) {}
        std::vector<std::string>* log = nullptr;
        void WndProc(TMessage& m) override {
            if (m.Msg == WM_USER + 10) log->push_back("1034 handled");
            TEdit::WndProc(m);
        }
    };
    auto* receiver = new TReceiver(form);
    receiver->SetParent(form);
    receiver->log = &form->Log;
    poster.target = receiver;
    poster.log = &form->Log;
    form->btnOk->OnClick = TNotifyEvent::Of<&Poster::Click>(&poster);
    form->Log.clear();
    Input().Click(form->btnOk);
    EXPECT_EQ(form->Log, (Log{"click done", "1034 handled"}));
}

TEST_F(InputTest, ExceptionInAnExitHandlerBecomesAnErrorDialogAndKeepsTheFocus) {
    struct Checker : TObject {
        TEdit* edit = nullptr;
        void Exit(TObject*) { StrToInt(edit->GetText()); }
    } checker;
    checker.edit = form->ed01;
    form->ed01->OnExit = TNotifyEvent::Of<&Checker::Exit>(&checker);
    Input().TypeText("1-");
    Input().PressKey("Tab");
    const TDialogRecord* d = Application().DialogDriver().LastDialog();
    ASSERT_NE(d, nullptr) << "the exception is reported, not thrown at the caller";
    EXPECT_EQ(d->Kind, mtError);
    EXPECT_EQ(d->Text, "'1-' is not a valid integer value.");
    EXPECT_TRUE(form->ed01->Focused()) << "a failing exit keeps the focus on the edit";
    EXPECT_FALSE(Input().Click(form->btnOk)) << "the click on OK is lost when the exit fails";
    EXPECT_EQ(Application().DialogDriver().Dialogs().size(), 2u);
    Input().KeyPress('\b');
    Input().KeyPress('\b');
    Input().TypeText("7");
    EXPECT_TRUE(Input().Click(form->btnOk));
    EXPECT_TRUE(form->btnOk->Focused());
}

TEST_F(InputTest, OnExceptionReplacesTheErrorDialog) {
    struct Sink : TObject {
        std::string seen;
        void Handle(TObject*, const Exception& e) { seen = e.Message(); }
        void Raise(TObject*) { throw EConvertError("bad"); }
    } sink;
    Application().OnException = TExceptionEvent::Of<&Sink::Handle>(&sink);
    form->btnOk->OnClick = TNotifyEvent::Of<&Sink::Raise>(&sink);
    Input().Click(form->btnOk);
    EXPECT_EQ(sink.seen, "bad");
    EXPECT_TRUE(Application().DialogDriver().Dialogs().empty());
}

TEST_F(InputTest, ClicksAreIgnoredByDisabledOrHiddenControls) {
    TEventCounter clicked;
    auto* box = form->Add<TCheckBox>("chk");
    box->OnClick = clicked.Event();
    box->SetEnabled(false);
    EXPECT_FALSE(Input().Click(box));
    box->SetEnabled(true);
    box->SetVisible(false);
    EXPECT_FALSE(Input().Click(box));
    box->SetVisible(true);
    EXPECT_TRUE(Input().Click(box));
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    Input().PressKey("Space");
    EXPECT_FALSE(box->Checked()) << "Space toggles the focused check box";
    EXPECT_EQ(clicked.Count, 2);
}

TEST_F(InputTest, MouseDownAndUpAtAPointClickWhatIsThere) {
    form->btnOk->SetBounds(10, 100, 75, 25);
    Input().MouseDown(form, {20, 110});
    Input().MouseUp(form, {20, 110});
    EXPECT_EQ(form->Log, (Log{"btnOk.Click"}));
    form->Log.clear();
    Input().MouseDown(form, {20, 110});
    Input().MouseUp(form, {300, 200});
    EXPECT_TRUE(form->Log.empty()) << "released elsewhere: no click";
}

TEST_F(InputTest, TypingIntoAnEditHonoursMaxLengthReadOnlyAndSelection) {
    form->ed01->SetMaxLength(4);
    Input().TypeText("年龄123");
    EXPECT_EQ(form->ed01->GetText(), "年龄12");
    Input().PressKey("Home");
    Input().PressKey("Shift+Right");
    Input().TypeText("A");
    EXPECT_EQ(form->ed01->GetText(), "A龄12") << "the typed letter replaced the selected character";
    Input().PressKey("End");
    Input().PressKey("Backspace");
    EXPECT_EQ(form->ed01->GetText(), "A龄1");
    form->ed01->SetReadOnly(true);
    Input().TypeText("9");
    Input().PressKey("Backspace");
    EXPECT_EQ(form->ed01->GetText(), "A龄1");
}

TEST(KeyNamesTest, NamesParseWithModifiersAndWriteBack) {
    uint16_t key = 0;
    TShiftState shift;
    ASSERT_TRUE(ParseKeyName("Ctrl+PageDown", key, shift));
    EXPECT_EQ(key, VK_NEXT);
    EXPECT_EQ(shift, TShiftState{ssCtrl});
    ASSERT_TRUE(ParseKeyName("shift+tab", key, shift));
    EXPECT_EQ(KeyName(key, shift), "Shift+Tab");
    for (const char* name : {"Enter", "Escape", "F2", "F12", "Backspace", "Delete", "Insert", "Left", "Up", "Home",
                             "End", "PageUp", "Space", "A", "5", "Ctrl+Alt+V"}) {
        ASSERT_TRUE(ParseKeyName(name, key, shift)) << name;
        EXPECT_EQ(KeyName(key, shift), name);
    }
    key = 1;
    EXPECT_FALSE(ParseKeyName("F13", key, shift));
    EXPECT_FALSE(ParseKeyName("Hyper+A", key, shift));
    EXPECT_FALSE(ParseKeyName("", key, shift));
    EXPECT_EQ(key, 1) << "a failed parse leaves the key alone";
    EXPECT_THROW(Input().PressKey("Nope"), EConvertError);
}

}  // namespace
}  // namespace rt::test
