#include <gtest/gtest.h>

#include "platform/streaming/FormResources.h"
#include "tests/platform/classes/StreamTestClasses.h"

namespace rt::test {
namespace {

// The exact text keeps resource files stable under diff: a change in layout is a deliberate act.
TEST(WriterOutputTest, LayoutOfWrittenResource) {
    RegisterStreamTestClasses();
    TTestBaseForm form(nullptr);
    form.SetName("frmA");
    form.Caption = "标题";
    auto* grd = new TTestGrid(&form);
    grd->SetName("grd");
    grd->GetItems()->Add("a b");
    static_cast<TTestColumnItem*>(grd->GetColumns()->Add())->Width = 7;
    grd->data = {1, 2};
    auto* ed = new TTestPanel(&form);
    ed->SetName("ed01");
    ed->SetParentComponent(grd);
    ed->Ratio = 2;
    ed->GetFont()->Style = TTestStyles{fsItalic};
    EXPECT_EQ(WriteComponentResText(&form),
              "object frmA: TTestBaseForm\n"
              "  Caption = #26631#39064\n"
              "  object grd: TTestGrid\n"
              "    Items.Strings = (\n"
              "      'a b')\n"
              "    Columns = <\n"
              "      item\n"
              "        Width = 7\n"
              "      end>\n"
              "    Data = {\n"
              "      0102}\n"
              "    object ed01: TTestPanel\n"
              "      Ratio = 2.0\n"
              "      Font.Style = [fsItalic]\n"
              "    end\n"
              "  end\n"
              "end\n");
}

}  // namespace
}  // namespace rt::test
