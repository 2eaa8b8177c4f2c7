#include <gtest/gtest.h>

#include <string>

#include "platform/forms/ToolkitClasses.h"
#include "platform/comctrls/TMonthCalendar.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TInputInjector.h"
#include "platform/graphics/TCanvas.h"
#include "platform/stdctrls/TButton.h"
#include "platform/streaming/FormResources.h"
#include "platform/sysutils/DateFormat.h"

namespace rt {
namespace {

std::string Ymd(TDateTime date) { return FormatDateTime("yyyymmdd", date); }

struct ChangeCounter : TObject {
    int Count = 0;
    void Changed(TObject*) { ++Count; }
};

// A shown form with the calendar focused and a default button after it.
class MonthCalendarTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().Reset();
        Application().DialogDriver().Reset();
        form = new TForm(&Application());
        form->AfterConstruction();
        calendar = new TMonthCalendar(form);
        calendar->SetName("calDate");
        calendar->SetParent(form);
        ok = new TButton(form);
        ok->SetName("btnOk");
        ok->SetDefault(true);
        ok->SetParent(form);
        ok->SetBounds(0, 200, 75, 25);
        ok->OnClick = TNotifyEvent::Of<&ChangeCounter::Changed>(&okClicks);
        calendar->SetDate(EncodeDate(2024, 3, 31));
        calendar->OnChange = TNotifyEvent::Of<&ChangeCounter::Changed>(&changes);
        form->Show();
        calendar->SetFocus();
    }
    void TearDown() override {
        form->Free();
        Application().Reset();
    }
    // Clicks the calendar at a point of its client area, as the mouse would.
    void ClickAt(TPoint p) {
        const TPoint origin = calendar->ClientToRoot({0, 0});
        const TPoint inForm{origin.X + p.X, origin.Y + p.Y};
        Input().MouseDown(form, inForm);
        Input().MouseUp(form, inForm);
    }
    static TPoint Centre(const TRect& r) { return {r.Left + r.Width() / 2, r.Top + r.Height() / 2}; }

    TForm* form = nullptr;
    TMonthCalendar* calendar = nullptr;
    TButton* ok = nullptr;
    ChangeCounter changes, okClicks;
};

TEST_F(MonthCalendarTest, KeysMoveByDayWeekMonthAndYearAndArrowsStayInTheCalendar) {
    Input().PressKey("Left");
    EXPECT_EQ(Ymd(calendar->Date()), "20240330");
    Input().PressKey("Down");
    EXPECT_EQ(Ymd(calendar->Date()), "20240406") << "a week on, into the next month";
    EXPECT_TRUE(calendar->Focused()) << "the calendar keeps the arrows; they do not walk the tab order";
    Input().PressKey("Up");
    Input().PressKey("Right");
    EXPECT_EQ(Ymd(calendar->Date()), "20240331");
    Input().PressKey("Home");
    EXPECT_EQ(Ymd(calendar->Date()), "20240301");
    Input().PressKey("End");
    EXPECT_EQ(Ymd(calendar->Date()), "20240331");
    EXPECT_EQ(changes.Count, 6);
    Input().PressKey("Enter");
    EXPECT_EQ(okClicks.Count, 1) << "Enter still reaches the default button";
}

TEST_F(MonthCalendarTest, MonthAndYearMovesKeepTheDayWhereTheMonthHasIt) {
    Input().PressKey("PageUp");
    EXPECT_EQ(Ymd(calendar->Date()), "20240229") << "31 March less a month in a leap year";
    Input().PressKey("Ctrl+PageUp");
    EXPECT_EQ(Ymd(calendar->Date()), "20230228");
    Input().PressKey("Ctrl+PageDown");
    EXPECT_EQ(Ymd(calendar->Date()), "20240228") << "the day moved to the 28th stays there";
    calendar->SetDate(EncodeDate(2023, 12, 31));
    Input().PressKey("PageDown");
    EXPECT_EQ(Ymd(calendar->Date()), "20240131") << "across the year end";
}

