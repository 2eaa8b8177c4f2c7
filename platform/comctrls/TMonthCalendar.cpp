#include "platform/comctrls/TMonthCalendar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TCanvas.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/FormatSettings.h"

namespace rt {

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kWeeksShown = 6;
// The weekday names take one row of cells above the weeks.
constexpr int kCellRows = kWeeksShown + 1;

// The day of a moment; dates before 1899-12-30 count their time of day upwards, so floor() would be wrong.
TDateTime DayOnly(TDateTime value) { return DateOf(value); }

}  // namespace

TDateTime TMonthCalendar::FirstDate() { return EncodeDate(1753, 1, 1); }

TDateTime TMonthCalendar::LastDate() { return EncodeDate(9999, 12, 31); }

TMonthCalendar::TMonthCalendar(TComponent* owner)
    : TWinControl(owner),
      minDate_(FirstDate()),
      maxDate_(LastDate()),
      canvas_(std::make_unique<TCanvas>()) {
    SetTabStop(true);
    SetBounds(0, 0, 224, 176);
    date_ = Clamped(rt::Date());
}

TMonthCalendar::~TMonthCalendar() = default;

void TMonthCalendar::Publish(TPublisher<TMonthCalendar>& p) {
    p.Republish("TabStop").Default(true);
    // The limits first, so that a stored date is kept within them.
    p.Property("MinDate", &TMonthCalendar::MinDate, &TMonthCalendar::SetMinDate).Default(FirstDate());
    p.Property("MaxDate", &TMonthCalendar::MaxDate, &TMonthCalendar::SetMaxDate).Default(LastDate());
    p.Property("Date", &TMonthCalendar::Date, &TMonthCalendar::SetDate).NoDefault();
    p.Property("RocYears", &TMonthCalendar::RocYears, &TMonthCalendar::SetRocYears).Default(false);
    p.Property("OnChange", &TMonthCalendar::OnChange);
}

TDateTime TMonthCalendar::Clamped(TDateTime date) const { return std::clamp(DayOnly(date), minDate_, maxDate_); }

void TMonthCalendar::SetDate(TDateTime date) {
    const TDateTime day = Clamped(date);
    if (day == date_) return;
    date_ = day;
    Invalidate();
    OnChange(this);
}

int TMonthCalendar::Year() const {
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    return y;
}

int TMonthCalendar::Month() const {
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    return m;
}

int TMonthCalendar::Day() const {
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    return d;
}

void TMonthCalendar::SetMinDate(TDateTime date) {
    const TDateTime day = std::clamp(DayOnly(date), FirstDate(), LastDate());
    if (day > maxDate_) throw EInvalidOperation("The first date of the calendar lies after its last date");
    minDate_ = day;
    SetDate(date_);
}

void TMonthCalendar::SetMaxDate(TDateTime date) {
    const TDateTime day = std::clamp(DayOnly(date), FirstDate(), LastDate());
    if (day < minDate_) throw EInvalidOperation("The last date of the calendar lies before its first date");
    maxDate_ = day;
    SetDate(date_);
}

void TMonthCalendar::SetRocYears(bool v) {
    if (v == rocYears_) return;
    rocYears_ = v;
    Invalidate();
}

std::string TMonthCalendar::Title() const {
    char text[24];
    std::snprintf(text, sizeof text, rocYears_ ? "%d/%02d" : "%04d/%02d", ShownYear(Year()), Month());
    return text;
}

void TMonthCalendar::MoveDays(int days) { SetDate(date_ + days); }

void TMonthCalendar::MoveMonths(int months) {
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    // Counted in months from year 0, so that moves past the calendar's ends clamp instead of failing.
    const long target = static_cast<long>(y) * 12 + (m - 1) + months;
    if (target < 12) {
        SetDate(minDate_);
        return;
    }
    if (target > 12L * 9999 + 11) {
        SetDate(maxDate_);
        return;
    }
    const int ty = static_cast<int>(target / 12);
    const int tm = static_cast<int>(target % 12) + 1;
    SetDate(EncodeDate(ty, tm, std::min(d, DaysInAMonth(ty, tm))));
}

LRESULT TMonthCalendar::DialogCode() const { return DLGC_WANTARROWS; }

