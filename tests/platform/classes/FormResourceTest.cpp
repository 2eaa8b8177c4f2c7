#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/TypInfo.h"
#include "platform/streaming/FormResources.h"
#include "platform/streaming/TFormParser.h"
#include "platform/streaming/TFormPrinter.h"
#include "tests/platform/classes/StreamTestClasses.h"

namespace rt::test {
namespace {

const char kForm[] = R"(object frmMain: TTestBaseForm
  Caption = 'Age '#25253#34920' ''1'''#13#10'next' +
    ' line'
  OnCreate = btnOkClick
  object pnlTop: TTestPanel
    Width = 300
    Font.Name = #23435#20307
    Font.Style = [fsBold, fsUnderline]
    object ed01: TTestPanel
      Text = 'x'
      Alignment = taCenter
      Visible = False
      Ratio = 1.25
      PasswordChar = '*'
      FocusControl = grd
      OnExit = ed01Exit
      OnKeyDown = ed01KeyDown
    end
  end
  object grd: TTestGrid
    Tag = -7
    Items.Strings = (
      'one'
      '中文'
      '')
    Columns = <
      item
        Caption = 'Name'
        Width = 80
      end
      item
        Alignment = taRightJustify
      end>
    Cells = (
      0 0 'a'
      1 2 'b c')
    Data = {
      00FF10ab}
  end
end
)";

class FormResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStreamTestClasses();
        LoadedLog().clear();
    }
};

TEST_F(FormResourceTest, ReadsEveryKindOfValue) {
    TTestBaseForm form(nullptr);
    ReadComponentResText(&form, kForm);
    EXPECT_EQ(form.Name(), "frmMain");
    EXPECT_EQ(form.Caption, "Age 报表 '1'\r\nnext line") << "quotes, #codes and + joins";
    auto* pnl = dynamic_cast<TTestPanel*>(form.FindComponent("pnlTop"));
    auto* ed = dynamic_cast<TTestEdit*>(form.FindComponent("ed01"));
    auto* grd = dynamic_cast<TTestGrid*>(form.FindComponent("grd"));
    ASSERT_TRUE(pnl && ed && grd) << "children are created by class name";
    EXPECT_EQ(ed->Owner(), &form) << "all owned by the root";
    ASSERT_EQ(pnl->children.size(), 1u);
    EXPECT_EQ(pnl->children[0], ed) << "parent hook called with the enclosing component";
    EXPECT_EQ(pnl->GetFont()->Name, "宋体");
    EXPECT_EQ(GetSetProp(pnl, "Font.Style"), "[fsBold,fsUnderline]");
    EXPECT_EQ(ed->Alignment, taCenter);
    EXPECT_FALSE(ed->Visible);
    EXPECT_DOUBLE_EQ(ed->Ratio, 1.25);
    EXPECT_EQ(ed->PasswordChar, '*');
    EXPECT_EQ(ed->GetFocusControl(), grd) << "forward reference resolved after reading";
    ed->OnExit(ed);
    EXPECT_EQ(form.log.back(), "ed01Exit:ed01") << "handler bound through the form's method table";
    form.OnCreate(&form);
    EXPECT_EQ(form.log.back(), "ok");
    EXPECT_EQ(grd->Tag(), -7);
    EXPECT_EQ(grd->GetItems()->CommaText(), "one,中文,");
    ASSERT_EQ(grd->GetColumns()->Count(), 2);
    auto* col0 = static_cast<TTestColumnItem*>(grd->GetColumns()->Items(0));
    auto* col1 = static_cast<TTestColumnItem*>(grd->GetColumns()->Items(1));
    EXPECT_EQ(col0->Caption, "Name");
    EXPECT_EQ(col0->Width, 80);
    EXPECT_EQ(col1->Alignment, taRightJustify);
    EXPECT_EQ(grd->cells.at({1, 2}), "b c");
    EXPECT_EQ(grd->data, (std::vector<uint8_t>{0x00, 0xFF, 0x10, 0xAB}));
    EXPECT_FALSE(grd->ComponentState().Contains(csLoading));
    EXPECT_FALSE(grd->ComponentState().Contains(csReading));
}

TEST_F(FormResourceTest, LoadedRunsOnceForEveryComponentInCreationOrder) {
    TTestBaseForm form(nullptr);
    ReadComponentResText(&form, kForm);
    EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"frmMain", "pnlTop", "ed01", "grd"}))
        << "root first, then each component as created";
}

