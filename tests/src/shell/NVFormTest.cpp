#include <gtest/gtest.h>

#include "platform/buttons/TSpeedButton.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/TBitmap.h"
#include "src/environment/CodeConverter.h"
#include "src/controls/NVForm.h"
#include "src/environment/LangNvController.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace {

using hemr::TNVForm;
using hemr_test::Make;
using hemr_test::TLangLabel;

// A control that would force an input method, for the create step.
class TImeEdit : public TLangLabel {
    RT_CLASS(TImeEdit, TLangLabel)
public:
    using TLangLabel::TLangLabel;
    static void Publish(rt::TPublisher<TImeEdit>& p) { p.Property("ImeName", &TImeEdit::ImeName); }
    std::string ImeName = "Chinese (Simplified) - Pinyin";
};


// A form of the module whose components are added before its create step runs.
class TfrmNVTest : public TNVForm {
    RT_CLASS(TfrmNVTest, TNVForm)
public:
    explicit TfrmNVTest(rt::TComponent* owner) : TNVForm(owner) {
        label = Make<TLangLabel>(this, "lbl01");
        label->Caption = "公司";
        label->Hint = "选择";
        edit = Make<TImeEdit>(this, "ed01");
        button = Make<rt::TSpeedButton>(this, "btn01");
        button->Glyph()->SetSize(4, 3);
        button->Glyph()->Fill(rt::clWhite);
        button->Glyph()->SetPixel(1, 1, rt::clBlack);
        button->Glyph()->Changed();
    }
    TLangLabel* label;
    TImeEdit* edit;
    rt::TSpeedButton* button;
};

class NVFormTest : public hemr_test::ShellTest {
protected:
    std::unique_ptr<TfrmNVTest> NewForm() {
        auto form = std::make_unique<TfrmNVTest>(nullptr);
        form->AfterConstruction();
        return form;
    }
};

TEST_F(NVFormTest, DefaultsAndOwnedComponentsComeWithEveryForm) {
    auto form = NewForm();
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_TRUE(form->ShowHint());
    EXPECT_EQ(form->Position(), rt::poScreenCenter);
    EXPECT_FALSE(form->Scaled());
    EXPECT_EQ(form->Font()->Name(), "宋体");
    EXPECT_EQ(form->Font()->PixelHeight(), 13);
    EXPECT_EQ(form->Color(), rt::clBtnFace);
    EXPECT_EQ(form->Width(), 400);
    EXPECT_EQ(form->Height(), 191);
    ASSERT_NE(form->NvConverter(), nullptr);
    ASSERT_NE(form->LangController(), nullptr);
    EXPECT_EQ(form->NvConverter()->Owner(), form.get());
    EXPECT_EQ(form->NvConverter()->DesignType(), hemr::dtClient);
    EXPECT_FALSE(form->LangController()->Active());
    EXPECT_FALSE(form->Converted());
    EXPECT_EQ(form->GetUICodePage(), "936");
    EXPECT_EQ(form->GetSystemCodePage(), "936");
    EXPECT_EQ(form->GetUIConvertMode(), 0);
}

TEST_F(NVFormTest, CreateStepClearsInputMethodsAndKeepsFontsOnAChineseInterface) {
    auto form = NewForm();
    EXPECT_EQ(form->edit->ImeName, "") << "no input method is forced on a control";
    EXPECT_EQ(form->label->FontPtr()->Name(), rt::TFont::kDefaultName);
    EXPECT_NE(form->label->FontPtr()->Charset(), 134);
    EXPECT_EQ(form->button->NumGlyphs(), 2) << "a one-glyph button gets its disabled glyph";
    EXPECT_EQ(form->button->Glyph()->Width(), 8);
}

