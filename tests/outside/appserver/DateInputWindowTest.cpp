// The date-input window as the user meets it: opened by ShowInputDay with
// the start day selected, moved with the calendar's keys and clicks.

#include <gtest/gtest.h>

#include <string>

#include "outside/appserver/DateInputWindow.h"
#include "platform/comctrls/TMonthCalendar.h"
#include "platform/forms/TInputInjector.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"
#include "tests/outside/appserver/ToolkitWindowFixture.h"

using rt::Input;
using rt::Variant;

namespace {

class DateInputWindow : public outside_test::ToolkitWindowTest {
protected:
    void TearDown() override {
        rt::SetClockOverride(std::nullopt);
        ToolkitWindowTest::TearDown();
    }
    static appserver::TfrmInputDay& DateWindow(rt::TCustomForm& window) {
        return dynamic_cast<appserver::TfrmInputDay&>(window);
    }
    std::string Call(bool roc, const char* start) {
        return f2_.Call("ShowInputDay", {Variant::ArrayOf({roc, start, "DEMO"})}).ToString();
    }
};

TEST_F(DateInputWindow, TheStartDayIsSelectedAndKeysMoveItBeforeEnterAnswersIt) {
    std::string shown, title;
    WhenShown([&](rt::TCustomForm& window) {
        auto& w = DateWindow(window);
        EXPECT_TRUE(w.calDate->Focused()) << "the calendar takes the keys when the window opens";
        shown = w.lblDate->Caption();
        title = w.calDate->Title();
        Input().PressKey("Right");
        Input().PressKey("PageDown");
        EXPECT_EQ(w.lblDate->Caption(), "113/04/01") << "the label follows the calendar";
        Input().PressKey("Enter");
    });
    EXPECT_EQ(Call(true, "20240229"), "20240401");
    EXPECT_EQ(shownWindow, "frmInputDay");
    EXPECT_EQ(shown, "113/02/29") << "ROC years when the form asks for them";
    EXPECT_EQ(title, "113/02");
}

TEST_F(DateInputWindow, GregorianYearsClicksOnDaysAndTheOkButton) {
    WhenShown([&](rt::TCustomForm& window) {
        auto& w = DateWindow(window);
        EXPECT_EQ(w.lblDate->Caption(), "2024/01/31");
        Input().PressKey("PageDown");
        EXPECT_EQ(w.lblDate->Caption(), "2024/02/29") << "31 January and a month is the last of February";
        const rt::TRect cell = w.calDate->DayRect(rt::EncodeDate(2024, 2, 14));
        const rt::TPoint origin = w.calDate->ClientToRoot({0, 0});
        const rt::TPoint at{origin.X + cell.Left + 2, origin.Y + cell.Top + 2};
        Input().MouseDown(&w, at);
        Input().MouseUp(&w, at);
        Input().Click(w.btnOk);
    });
    EXPECT_EQ(Call(false, "20240131"), "20240214");
}

TEST_F(DateInputWindow, CancelAnswersNothingAndAStartThatIsNoDateOpensAtToday) {
    rt::SetClockOverride(rt::EncodeDateTime(2025, 6, 30, 9, 15, 0, 0));
    std::string shown;
    WhenShown([&](rt::TCustomForm& window) {
        shown = DateWindow(window).ChosenDay();
        Input().PressKey("Right");
        Input().PressKey("Escape");
    });
    EXPECT_EQ(Call(false, "2025/6/3"), "") << "Escape cancels whatever was moved";
    EXPECT_EQ(shown, "20250630");

    WhenShown([&](rt::TCustomForm& window) { Input().Click(DateWindow(window).btnCancel); });
    EXPECT_EQ(Call(false, "20250101"), "");
}

}  // namespace
