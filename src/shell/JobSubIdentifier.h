#pragma once
// The job's second identifier, shared by the runs that open a job.

#include <string>

namespace hemr {

// The job's first eight characters followed by "0001".
inline std::string JobSubIdentifier(const std::string& jobID) { return jobID.substr(0, 8) + "0001"; }

}  // namespace hemr
