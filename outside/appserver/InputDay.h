#pragma once
// The date of the date-input window: ShowInputDay's [ROC flag, start
// "YYYYMMDD", database] in, a "YYYYMMDD" text out. The window shows years
// of the Republic era (year - 1911) when the flag is set, but always
// answers the Gregorian date.

#include <string>

#include "platform/core/Variant.h"

namespace appserver {

struct InputDayRequest {
    bool rocYears = false;
    std::string start;  // a valid "YYYYMMDD"; today when the caller sent none
    std::string dbName;

    // `today` as "YYYYMMDD". Raises EServerError when the argument is not an array.
    static InputDayRequest Parse(const rt::Variant& request, const std::string& today);
};

// True for "YYYYMMDD" between 17530101 and 99991231 naming a calendar day.
bool IsInputDay(const std::string& ymd);

// "2024/06/30", or "113/06/30" with ROC years.
std::string ShownDay(const std::string& ymd, bool rocYears);

}  // namespace appserver
