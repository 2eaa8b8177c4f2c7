#pragma once
// The queue manager ("DovorArovuroV.Class1"), created by the condition form
// to open a job's report for the user.
//
//   OpenReport([[job id, job id(8) + "0001", user, product id], user, true])
//       finds the job's report (the newest one recorded for the job; a job
//       the server holds without a report yet is run first, from its stored
//       condition array) and opens its text file with the platform launcher.
//       Answers 0 when opened, otherwise one of the codes below, with the
//       reason in LastError. Never raises for bad input.
//   LastError   property: the reason of the last non-zero answer, "" after 0
//
// The server folder is the one of ServerHome.h.

#include <functional>
#include <string>

#include "outside/appserver/ServerStore.h"
#include "platform/automation/Dispatch.h"

namespace queuemgr {

enum OpenReportResult {
    kOpened = 0,
    kBadArgument = 1,
    kUnknownJob = 2,
    kNoReportFile = 3,
    kLaunchFailed = 4,
    kServerError = 5,
};

inline constexpr const char* kQueueManagerProgId = "DovorArovuroV.Class1";

class TQueueManager : public rt::TAutoObject {
public:
    using StoreOpener = std::function<appserver::StorePtr()>;

    explicit TQueueManager(StoreOpener openStore = &appserver::ServerStore::OpenDefault);
    std::string DispatchName() const override { return kQueueManagerProgId; }

    int OpenReport(const rt::Variant& request);
    const std::string& LastError() const { return lastError_; }

private:
    int Fail(int code, const std::string& why);
    int OpenJob(const std::string& jobId);

    StoreOpener openStore_;
    std::string lastError_;
};

}  // namespace queuemgr
