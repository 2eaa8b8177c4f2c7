#include "src/controls/NvEdit.h"

#include "platform/forms/TInputInjector.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/streaming/FormResources.h"
#include "src/controls/GSpeedButton.h"
#include "src/controls/NvBtnDBEdit.h"
#include "src/controls/NvDBEdit.h"
#include "tests/src/controls/ControlsTestSupport.h"
#include "tests/src/controls/DataSetSupport.h"
#include "tests/platform/forms/UserClick.h"

namespace hemr_test {
namespace {

using hemr::TNvEdit;

class NvEditTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ed = Add<TNvEdit>("edHour", 100, 50, 120, 21);
        label = ed->EditLabel();
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 40, 13);
    }
    TNvEdit* ed = nullptr;
    rt::TLabel* label = nullptr;
};

TEST_F(NvEditTest, TheLabelIsTheEditsOwnAndFocusesIt) {
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Name(), "EditLabel");
    EXPECT_EQ(label->Owner(), ed);
    EXPECT_EQ(label->FocusControl(), ed);
    EXPECT_EQ(ed->LabelCaption(), "") << "created empty";
    ed->SetLabelCaption("小时");
    EXPECT_EQ(label->Caption(), "小时");
    EXPECT_EQ(ed->GetText(), "") << "the caption is the label's, not the edit's text";
}

TEST_F(NvEditTest, TheLabelIsPlacedByPositionAndSpacing) {
    ed->SetLabelCaption("x");
    EXPECT_EQ(label->Left(), 56) << "left of the edit: 100 - 40 - 4";
    EXPECT_EQ(label->Top(), 54) << "centred on the 21-high edit";
    ed->SetLabelPosition(hemr::lpAbove);
    EXPECT_EQ(label->Left(), 100);
    EXPECT_EQ(label->Top(), 50 - 13 - 4);
    ed->SetLabelPosition(hemr::lpBelow);
    EXPECT_EQ(label->Top(), 71 + 4);
    ed->SetLabelPosition(hemr::lpRight);
    EXPECT_EQ(label->Left(), 220 + 4);
    EXPECT_EQ(label->Top(), 54);
    ed->SetLabelSpacing(10);
    EXPECT_EQ(label->Left(), 230);
    ed->SetLabelSpacing(-3);
    EXPECT_EQ(ed->LabelSpacing(), 10) << "a negative spacing is ignored";
    ed->SetBounds(0, 100, 50, 21);
    EXPECT_EQ(label->Left(), 60) << "the label follows the edit's bounds";
    EXPECT_EQ(label->Top(), 104);
}

TEST_F(NvEditTest, TheLabelFollowsParentEnabledStateAndVisibility) {
    auto* box = Add<rt::TGroupBox>("gb", 0, 0, 300, 200);
    ed->SetParent(box);
    ed->SetLeft(60);
    EXPECT_EQ(label->Parent(), box);
    ed->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    ed->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    ed->SetVisible(true);
    EXPECT_TRUE(label->Visible());
}

TEST_F(NvEditTest, ALabelFreedElsewhereIsDropped) {
    delete label;
    EXPECT_EQ(ed->EditLabel(), nullptr);
    ed->SetLabelCaption("x");
    ed->SetBounds(1, 2, 3, 4);
    EXPECT_EQ(ed->LabelCaption(), "");
}

