#pragma once
// The one source of "now" for the job runner and its notifications: the
// system clock in service, a moment the caller sets in tests and in
// "run-due --at", so that nothing has to wait for time to pass.

#include <optional>

#include "platform/sysutils/DateTime.h"

namespace appserver {

class JobClock {
public:
    // The system clock, or the fixed moment when one is given.
    explicit JobClock(std::optional<rt::TDateTime> fixed = std::nullopt) : fixed_(fixed) {}

    rt::TDateTime Now() const;
    void Set(rt::TDateTime moment) { fixed_ = moment; }

private:
    std::optional<rt::TDateTime> fixed_;
};

}  // namespace appserver
