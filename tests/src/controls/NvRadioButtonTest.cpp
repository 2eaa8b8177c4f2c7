#include "src/controls/NvRadioButton.h"

#include "platform/classes/TStringList.h"
#include "platform/forms/TInputInjector.h"
#include "platform/graphics/TCanvas.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/stdctrls/TRadioButton.h"
#include "platform/streaming/FormResources.h"
#include "src/controls/NvGroupButton.h"
#include "src/controls/NvRadioGroup.h"
#include "tests/src/controls/ControlsTestSupport.h"

namespace hemr_test {
namespace {

using hemr::TNvRadioButton;

class NvRadioButtonTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        box = Add<rt::TGroupBox>("gbMode", 10, 10, 200, 120);
        queue = Add<TNvRadioButton>("rdoQueue", 8, 20, 100, 17, box);
        now = Add<TNvRadioButton>("rdoNow", 8, 40, 100, 17, box);
        plain = Add<rt::TRadioButton>("rdoPlain", 8, 60, 100, 17, box);
    }
    rt::TGroupBox* box = nullptr;
    TNvRadioButton* queue = nullptr;
    TNvRadioButton* now = nullptr;
    rt::TRadioButton* plain = nullptr;
};

TEST_F(NvRadioButtonTest, CheckingOneUnchecksItsKindOnlyAndMakesItTheTabStop) {
    plain->SetChecked(true);
    queue->SetChecked(true);
    now->SetChecked(true);
    EXPECT_FALSE(queue->Checked()) << "checking one unchecks the other";
    EXPECT_TRUE(now->Checked());
    EXPECT_TRUE(plain->Checked()) << "a standard radio button in the same box keeps its state";
    EXPECT_TRUE(now->TabStop());
    EXPECT_FALSE(queue->TabStop()) << "the tab stop follows the checked state";

    plain->SetChecked(false);
    plain->SetChecked(true);
    EXPECT_TRUE(now->Checked()) << "a standard radio button does not uncheck ours either";
}

TEST_F(NvRadioButtonTest, CheckingClicksUnlessSuppressedAndAClickChecks) {
    form->Show();
    TClickCount clicks;
    queue->OnClick = clicks.Event();
    ASSERT_TRUE(rt::Input().Click(queue));
    EXPECT_TRUE(queue->Checked());
    EXPECT_EQ(clicks.Count, 1);
    rt::Input().Click(queue);
    EXPECT_EQ(clicks.Count, 1) << "clicking a checked button changes nothing";

    now->SetChecked(true);
    queue->SetClicksSuppressed(true);
    queue->SetChecked(true);
    EXPECT_EQ(clicks.Count, 1) << "suppressed clicks";
    EXPECT_FALSE(now->Checked()) << "but the siblings are still unchecked";
}

TEST_F(NvRadioButtonTest, DoubleClickAndAcceleratorMessages) {
    form->Show();
    TClickCount doubles;
    now->OnDblClick = doubles.Event();
    now->Perform(rt::WM_LBUTTONDBLCLK);
    EXPECT_EQ(doubles.Count, 1);
    now->SetCaption("实时(&N)");
    EXPECT_EQ(now->Perform(hemr::CM_DIALOGCHAR, 'n'), 1);
    EXPECT_TRUE(now->Focused()) << "the accelerator focuses the button";
}

TEST_F(NvRadioButtonTest, TheCaptionIndentGrowsWithTheFontSize) {
    const std::vector<std::pair<int, int>> table = {{1, 17},  {8, 17},  {9, 19},  {15, 19}, {16, 20}, {17, 20},
                                                    {18, 21}, {23, 21}, {24, 23}, {29, 23}, {30, 25}, {35, 25},
                                                    {36, 27}, {41, 27}, {42, 29}, {43, 29}, {44, 31}, {60, 31},
                                                    {61, 39}, {80, 39}, {81, 44}, {0, 44}};
    for (const auto& [points, indent] : table)
        EXPECT_EQ(TNvRadioButton::CaptionIndent(points), indent) << points << " points";
}