TEST_F(FormResourceTest, WriteReadWriteRoundTrip) {
    TTestBaseForm form(nullptr);
    ReadComponentResText(&form, kForm);
    const std::string written = WriteComponentResText(&form);
    std::unique_ptr<TComponent> copy(CreateComponentFromResource(written, nullptr));
    ASSERT_EQ(copy->ClassName(), "TTestBaseForm");
    EXPECT_EQ(WriteComponentResText(copy.get()), written) << "reading what was written gives the same tree";
    auto* grd = dynamic_cast<TTestGrid*>(copy->FindComponent("grd"));
    ASSERT_NE(grd, nullptr);
    EXPECT_EQ(grd->cells.size(), 2u);
    EXPECT_EQ(GetStrProp(copy->FindComponent("pnlTop"), "Font.Name"), "宋体");
    EXPECT_EQ(static_cast<TTestBaseForm*>(copy.get())->Caption, "Age 报表 '1'\r\nnext line");
    EXPECT_NE(written.find("#25253#34920"), std::string::npos) << "non-ASCII written as code points";
    EXPECT_EQ(written.find("Visible = True"), std::string::npos) << "default values are not written";
    EXPECT_EQ(written.find("Counter"), std::string::npos) << "non-stored properties are not written";
    EXPECT_NE(written.find("FocusControl = grd"), std::string::npos);
    const size_t ed01 = written.find("object ed01");
    EXPECT_GT(ed01, written.find("object pnlTop")) << "children written under their parent";
    EXPECT_LT(written.find("Text = 'x'"), written.find("Alignment = taCenter")) << "table order";
}

TEST_F(FormResourceTest, PrinterBreaksLongStringsAndKeepsNonUtf8Bytes) {
    TResourceNode node;
    node.name = "x";
    node.className = "TTestBaseForm";
    const std::string longText(150, 'a');
    const std::string bytes = "\xB1\xA8\xB1\xED";  // code-page bytes, not UTF-8
    node.properties.push_back({"Caption", TResourceValue::String(longText + "中"), 0});
    node.properties.push_back({"Hint", TResourceValue::String(bytes), 0});
    const std::string text = TFormPrinter::Print(node);
    EXPECT_NE(text.find("' +\n"), std::string::npos);
    const TResourceNode back = TFormParser(text).ParseResource();
    EXPECT_EQ(back.properties[0].value.text, longText + "中");
    EXPECT_EQ(back.properties[1].value.text, bytes) << "bytes that are not UTF-8 survive";
    EXPECT_EQ(QuoteResourceString(""), "''");
    EXPECT_EQ(QuoteResourceString("it's\t"), "'it''s'#9");
}

TEST_F(FormResourceTest, ErrorsNameThePath) {
    auto readError = [](const std::string& text) -> std::string {
        TTestBaseForm form(nullptr);
        try {
            ReadComponentResText(&form, text);
        } catch (const EReadError& e) {
            return e.Message();
        }
        return "no error";
    };
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object ed01: TTestEdit\n  Foo = 1\n end\nend\n"),
              "Error reading frmX.ed01.Foo: Property Foo does not exist");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object ed01: TNoSuchEdit\n end\nend\n"),
              "Error reading frmX.ed01: Class TNoSuchEdit not found");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object ed01: TTestEdit\n  Alignment = taMiddle\n end\nend\n"),
              "Error reading frmX.ed01.Alignment: Invalid value 'taMiddle' for property Alignment");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object ed01: TTestEdit\n  Width = 'wide'\n end\nend\n"),
              "Error reading frmX.ed01.Width: Invalid property value: integer expected, found string");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object ed01: TTestEdit\n  Font.Nme = 'a'\n end\nend\n"),
              "Error reading frmX.ed01.Font.Nme: Property Font.Nme does not exist");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object ed01: TTestEdit\n  OnExit = nothere\n end\nend\n"),
              "Error reading frmX.ed01.OnExit: Method nothere not found in TTestBaseForm");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object ed01: TTestEdit\n  FocusControl = ed99\n end\nend\n"),
              "Error reading frmX.ed01.FocusControl: Component ed99 not found");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object g: TTestGrid\n  Cells = (0 'a')\n end\nend\n"),
              "Error reading frmX.g.Cells: Invalid property value: integer expected, found string");
    EXPECT_EQ(readError("object frmX: TTestEdit\nend\n"),
              "Error reading frmX: Resource of class TTestEdit cannot be read into a TTestBaseForm");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n Caption = 'open\nend\n"),
              "Error reading form resource line 2: Unterminated string");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n Caption 'x'\nend\n"),
              "Error reading form resource line 2: '=' expected");
    EXPECT_EQ(readError("object frmX: TTestBaseForm\n object g: TTestGrid\n  Cells = (0 0\n  'a)\n end\nend\n"),
              "Error reading form resource line 4: Unterminated string")
        << "a list is checked when parsed, though its values are read later";
}

