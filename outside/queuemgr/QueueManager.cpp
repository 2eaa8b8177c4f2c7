#include "outside/queuemgr/QueueManager.h"

#include "outside/appserver/JobStore.h"
#include "outside/appserver/ReportStore.h"
#include "outside/appserver/ServerValues.h"
#include "outside/hemr07s/AgeReport.h"
#include "outside/hemr07s/SvrRunArguments.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/os/Launcher.h"
#include "platform/sysutils/StrUtils.h"

namespace queuemgr {

namespace {

// Element 0 of the request's first element: the job identifier; "" when the
// request does not have the three-element shape.
std::string JobIdOf(const rt::Variant& request) {
    const rt::Variant& r = request.Deref();
    if (!r.IsArray() || r.DimCount() != 1 || r.ElementCount() != 3)
        return "";
    const rt::Variant& ids = r[r.LowBound()].Deref();
    if (!ids.IsArray() || ids.DimCount() != 1 || ids.ElementCount() != 4 || ids[ids.LowBound()].Deref().IsArray())
        return "";
    return rt::Trim(appserver::ArgText(ids[ids.LowBound()]));
}

// The run array of the report library for a stored job.
rt::Variant RunArgumentsOf(const appserver::JobRecord& job) {
    const rt::Variant& values = job.conditions.Deref()[job.conditions.Deref().LowBound() + 2];
    return rt::Variant::ArrayOf({job.id, "", job.company, job.creator, "", values, 1, "R",
                                 job.id.substr(0, 8) + "0001", 3, false, ""});
}

}  // namespace

TQueueManager::TQueueManager(StoreOpener openStore) : openStore_(std::move(openStore)) {
    DefineMethod("OpenReport", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return rt::Variant(OpenReport(a[0]));
    });
    DefineProperty("LastError", [this](rt::DispatchArgs&) { return rt::Variant(lastError_); });
}

int TQueueManager::Fail(int code, const std::string& why) {
    lastError_ = why;
    return code;
}

int TQueueManager::OpenReport(const rt::Variant& request) {
    std::string jobId = JobIdOf(request);
    if (jobId.empty() || rt::SameText(jobId, "ERROR"))
        return Fail(kBadArgument, "OpenReport needs [[job id, run id, user, product], user, true] with a job id");
    try {
        return OpenJob(jobId);
    } catch (const rt::Exception& e) {
        return Fail(kServerError, e.Message());
    }
}

int TQueueManager::OpenJob(const std::string& jobId) {
    appserver::StorePtr store = openStore_();
    std::optional<appserver::ReportRecord> report = appserver::ReportStore(store).FindByJob(jobId);
    if (!report) {
        std::optional<appserver::JobRecord> job = appserver::JobStore(store).Find(jobId);
        if (!job)
            return Fail(kUnknownJob, "Unknown job " + jobId);
        if (!rt::SameText(job->program, "HEMR07"))
            return Fail(kNoReportFile, "Job " + jobId + " of " + job->program + " has no report");
        report = hemr07s::AgeReport(store).Run(hemr07s::SvrRunArguments::Parse(RunArgumentsOf(*job)));
    }
    if (!rt::FileExists(report->textFile))
        return Fail(kNoReportFile, "The report file " + report->textFile + " is missing");
    int launched = rt::ShellExecute("open", report->textFile, "", "", rt::SW_SHOWNORMAL);
    if (launched <= 32)
        return Fail(kLaunchFailed, "Cannot open " + report->textFile + " (" + std::to_string(launched) + ")");
    lastError_.clear();
    return kOpened;
}

}  // namespace queuemgr