TEST_F(NvRadioButtonTest, TheCaptionIsPaintedAtTheIndentOverAFilledStrip) {
    TNvRadioButton button(nullptr);
    button.SetBounds(0, 0, 100, 17);
    button.SetCaption("排入队列");
    button.Font()->SetSize(9);
    button.Canvas()->StartRecording();
    button.Repaint();
    const auto& ops = button.Canvas()->Operations();
    ASSERT_GE(ops.size(), 2u);
    const rt::TCanvasOperation& text = ops.back();
    EXPECT_EQ(text.Kind, rt::TCanvasOpKind::DrawText);
    EXPECT_EQ(text.Rect.Left, 19);
    EXPECT_TRUE((text.Flags & rt::DT_SINGLELINE) != 0 && (text.Flags & rt::DT_VCENTER) != 0);
    const rt::TCanvasOperation& fill = ops[ops.size() - 2];
    EXPECT_EQ(fill.Kind, rt::TCanvasOpKind::FillRect);
    EXPECT_EQ(fill.Rect.Left, 15);
    EXPECT_EQ(fill.Rect.Right, 104);

    const int paints = button.PaintCount();
    button.SetEnabled(false);
    EXPECT_EQ(button.PaintCount(), paints + 1) << "a change of the enabled state repaints";
}

TEST(NvRadioGroupTest, ItemsBecomeGroupButtonsAndAButtonClickSetsTheItemIndex) {
    hemr::TNvRadioGroup group(nullptr);
    group.SetBounds(0, 0, 210, 105);
    TClickCount clicks;
    group.OnClick = clicks.Event();
    group.Items()->SetCommaText("Day,Week,Month,Year");
    ASSERT_EQ(group.ButtonCount(), 4);
    EXPECT_NE(dynamic_cast<hemr::TNvGroupButton*>(group.Buttons(0)), nullptr);

    group.Buttons(2)->UserClick();
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(clicks.Count, 1);
    group.SetItemIndex(9);
    EXPECT_EQ(group.ItemIndex(), 3) << "clamped to the items";
    EXPECT_FALSE(group.Buttons(2)->Checked());
    group.SetItemIndex(-4);
    EXPECT_EQ(group.ItemIndex(), -1);

    group.SetColumns(0);
    EXPECT_EQ(group.Columns(), 1);
    group.SetColumns(2);
    EXPECT_EQ(group.Buttons(1)->Left(), group.Buttons(0)->Left()) << "columns fill top to bottom";
    EXPECT_EQ(group.Buttons(2)->Left(), 8 + 100) << "columns of (210 - 10) / 2";
    group.SetEnabled(false);
    EXPECT_FALSE(group.Buttons(3)->Enabled());
}

TEST(NvRadioGroupTest, KeyPressesOnAButtonReachTheGroupFirst) {
    struct TKeys : rt::TObject {
        std::string seen;
        void Press(rt::TObject*, char& key) {
            seen += key;
            if (key == 'x') key = 0;
        }
    } keys;
    hemr::TNvRadioGroup group(nullptr);
    group.Items()->SetCommaText("a,b");
    group.OnKeyPress = rt::TKeyPressEvent::Of<&TKeys::Press>(&keys);
    struct TButtonKeys : rt::TObject {
        int count = 0;
        void Press(rt::TObject*, char&) { ++count; }
    } own;
    group.Buttons(0)->OnKeyPress = rt::TKeyPressEvent::Of<&TButtonKeys::Press>(&own);
    group.Buttons(0)->Perform(rt::WM_CHAR, 'q');
    group.Buttons(0)->Perform(rt::WM_CHAR, 'x');
    EXPECT_EQ(keys.seen, "qx");
    EXPECT_EQ(own.count, 1) << "a key the group consumed does not reach the button";
}

TEST_F(NvRadioButtonTest, TheGroupIsStoredWithoutItsButtons) {
    auto* group = Add<hemr::TNvRadioGroup>("rgPeriod", 250, 10, 200, 100);
    group->Items()->SetCommaText("One,Two");
    group->SetItemIndex(1);
    const std::string text = rt::WriteComponentResText(form);
    EXPECT_EQ(text.find("TNvGroupButton"), std::string::npos) << text;
    auto* copy = new TLookupForm(&rt::Application());
    rt::ReadComponentResText(copy, text);
    auto* loaded = dynamic_cast<hemr::TNvRadioGroup*>(copy->FindComponent("rgPeriod"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ButtonCount(), 2);
    EXPECT_TRUE(loaded->Buttons(1)->Checked());
    copy->Free();
}

}  // namespace
}  // namespace hemr_test
