#include <gtest/gtest.h>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TypInfo.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TInputInjector.h"
#include "platform/forms/ToolkitClasses.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/streaming/FormResources.h"
#include "tests/platform/forms/FormFixture.h"

namespace rt::test {
namespace {

// A condition-style form whose controls and handler bindings come from its resource.
class TfrmResTest : public TForm {
    RT_CLASS(TfrmResTest, TForm)

public:
    explicit TfrmResTest(TComponent* owner) : TForm(owner) {}
    static void Publish(TPublisher<TfrmResTest>& p) {
        RT_METHOD(p, btnOkClick);
        RT_METHOD(p, btnOtherClick);
        RT_METHOD(p, ed01Exit);
    }
    void btnOkClick(TObject*) { Log.push_back("btnOkClick"); }
    void btnOtherClick(TObject*) { Log.push_back("btnOtherClick"); }
    void ed01Exit(TObject*) { Log.push_back("ed01Exit"); }
    std::vector<std::string> Log;
};

constexpr const char* kResource = R"(object frmResTest: TfrmResTest
  Left = 0
  Top = 0
  Width = 400
  Height = 191
  Caption = #24180#40836
  Color = clBtnFace
  KeyPreview = True
  object pnlTop: TPanel
    Left = 0
    Top = 0
    Width = 400
    Height = 60
    Align = alTop
    BevelOuter = bvLowered
    Color = clWindow
    TabOrder = 1
    object lbl04: TLabel
      Left = 8
      Top = 8
      Width = 60
      Height = 13
      Caption = '&Age'
      FocusControl = ed01
    end
    object ed01: TEdit
      Left = 80
      Top = 8
      Width = 121
      Height = 21
      MaxLength = 3
      TabOrder = 0
      Text = '20'
      OnExit = ed01Exit
    end
  end
  object chkAll: TCheckBox
    Left = 8
    Top = 70
    Width = 97
    Height = 17
    Caption = 'All'
    Checked = True
    TabOrder = 2
  end
  object memo: TMemo
    Left = 8
    Top = 90
    Width = 185
    Height = 40
    Lines.Strings = (
      'one'
      'two')
    TabOrder = 3
  end
  object btnOk: TButton
    Left = 240
    Top = 130
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
    OnClick = btnOkClick
  end
end
)";

class FormResourceControlsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        RegisterToolkitClasses();
        RegisterClass<TfrmResTest>();
        RegisterFormResource("TfrmResTest", kResource);
        form = NewForm<TfrmResTest>();
    }
    void TearDown() override {
        FormTest::TearDown();
        UnregisterFormResource("TfrmResTest");
    }
    template <class T>
    T* Find(const char* name) {
        return dynamic_cast<T*>(form->FindComponent(name));
    }
    TfrmResTest* form = nullptr;
};

TEST_F(FormResourceControlsTest, NestedControlsGetTheirParentsPropertiesAndTabOrder) {
    auto* panel = Find<TPanel>("pnlTop");
    auto* edit = Find<TEdit>("ed01");
    auto* label = Find<TLabel>("lbl04");
    ASSERT_TRUE(panel && edit && label && Find<TButton>("btnOk") && Find<TCheckBox>("chkAll"));
    EXPECT_EQ(edit->Parent(), panel) << "nesting sets the parent";
    EXPECT_EQ(label->Parent(), panel);
    EXPECT_EQ(form->Caption(), "年龄");
    EXPECT_EQ(edit->GetText(), "20");
    EXPECT_EQ(edit->MaxLength(), 3);
    EXPECT_EQ(label->FocusControl(), edit);
    EXPECT_EQ(panel->Color(), clWindow) << "colours are read by name";
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_TRUE(Find<TCheckBox>("chkAll")->Checked());
    EXPECT_EQ(Find<TMemo>("memo")->GetText(), "one\r\ntwo");
    EXPECT_EQ(Find<TButton>("btnOk")->TabOrder(), 0);
    EXPECT_EQ(panel->TabOrder(), 1);
}

