#pragma once
// Report files written by the programs' server libraries, so that the queue
// manager can open a job's report later. One record per report name; a job
// run again keeps every run, and the newest is the one a job opens.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "outside/appserver/ServerStore.h"

namespace appserver {

struct ReportRecord {
    std::string reportId;  // base name of the files
    std::string jobId;     // "" for a direct run without a logged job
    std::string program, creator, company;
    std::string csvFile, textFile;  // full paths
    std::string htmlFile;           // full path, "" when none was written
    std::string created;            // "YYYY-MM-DD hh:nn:ss.zzz"
};

class ReportStore {
public:
    explicit ReportStore(StorePtr store) : store_(std::move(store)) {}

    // Adds or replaces the record of `record.reportId`.
    void Record(const ReportRecord& record);
    // The newest report of a job, nullopt when the job has none.
    std::optional<ReportRecord> FindByJob(const std::string& jobId);
    // True when a report of that name is recorded.
    bool Exists(const std::string& reportId);
    // Reports this process recorded (or recorded again) after row `rowId` (a
    // LastRowId), in order; moves `rowId` past them.
    std::vector<ReportRecord> WrittenHereAfter(int64_t& rowId);

private:
    StorePtr store_;
};

}  // namespace appserver