TEST_F(NVFormTest, CreateStepGivesEveryFontTahomaWithGB2312OnAnEnglishInterface) {
    UseCodePages("437", "437");
    auto form = NewForm();
    for (TLangLabel* c : {form->label, static_cast<TLangLabel*>(form->edit)}) {
        EXPECT_EQ(c->FontPtr()->Name(), "Tahoma") << c->Name();
        EXPECT_EQ(c->FontPtr()->Charset(), 134) << c->Name();
    }
}

TEST_F(NVFormTest, ConvertOnceConvertsTheTextsOnlyTheFirstTime) {
    UseCodePages("950", "950");
    auto form = NewForm();
    ASSERT_EQ(form->GetUIConvertMode(), 2) << "a Traditional interface converts from the design texts";
    form->ConvertOnce();
    EXPECT_TRUE(form->Converted());
    EXPECT_EQ(form->label->Hint, "選擇") << "converted to Traditional";
    form->label->Hint = "选择";
    form->ConvertOnce();
    EXPECT_EQ(form->label->Hint, "选择") << "a second call converts nothing";
}

TEST_F(NVFormTest, LanguagePacksApplyFromTheBaseFormDownToTheFormsOwnClass) {
    WritePack("CHS", "TNVForm", "<TNVForm Caption=\"Base\"><lbl01 Caption=\"Co.\" Hint=\"Pick\"/></TNVForm>");
    WritePack("CHS", "TfrmNVTest", "<TfrmNVTest Caption=\"Derived\"><lbl01 Caption=\"Company\"/></TfrmNVTest>");
    auto form = NewForm();
    form->Show();
    EXPECT_EQ(form->label->Caption, "Company") << "the form's own pack wins";
    EXPECT_EQ(form->label->Hint, "Pick") << "what only the base pack sets stays";
    EXPECT_EQ(form->Caption(), "Derived");

    form->label->Caption = "公司";
    form->label->Hint = "选择";
    form->ApplyDerivedLanguagePacks(form.get(), true);
    EXPECT_EQ(form->label->Caption, "Company");
    EXPECT_EQ(form->label->Hint, "选择") << "the derived walk leaves the base form's pack out";
}

TEST_F(NVFormTest, MissingOrBrokenPacksLeaveTheBuiltInTexts) {
    WritePack("CHS", "TNVForm", "<TNVForm><lbl01 Caption=");
    auto form = NewForm();
    form->Show();
    EXPECT_EQ(form->label->Caption, "公司");
    std::string text;
    form->GetLangText("TfrmNVTest", "sMissing", text, false, "方案名称");
    EXPECT_EQ(text, "方案名称");
    WritePack("CHS", "TfrmNVTest", "<TfrmNVTest><sProjectName Msg=\"Scheme\"/></TfrmNVTest>");
    form->GetLangText("TfrmNVTest", "sProjectName", text, true, "方案名称");
    EXPECT_EQ(text, "Scheme");
}

TEST_F(NVFormTest, GetLangTextConvertsTheDefaultOnlyWhenAsked) {
    UseCodePages("950", "950");
    auto form = NewForm();
    std::string text;
    form->GetLangText("TfrmNVTest", "sNone", text, true, "方案名称");
    EXPECT_EQ(text, "方案名稱");
    form->GetLangText("TfrmNVTest", "sNone", text, false, "方案名称");
    EXPECT_EQ(text, "方案名称");
}

TEST_F(NVFormTest, ShowMessageBoxAnswersThroughTheDialogDriver) {
    auto form = NewForm();
    rt::Application().DialogDriver().QueueAnswer(rt::mrYes);
    EXPECT_EQ(form->ShowMessageBox("继续吗?", rt::mtConfirmation, rt::TMsgDlgButtons{rt::mbYes, rt::mbNo}), rt::mrYes);
    ASSERT_NE(rt::Application().DialogDriver().LastDialog(), nullptr);
    EXPECT_EQ(rt::Application().DialogDriver().LastDialog()->Text.rfind("继续吗?", 0), 0u)
        << "the converter's dialog shows the text";
}

}  // namespace
