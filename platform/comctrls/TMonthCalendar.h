#pragma once
// A month calendar: one month as six weeks of seven days (Sunday first),
// under a heading with the year and month between two arrows. One date is
// selected, always within MinDate..MaxDate (1753-01-01..9999-12-31 unless
// narrowed). Keys move it: Left/Right a day, Up/Down a week, PageUp/PageDown
// a month, Ctrl+PageUp/Ctrl+PageDown a year, Home/End to the first or last
// day of its month. A month or year move keeps the day where the month has
// it (31 March less a month is 29 February in a leap year). A click on a day
// selects it, days of the neighbouring months included; a click on an arrow
// moves a month. With RocYears the heading counts the years of the Republic
// era (year - 1911); the selected date itself is always the Gregorian one.

#include <memory>
#include <string>

#include "platform/classes/Events.h"
#include "platform/controls/TWinControl.h"
#include "platform/sysutils/DateTime.h"

namespace rt {

class TCanvas;

class TMonthCalendar : public TWinControl {
    RT_CLASS(TMonthCalendar, TWinControl)

public:
    static constexpr int kRocYearOffset = 1911;

    explicit TMonthCalendar(TComponent* owner);
    ~TMonthCalendar() override;

    static void Publish(TPublisher<TMonthCalendar>& p);

    static TDateTime FirstDate();  // 1753-01-01
    static TDateTime LastDate();   // 9999-12-31

    // The selected day (no time of day). Setting keeps it within the limits
    // and raises OnChange when the day changes.
    TDateTime Date() const { return date_; }
    void SetDate(TDateTime date);
    int Year() const;
    int Month() const;
    int Day() const;

    TDateTime MinDate() const { return minDate_; }
    TDateTime MaxDate() const { return maxDate_; }
    // Limits outside FirstDate..LastDate are taken as those; a minimum after
    // the maximum raises EInvalidOperation and changes nothing.
    void SetMinDate(TDateTime date);
    void SetMaxDate(TDateTime date);

    bool RocYears() const { return rocYears_; }
    void SetRocYears(bool v);
    // A year as the heading counts it.
    int ShownYear(int year) const { return rocYears_ ? year - kRocYearOffset : year; }
    // "2024/03", or "113/03" with RocYears.
    std::string Title() const;

    // Moves the selection as the keys do.
    void MoveDays(int days);
    void MoveMonths(int months);

    // Layout, in client coordinates.
    TRect TitleRect() const;
    TRect PrevArrowRect() const;
    TRect NextArrowRect() const;
    // The first day the grid shows: the Sunday on or before the 1st of the month.
    TDateTime FirstShownDate() const;
    // The cell of a shown day; an empty rectangle for a day not shown.
    TRect DayRect(TDateTime day) const;
    // The day under (x, y), false when the point is on no day cell.
    bool DayAt(int x, int y, TDateTime& day) const;

    TCanvas* Canvas() const { return canvas_.get(); }

    TNotifyEvent OnChange;

protected:
    void DefaultKeyDown(uint16_t key, TShiftState shift) override;
    LRESULT DialogCode() const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;

private:
    int HeadingHeight() const;
    int CellWidth() const;
    int CellHeight() const;
    TDateTime Clamped(TDateTime date) const;
    void PaintDay(TDateTime day, int month);

    TDateTime date_;
    TDateTime minDate_;
    TDateTime maxDate_;
    bool rocYears_ = false;
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace rt
