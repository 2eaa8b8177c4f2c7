#pragma once
// The current date and time, read through a replaceable source so that tests
// and scripted hosts can fix the moment the module sees.

#include <optional>

#include "platform/sysutils/DateTime.h"

namespace rt {

// Local date and time with milliseconds, or the fixed moment when one is set.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Fixes the value Now() returns; std::nullopt returns to the system clock.
void SetClockOverride(std::optional<TDateTime> moment);
std::optional<TDateTime> ClockOverride();

// Reads the system clock in local time, ignoring any override.
TDateTime SystemNow();

}  // namespace rt
