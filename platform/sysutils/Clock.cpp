#include "platform/sysutils/Clock.h"

#include <chrono>
#include <ctime>

namespace rt {

namespace {

std::optional<TDateTime>& OverrideSlot() {
    static std::optional<TDateTime> slot;
    return slot;
}

}  // namespace

TDateTime SystemNow() {
    using namespace std::chrono;
    auto now = system_clock::now();
    auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59, static_cast<int>(ms));
}

TDateTime Now() {
    const auto& fixed = OverrideSlot();
    return fixed ? *fixed : SystemNow();
}

TDateTime Date() { return DateOf(Now()); }

TDateTime Time() { return TimeOf(Now()); }

void SetClockOverride(std::optional<TDateTime> moment) { OverrideSlot() = moment; }

std::optional<TDateTime> ClockOverride() { return OverrideSlot(); }

}  // namespace rt
