#include "src/controls/ExtPageControl.h"

#include "platform/comctrls/TTabSheet.h"
#include "platform/graphics/TCanvas.h"
#include "platform/streaming/FormResources.h"
#include "tests/src/controls/ControlsTestSupport.h"

namespace hemr_test {
namespace {

using hemr::TExtPageControl;

class ExtPageControlTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        pages = Add<TExtPageControl>("pgOption", 10, 10, 300, 200);
        for (const char* caption : {"输出", "hidden", "排程"}) {
            auto* sheet = new rt::TTabSheet(form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
        }
        pages->Pages(1)->SetTabVisible(false);
        pages->SetActivePageIndex(2);
        form->Show();
        pages->Canvas()->StartRecording();
    }
    // The operations of one paint, grouped per tab: fill, then caption.
    std::vector<rt::TCanvasOperation> Paint() {
        pages->Canvas()->ClearOperations();
        pages->Repaint();
        return pages->Canvas()->Operations();
    }
    TExtPageControl* pages = nullptr;
};

TEST_F(ExtPageControlTest, TabsAreDrawnInTheCaptionColoursWithoutAHandler) {
    EXPECT_TRUE(pages->OwnerDraw());
    const std::vector<rt::TCanvasOperation> ops = Paint();
    ASSERT_EQ(ops.size(), 4u) << "two visible tabs, each filled and captioned";
    const rt::TRect inactiveTab = pages->TabRect(0);
    const rt::TRect activeTab = pages->TabRect(1);

    EXPECT_EQ(ops[0].Kind, rt::TCanvasOpKind::FillRect);
    EXPECT_EQ(ops[0].BrushColor, rt::clInactiveCaption);
    EXPECT_EQ(ops[0].Rect, inactiveTab);
    EXPECT_EQ(ops[1].Text, "输出");
    EXPECT_EQ(ops[1].FontColor, rt::clInactiveCaptionText);
    EXPECT_FALSE(ops[1].FontStyle.Contains(rt::fsBold));
    EXPECT_EQ(ops[1].Rect.Top, inactiveTab.Top + 2) << "the inactive text area starts two pixels lower";

    rt::TRect shrunk = activeTab;
    rt::InflateRect(shrunk, -2, -2);
    EXPECT_EQ(ops[2].BrushColor, rt::clActiveCaption);
    EXPECT_EQ(ops[2].Rect, shrunk) << "the active tab is shrunk by 2 on each side";
    EXPECT_EQ(ops[3].Text, "排程") << "tab positions count only pages with a visible tab";
    EXPECT_EQ(ops[3].FontColor, rt::clCaptionText);
    EXPECT_TRUE(ops[3].FontStyle.Contains(rt::fsBold));
    const uint32_t centred = rt::DT_SINGLELINE | rt::DT_CENTER | rt::DT_VCENTER;
    EXPECT_EQ(ops[3].Flags & centred, centred);
}

TEST_F(ExtPageControlTest, AnAssignedHandlerDrawsTheTabsInstead) {
    struct TDrawLog : rt::TObject {
        std::vector<std::pair<int, bool>> tabs;
        void Draw(rt::TPageControl*, int index, const rt::TRect&, bool active) { tabs.push_back({index, active}); }
    } log;
    pages->OnDrawTab = rt::TDrawTabEvent::Of<&TDrawLog::Draw>(&log);
    EXPECT_TRUE(Paint().empty()) << "the default drawing is left out";
    EXPECT_EQ(log.tabs, (std::vector<std::pair<int, bool>>{{0, false}, {1, true}}));
}

TEST_F(ExtPageControlTest, OwnerDrawIsTheStoredDefault) {
    const std::string text = rt::WriteComponentResText(form);
    EXPECT_EQ(text.find("OwnerDraw"), std::string::npos) << text;
}

}  // namespace
}  // namespace hemr_test
