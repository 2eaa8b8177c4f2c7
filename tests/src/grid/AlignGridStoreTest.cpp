#include <string>

#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/streaming/FormResources.h"
#include "tests/src/grid/AlignGridTestSupport.h"

namespace hemr_test {
namespace {

using hemr::TPropTarget;

class AlignGridStoreTest : public AlignGridTest {
protected:
    // The form as a resource, read into a fresh form and written again.
    std::string RoundTrip(const std::string& text) {
        auto* copy = new TLookupForm(&rt::Application());
        copy->AfterConstruction();
        rt::ReadComponentResText(copy, text);
        loaded = dynamic_cast<hemr::TStringAlignGrid*>(copy->FindComponent("sgGrid"));
        const std::string again = rt::WriteComponentResText(copy);
        copies.push_back(copy);
        return again;
    }
    void TearDown() override {
        for (auto* c : copies) c->Free();
        AlignGridTest::TearDown();
    }
    // The grid's block of a form resource (the form's own name and state differ between copies).
    static std::string GridPart(const std::string& text) {
        const size_t at = text.find("  object sgGrid");
        return text.substr(at, text.find("\n  end\n", at) - at);
    }
    // The form's resource with `entries` added to the grid's.
    std::string FormWith(const std::string& entries) {
        std::string text = rt::WriteComponentResText(form);
        const size_t at = text.find("object sgGrid");
        const size_t end = text.find("\n", at);
        return text.insert(end + 1, entries + "\n");
    }