TEST_F(FormResourceControlsTest, HandlersAreBoundByNameAndRunOnInput) {
    form->Show();
    EXPECT_TRUE(Find<TButton>("btnOk")->Focused()) << "tab order 0 is focused first";
    Find<TEdit>("ed01")->SetFocus();
    Input().PressKey("Enter");
    EXPECT_EQ(form->Log, (std::vector<std::string>{"btnOkClick"}));
    EXPECT_EQ(form->ModalResult(), mrOk);
    Input().PressKey("Tab");
    EXPECT_EQ(form->Log.back(), "ed01Exit");
}

TEST_F(FormResourceControlsTest, WritingAndReadingAgainGivesTheSameTree) {
    const std::string first = WriteComponentResText(form);
    EXPECT_NE(first.find("Color = clWindow"), std::string::npos) << "colours are written by name: " << first;
    EXPECT_NE(first.find("OnClick = btnOkClick"), std::string::npos);
    EXPECT_NE(first.find("FocusControl = ed01"), std::string::npos);
    EXPECT_EQ(first.find("Text = 'one"), std::string::npos) << "a memo's text is stored through its lines";
    // Not owned by the application, which already has a component of this name.
    auto* copy = new TfrmResTest(nullptr);
    created_.push_back(copy);
    ReadComponentResText(copy, first);
    EXPECT_EQ(WriteComponentResText(copy), first);
}

TEST_F(FormResourceControlsTest, PropertiesByNameAndPathOnControls) {
    auto* edit = Find<TEdit>("ed01");
    auto* button = Find<TButton>("btnOk");
    SetStrProp(edit, "Font.Name", "宋体");
    EXPECT_EQ(edit->Font()->Name(), "宋体");
    EXPECT_FALSE(edit->ParentFont()) << "changing the font through its path detaches it from the parent";
    SetPropText(edit, "CharCase", "ecUpperCase");
    EXPECT_EQ(edit->CharCase(), ecUpperCase);
    EXPECT_EQ(GetEnumProp(Find<TPanel>("pnlTop"), "BevelOuter"), "bvLowered");
    SetPropText(edit, "Color", "clRed");
    EXPECT_EQ(GetPropText(edit, "Color"), "clRed");
    EXPECT_EQ(edit->Color(), clRed);
    EXPECT_FALSE(TrySetPropText(edit, "Color", "clNoSuchColour").Ok);
    EXPECT_EQ(edit->Color(), clRed) << "a refused colour leaves the old one";
    SetPropText(edit, "Font.Color", "$000000FF");
    EXPECT_EQ(edit->Font()->Color(), clRed);
    EXPECT_EQ(GetPropText(edit, "Font.Color"), "clRed");
    EXPECT_FALSE(HasProperty(edit, "Caption")) << "an edit publishes Text, not Caption";
    EXPECT_TRUE(HasProperty(button, "ModalResult"));

    // Handlers chain through method pairs: keep the old one, put another in, put it back.
    const TMethod original = GetMethodProp(button, "OnClick");
    SetPropText(button, "OnClick", "btnOtherClick");
    button->Click();
    EXPECT_EQ(form->Log, (std::vector<std::string>{"btnOtherClick"}));
    EXPECT_FALSE(GetMethodProp(button, "OnClick") == original);
    SetMethodProp(button, "OnClick", original);
    button->Click();
    EXPECT_EQ(form->Log.back(), "btnOkClick");
    EXPECT_FALSE(TrySetPropText(button, "OnClick", "noSuchHandler").Ok);
    EXPECT_TRUE(GetMethodProp(button, "OnClick") == original);
}

TEST_F(FormResourceControlsTest, UnknownColourNameInAResourceIsAnErrorWithItsPath) {
    auto* other = new TForm(&Application());
    created_.push_back(other);
    try {
        ReadComponentResText(other, "object f: TForm\n  object p: TPanel\n    Color = clNoSuch\n  end\nend\n");
        FAIL() << "an unknown colour must not be ignored";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("p.Color"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace rt::test
