#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/comctrls/TListItem.h"
#include "platform/graphics/TTextMetrics.h"
#include "src/controls/SelectPanelSort.h"
#include "src/controls/SelectPanelValue.h"
#include "src/controls/TarnListView.h"

namespace hemr {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class TarnListViewTest : public ::testing::Test {
protected:
    Rows RowsOf() const {
        Rows rows;
        for (int i = 0; i < list.Items()->Count(); ++i) {
            const rt::TListItem* item = list.Items()->Item(i);
            std::vector<std::string> row{item->Caption()};
            for (int s = 0; s < item->SubItems()->Count(); ++s) row.push_back(item->SubItems()->Strings(s));
            rows.push_back(row);
        }
        return rows;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const auto& row : RowsOf()) out.push_back(row[0]);
        return out;
    }
    int Letters(int column) const {
        return list.Columns()->Items(column)->Width() / rt::GetTextMetrics().TextWidth(*list.Font(), "W");
    }
    void Sorted(TCheckDuplicate mode) {
        list.SetCheckDuplicate(mode);
        list.SetSortType(rt::stText);
    }

    TTarnListView list{nullptr};
};

TEST_F(TarnListViewTest, AddRowMakesTheColumnsItNeeds) {
    EXPECT_FALSE(list.AddRow({})) << "an empty array adds nothing";
    EXPECT_EQ(list.Items()->Count(), 0);

    ASSERT_TRUE(list.AddRow({"01", "A", "x"}));
    ASSERT_EQ(list.Columns()->Count(), 3);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(list.Columns()->Items(c)->Caption(), "Data" + std::to_string(c + 1));

    ASSERT_TRUE(list.AddRow({"02"}));
    EXPECT_EQ(list.Columns()->Count(), 3) << "a shorter row adds no column";
    EXPECT_EQ(RowsOf(), (Rows{{"01", "A", "x"}, {"02", "", ""}})) << "a shorter row is padded";

    ASSERT_TRUE(list.AddRow({"03", "B", "y", "z"}));
    EXPECT_EQ(list.Columns()->Items(3)->Caption(), "Data4");
    EXPECT_EQ(RowsOf(), (Rows{{"01", "A", "x", ""}, {"02", "", "", ""}, {"03", "B", "y", "z"}}))
        << "a longer row pads every row before it";
}

TEST_F(TarnListViewTest, DuplicatesAreDroppedByTheChosenCase) {
    Sorted(cd_CaseInsensitive);
    list.AddRow({"abc"});
    list.AddRow({"ABC"});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"abc"})) << "case-insensitive keeps one row";

    list.Items()->Clear();
    list.SetCheckDuplicate(cd_CheckCase);
    list.AddRow({"abc"});
    list.AddRow({"ABC"});
    EXPECT_EQ(list.Items()->Count(), 2) << "case-sensitive keeps abc and ABC";
    list.AddRow({"ABC"});
    EXPECT_EQ(list.Items()->Count(), 2) << "but drops the second ABC";

    list.Items()->Clear();
    list.SetCheckDuplicate(cd_None);
    list.AddRow({"abc"});
    list.AddRow({"abc"});
    EXPECT_EQ(list.Items()->Count(), 2) << "cd_None keeps everything";
}

TEST_F(TarnListViewTest, OnlyNeighboursAreComparedWhenTheListIsNotSorted) {
    list.SetCheckDuplicate(cd_CheckCase);
    for (const char* caption : {"A", "B", "A", "A"}) list.AddRow({caption});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "B", "A"}));
}

TEST_F(TarnListViewTest, RowsChangedByHandAreCheckedAgainInFull) {
    Sorted(cd_CheckCase);
    list.AddRow({"b"});
    list.AddRow({"d"});
    // Rows added behind AddRow's back must not escape the next check.
    list.Items()->Add()->SetCaption("b");
    list.Items()->Add()->SetCaption("d");
    ASSERT_EQ(Captions(), (std::vector<std::string>{"b", "b", "d", "d"}));
    list.AddRow({"c"});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"b", "c", "d"}));
    list.Items()->Item(2)->SetCaption("c");
    list.AddRow({"a"});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "b", "c"})) << "a caption renamed by hand";
}

