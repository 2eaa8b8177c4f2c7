#pragma once
// What the embedded application server did during a run, as transcript
// lines: {"job": {...}} for every job it accepted (with the condition array
// as stored, in the transcript's variant form) and {"report": {"path": P}}
// for every report file written into its "Report" folder (new, or changed
// since it was last seen). The transcript asks before each of its lines, so
// these lines stand where the things happened.

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "outside/appserver/ServerStore.h"
#include "outside/host/Transcript.h"

namespace host {

class ServerActivity {
public:
    // Remembers the jobs and report files of `serverFolder` as they are now;
    // raises std::runtime_error when its database cannot be opened.
    ServerActivity(const std::string& serverFolder, Transcript& transcript);

    // Writes the lines for what is new since the last look.
    void Report();

    std::string ReportFolder() const { return reportFolder_; }

private:
    struct FileStamp {
        std::filesystem::file_time_type written;
        std::uintmax_t size = 0;
        bool operator==(const FileStamp&) const = default;
    };

    std::map<std::string, FileStamp> ReportFiles() const;
    // Jobs not reported yet; `write` false only takes note of them.
    void LookAtJobs(bool write);
    void LookAtReports(bool write);

    appserver::StorePtr store_;
    std::string reportFolder_;
    Transcript& transcript_;
    std::set<std::string> knownJobs_;
    std::map<std::string, FileStamp> knownFiles_;
};

}  // namespace host