void TMonthCalendar::DefaultKeyDown(uint16_t key, TShiftState shift) {
    const bool ctrl = shift.Contains(ssCtrl);
    switch (key) {
        case VK_LEFT: MoveDays(-1); break;
        case VK_RIGHT: MoveDays(1); break;
        case VK_UP: MoveDays(-kDaysPerWeek); break;
        case VK_DOWN: MoveDays(kDaysPerWeek); break;
        case VK_PRIOR: MoveMonths(ctrl ? -12 : -1); break;
        case VK_NEXT: MoveMonths(ctrl ? 12 : 1); break;
        case VK_HOME: MoveDays(1 - Day()); break;
        case VK_END: MoveDays(DaysInAMonth(Year(), Month()) - Day()); break;
        default: TWinControl::DefaultKeyDown(key, shift); break;
    }
}

int TMonthCalendar::HeadingHeight() const {
    canvas_->SetFont(Font());
    return canvas_->TextHeight("0") + 8;
}

int TMonthCalendar::CellWidth() const { return std::max(ClientWidth() / kDaysPerWeek, 1); }

int TMonthCalendar::CellHeight() const { return std::max((ClientHeight() - HeadingHeight()) / kCellRows, 1); }

TRect TMonthCalendar::TitleRect() const { return Rect(0, 0, ClientWidth(), HeadingHeight()); }

TRect TMonthCalendar::PrevArrowRect() const { return Bounds(0, 0, HeadingHeight(), HeadingHeight()); }

TRect TMonthCalendar::NextArrowRect() const {
    return Bounds(ClientWidth() - HeadingHeight(), 0, HeadingHeight(), HeadingHeight());
}

TDateTime TMonthCalendar::FirstShownDate() const {
    const TDateTime first = EncodeDate(Year(), Month(), 1);
    return first - (DayOfWeek(first) - 1);
}

TRect TMonthCalendar::DayRect(TDateTime day) const {
    const long cell = std::lround(DayOnly(day) - FirstShownDate());
    if (cell < 0 || cell >= kDaysPerWeek * kWeeksShown) return TRect{};
    const int column = static_cast<int>(cell % kDaysPerWeek);
    const int week = static_cast<int>(cell / kDaysPerWeek);
    return Bounds(column * CellWidth(), HeadingHeight() + (week + 1) * CellHeight(), CellWidth(), CellHeight());
}

bool TMonthCalendar::DayAt(int x, int y, TDateTime& day) const {
    const int top = HeadingHeight() + CellHeight();
    if (x < 0 || y < top || x >= CellWidth() * kDaysPerWeek) return false;
    const int week = (y - top) / CellHeight();
    if (week >= kWeeksShown) return false;
    day = FirstShownDate() + week * kDaysPerWeek + x / CellWidth();
    return true;
}

void TMonthCalendar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    if (button == mbLeft) {
        TDateTime day = 0;
        if (PtInRect(PrevArrowRect(), Point(x, y))) {
            MoveMonths(-1);
        } else if (PtInRect(NextArrowRect(), Point(x, y))) {
            MoveMonths(1);
        } else if (DayAt(x, y, day)) {
            SetDate(day);
        }
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TMonthCalendar::PaintDay(TDateTime day, int month) {
    int y = 0, m = 0, d = 0;
    DecodeDate(day, y, m, d);
    TRect cell = DayRect(day);
    const bool selected = DayOnly(day) == date_;
    const bool outside = m != month || day < minDate_ || day > maxDate_;
    canvas_->Brush()->SetColor(selected ? clHighlight : Color());
    canvas_->FillRect(cell);
    canvas_->Font()->SetColor(selected ? clHighlightText : outside ? clGrayText : Font()->Color());
    canvas_->DrawText(std::to_string(d), cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TMonthCalendar::Paint() {
    canvas_->SetFont(Font());
    canvas_->Brush()->SetColor(clBtnFace);
    TRect title = TitleRect();
    canvas_->FillRect(title);
    canvas_->DrawText(Title(), title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    TRect prev = PrevArrowRect();
    canvas_->DrawText("<", prev, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    TRect next = NextArrowRect();
    canvas_->DrawText(">", next, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    canvas_->Brush()->SetColor(Color());
    for (int column = 0; column < kDaysPerWeek; ++column) {
        TRect names = Bounds(column * CellWidth(), HeadingHeight(), CellWidth(), CellHeight());
        canvas_->DrawText(FormatSettings().ShortDayNames[column], names, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    const TDateTime first = FirstShownDate();
    for (int cell = 0; cell < kDaysPerWeek * kWeeksShown; ++cell) PaintDay(first + cell, Month());
}

}  // namespace rt
