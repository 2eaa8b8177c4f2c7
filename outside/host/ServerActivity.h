#pragma once
// What the embedded application server did during a run, as transcript
// lines: {"job": {...}} for every job it accepted (with the condition array
// as stored, in the transcript's variant form) and {"report": {"path": P}}
// for every report file written (or written again) into its "Report" folder.
// Only what this process did counts, as other shells may share the folder;
// and each look reads only the records added since the last one. The
// transcript asks before each of its lines, so these lines stand where the
// things happened.

#include <cstdint>
#include <string>

#include "outside/appserver/ServerStore.h"
#include "outside/host/Transcript.h"

namespace host {

class ServerActivity {
public:
    // Starts after the jobs and reports recorded so far; raises
    // std::runtime_error when the database cannot be opened.
    ServerActivity(const std::string& serverFolder, Transcript& transcript);

    // Writes the lines for what is new since the last look.
    void Report();

    std::string ReportFolder() const { return reportFolder_; }

private:
    void LookAtJobs();
    void LookAtReports();

    appserver::StorePtr store_;
    std::string reportFolder_;
    Transcript& transcript_;
    int64_t lastJobRow_ = 0;
    int64_t lastReportRow_ = 0;
};

}  // namespace host