TEST_F(NvEditTest, TheFormStoresTheCaptionWithTheEditNotTheLabel) {
    ed->SetLabelCaption("小时");
    ed->SetLabelPosition(hemr::lpAbove);
    const std::string text = rt::WriteComponentResText(form);
    EXPECT_EQ(text.find("EditLabel"), std::string::npos) << text;
    auto* copy = new TLookupForm(&rt::Application());
    rt::ReadComponentResText(copy, text);
    auto* loaded = dynamic_cast<TNvEdit*>(copy->FindComponent("edHour"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->LabelCaption(), "小时");
    EXPECT_EQ(loaded->LabelPosition(), hemr::lpAbove);
    EXPECT_EQ(loaded->EditLabel()->Parent(), copy);
    EXPECT_EQ(loaded->EditLabel()->Top(), 50 - loaded->EditLabel()->Height() - 4);
    copy->Free();
}

TEST_F(NvEditTest, ADataAwareEditShowsItsFieldAndWritesBackWhileEditing) {
    TEmployeeData employees;
    form->Show();
    auto* db = Add<hemr::TNvDBEdit>("edName", 100, 100, 120, 21);
    db->SetDataField("EMP_NAME");
    db->SetDataSource(&employees.source);
    EXPECT_EQ(db->GetText(), "王小明");
    EXPECT_EQ(db->LabelCaption(), "") << "the field's label is taken only while designing";

    employees.data.Edit();
    db->SetFocus();
    rt::Input().TypeText("A");
    ed->SetFocus();
    EXPECT_EQ(employees.data.FieldByName("EMP_NAME").AsString(), "A") << "the typed text replaced the selected name";

    auto* designed = new hemr::TNvDBEdit(nullptr);
    designed->SetDesigning(true);
    designed->SetDataSource(&employees.source);
    designed->SetDataField("EMP_NAME");
    EXPECT_EQ(designed->LabelCaption(), "员工姓名");
    delete designed;
}

class NvBtnDBEditTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ed = Add<hemr::TNvBtnDBEdit>("edEmp", 100, 50, 120, 21);
        other = Add<rt::TEdit>("edOther", 10, 150, 60, 21);
    }
    hemr::TNvBtnDBEdit* ed = nullptr;
    rt::TEdit* other = nullptr;
};

TEST_F(NvBtnDBEditTest, TheButtonIsSquareBesideTheEditAndFollowsIt) {
    hemr::TGSpeedButton* b = ed->Button();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Name(), "F2Button");
    EXPECT_TRUE(b->Flat());
    EXPECT_EQ(b->GlyphIndex(), 8);
    EXPECT_EQ(b->Parent(), form);
    EXPECT_EQ(b->Left(), 222);
    EXPECT_EQ(b->Top(), 50);
    EXPECT_EQ(b->Width(), 21);
    EXPECT_EQ(b->Height(), 21);
    ed->SetButtonSpacing(5);
    EXPECT_EQ(b->Left(), 225);
    ed->SetEnabled(false);
    EXPECT_FALSE(b->Enabled());
    ed->SetButtonHint("员工查询");
    EXPECT_EQ(b->Hint(), "员工查询");
    ed->SetGlyphIndex(9);
    EXPECT_EQ(b->GlyphIndex(), 9);
}

TEST_F(NvBtnDBEditTest, AClickAsksForTheLookupUnlessOnDialogIsAssigned) {
    form->Show();
    other->SetFocus();
    EXPECT_TRUE(rt::test::UserClick(ed->Button()));
    ASSERT_EQ(form->Requests.size(), 1u);
    EXPECT_EQ(form->Requests[0], ed);
    EXPECT_TRUE(form->FocusedAtRequest[0]);

    struct TDialogs : rt::TObject {
        std::vector<rt::TObject*> senders;
        void Dialog(rt::TObject* sender) { senders.push_back(sender); }
    } dialogs;
    ed->OnDialog = rt::TNotifyEvent::Of<&TDialogs::Dialog>(&dialogs);
    other->SetFocus();
    EXPECT_TRUE(rt::test::UserClick(ed->Button()));
    EXPECT_EQ(dialogs.senders, (std::vector<rt::TObject*>{ed})) << "OnDialog gets the edit";
    EXPECT_EQ(form->Requests.size(), 1u) << "and nothing else happens";
    EXPECT_TRUE(other->Focused());
}

}  // namespace
}  // namespace hemr_test
