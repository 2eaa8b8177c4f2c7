#pragma once
// Date and time to text and back, in the pattern language of the original
// runtime: y m d h n s z t c, am/pm, '/' and ':' as the locale separators.

#include <string>
#include <string_view>

#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/FormatSettings.h"

namespace rt {

// Pattern letters are case-insensitive; m/mm right after h/hh means minutes;
// text in '...' or "..." is copied as it stands. An empty pattern means "c".
std::string FormatDateTime(std::string_view pattern, TDateTime value);
std::string FormatDateTime(std::string_view pattern, TDateTime value, const TFormatSettings& settings);

std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);
// Short date and long time; the time is left out at midnight.
std::string DateTimeToStr(TDateTime value);

// Read a date in the order of ShortDateFormat (year-month-day, month-day-year
// or day-month-year) with DateSeparator; a two-number date is in the current
// year, a two-digit year is taken within 50 years of the current one.
bool TryStrToDate(const std::string& text, TDateTime& value);
bool TryStrToTime(const std::string& text, TDateTime& value);
bool TryStrToDateTime(const std::string& text, TDateTime& value);
// Raise EConvertError "'<text>' is not a valid date" / "... time" / "... date and time".
TDateTime StrToDate(const std::string& text);
TDateTime StrToTime(const std::string& text);
TDateTime StrToDateTime(const std::string& text);
TDateTime StrToDateDef(const std::string& text, TDateTime fallback);
TDateTime StrToDateTimeDef(const std::string& text, TDateTime fallback);

}  // namespace rt
