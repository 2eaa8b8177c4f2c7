#include "outside/host/ServerActivity.h"

#include <stdexcept>

#include "outside/appserver/JobStore.h"
#include "outside/appserver/ReportStore.h"
#include "outside/appserver/ServerValues.h"
#include "platform/automation/VariantJson.h"

namespace host {

ServerActivity::ServerActivity(const std::string& serverFolder, Transcript& transcript)
    : reportFolder_(serverFolder + "/Report"), transcript_(transcript) {
    try {
        store_ = appserver::ServerStore::Open(serverFolder);
        lastJobRow_ = appserver::LastRowId(store_->Db(), "JOBS");
        lastReportRow_ = appserver::LastRowId(store_->Db(), "REPORTS");
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot read the server's jobs: " + std::string(e.what()));
    }
}

void ServerActivity::Report() {
    LookAtJobs();
    LookAtReports();
}

void ServerActivity::LookAtJobs() {
    std::vector<appserver::JobRecord> jobs;
    try {
        jobs = appserver::JobStore(store_).AcceptedHereAfter(lastJobRow_);
    } catch (const std::exception&) {
        // The server holds the database just now; the next look finds the jobs.
        return;
    }
    for (const appserver::JobRecord& job : jobs)
        transcript_.Write({{"job",
                            {{"id", job.id},
                             {"program", job.program},
                             {"company", job.company},
                             {"creator", job.creator},
                             {"status", job.status},
                             {"conditions", rt::VariantToJson(job.conditions)}}}});
}

void ServerActivity::LookAtReports() {
    std::vector<appserver::ReportRecord> reports;
    try {
        reports = appserver::ReportStore(store_).WrittenHereAfter(lastReportRow_);
    } catch (const std::exception&) {
        return;
    }
    // In name order, as a listing of the folder shows them.
    for (const appserver::ReportRecord& report : reports)
        for (const std::string* path : {&report.csvFile, &report.htmlFile, &report.textFile})
            if (!path->empty()) transcript_.Write({{"report", {{"path", *path}}}});
}

}  // namespace host
