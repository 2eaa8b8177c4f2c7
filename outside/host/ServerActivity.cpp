#include "outside/host/ServerActivity.h"

#include <stdexcept>

#include "outside/appserver/JobStore.h"
#include "platform/automation/VariantJson.h"

namespace host {

ServerActivity::ServerActivity(const std::string& serverFolder, Transcript& transcript)
    : reportFolder_(serverFolder + "/Report"), transcript_(transcript) {
    try {
        store_ = appserver::ServerStore::Open(serverFolder);
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot read the server's jobs: " + std::string(e.what()));
    }
    LookAtJobs(false);
    LookAtReports(false);
}

void ServerActivity::Report() {
    LookAtJobs(true);
    LookAtReports(true);
}

void ServerActivity::LookAtJobs(bool write) {
    std::vector<appserver::JobRecord> jobs;
    try {
        jobs = appserver::JobStore(store_).List();
    } catch (const std::exception&) {
        // The server holds the database just now; the next look finds the jobs.
        return;
    }
    for (const appserver::JobRecord& job : jobs) {
        if (!knownJobs_.insert(job.id).second || !write) continue;
        transcript_.Write({{"job",
                            {{"id", job.id},
                             {"program", job.program},
                             {"company", job.company},
                             {"creator", job.creator},
                             {"status", job.status},
                             {"conditions", rt::VariantToJson(job.conditions)}}}});
    }
}

std::map<std::string, ServerActivity::FileStamp> ServerActivity::ReportFiles() const {
    std::map<std::string, FileStamp> files;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(reportFolder_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code statError;
        if (!it->is_regular_file(statError)) continue;
        FileStamp stamp{it->last_write_time(statError), it->file_size(statError)};
        if (!statError) files[it->path().lexically_normal().string()] = stamp;
    }
    return files;
}

void ServerActivity::LookAtReports(bool write) {
    for (const auto& [path, stamp] : ReportFiles()) {
        auto known = knownFiles_.find(path);
        if (known != knownFiles_.end() && known->second == stamp) continue;
        knownFiles_[path] = stamp;
        if (write) transcript_.Write({{"report", {{"path", path}}}});
    }
}

}  // namespace host
