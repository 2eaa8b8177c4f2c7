#include <gtest/gtest.h>

#include "platform/graphics/TTextMetrics.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TEdit.h"
#include "tests/platform/forms/FormFixture.h"

namespace rt::test {
namespace {

class LabelPanelTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form = NewForm();
        label = new TLabel(form);
        label->SetParent(form);
    }
    int Width(const std::string& text) const { return GetTextMetrics().TextWidth(*label->Font(), text); }
    TLogForm* form = nullptr;
    TLabel* label = nullptr;
};

TEST_F(LabelPanelTest, AutoSizeFitsTheCaptionWithoutItsAcceleratorPrefix) {
    label->SetCaption("&Age");
    EXPECT_EQ(label->Width(), Width("Age"));
    EXPECT_EQ(label->Height(), GetTextMetrics().LineHeight(*label->Font()));
    label->SetShowAccelChar(false);
    EXPECT_EQ(label->Width(), Width("&Age")) << "without accelerators the & is shown";
    label->Font()->SetSize(label->Font()->Size() * 2);
    EXPECT_EQ(label->Width(), Width("&Age")) << "a font change sizes the label again";
}

TEST_F(LabelPanelTest, RightJustifiedAutoSizeKeepsTheRightEdge) {
    label->SetAlignment(taRightJustify);
    label->SetCaption("abc");
    const int right = label->Left() + label->Width();
    label->SetCaption("abcdefgh");
    EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(LabelPanelTest, WordWrapKeepsTheWidthAndGrowsDownwards) {
    label->SetAutoSize(false);
    label->SetWidth(Width("word"));
    label->SetWordWrap(true);
    label->SetAutoSize(true);
    label->SetCaption("word word word");
    EXPECT_EQ(label->Width(), Width("word"));
    EXPECT_EQ(label->Height(), 3 * GetTextMetrics().LineHeight(*label->Font()));
}

TEST_F(LabelPanelTest, FocusControlIsClearedWhenTheControlGoes) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    label->SetFocusControl(edit);
    delete edit;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(LabelPanelTest, PanelKeepsItsFrameFreeOfAlignedChildren) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 100, 50);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(1);
    auto* inner = new TEdit(form);
    inner->SetParent(panel);
    inner->SetAlign(alClient);
    EXPECT_EQ(panel->FrameWidth(), 5) << "border 1 + two bevels of 2";
    EXPECT_EQ(inner->BoundsRect(), Rect(5, 5, 95, 45));
}

}  // namespace
}  // namespace rt::test
