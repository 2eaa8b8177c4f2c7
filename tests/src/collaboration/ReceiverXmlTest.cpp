// The receiver text read into grid rows and written back from them.

#include <gtest/gtest.h>

#include "src/collaboration/ReceiverXml.h"

namespace hemr_test {

using hemr::BuildReceiverXml;
using hemr::LoadReceiverXml;
using hemr::TReceiverRow;
using hemr::TReceiverRows;

namespace {

const std::vector<std::string> kInternal{"1.系统用户"};
const std::vector<std::string> kPortal{"5.Portal用户"};
const std::string kHead = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";

TReceiverRow Row(std::initializer_list<std::string> cells) {
    TReceiverRow row;
    size_t i = 0;
    for (const std::string& c : cells) row[i++] = c;
    return row;
}

}  // namespace

TEST(ReceiverXml, NobodyOpensOneEmptyRowAndAnEmptyGridGivesN) {
    for (const std::string text : {"N", "", "<Root", "not xml"}) {
        const TReceiverRows rows = LoadReceiverXml(text, kInternal);
        ASSERT_EQ(rows.size(), 1u) << "'" << text << "' opens one row";
        EXPECT_EQ(rows[0], TReceiverRow{}) << "'" << text << "' opens an empty row";
        EXPECT_EQ(BuildReceiverXml(rows), "N") << "nothing entered gives N";
    }
}

TEST(ReceiverXml, WritesEachRowWithACodeInTheAttributeOrder) {
    const TReceiverRows rows{Row({"U001", "张伟", "13800000001", "zw@example.com", "1.系统用户", "Y", "Y", "N"}),
                             Row({"U002", "李娜", "", "", "", "", "", ""})};
    EXPECT_EQ(BuildReceiverXml(rows),
              kHead + "<Root><R1 ID=\"U001\" Name=\"张伟\" Mob=\"13800000001\" Mail=\"zw@example.com\" Type=\"1\" "
                      "Msg=\"YYN\"/><R2 ID=\"U002\" Name=\"李娜\" Msg=\"NNN\"/></Root>")
        << "empty mobile, mail and type are left out; clear boxes give NNN";
}

TEST(ReceiverXml, ReadsTheDocumentThatTheScheduleFormStartsWith) {
    const TReceiverRows rows =
        LoadReceiverXml(kHead + "<Root><R1 ID=\"796\" Name=\"\" Type=\"5\" Msg=\"YNN\"/></Root>", kPortal);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], Row({"796", "", "", "", "5.Portal用户", "Y", "N", "N"}));
}

TEST(ReceiverXml, PortalTypeWithThePortalOffIsDroppedOnSave) {
    const std::string text = kHead + "<Root><R1 ID=\"796\" Name=\"王\" Type=\"5\" Msg=\"YNY\"/></Root>";
    const TReceiverRows rows = LoadReceiverXml(text, kInternal);
    EXPECT_EQ(rows[0][hemr::rcType], "") << "no entry of the internal list starts with 5";
    EXPECT_EQ(BuildReceiverXml(rows), kHead + "<Root><R1 ID=\"796\" Name=\"王\" Msg=\"YNY\"/></Root>");
}

TEST(ReceiverXml, ReceiverWithoutMsgTicksNothing) {
    const TReceiverRows rows = LoadReceiverXml(kHead + "<Root><R1 ID=\"A\" Name=\"B\"/></Root>", kInternal);
    EXPECT_EQ(rows[0], Row({"A", "B", "", "", "", "N", "N", "N"}));
}

TEST(ReceiverXml, RegressionAGapInTheNumberingKeepsBothReceivers) {
    // An empty grid row between two receivers is saved as R1 and R3.
    const TReceiverRows grid{Row({"A", "甲"}), Row({}), Row({"C", "丙"})};
    const std::string saved = BuildReceiverXml(grid);
    EXPECT_EQ(saved, kHead + "<Root><R1 ID=\"A\" Name=\"甲\" Msg=\"NNN\"/><R3 ID=\"C\" Name=\"丙\" Msg=\"NNN\"/></Root>")
        << "the stored form keeps the row numbers";
    const TReceiverRows reopened = LoadReceiverXml(saved, kInternal);
    ASSERT_EQ(reopened.size(), 2u) << "both receivers come back";
    EXPECT_EQ(reopened[0][0], "A");
    EXPECT_EQ(reopened[1][0], "C");
    const TReceiverRows reordered = LoadReceiverXml(kHead + "<Root><R10 ID=\"J\"/><R2 ID=\"B\"/><X ID=\"x\"/></Root>",
                                                    kInternal);
    ASSERT_EQ(reordered.size(), 2u) << "only R elements count";
    EXPECT_EQ(reordered[0][0], "B") << "in the order of their numbers";
}

TEST(ReceiverXml, RegressionMarkupInNamesAndCodesIsEscapedAndReadBack) {
    const TReceiverRows rows{Row({"a\"b&c", "<王>", "", "x'y@example.com", "", "Y"})};
    const std::string saved = BuildReceiverXml(rows);
    EXPECT_NE(saved.find("ID=\"a&quot;b&amp;c\" Name=\"&lt;王>\""), std::string::npos) << saved;
    const TReceiverRows back = LoadReceiverXml(saved, kInternal);
    EXPECT_EQ(back[0][0], "a\"b&c");
    EXPECT_EQ(back[0][1], "<王>");
    EXPECT_EQ(back[0][3], "x'y@example.com");
}

}  // namespace hemr_test