TEST_F(TarnListViewTest, AddedRowsFallIntoPlaceAlongTheColumnChain) {
    Sorted(cd_None);
    list.AddRow({"b", "2", "x"});
    list.AddRow({"a", "9", "x"});
    list.AddRow({"B", "1", "y"});
    EXPECT_EQ(RowsOf(), (Rows{{"a", "9", "x"}, {"B", "1", "y"}, {"b", "2", "x"}}))
        << "equal captions (ignoring case) go by column 1";

    list.SortOnColumn(1);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"B", "b", "a"})) << "by column 1";
    list.SortOnColumn(1);
    EXPECT_FALSE(list.SortAscending());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "b", "B"})) << "the same column turns the order round";

    list.SortOnColumn(2);
    EXPECT_TRUE(list.SortAscending()) << "another column starts ascending";
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "b", "B"})) << "column 2 ties go by column 0, then 1";
    list.AddRow({"A", "0", "x"});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "a", "b", "B"})) << "a new row sorts on column 2 too";
}

TEST(SelectPanelSort, TheChainAfterEachSortColumn) {
    rt::TListItem a(nullptr), b(nullptr);
    a.SetCaption("x");
    b.SetCaption("X");
    a.SubItems()->Add("1");
    b.SubItems()->Add("2");
    a.SubItems()->Add("q");
    b.SubItems()->Add("q");
    EXPECT_LT(CompareListRows(a, b, 0), 0) << "column 0 ties (case ignored) go on to column 1";
    EXPECT_LT(CompareListRows(a, b, 2), 0) << "column 2 ties go on to 0 and then 1";
    b.SubItems()->SetStrings(0, "1");
    EXPECT_EQ(CompareListRows(a, b, 2), 0) << "equal along the whole chain";
    a.SubItems()->SetStrings(1, "p");
    EXPECT_EQ(CompareListRows(a, b, 0), 0) << "column 0 ties go on to column 1 only";
    EXPECT_EQ(CompareListRows(a, b, 1), 0) << "column 1 ties go on to column 0 only";
    a.SubItems()->SetStrings(1, "z");
    b.SubItems()->Delete(1);
    EXPECT_GT(CompareListRows(a, b, 2), 0) << "an absent sub-item counts as empty";
}

TEST_F(TarnListViewTest, ColumnWidthsFollowTheLongestText) {
    list.AddRow({"12345678", "A"});
    EXPECT_EQ(Letters(0), 8) << "the longest caption";
    EXPECT_EQ(Letters(1), 5) << "the column caption Data2 is longer than A";

    // The row that is dropped as a duplicate no longer counts.
    list.SetCheckDuplicate(cd_CaseInsensitive);
    list.SetSortType(rt::stText);
    list.SetSortOrder(1, true);
    list.AddRow({"x", "zzzzzzzzzzzz"});
    EXPECT_EQ(Letters(1), 12);
    list.AddRow({"X", "b"});
    ASSERT_EQ(Captions(), (std::vector<std::string>{"12345678", "X"})) << "the new X sorts first and drops x";
    EXPECT_EQ(Letters(1), 5) << "the long text went with its row";

    list.SetColumnsAutoSize(false);
    list.AddRow({"a much longer caption"});
    EXPECT_EQ(Letters(0), 8) << "without ColumnsAutoSize the widths stay";
}

TEST_F(TarnListViewTest, ColumnWidthsCountBytesOfTheAnsiCodePage) {
    const char* old = std::getenv("NVR_ACP");
    const std::string kept = old != nullptr ? old : "";
    setenv("NVR_ACP", "936", 1);
    list.AddRow({"公司"});
    EXPECT_EQ(Letters(0), 5) << "Data1 is longer than the 4 bytes of two Chinese characters";
    list.AddRow({"公司信息查询"});
    EXPECT_EQ(Letters(0), 12) << "six Chinese characters are 12 bytes in code page 936";
    if (old != nullptr) {
        setenv("NVR_ACP", kept.c_str(), 1);
    } else {
        unsetenv("NVR_ACP");
    }
}

TEST(SelectPanelValue, RowsRoundTripThroughTheSavedForm) {
    TTarnListView list(nullptr);
    list.AddRow({"01", "A"});
    list.AddRow({"02", "B"});
    list.AddRow({"03"});
    const std::string saved = JoinSavedRows(*list.Items());
    EXPECT_EQ(saved, "01\x01" "A\x04" "02\x01" "B\x04" "03\x01\x04") << "the padded row keeps its empty text";
    EXPECT_EQ(SplitSavedRows(saved), (std::vector<TSavedRow>{{"01", "A"}, {"02", "B"}, {"03", ""}}));

    EXPECT_TRUE(SplitSavedRows("").empty()) << "an empty field has no rows";
    EXPECT_EQ(SplitSavedRows("\x04" "a\x04\x04"), (std::vector<TSavedRow>{{"a"}})) << "empty pieces are skipped";
    EXPECT_EQ(SplitSavedFields("sp_Range\x03" "A\x03"), (std::vector<std::string>{"sp_Range", "A", ""}));
}

}  // namespace
}  // namespace hemr