TEST_F(MonthCalendarTest, TheSelectionStaysWithinTheLimitsAndOnlyRealChangesAreReported) {
    calendar->SetDate(TMonthCalendar::LastDate());
    changes.Count = 0;
    for (const char* key : {"Right", "Down", "PageDown", "Ctrl+PageDown", "End"}) Input().PressKey(key);
    EXPECT_EQ(Ymd(calendar->Date()), "99991231");
    EXPECT_EQ(changes.Count, 0) << "a move past the last date changes nothing";
    calendar->SetDate(EncodeDate(1753, 2, 15));
    Input().PressKey("Ctrl+PageUp");
    EXPECT_EQ(Ymd(calendar->Date()), "17530101") << "a year back from February 1753 stops at the first date";
    calendar->SetDate(EncodeDate(1600, 1, 1));
    EXPECT_EQ(Ymd(calendar->Date()), "17530101");

    calendar->SetDate(EncodeDate(2024, 3, 31));
    calendar->SetMaxDate(EncodeDate(2024, 3, 15));
    EXPECT_EQ(Ymd(calendar->Date()), "20240315") << "a narrower limit moves the selection inside";
    EXPECT_THROW(calendar->SetMinDate(EncodeDate(2024, 4, 1)), EInvalidOperation);
    EXPECT_EQ(Ymd(calendar->MinDate()), "17530101") << "a refused limit changes nothing";
    calendar->SetDate(EncodeDate(2024, 3, 10) + 0.75);
    EXPECT_EQ(calendar->Date(), EncodeDate(2024, 3, 10)) << "no time of day";
}

TEST_F(MonthCalendarTest, TheGridStartsOnTheSundayBeforeTheFirstAndClicksSelectDaysOrTurnMonths) {
    // 1 March 2024 is a Friday.
    EXPECT_EQ(Ymd(calendar->FirstShownDate()), "20240225");
    TDateTime day = 0;
    const TRect first = calendar->DayRect(EncodeDate(2024, 3, 1));
    ASSERT_TRUE(calendar->DayAt(first.Left + 1, first.Top + 1, day));
    EXPECT_EQ(Ymd(day), "20240301");
    EXPECT_EQ(first.Left, 5 * first.Width()) << "Friday is the sixth column";
    EXPECT_FALSE(calendar->DayAt(1, 1, day)) << "the heading holds no day";
    EXPECT_TRUE(IsRectEmpty(calendar->DayRect(EncodeDate(2024, 5, 1)))) << "May is not shown with March";

    ClickAt(Centre(calendar->DayRect(EncodeDate(2024, 4, 2))));
    EXPECT_EQ(Ymd(calendar->Date()), "20240402") << "a greyed day of the next month is selected too";
    EXPECT_EQ(calendar->Month(), 4);
    ClickAt(Centre(calendar->PrevArrowRect()));
    EXPECT_EQ(Ymd(calendar->Date()), "20240302");
    ClickAt(Centre(calendar->NextArrowRect()));
    ClickAt(Centre(calendar->NextArrowRect()));
    EXPECT_EQ(Ymd(calendar->Date()), "20240502");
}

TEST_F(MonthCalendarTest, RocYearsChangeOnlyTheHeading) {
    EXPECT_EQ(calendar->Title(), "2024/03");
    calendar->SetRocYears(true);
    EXPECT_EQ(calendar->Title(), "113/03");
    EXPECT_EQ(calendar->Year(), 2024) << "the date itself stays Gregorian";

    calendar->Canvas()->StartRecording();
    calendar->Repaint();
    bool titleDrawn = false, selectedHighlighted = false;
    for (const TCanvasOperation& op : calendar->Canvas()->Operations()) {
        if (op.Kind != TCanvasOpKind::DrawText) continue;
        if (op.Text == "113/03") titleDrawn = true;
        if (op.Text == "31" && op.Rect == calendar->DayRect(calendar->Date()))
            selectedHighlighted = op.BrushColor == clHighlight && op.FontColor == clHighlightText;
    }
    EXPECT_TRUE(titleDrawn) << "the heading shows the ROC year";
    EXPECT_TRUE(selectedHighlighted) << "the selected day is drawn in the highlight colours";
}

TEST(MonthCalendarResource, DateLimitsAndRocYearsComeBackFromAFormResource) {
    RegisterToolkitClasses();
    auto* source = new TForm(&Application());
    source->AfterConstruction();
    auto* calendar = new TMonthCalendar(source);
    calendar->SetName("calDate");
    calendar->SetParent(source);
    calendar->SetRocYears(true);
    calendar->SetMinDate(EncodeDate(2000, 1, 1));
    calendar->SetDate(EncodeDate(2024, 3, 31));
    const std::string text = WriteComponentResText(source);
    auto* loaded = new TForm(&Application());
    loaded->AfterConstruction();
    ReadComponentResText(loaded, text);
    auto* copy = dynamic_cast<TMonthCalendar*>(loaded->FindComponent("calDate"));
    ASSERT_NE(copy, nullptr) << text;
    EXPECT_EQ(Ymd(copy->Date()), "20240331") << text;
    EXPECT_TRUE(copy->RocYears());
    EXPECT_EQ(Ymd(copy->MinDate()), "20000101");
    loaded->Free();
    source->Free();
}

}  // namespace
}  // namespace rt