    std::vector<TLookupForm*> copies;
    hemr::TStringAlignGrid* loaded = nullptr;
};

TEST_F(AlignGridStoreTest, ACellsAlignmentWinsOverItsColumnsUntilItIsRemoved) {
    grid->SetAlignmentOf(TPropTarget::Column(2), hemr::alRight);
    grid->SetAlignmentOf(TPropTarget::Cell(2, 1), hemr::alCenter);
    EXPECT_EQ(grid->CellAlignment(2, 1), hemr::alCenter);
    EXPECT_EQ(grid->CellAlignment(2, 2), hemr::alRight) << "the other cells of the column follow the column";
    grid->SetAlignmentOf(TPropTarget::Cell(2, 1), hemr::alDefault);
    EXPECT_EQ(grid->CellAlignment(2, 1), hemr::alRight) << "without its own setting the cell falls back to the column";
    EXPECT_EQ(grid->Props(TPropTarget::Cell(2, 1)), nullptr) << "an emptied record is dropped";
    EXPECT_EQ(grid->CellAlignment(1, 1), hemr::alLeft) << "the grid's default";

    grid->SetAlignmentOf(TPropTarget::FixedColumn(2), hemr::alCenter);
    EXPECT_EQ(grid->CellAlignment(2, 0), hemr::alCenter) << "a header cell takes its fixed column's record";
    EXPECT_EQ(grid->CellAlignment(2, 3), hemr::alRight) << "a data cell does not";
    grid->SetEditableOf(TPropTarget::Line(3), hemr::efNo);
    EXPECT_FALSE(grid->CellEditable(1, 3));
    EXPECT_TRUE(grid->CellEditable(1, 2));
}

TEST_F(AlignGridStoreTest, AGridInAFormResourceRoundTripsByteForByte) {
    grid->SetCells(1, 1, "张三");
    grid->SetCells(3, 2, "line\twith tab");
    grid->SetCellHint(1, 1, "姓名");
    grid->SetAlignmentOf(TPropTarget::Cell(1, 1), hemr::alCenter);
    grid->SetWordwrapOf(TPropTarget::Column(2), hemr::ww_ellipsis);
    rt::TFont font;
    font.SetName("SimSun");
    font.SetStyle({rt::fsBold});
    grid->SetFontOf(TPropTarget::FixedLine(0), &font);
    rt::TBrush brush;
    brush.SetColor(rt::clYellow);
    grid->SetSelectedBrushOf(TPropTarget::Line(2), &brush);
    grid->SetEditMaskOf(TPropTarget::FixedColumn(0), "999;0;_");
    grid->SetCellEditor(3, -1, hemr::ekDropDown, {}, {"Mail", "SMS"}, true);
    grid->SetCellEditor(2, 3, hemr::ekCheckBox, "Y;N");
    grid->AutoEditNextCell = true;
    grid->SetGridLineColor(rt::clBlue);

    const std::string text = rt::WriteComponentResText(form);
    EXPECT_EQ(GridPart(RoundTrip(text)), GridPart(text)) << "the grid writes back what it read, byte for byte";
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Cells(1, 1), "张三");
    EXPECT_EQ(loaded->CellHint(1, 1), "姓名");
    EXPECT_EQ(loaded->CellEditor(3, 1)->Items().size(), 2u);
    EXPECT_TRUE(loaded->CellEditor(3, 1)->ListOnly()) << "the list-only flag survives the form";
    EXPECT_EQ(loaded->CellEditor(2, 3)->UncheckedValue(), "N");
    EXPECT_EQ(loaded->FontOf(TPropTarget::FixedLine(0))->Style(), rt::TFontStyles{rt::fsBold});
}

TEST_F(AlignGridStoreTest, CellsListsOnlyTheNonEmptyCellsColumnByColumn) {
    grid->SetCells(2, 1, "b");
    grid->SetCells(1, 3, "a");
    const std::string text = rt::WriteComponentResText(form);
    const size_t at = text.find("Cells = (");
    ASSERT_NE(at, std::string::npos);
    const std::string entry = text.substr(at, text.find(')', at) - at);
    EXPECT_LT(entry.find("'a'"), entry.find("'b'")) << "column 1 comes before column 2";
    EXPECT_EQ(entry, "Cells = (\n      1\n      3\n      'a'\n      2\n      1\n      'b'")
        << "two cells, nothing for the empty ones";
    grid->SetCells(2, 1, "");
    grid->SetCells(1, 3, "");
    EXPECT_EQ(rt::WriteComponentResText(form).find("Cells ="), std::string::npos) << "an empty grid writes no entry";
}

TEST_F(AlignGridStoreTest, StoredRecordsAndOlderEntriesAreRead) {
    RoundTrip(FormWith("PropCell = (0 0 1 2 0)\nAlignCol = (2 0)\nColorRow = (3 255)"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->AlignmentOf(TPropTarget::Cell(0, 0)), hemr::alCenter) << "tag 1 value 2 is alCenter";
    EXPECT_EQ(loaded->AlignmentOf(TPropTarget::Column(2)), hemr::alRight) << "older entries are read";
    EXPECT_EQ(loaded->BrushOf(TPropTarget::Line(3))->Color(), rt::clRed);
    const std::string written = rt::WriteComponentResText(copies.back());
    EXPECT_EQ(written.find("AlignCol"), std::string::npos) << "older entries are never written";
    EXPECT_NE(written.find("PropCol"), std::string::npos) << "their values are written the current way";
}

TEST_F(AlignGridStoreTest, DamagedRecordListsLoadWhatTheyCanAndTheRestOfTheForm) {
    RoundTrip(FormWith("PropCell = (1 1 1 2 0 2 2 99 5 0 3 3 1 1 0)\nPropCol = (1 1)\nPropRow = (1 6 0 0)\n"
                       "HintCell = (1 1)\nCells = (2 2 'ok' 3)"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->AlignmentOf(TPropTarget::Cell(1, 1)), hemr::alCenter) << "the record before the damage";
    EXPECT_EQ(loaded->Props(TPropTarget::Cell(3, 3)), nullptr) << "after an unknown tag nothing can be trusted";
    EXPECT_EQ(loaded->Props(TPropTarget::Column(1)), nullptr) << "a record cut short sets nothing";
    EXPECT_EQ(loaded->Props(TPropTarget::Line(1)), nullptr) << "a font cut short sets nothing";
    EXPECT_EQ(loaded->CellHint(1, 1), "");
    EXPECT_EQ(loaded->Cells(2, 2), "ok") << "entries after the damaged ones still load";

    RoundTrip(FormWith("PropCell = (9 1 1 2 0 1 900000 1 2 0)\nHintCell = (1 9 'far')\nCells = (7 7 'far')"));
    EXPECT_EQ(GridPart(rt::WriteComponentResText(copies.back())).find("far"), std::string::npos)
        << "what lies outside the grid's counts is dropped";
    EXPECT_EQ(loaded->Props(TPropTarget::Cell(9, 1)), nullptr);
}

}  // namespace
}  // namespace hemr_test
