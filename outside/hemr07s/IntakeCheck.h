#pragma once
// The server's intake check of HEMR07 jobs: the value rows must be readable as
// AgeConditions, every date a calendar date and every middle bracket run
// upwards, so a job the form would have refused is refused from any client.

namespace hemr07s {

// Registers the check with the server's intake (ConditionArrayCheck.h).
void RegisterIntakeCheck();

}  // namespace hemr07s
