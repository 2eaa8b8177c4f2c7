#pragma once
// The process-wide locale settings the date, time and number conversions read.
// Defaults are fixed so that output never depends on the machine's locale.

#include <array>
#include <string>

namespace rt {

struct TFormatSettings {
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    std::string CurrencyString = "$";
    int CurrencyDecimals = 2;
    std::string ShortDateFormat = "yyyy/mm/dd";
    std::string LongDateFormat = "dddd, mmmm d, yyyy";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",
                                               "May",     "June",     "July",      "August",
                                               "September", "October", "November", "December"};
    // Index 0 is Sunday, as DayOfWeek counts from Sunday = 1.
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
};

// The settings every conversion without an explicit settings argument uses.
// Hosts and tests may change them; ResetFormatSettings restores the defaults.
TFormatSettings& FormatSettings();
void ResetFormatSettings();

}  // namespace rt
