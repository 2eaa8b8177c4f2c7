#pragma once
// Which server process accepted a job or wrote a report: the embedded server
// runs inside each client shell, several of which may share one database, and
// each shell lists only what its own process did.

#include <string>

namespace appserver {

// A process started to act for another (the job runner's library process)
// is given that one's identity in this environment variable.
inline constexpr const char* kProcessIdentityVariable = "HEMR_PROCESS_IDENTITY";

// Boot, process number and start time: no two processes share it, not even
// when a process number is used again. The same in every library of a process.
std::string ThisProcessIdentity();

}  // namespace appserver
