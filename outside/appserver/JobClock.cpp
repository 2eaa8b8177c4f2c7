#include "outside/appserver/JobClock.h"

#include "platform/sysutils/Clock.h"

namespace appserver {

rt::TDateTime JobClock::Now() const { return fixed_ ? *fixed_ : rt::SystemNow(); }

}  // namespace appserver
