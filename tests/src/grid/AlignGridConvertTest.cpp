#include "platform/graphics/TFont.h"
#include "src/environment/CodeConverter.h"
#include "tests/src/grid/AlignGridTestSupport.h"

namespace hemr_test {
namespace {

using hemr::TPropTarget;

TEST_F(AlignGridTest, ConvertingAWholeFormConvertsCellsHintsItemsAndFonts) {
    grid->SetCells(1, 1, "部门");
    grid->SetCellHint(1, 1, "员工");
    grid->SetCellEditor(2, -1, hemr::ekDropDown, {}, {"邮件"}, true);
    rt::TFont font;
    font.SetName("Arial");
    grid->SetFontOf(TPropTarget::Cell(3, 3), &font);
    grid->SetFontOf(TPropTarget::FixedLine(0), &font);
    hemr::TCodeConverter::TSettings settings;
    settings.UICodePage = "950";
    settings.UIConvertMode = 2;
    auto* converter = new hemr::TCodeConverter(form, settings);

    converter->ConvertForm(form, false);
    EXPECT_EQ(grid->Cells(1, 1), "部门") << "grids are converted only with the whole form";
    converter->ConvertForm(form, true);
    EXPECT_EQ(grid->Cells(1, 1), "部門");
    EXPECT_EQ(grid->CellHint(1, 1), "員工");
    EXPECT_EQ(grid->CellEditor(2, 1)->Items().front(), "郵件");
    EXPECT_EQ(grid->FontOf(TPropTarget::Cell(3, 3))->Charset(), 136) << "the Big5 character set";
    EXPECT_EQ(grid->FontOf(TPropTarget::FixedLine(0))->Name(), "SimSun");
}

}  // namespace
}  // namespace hemr_test
