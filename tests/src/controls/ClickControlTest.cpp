#include "src/controls/ClickControl.h"

#include "platform/buttons/TSpeedButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/GSpeedButton.h"
#include "tests/src/controls/ControlsTestSupport.h"

namespace hemr_test {
namespace {

struct TMouseLog : rt::TObject {
    std::vector<std::string> events;
    void Down(rt::TObject*, rt::TMouseButton, rt::TShiftState shift, int x, int y) {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y) +
                         (shift.Contains(rt::ssShift) ? " shift" : ""));
    }
    void Up(rt::TObject*, rt::TMouseButton, rt::TShiftState, int x, int y) {
        events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    }
    void Click(rt::TObject*) { events.push_back("click"); }
    void Watch(rt::TControl* c) {
        c->OnMouseDown = rt::TMouseEvent::Of<&TMouseLog::Down>(this);
        c->OnMouseUp = rt::TMouseEvent::Of<&TMouseLog::Up>(this);
        c->OnClick = rt::TNotifyEvent::Of<&TMouseLog::Click>(this);
    }
};

using Events = std::vector<std::string>;

class ClickControlTest : public ControlsTest {};

TEST_F(ClickControlTest, PressAndReleaseWithTheGivenParametersThenOneClick) {
    form->Show();
    auto* box = Add<hemr::TBitCheckBox>("chkDirectPrint", 10, 10, 120, 17);
    TMouseLog log;
    log.Watch(box);
    hemr::ClickControl(box, rt::KF_SHIFT, rt::PointToLParam(5, 6));
    EXPECT_EQ(log.events, (Events{"down 5,6 shift", "up 5,6", "click"}));
    EXPECT_TRUE(box->Checked());

    auto* standard = Add<rt::TCheckBox>("chkPlain", 10, 40, 120, 17);
    hemr::ClickControl(standard);
    EXPECT_TRUE(standard->Checked()) << "any control, not only our own";
}

TEST_F(ClickControlTest, ASpeedButtonIsClickedOnceByItsRelease) {
    auto* plain = Add<rt::TSpeedButton>("spd", 10, 10, 23, 23);
    auto* glyph = Add<hemr::TGSpeedButton>("gspd", 40, 10, 23, 23);
    TMouseLog plainLog, glyphLog;
    plainLog.Watch(plain);
    glyphLog.Watch(glyph);
    hemr::ClickControl(plain);
    hemr::ClickControl(glyph);
    EXPECT_EQ(plainLog.events, (Events{"down 0,0", "up 0,0", "click"}));
    EXPECT_EQ(glyphLog.events, (Events{"down 0,0", "up 0,0", "click"}));
}

TEST_F(ClickControlTest, ADisabledControlIsPressedButNotClicked) {
    auto* box = Add<hemr::TBitCheckBox>("chkOff", 10, 10, 120, 17);
    box->SetEnabled(false);
    hemr::ClickControl(box);
    EXPECT_FALSE(box->Checked());
    hemr::ClickControl(nullptr);
}

}  // namespace
}  // namespace hemr_test
