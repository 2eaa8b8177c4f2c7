#include "src/controls/DBLabel.h"

#include "platform/stdctrls/TEdit.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/streaming/FormResources.h"
#include "src/controls/NvDBEdit.h"
#include "tests/src/controls/ControlsTestSupport.h"
#include "tests/src/controls/DataSetSupport.h"

namespace hemr_test {
namespace {

using hemr::TDBLabel;

class DBLabelTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ed = Add<rt::TEdit>("edDate", 100, 50, 120, 21);
        lbl = new TDBLabel(form);
        lbl->SetName("lblDate");
        lbl->SetParent(form);
        lbl->SetAutoSize(false);
        lbl->SetBounds(0, 0, 40, 13);
    }
    rt::TEdit* ed = nullptr;
    TDBLabel* lbl = nullptr;
};

TEST_F(DBLabelTest, ANewLabelReadsItsPlaceholder) {
    TDBLabel fresh(nullptr);
    EXPECT_EQ(fresh.Caption(), "挂靠标签");
    EXPECT_TRUE(fresh.AutoAlign());
    EXPECT_TRUE(fresh.AutoCaption());
    EXPECT_EQ(fresh.Gap(), 4);
    EXPECT_EQ(fresh.Pos(), hemr::psLeft);
}

TEST_F(DBLabelTest, TheLabelTakesItsPlaceBesideTheControl) {
    lbl->SetFocusControl(ed);
    EXPECT_EQ(lbl->Left(), 100 - 4 - 40) << "psLeft: right edge Gap pixels before the control";
    EXPECT_EQ(lbl->Top(), 54) << "centred on a control of another height";
    lbl->SetPos(hemr::psRight);
    EXPECT_EQ(lbl->Left(), 224);
    lbl->SetPos(hemr::psBottom);
    EXPECT_EQ(lbl->Left(), 100);
    EXPECT_EQ(lbl->Top(), 75);
    lbl->SetGap(8);
    EXPECT_EQ(lbl->Top(), 79);
    lbl->SetPos(hemr::psTop);
    EXPECT_EQ(lbl->Top(), 50 - 13 - 8);

    lbl->SetBounds(0, 0, 40, 21);
    lbl->SetPos(hemr::psLeft);
    EXPECT_EQ(lbl->Top(), 50) << "a label as high as the control sits at its top";

    lbl->SetAutoAlign(false);
    lbl->SetBounds(3, 3, 40, 13);
    lbl->SetGap(2);
    EXPECT_EQ(lbl->Left(), 3) << "without AutoAlign the label stays";
}

TEST_F(DBLabelTest, APlaceAboveTheTopOrLeftEdgeIsClampedToZero) {
    ed->SetBounds(10, 5, 80, 21);
    lbl->SetPos(hemr::psTop);
    lbl->SetFocusControl(ed);
    EXPECT_EQ(lbl->Top(), 0) << "5 - 13 - 4 would be -12";
    lbl->SetPos(hemr::psLeft);
    EXPECT_EQ(lbl->Left(), 0) << "10 - 4 - 40 would be -34";
}

TEST_F(DBLabelTest, TheCaptionComesFromTheFieldBehindTheControl) {
    TEmployeeData employees;
    auto* db = Add<hemr::TNvDBEdit>("edName", 100, 100, 120, 21);
    db->SetDataSource(&employees.source);
    db->SetDataField("EMP_NAME");
    lbl->SetFocusControl(db);
    EXPECT_EQ(lbl->Caption(), "员工姓名");

    lbl->SetCaption("manual");
    lbl->SetAutoCaption(false);
    EXPECT_EQ(lbl->Caption(), "manual") << "without AutoCaption the caption stays";
    lbl->SetAutoCaption(true);
    EXPECT_EQ(lbl->Caption(), "员工姓名");

    db->SetDataField("NO_SUCH_FIELD");
    lbl->SetCaption("kept");
    lbl->SetGap(5);
    EXPECT_EQ(lbl->Caption(), "kept") << "a missing field leaves the caption unchanged";
    lbl->SetFocusControl(nullptr);
    lbl->SetFocusControl(ed);
    EXPECT_EQ(lbl->Caption(), "kept") << "a control without a data field leaves it too";
}

TEST_F(DBLabelTest, ASecondLabelOnTheSameControlIsRefused) {
    lbl->SetFocusControl(ed);
    auto* second = new TDBLabel(form);
    second->SetParent(form);
    second->SetBounds(300, 300, 40, 13);
    second->SetFocusControl(ed);
    ASSERT_EQ(Dialogs().size(), 1u);
    EXPECT_EQ(Dialogs()[0].Text, "不能同时有两个 DBLabel 指到同一个 Control.");
    EXPECT_EQ(Dialogs()[0].Kind, rt::mtError);
    EXPECT_EQ(second->FocusControl(), nullptr);
    EXPECT_EQ(second->Left(), 300);
    lbl->SetFocusControl(ed);
    EXPECT_EQ(Dialogs().size(), 1u) << "the same control again is silent";
}

TEST_F(DBLabelTest, TheFormResourceGluesTheLabelAgain) {
    lbl->SetPos(hemr::psTop);
    lbl->SetFocusControl(ed);
    const std::string text = rt::WriteComponentResText(form);
    auto* copy = new TLookupForm(&rt::Application());
    rt::ReadComponentResText(copy, text);
    auto* loaded = dynamic_cast<TDBLabel*>(copy->FindComponent("lblDate"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->FocusControl(), copy->FindComponent("edDate"));
    EXPECT_EQ(loaded->Pos(), hemr::psTop);
    EXPECT_EQ(loaded->Top(), 50 - 13 - 4);
    EXPECT_TRUE(Dialogs().empty());
    copy->Free();
}

}  // namespace
}  // namespace hemr_test