// Parsed lists keep their text and are read value by value; printing one gives it back.
TEST_F(FormResourceTest, ParsedNestedListsPrintBackUnchanged) {
    const std::string text = "object x: TTestBaseForm\n  Data = (\n    1\n    (\n      'a' +\n        'b'\n"
                             "      ()\n      [fsBold])\n    2.5)\nend\n";
    const std::string joined = TFormPrinter::Print(TFormParser(text).ParseResource());
    EXPECT_EQ(joined, "object x: TTestBaseForm\n  Data = (\n    1\n    (\n      'ab'\n      ()\n"
                      "      [fsBold])\n    2.5)\nend\n");
}

TEST_F(FormResourceTest, DerivedResourceAppliesOverItsAncestors) {
    RegisterFormResource("TTestBaseForm", R"(object frmBase: TTestBaseForm
  Caption = 'Base'
  object pnlTop: TTestPanel
    Width = 100
    object ed01: TTestEdit
      Text = 'base'
    end
  end
end
)");
    RegisterFormResource("TTestDerivedForm", R"(inherited frmDerived: TTestDerivedForm
  OnCreate = FormCreate
  inherited pnlTop: TTestPanel
    Width = 200
    inherited ed01: TTestEdit
      Text = 'derived'
    end
    object ed02: TTestPanel
    end
  end
end
)");
    TTestDerivedForm form(nullptr);
    ASSERT_TRUE(ReadFormResources(&form));
    EXPECT_EQ(form.Name(), "frmDerived");
    EXPECT_EQ(form.Caption, "Base") << "ancestor's value kept where the derived one says nothing";
    EXPECT_EQ(GetOrdProp(form.FindComponent("pnlTop"), "Width"), 200);
    EXPECT_EQ(GetStrProp(form.FindComponent("ed01"), "Text"), "derived");
    EXPECT_EQ(form.ComponentCount(), 3) << "inherited entries modify, they do not create";
    form.OnCreate(&form);
    EXPECT_EQ(form.log.back(), "create");
    EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"frmDerived", "pnlTop", "ed02"}))
        << "Loaded once per component, after both resources";

    TTestBaseForm base(nullptr);
    ASSERT_TRUE(ReadFormResources(&base));
    EXPECT_EQ(GetStrProp(base.FindComponent("ed01"), "Text"), "base");

    RegisterFormResource("TTestDerivedForm", "inherited frmDerived: TTestDerivedForm\n inherited edGone: TTestEdit\n end\nend\n");
    TTestDerivedForm broken(nullptr);
    try {
        ReadFormResources(&broken);
        FAIL() << "an inherited entry without ancestor component must raise";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Error reading frmDerived.edGone: Ancestor component edGone not found");
    }
    UnregisterFormResource("TTestDerivedForm");
    UnregisterFormResource("TTestBaseForm");
    TTestBaseForm none(nullptr);
    EXPECT_FALSE(ReadFormResources(&none));
    EXPECT_EQ(FindFormResource("TTestBaseForm"), nullptr);
}

TEST_F(FormResourceTest, InlineFrameReadsItsOwnResourceFirst) {
    RegisterFormResource("TTestPanel", "object fraBase: TTestPanel\n Width = 10\n object edInner: TTestEdit\n  Text = 'frame'\n end\nend\n");
    TTestBaseForm form(nullptr);
    ReadComponentResText(&form, R"(object frmX: TTestBaseForm
  inline fra1: TTestPanel
    Width = 20
    inherited edInner: TTestEdit
      Text = 'changed'
    end
  end
end
)");
    UnregisterFormResource("TTestPanel");
    TComponent* frame = form.FindComponent("fra1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(GetOrdProp(frame, "Width"), 20);
    TComponent* inner = frame->FindComponent("edInner");
    ASSERT_NE(inner, nullptr) << "the frame owns its own components";
    EXPECT_EQ(GetStrProp(inner, "Text"), "changed");
}

}  // namespace
}  // namespace rt::test
